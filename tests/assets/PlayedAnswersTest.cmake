cmake_minimum_required(VERSION 3.22)
# Every answer the search lists for every bundled puzzle is played in the
# real window with mouse events, and the window calls each one solved. The
# window has its default size, which digit sums need. The collection itself
# is left as it was.
file(SHA256 "${COLLECTION}" before)
execute_process(COMMAND ${RENDER} --file ${COLLECTION} --play-answers --size 975x690
                        ${SCRATCH}/played.png
                RESULT_VARIABLE failed OUTPUT_VARIABLE summary ERROR_VARIABLE report)
string(REGEX REPLACE "This plugin does not support[^\n]*\n" "" report "${report}")
if(failed)
    message(FATAL_ERROR "${summary}${report}")
endif()
message(STATUS "${summary}")
file(SHA256 "${COLLECTION}" after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "playing the answers changed ${COLLECTION}")
endif()
