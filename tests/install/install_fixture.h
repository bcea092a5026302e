#pragma once

#include "common/busy_state.h"
#include "install/install_runs.h"
#include "install/install_state.h"
#include "install/real_file_ops.h"
#include "recording_view.h"
#include "settings/tool_folders.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"

#include <QTemporaryDir>

#include <memory>

// A data set SP-E60 and the three tool folders in a temporary folder, with everything the
// buttons need around them. The data set is newer than the tools' files.
class InstallFixture {
public:
    explicit InstallFixture(FileOps* ops = nullptr, const QString& dataSetName = QStringLiteral("SP-E60"),
                            const QString& goldenInput = QString());

    QString root() const { return m_dir.path(); }
    QString at(const QString& relative) const;
    InstallContext context();

    void buildDefault(const QString& dataSetName);
    static const QString Stamp; // the fixed clock's backup suffix

    QTemporaryDir m_dir;
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
