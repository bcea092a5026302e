#pragma once

#include <QString>
#include <QStringList>

class TraceSession;

// The state behind the "Compare files" submenu: trace file 1 chosen and read, then trace
// file 2 read and compared at once. The window's entries only show this state: an entry
// is checked and captioned with its path while its file is chosen, entry 2 can be chosen
// once file 1 is, and "Export to text file" is offered after a comparison that ran to
// its end, until the next choice of a file or the next load of a trace.
class CompareFiles {
public:
    // The chosen trace files; empty while not chosen.
    const QString& file1() const { return m_file1; }
    const QString& file2() const { return m_file2; }
    bool exportEnabled() const { return m_exportEnabled; }

    // The menu event of entry 1 or 2. False when that entry is chosen already (nothing
    // happens then); otherwise the export is withdrawn and the file dialog may open.
    bool startChoice(int entry);

    // Trace file 1: the output list shows its header instead of the tree, and ChangeCount
    // starts again. Returns the error to show when the file cannot be read (the submenu
    // is back in its first state then, the header stays listed).
    QString chooseFile1(const QString& path, TraceSession& session);
    // Trace file 2: reads it, compares, and adds the result to the output list; the
    // submenu returns to its first state. Returns the error to show, if any.
    QString chooseFile2(const QString& path, TraceSession& session);

    // SetCompareMenu: no file chosen, both files' lines released; the export as it is.
    void reset();
    // A trace is about to be loaded: back to the first state while file 1 is chosen, and
    // the export is withdrawn.
    void traceLoading();

private:
    QString m_file1;
    QString m_file2;
    QStringList CompareLines1;
    QStringList CompareLines2;
    bool m_exportEnabled = false;
};
