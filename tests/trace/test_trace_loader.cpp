#include "common/busy_state.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Loaded {
    QStringList nodeTexts; // "F:" for functions, "V:" for values, in collection order
    QStringList traceLines;
    QStringList messages;
    bool treeVisible = false;
};

Loaded load(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FSW_PSW.TRC"));
    TestFiles::write(path, bytes);
    TraceSession session;
    BusyState busy;
    ScriptedDialogs dialogs;
    LoadTraceFile(path, dir.path(), session, busy, dialogs);
    Loaded result;
    for (int i = 1; i <= session.tree().count(); ++i)
        result.nodeTexts.append((session.tree().isRoot(i) ? u"F:"_qs : u"V:"_qs) + session.tree().text(i));
    result.traceLines = session.TraceLines;
    result.messages = dialogs.texts();
    result.treeVisible = session.treeVisible();
    return result;
}

} // namespace

class TestTraceLoader : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("nodes");
        QTest::newRow("crlf") << QByteArray("A\r\n\t1\r\nB\r\n\t2\r\n")
                              << QStringList{u"F:A"_qs, u"V:1"_qs, u"F:B"_qs, u"V:2"_qs};
        QTest::newRow("lf") << QByteArray("A\n\t1\nB\n\t2\n") << QStringList{u"F:A"_qs, u"V:1"_qs, u"F:B"_qs, u"V:2"_qs};
        QTest::newRow("lone cr") << QByteArray("A\r\t1\r") << QStringList{u"F:A"_qs, u"V:1"_qs};
        QTest::newRow("no final line end") << QByteArray("A\r\n\t1") << QStringList{u"F:A"_qs, u"V:1"_qs};
        QTest::newRow("tabs inside a value vanish")
            << QByteArray("A\r\n\tname\tcomment\t\r\n") << QStringList{u"F:A"_qs, u"V:namecomment"_qs};
        QTest::newRow("function keeps blanks and later tabs")
            << QByteArray(" A\tx \r\n\t1\r\n") << QStringList{u"F: A\tx "_qs, u"V:1"_qs};
        QTest::newRow("function without values") << QByteArray("A\r\nB\r\n\t2\r\n")
                                                 << QStringList{u"F:A"_qs, u"F:B"_qs, u"V:2"_qs};
        QTest::newRow("empty line is an empty function")
            << QByteArray("A\r\n\t1\r\n\r\n\t2\r\n") << QStringList{u"F:A"_qs, u"V:1"_qs, u"F:"_qs, u"V:2"_qs};
        QTest::newRow("bytes above 127") << QByteArray("GR\xc4\xdf" "E\r\n\t\x80\xff\r\n")
                                         << QStringList{u"F:GR\u00c4\u00dfE"_qs, u"V:\u20ac\u00ff"_qs};
    }

    void lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, nodes);
        const Loaded loaded = load(bytes);
        QCOMPARE(loaded.nodeTexts, nodes);
        QCOMPARE(loaded.messages, QStringList());
        QVERIFY(loaded.treeVisible);
        // The raw lines are kept as read, tabs included, and go back to the same bytes.
        QCOMPARE(loaded.traceLines.size(), nodes.size());
        QByteArray normalized = bytes;
        normalized.replace("\r\n", "\n").replace('\r', '\n');
        if (!normalized.endsWith('\n'))
            normalized.append('\n');
        QCOMPARE(TextFile::joinLines(loaded.traceLines).replace("\r\n", "\n"), normalized);
    }

    void failuresStopAtTheLineAndKeepWhatCameBefore_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("nodes");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("duplicate function") << QByteArray("A\r\n\t1\r\nB\r\n\t2\r\nA\r\n\t3\r\n")
                                            << QStringList{u"F:A"_qs, u"V:1"_qs, u"F:B"_qs, u"V:2"_qs}
                                            << u"Line 5"_qs;
        QTest::newRow("value before any function") << QByteArray("\t1\r\nA\r\n") << QStringList() << u"Line 1"_qs;
    }

    void failuresStopAtTheLineAndKeepWhatCameBefore()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, nodes);
        QFETCH(QString, messagePart);
        const Loaded loaded = load(bytes);
        QCOMPARE(loaded.nodeTexts, nodes);
        QCOMPARE(loaded.traceLines.size(), nodes.size());
        QCOMPARE(loaded.messages.size(), 1);
        QVERIFY2(loaded.messages[0].contains(messagePart), qPrintable(loaded.messages[0]));
        QVERIFY(!loaded.treeVisible); // visibility stays as before the load
    }

    void emptyFileGivesAnEmptyVisibleTree()
    {
        const Loaded loaded = load(QByteArray());
        QVERIFY(loaded.nodeTexts.isEmpty());
        QVERIFY(loaded.treeVisible);
        QVERIFY(loaded.messages.isEmpty());
    }

    void loadResetsTheRunAndEmptiesTheList()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.trc"));
        QVERIFY(TestFiles::write(path, "A\r\n\t1\r\n"));
        TraceSession session;
        session.setListItems({u"old"_qs});
        session.ChangeCount = 3;
        session.ValuesShown = true;
        session.ValuesIncomplete = true;
        session.Translated = true;
        BusyState busy;
        ScriptedDialogs dialogs;
        bool wasBusy = false;
        QObject::connect(&busy, &BusyState::changed, [&](bool b) { wasBusy = wasBusy || b; });

        const TraceLoadOutcome outcome = LoadTraceFile(path, dir.path(), session, busy, dialogs);
        QVERIFY(outcome.loaded);
        QVERIFY(outcome.retranslate);
        QVERIFY(wasBusy);
        QVERIFY(!busy.isBusy());
        QCOMPARE(session.ChangeCount, 0);
        QVERIFY(!session.ValuesShown && !session.ValuesIncomplete && !session.Translated);
        QVERIFY(session.listItems().isEmpty());
        QCOMPARE(session.tree().image(1), 1);
        QCOMPARE(session.tree().image(2), 1);
        QVERIFY(session.tree().expanded(1));
    }

    void missingFileChangesNothing()
    {
        TraceSession session;
        session.setListItems({u"instructions"_qs});
        BusyState busy;
        ScriptedDialogs dialogs;
        const QString path = QStringLiteral("/nonexistent/WORK/FSW_PSW.TRC");
        QVERIFY(!LoadTraceFile(path, QStringLiteral("/nonexistent"), session, busy, dialogs).loaded);
        QCOMPARE(dialogs.texts(), QStringList{path + u" not found.\r\nSet your default folders."_qs});
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(session.listItems(), QStringList{u"instructions"_qs});
        QVERIFY(!session.treeVisible());
    }

    void defaultTraceIsRecognisedByExactPath()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("WORK")));
        const QString folderNCS = dir.path();
        const QString path = defaultTracePath(folderNCS);
        QVERIFY(TestFiles::write(path, "A\r\n\t1\r\n"));
        TraceSession session;
        BusyState busy;
        ScriptedDialogs dialogs;

        LoadTraceFile(path, folderNCS, session, busy, dialogs);
        QVERIFY(session.DefaultTraceLoaded);

        // The same file through a different spelling is not the default trace.
        LoadTraceFile(Paths::join(folderNCS, u"\\WORK\\.\\FSW_PSW.TRC"_qs), folderNCS, session, busy, dialogs);
        QVERIFY(!session.DefaultTraceLoaded);

        const QString copy = dir.filePath(QStringLiteral("other.trc"));
        QVERIFY(QFile::copy(path, copy));
        LoadTraceFile(copy, folderNCS, session, busy, dialogs);
        QVERIFY(!session.DefaultTraceLoaded);
    }
};

QTEST_GUILESS_MAIN(TestTraceLoader)
#include "test_trace_loader.moc"
