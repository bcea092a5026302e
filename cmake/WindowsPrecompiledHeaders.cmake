# The Windows cross build parses the large Qt headers in every file it compiles; a
# precompiled copy of them per library, and one shared by every test, takes about two
# thirds off its compile time. The native builds are left as they are.
if(NOT WIN32)
    return()
endif()

set(qt_core_headers <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QMap> <QObject>
                    <QString> <QStringList> <QTextStream>)
set(qt_widget_headers <QApplication> <QComboBox> <QDialog> <QLabel> <QLineEdit> <QMessageBox> <QPushButton>
                      <QTreeView> <QWidget>)
target_precompile_headers(quillon_core PRIVATE ${qt_core_headers})
target_precompile_headers(quillon_widgets PRIVATE ${qt_core_headers} ${qt_widget_headers})

if(NOT TARGET quillon_test_support)
    return()
endif()
# Tests share two: one for those with widgets, one for those without. Neither sees
# Qt Test's settings, which differ from folder to folder and would make GCC refuse it.
file(WRITE "${CMAKE_BINARY_DIR}/test_pch_anchor.cpp" "")
add_library(quillon_test_pch_core STATIC "${CMAKE_BINARY_DIR}/test_pch_anchor.cpp")
target_link_libraries(quillon_test_pch_core PRIVATE quillon_core)
target_precompile_headers(quillon_test_pch_core PRIVATE ${qt_core_headers})
add_library(quillon_test_pch_widgets STATIC "${CMAKE_BINARY_DIR}/test_pch_anchor.cpp")
target_link_libraries(quillon_test_pch_widgets PRIVATE quillon_widgets)
target_precompile_headers(quillon_test_pch_widgets PRIVATE ${qt_core_headers} ${qt_widget_headers})
set_target_properties(quillon_test_pch_core quillon_test_pch_widgets PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

function(quillon_reuse_test_pch dir)
    get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type STREQUAL "EXECUTABLE" AND NOT target STREQUAL "quillon_test_support")
            continue()
        endif()
        get_target_property(libraries ${target} LINK_LIBRARIES)
        if("quillon_widgets" IN_LIST libraries)
            set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM quillon_test_pch_widgets)
        else()
            set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM quillon_test_pch_core)
        endif()
    endforeach()
    get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        quillon_reuse_test_pch("${sub}")
    endforeach()
endfunction()
quillon_reuse_test_pch("${PROJECT_SOURCE_DIR}/tests")
