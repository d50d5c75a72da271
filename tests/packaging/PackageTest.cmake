cmake_minimum_required(VERSION 3.22)
# cpack builds the .deb into a scratch folder; its control fields and files
# must be what apt and Debian's checkers need, and lintian, where installed,
# must find no error or warning in it.
file(REMOVE_RECURSE "${SCRATCH}")
find_program(dpkg_deb dpkg-deb REQUIRED)
execute_process(COMMAND ${CPACK} -G DEB -B "${SCRATCH}" --config "${BINARY_DIR}/CPackConfig.cmake"
                RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs "${SCRATCH}/flintora_*.deb")
list(LENGTH debs count)
if(failed OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} flintora_*.deb:\n${log}")
endif()

function(field name out)
    execute_process(COMMAND ${dpkg_deb} --field ${debs} ${name} OUTPUT_VARIABLE value
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(expect_field name wanted)
    field(${name} value)
    if(NOT value STREQUAL wanted)
        message(FATAL_ERROR "${name}: \"${value}\", wanted \"${wanted}\"")
    endif()
endfunction()

# The version is the newest changelog entry's, so the two never disagree.
file(STRINGS "${SOURCE_DIR}/packaging/changelog" newest LIMIT_COUNT 1)
string(REGEX REPLACE "^flintora \\(([^)]+)\\).*" "\\1" version "${newest}")
expect_field(Package flintora)
expect_field(Version "${version}")
expect_field(Section games)
expect_field(Priority optional)

field(Maintainer maintainer)
if(NOT maintainer MATCHES "^[^<]+ <[^@>]+@[^>]+>$")
    message(FATAL_ERROR "Maintainer is not \"Name <address>\": \"${maintainer}\"")
endif()

# A synopsis line, then packaging/description.txt as written: each line
# indented by a space, each blank line a lone ".".
field(Description description)
file(READ "${SOURCE_DIR}/packaging/description.txt" written)
string(REGEX REPLACE "\n+$" "" written "${written}")
string(REPLACE "\n\n" "\n.\n" written "${written}")
string(REPLACE "\n" "\n " written " ${written}")
if(NOT description MATCHES "^[^\n]+\n(.*)$" OR NOT CMAKE_MATCH_1 STREQUAL written)
    message(FATAL_ERROR "Description is not a synopsis and packaging/description.txt:\n"
                        "${description}")
endif()

# The libraries dpkg-shlibdeps finds, and the fonts the board asks for.
field(Depends depends)
foreach(package libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-comic-neue
                fonts-dejavu-core)
    if(NOT depends MATCHES "(^|, )${package}( |,|$)")
        message(FATAL_ERROR "Depends lacks ${package}: ${depends}")
    endif()
endforeach()

# The Wayland plugin is recommended, not required: X11 still works without it.
expect_field(Recommends qt6-wayland)

# Every entry owned by root; the program executable by all, other files
# readable by all and writable by root alone.
execute_process(COMMAND ${dpkg_deb} --contents ${debs} OUTPUT_VARIABLE listing
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" listing "${listing}")
set(files)
foreach(line ${listing})
    if(NOT line MATCHES "^([-dl][rwx-]+) root/root +[0-9]+ [0-9-]+ [0-9:]+ \\./(.*)$")
        message(FATAL_ERROR "not owned by root: ${line}")
    endif()
    set(mode ${CMAKE_MATCH_1})
    set(path ${CMAKE_MATCH_2})
    if(path MATCHES "^usr/(bin|games)/[^/]+$")
        set(wanted -rwxr-xr-x)
    elseif(mode MATCHES "^-")
        set(wanted -rw-r--r--)
    else()
        set(wanted drwxr-xr-x)
    endif()
    if(NOT mode STREQUAL wanted)
        message(FATAL_ERROR "${path} has mode ${mode}, wanted ${wanted}")
    endif()
    list(APPEND files "${path}")
endforeach()

set(app_id org.flintora.Flintora)
if(NOT "usr/games/flintora" IN_LIST files)
    message(FATAL_ERROR "the package has no usr/games/flintora; a build folder configured "
                        "before games/ became the default needs -U CMAKE_INSTALL_BINDIR")
endif()
foreach(installed usr/share/applications/${app_id}.desktop
                  usr/share/metainfo/${app_id}.metainfo.xml
                  usr/share/icons/hicolor/scalable/apps/${app_id}.svg
                  usr/share/icons/hicolor/256x256/apps/${app_id}.png
                  usr/share/flintora/Kindlet.ini
                  usr/share/doc/flintora/copyright
                  usr/share/doc/flintora/changelog.Debian.gz)
    if(NOT installed IN_LIST files)
        message(FATAL_ERROR "the package lacks ${installed}")
    endif()
endforeach()

# Each program has its compressed manual page, in whichever section.
foreach(path ${files})
    if(path MATCHES "^usr/(bin|games)/([^/]+)$")
        set(program ${CMAKE_MATCH_2})
        set(pages ${files})
        list(FILTER pages INCLUDE REGEX "^usr/share/man/man[1-9]/${program}\\.[1-9]\\.gz$")
        if(NOT pages)
            message(FATAL_ERROR "${path} has no compressed manual page")
        endif()
    endif()
endforeach()

find_program(lintian lintian)
if(lintian)
    execute_process(COMMAND ${lintian} --fail-on error,warning ${debs} RESULT_VARIABLE failed
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    message(STATUS "lintian:\n${report}")
    if(failed)
        message(FATAL_ERROR "lintian found errors or warnings")
    endif()
else()
    message(STATUS "lintian not found; the package is not checked by it")
endif()
