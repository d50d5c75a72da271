cmake_minimum_required(VERSION 3.22)
# Every bundled puzzle can be played to its stored solution in the real
# window, with mouse events, and the window then says it is solved. The
# collection itself is left as it was.
file(SHA256 "${COLLECTION}" before)
file(STRINGS "${COLLECTION}" sections REGEX "^\\[.*\\]\r?$")
set(played 0)
foreach(section ${sections})
    string(REGEX REPLACE "^\\[(.*)\\]\r?$" "\\1" title "${section}")
    if(title STREQUAL "Settings")
        continue()
    endif()
    execute_process(COMMAND ${RENDER} --file ${COLLECTION} --puzzle ${title} --solve
                            ${SCRATCH}/solved.png
                    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE report)
    if(failed)
        message(FATAL_ERROR "\"${title}\" could not be played to its solution:\n${report}")
    endif()
    math(EXPR played "${played} + 1")
endforeach()
if(played LESS 20)
    message(FATAL_ERROR "only ${played} puzzles were found in ${COLLECTION}")
endif()
file(SHA256 "${COLLECTION}" after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "playing the solutions changed ${COLLECTION}")
endif()
