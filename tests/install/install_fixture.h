#pragma once

#include "common/busy_state.h"
#include "install/install_runs.h"
#include "install/install_state.h"
#include "install/real_file_ops.h"
#include "recording_view.h"
#include "settings/tool_folders.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "tree_snapshot.h"

#include <QTemporaryDir>

// The golden input in a temporary folder: the three tool folders and a data set, newer than
// the tools' files, under the name given, with everything the buttons need around them.
class InstallFixture {
public:
    static const QString Golden;  // the golden input and expected trees
    static const QString DataSet; // the data set's name in the golden input
    static const QString Stamp;   // the fixed clock's backup suffix

    explicit InstallFixture(FileOps* ops = nullptr, const QString& dataSetName = DataSet);

    QString root() const { return m_dir.path(); }
    QString at(const QString& relative) const;
    // The tool folders, without the data set; withTimes adds each file's modification time.
    TreeSnapshot tools(bool withTimes = false) const;
    InstallContext context();

    QTemporaryDir m_dir;
    QTemporaryDir records; // for the runs that keep restore records
    RealFileOps realOps;
    FileOps* ops;
    InstallState state;
    ToolFolders folders;
    ScriptedDialogs dialogs;
    FixedClock clock;
    BusyState busy;
    RecordingView view;
    int searchWindowClosed = 0;
};
