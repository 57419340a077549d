# Installs the build into a scratch root and checks that the installed files find each other:
# the desktop entry's Exec and Icon name files that were installed, and the software-centre
# metadata validates against that tree (its launchable must name the installed desktop entry).
# Run as: cmake -DBUILD_DIR=... -DROOT=... [-DAPPSTREAMCLI=...] [-DPNG_ICON=ON] -P <this file>

file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${ROOT}/usr
    OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(share ${ROOT}/usr/share)
file(GLOB entries ${share}/applications/*.desktop)
list(LENGTH entries count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one desktop entry, found: ${entries}")
endif()
file(STRINGS ${entries} exec REGEX "^Exec=")
file(STRINGS ${entries} icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
string(REPLACE "Icon=" "" icon "${icon}")

set(wanted ${ROOT}/usr/bin/${exec} ${share}/icons/hicolor/scalable/apps/${icon}.svg
    ${share}/vellumark/Bible.dat)
if(PNG_ICON)
    list(APPEND wanted ${share}/icons/hicolor/64x64/apps/${icon}.png)
endif()
foreach(path IN LISTS wanted)
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict ${ROOT}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "appstreamcli validate-tree failed")
    endif()
endif()
