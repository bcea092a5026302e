#pragma once

#include "common/dialogs.h"
#include "common/result.h"
#include "install/file_ops.h"

#include <QString>

#include <functional>

class Clock;
class InstallObserver;
class RestoreRecordWriter;

// The copying engine of the data installation: brings a source folder into a tool's
// folder, optionally after saving the target into a dated sibling folder, and reports
// every item to the observer. The first failing file operation ends an operation at
// once; what was done until then stays done.
class FolderSync {
public:
    FolderSync(FileOps& ops, InstallObserver& observer, const Clock& clock, qint32& updateCount)
        : m_ops(ops), m_observer(observer), m_clock(clock), m_updateCount(updateCount)
    {
    }

    // The files lying directly in source, copied where new or newer; with Yes the
    // target's files are first copied into a dated backup folder.
    Status UpdateFiles(const QString& source, const QString& target, MessageAnswer backup);

    // The subfolders of target moved into a dated backup folder (Yes) or deleted (No),
    // then every subfolder of source copied in whole.
    Status ReplaceFolders(const QString& source, const QString& target, MessageAnswer backup);

    // The eight chassis files of NCS Expert, from a chassis folder into DATEN.
    Status UpdateDatenFiles(const QString& source, const QString& target, const QString& chassis);

    // Deletes every .ATS file one level below folder.
    Status DeleteAtsFiles(const QString& folder);

    // Every change from now on is written into record before it is made (none when null).
    void setRecord(RestoreRecordWriter* record) { m_record = record; }

    // target + "_yyyymmdd_hhnnss", numbered ("_2") when a run of the same second made one.
    QString backupFolderFor(const QString& target);

private:
    Status removeLeftovers(const QString& folder);
    Status removeAllLeftovers(const QString& target, bool inSubfolders);
    // Walks the entries of source of kind, skipping (and logging) links and special
    // files, with the progress of each item; ends with an empty line.
    Status eachSourceItem(const QString& source, FileOps::Kind kind,
                          const std::function<Status(const QString& name)>& work);
    Status copyWhereNewer(const QString& source, const QString& target, const QString& name, const QString& savedIn);
    template <typename Note>
    Status record(Note note)
    {
        return m_record ? note(*m_record) : Status();
    }
    void step(int& counter, qsizetype total);

    FileOps& m_ops;
    InstallObserver& m_observer;
    const Clock& m_clock;
    qint32& m_updateCount;
    RestoreRecordWriter* m_record = nullptr;
};
