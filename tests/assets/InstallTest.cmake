cmake_minimum_required(VERSION 3.22)
# An install into a fresh prefix lays out everything a desktop and a
# player's first start look for, under the names the desktop entry gives.
file(REMOVE_RECURSE "${PREFIX}")
set(ENV{DESTDIR} "")
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(app_id org.flintora.Flintora)
set(data "${PREFIX}/${DATADIR}")
set(desktop "${data}/applications/${app_id}.desktop")
set(metainfo "${data}/metainfo/${app_id}.metainfo.xml")
set(collection "${data}/flintora/Kindlet.ini")
foreach(installed "${PREFIX}/${BINDIR}/flintora" "${desktop}" "${metainfo}" "${collection}"
                  "${data}/icons/hicolor/scalable/apps/${app_id}.svg"
                  "${data}/icons/hicolor/256x256/apps/${app_id}.png")
    if(NOT EXISTS "${installed}")
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()

file(SHA256 "${SOURCE_DIR}/assets/Kindlet.ini" bundled)
file(SHA256 "${collection}" installed)
if(NOT installed STREQUAL bundled)
    message(FATAL_ERROR "the installed collection differs from assets/Kindlet.ini")
endif()

# The value of one "Key=" line of the desktop entry.
function(entry key out)
    file(STRINGS "${desktop}" lines REGEX "^${key}=")
    if(NOT lines)
        message(FATAL_ERROR "the desktop entry has no ${key}=")
    endif()
    list(GET lines 0 line)
    string(REGEX REPLACE "^${key}=" "" value "${line}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

entry(Exec exec)
string(REGEX REPLACE " .*" "" program "${exec}")
if(NOT EXISTS "${PREFIX}/${BINDIR}/${program}")
    message(FATAL_ERROR "Exec=${exec} names no installed program")
endif()
entry(Icon icon)
foreach(picture scalable/apps/${icon}.svg 256x256/apps/${icon}.png)
    if(NOT EXISTS "${data}/icons/hicolor/${picture}")
        message(FATAL_ERROR "Icon=${icon} names no installed ${picture}")
    endif()
endforeach()

# The checkers desktops and software centres run, where this machine has
# them. Their hints and infos count too: each one is something a desktop
# shows worse than it could.
find_program(desktop_file_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
if(desktop_file_validate)
    execute_process(COMMAND ${desktop_file_validate} "${desktop}" RESULT_VARIABLE failed
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(failed OR report)
        message(FATAL_ERROR "desktop-file-validate on the installed desktop entry:\n${report}")
    endif()
else()
    message(STATUS "desktop-file-validate not found; the desktop entry is not validated")
endif()
if(appstreamcli)
    execute_process(COMMAND ${appstreamcli} validate --no-net --strict "${metainfo}"
                    RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(failed)
        message(FATAL_ERROR "appstreamcli on the installed metainfo:\n${report}")
    endif()
else()
    message(STATUS "appstreamcli not found; the metainfo is not validated")
endif()
