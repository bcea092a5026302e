# Installation layout and the packages built from it (scripts/package.sh runs CPack).
# What every package shares comes first; each platform's part follows.
include(GNUInstallDirs)

# The reverse-DNS name the desktop entry, the icon and the AppStream metadata are filed
# under; the window announces it too, so the desktop can match window and menu entry.
set(QUILLON_APP_ID "io.github.quillon.Quillon" CACHE STRING "Desktop application id")
target_compile_definitions(quillon_widgets PRIVATE QUILLON_APP_ID="${QUILLON_APP_ID}")

set(CPACK_PACKAGE_NAME "Quillon")
set(CPACK_PACKAGE_VENDOR "The Quillon developers")
# A placeholder address until the project has a public one; packagers pass their own.
set(CPACK_PACKAGE_CONTACT "The Quillon developers <quillon@example.org>"
    CACHE STRING "Maintainer named in the packages")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "safer preparation of NCS Expert codings")
# Lines kept short: Debian shows the description as it is wrapped here.
set(CPACK_PACKAGE_DESCRIPTION [[
Quillon works on the files of NCS Expert, EDIABAS, WinKFP and INPA, the
tools used to code the control units of cars. It shows a coding trace as a
tree, lets you pick values from everything the chassis data allows, writes
the manipulation file atomically with a coding log and dated backups,
compares traces and installs SP-daten data sets with backups. It never
talks to a car itself.

quillon-cli offers the same operations to scripts.]])
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE.txt")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build/;/dist/;/\\\\.git/")

if(UNIX AND NOT APPLE)
    install(TARGETS quillon quillon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

    set(linux_dir "${PROJECT_SOURCE_DIR}/packaging/linux")
    set(icons_dir "${PROJECT_SOURCE_DIR}/packaging/icons")
    set(staged "${PROJECT_BINARY_DIR}/packaging")
    configure_file(${linux_dir}/quillon.desktop.in ${staged}/${QUILLON_APP_ID}.desktop @ONLY)
    configure_file(${linux_dir}/quillon.metainfo.xml.in ${staged}/${QUILLON_APP_ID}.metainfo.xml @ONLY)
    # Debian's copyright file carries the licence text indented, empty lines as " .".
    file(READ ${CPACK_RESOURCE_FILE_LICENSE} QUILLON_LICENSE_TEXT)
    string(STRIP "${QUILLON_LICENSE_TEXT}" QUILLON_LICENSE_TEXT)
    string(REPLACE "\n" "\n " QUILLON_LICENSE_TEXT " ${QUILLON_LICENSE_TEXT}")
    string(REPLACE "\n \n" "\n .\n" QUILLON_LICENSE_TEXT "${QUILLON_LICENSE_TEXT}")
    configure_file(${linux_dir}/copyright.in ${staged}/copyright @ONLY)
    configure_file(${linux_dir}/quillon.1.in ${staged}/quillon.1 @ONLY)
    configure_file(${linux_dir}/quillon-cli.1.in ${staged}/quillon-cli.1 @ONLY)
    configure_file(${linux_dir}/changelog ${staged}/changelog COPYONLY)

    # Debian wants manual pages and changelogs gzip'd at the highest level and without a
    # time stamp, so that the package is the same whenever it is built.
    find_program(QUILLON_GZIP gzip REQUIRED)
    foreach(source quillon.1 quillon-cli.1 changelog)
        execute_process(COMMAND ${QUILLON_GZIP} -9nc ${staged}/${source}
                        OUTPUT_FILE ${staged}/${source}.gz COMMAND_ERROR_IS_FATAL ANY)
    endforeach()

    install(FILES ${staged}/${QUILLON_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${staged}/${QUILLON_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${icons_dir}/quillon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${QUILLON_APP_ID}.svg)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${icons_dir}/quillon-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${QUILLON_APP_ID}.png)
    endforeach()
    install(FILES ${staged}/quillon.1.gz ${staged}/quillon-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${staged}/copyright ${staged}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)

    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME "quillon")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
    set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Qt's own German texts for the German window; without them it still works.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

if(MSVC)
    # A native MSVC build (the public CI's installer) needs the Visual C++ runtime beside
    # the program; the MinGW build ships its own runtime DLLs instead.
    set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
    include(InstallRequiredSystemLibraries)
endif()

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
endif()

include(CPack)
