cmake_minimum_required(VERSION 3.22)
# Seeding copies the collection where there is none and never replaces a
# file that is there, whether the script runs alone or through the build.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
set(target "${SCRATCH}/bin/Kindlet.ini")
file(READ "${SOURCE}" bundled)

function(seed)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DTARGET=${target}
                            -P ${SEED_SCRIPT} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "seeding failed")
    endif()
endfunction()

seed()
file(READ "${target}" seeded)
if(NOT seeded STREQUAL bundled)
    message(FATAL_ERROR "a missing collection was not seeded with the bundled one")
endif()

set(own "[Settings]\r\n[My own puzzle]\r\n")
file(WRITE "${target}" "${own}")
seed()
file(SHA256 "${target}" kept)
string(SHA256 wanted "${own}")
if(NOT kept STREQUAL wanted)
    message(FATAL_ERROR "seeding replaced an edited collection")
endif()

# The real build step, on the build's own copy; the copy is put back as it
# was whatever happens.
if(NOT EXISTS "${BUILT}")
    message(FATAL_ERROR "the build did not seed ${BUILT}")
endif()
set(backup "${SCRATCH}/Kindlet.ini.backup")
file(COPY_FILE "${BUILT}" "${backup}")
set(edited "[Settings]\r\n[Edited by seed test]\r\n")
file(WRITE "${BUILT}" "${edited}")
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} --target seed_collection
                RESULT_VARIABLE build_failed OUTPUT_QUIET)
file(SHA256 "${BUILT}" after_build)
string(SHA256 edited "${edited}")
file(COPY_FILE "${backup}" "${BUILT}")
if(build_failed)
    message(FATAL_ERROR "building seed_collection failed")
endif()
if(NOT after_build STREQUAL edited)
    message(FATAL_ERROR "a rebuild replaced the edited ${BUILT}")
endif()
