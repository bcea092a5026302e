# The window's translations: compiled from the .ts files at build time and built into the
# program, so no installed file can be missing or stale. Files the program writes and the
# command line stay English; only the window is translated.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
set(QUILLON_TS_FILES "${PROJECT_SOURCE_DIR}/translations/quillon_de.ts")
qt_add_lrelease(quillon_widgets TS_FILES ${QUILLON_TS_FILES} QM_FILES_OUTPUT_VARIABLE quillon_qm_files)
qt_add_resources(quillon_widgets quillon_translations PREFIX "/i18n" BASE "${CMAKE_CURRENT_BINARY_DIR}"
                 FILES ${quillon_qm_files})
