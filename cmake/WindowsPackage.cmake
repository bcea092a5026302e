# Windows part of the packaging (included from Packaging.cmake).
#
# `cmake --install` lays out a folder that runs on a machine with nothing else installed:
# both programs, the Qt DLLs they link, the plugins Qt loads at run time and the MinGW
# runtime. The program folder is flat, because the program keeps its own files
# (Codinglog.txt, Translations.csv, Updateplan.txt) beside the .exe.
target_sources(quillon PRIVATE "${PROJECT_SOURCE_DIR}/packaging/windows/quillon.rc")
install(TARGETS quillon quillon-cli RUNTIME DESTINATION .)

foreach(module Core Gui Widgets)
    install(FILES "$<TARGET_FILE:Qt6::${module}>" DESTINATION .)
endforeach()

# Qt finds its plugins in these subfolders beside the program. The JPEG plugin reads the
# chassis pictures; the Vista style gives the native look.
install(FILES "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>" DESTINATION platforms)
install(FILES "$<TARGET_FILE:Qt6::QJpegPlugin>" DESTINATION imageformats)
install(FILES "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>" DESTINATION styles)

# Qt's own German texts (Yes, No, Cancel, the file dialogs) for the German window; the Qt
# for Windows here carries none, and a .qm file is the same on every platform, so the
# build machine's Qt translations of the same version serve.
find_file(QUILLON_QTBASE_DE qtbase_de.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT QUILLON_QTBASE_DE)
    message(FATAL_ERROR "qtbase_de.qm not found: install Debian's qt6-translations-l10n")
endif()
install(FILES "${QUILLON_QTBASE_DE}" DESTINATION translations)

if(MINGW)
    # The compiler knows where its own runtime DLLs live.
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
            message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
        endif()
        file(REAL_PATH "${found}" found)
        install(FILES "${found}" DESTINATION .)
    endforeach()
endif()

# The installer (CPack's NSIS generator, `scripts/package.sh windows`) puts that folder
# into Program Files with a Start-menu entry. Its uninstaller removes only what it
# installed, so the user's settings (%APPDATA%\Quillon), a coding log or update plan
# beside the program, and a translation table placed there stay.
set(CPACK_PACKAGE_FILE_NAME "Quillon-${PROJECT_VERSION}-win64-setup")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Quillon")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Quillon")
set(CPACK_PACKAGE_EXECUTABLES "quillon;Quillon")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_DISPLAY_NAME "Quillon ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME "Quillon")
set(CPACK_NSIS_INSTALLED_ICON_NAME "quillon.exe")
set(CPACK_NSIS_MUI_FINISHPAGE_RUN "quillon.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/packaging/windows/quillon.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/packaging/windows/quillon.ico")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer: the program is 64-bit anyway, and it runs where 32-bit programs
# cannot (Wine without its 32-bit half).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
