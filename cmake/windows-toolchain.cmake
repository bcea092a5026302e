# Cross build for Windows x86-64 against the MinGW-built Qt that scripts/windows-qt.sh
# unpacks. The Qt prefix comes from QUILLON_WINDOWS_QT (cache variable or environment),
# defaulting to the per-user cache folder the scripts use, so `cmake --preset windows`
# works on its own once the toolchain is unpacked.
if(NOT QUILLON_WINDOWS_QT)
    if(DEFINED ENV{QUILLON_WINDOWS_QT})
        set(QUILLON_WINDOWS_QT "$ENV{QUILLON_WINDOWS_QT}")
    elseif(DEFINED ENV{XDG_CACHE_HOME})
        set(QUILLON_WINDOWS_QT "$ENV{XDG_CACHE_HOME}/quillon/qt-6.4.2-mingw64")
    else()
        set(QUILLON_WINDOWS_QT "$ENV{HOME}/.cache/quillon/qt-6.4.2-mingw64")
    endif()
endif()
set(QUILLON_WINDOWS_QT "${QUILLON_WINDOWS_QT}" CACHE PATH "MinGW-built Qt prefix for the Windows build")
# try_compile projects read this file again without the cache: hand the prefix on.
set(ENV{QUILLON_WINDOWS_QT} "${QUILLON_WINDOWS_QT}")

set(qt_toolchain "${QUILLON_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${qt_toolchain}")
    message(FATAL_ERROR "No Windows Qt at ${QUILLON_WINDOWS_QT}: scripts/test-windows.sh or scripts/package.sh windows unpack it")
endif()
# Tests and try_run go through Wine with the private prefix and the paths to Qt's DLLs.
# The prefix is named here, not found from $HOME, which each test sets to its own folder.
get_filename_component(quillon_cache "${QUILLON_WINDOWS_QT}" DIRECTORY)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env "QUILLON_WINDOWS_QT=${QUILLON_WINDOWS_QT}"
    "QUILLON_WINEPREFIX=${quillon_cache}/wineprefix" "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh")
include("${qt_toolchain}")
