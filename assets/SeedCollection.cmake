cmake_minimum_required(VERSION 3.22)
# cmake -DSOURCE=<file> -DTARGET=<file> -P SeedCollection.cmake
# Copies SOURCE to TARGET only when nothing exists at TARGET, so a file
# the player has edited survives every rebuild. A dangling link counts as
# existing too: replacing it would write where the player did not expect.
if(NOT DEFINED SOURCE OR NOT DEFINED TARGET)
    message(FATAL_ERROR "SeedCollection.cmake needs SOURCE and TARGET")
endif()
if(EXISTS "${TARGET}" OR IS_SYMLINK "${TARGET}")
    return()
endif()
get_filename_component(folder "${TARGET}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(COPY_FILE "${SOURCE}" "${TARGET}")
