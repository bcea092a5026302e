#include "common/busy_state.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "support/data_table.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A session with the output list showing, and a folder for trace files.
struct Fixture {
    QTemporaryDir dir;
    TraceSession session;
    BusyState busy;
    ScriptedDialogs dialogs;

    Fixture() { session.setListItems({u"instructions"_qs}); }
    QString file(const QByteArray& bytes, const QString& name = u"WORK/FSW_PSW.TRC"_qs)
    {
        TestFiles::write(dir.filePath(name), bytes);
        return Paths::toNative(dir.filePath(name));
    }
    // The NCS folder as the settings hold it: in the platform's own form.
    QString ncs() const { return Paths::toNative(dir.path()); }
    TraceLoadOutcome load(const QString& path) { return LoadTraceFile(path, ncs(), session, busy, dialogs); }
    // "F:" for functions, "V:" for values, in collection order.
    QStringList nodes() const
    {
        QStringList texts;
        for (int i = 1; i <= session.tree().count(); ++i)
            texts.append((session.tree().isRoot(i) ? u"F:"_qs : u"V:"_qs) + session.tree().text(i));
        return texts;
    }
};

} // namespace

class TestTraceLoader : public QObject {
    Q_OBJECT
private slots:
    // Loads that stop with a message keep what came before the bad line; the rest load whole
    // and start a new run: changes, shown values and translation are forgotten.
    void load_data()
    {
        // message: a part of the only message, or empty
        addColumns<QByteArray, QStringList, QString>("bytes", "nodes", "message");
        QTest::newRow("tabs inside a value vanish")
            << QByteArray("A\r\n\tname\tcomment\t\r\n") << QStringList{u"F:A"_qs, u"V:namecomment"_qs} << QString();
        QTest::newRow("function keeps blanks and later tabs")
            << QByteArray(" A\tx \r\nB\r\n\t1\r\n") << QStringList{u"F: A\tx "_qs, u"F:B"_qs, u"V:1"_qs} << QString();
        QTest::newRow("empty line is an empty function")
            << QByteArray("A\r\n\t1\r\n\r\n\t2\r\n") << QStringList{u"F:A"_qs, u"V:1"_qs, u"F:"_qs, u"V:2"_qs}
            << QString();
        QTest::newRow("bytes above 127") << QByteArray("GR\xc4\xdf"
                                                       "E\r\n\t\x80\xff\r\n")
                                         << QStringList{u"F:GR\u00c4\u00dfE"_qs, u"V:\u20ac\u00ff"_qs} << QString();
        QTest::newRow("empty file") << QByteArray("") << QStringList() << QString();
        QTest::newRow("missing file") << QByteArray() << QStringList()
                                      << u"WORK/FSW_PSW.TRC not found.\r\nSet your default folders."_qs;
        QTest::newRow("duplicate function") << QByteArray("A\r\n\t1\r\nB\r\n\t2\r\nA\r\n\t3\r\n")
                                            << QStringList{u"F:A"_qs, u"V:1"_qs, u"F:B"_qs, u"V:2"_qs} << u"Line 5"_qs;
        QTest::newRow("value before any function") << QByteArray("\t1\r\nA\r\n") << QStringList() << u"Line 1"_qs;
        QTest::newRow("Ctrl-Z at the very end")
            << QByteArray("A\r\n\t1\r\n\x1a") << QStringList{u"F:A"_qs, u"V:1"_qs} << QString();
        QTest::newRow("a picture") << QByteArray("A\r\n\t1\r\n\x89PNG\r\n\x1a\n\0\r\n")
                                   << QStringList{u"F:A"_qs, u"V:1"_qs, u"F:\u2030PNG"_qs}
                                   << u"Line 4 holds control characters: this file is not an NCS Expert trace."_qs;
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, nodes);
        QFETCH(QString, message);
        Fixture f;
        f.session.ChangeCount = 3;
        f.session.ValuesShown = f.session.ValuesIncomplete = f.session.Translated = true;
        const QString path = bytes.isNull() ? f.dir.filePath(u"WORK/FSW_PSW.TRC"_qs) : f.file(bytes);
        const TraceLoadOutcome outcome = f.load(path);
        QCOMPARE(outcome.loaded, message.isEmpty());
        QCOMPARE(f.nodes(), nodes);
        QCOMPARE(f.dialogs.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(f.dialogs.texts()[0].contains(message), qPrintable(f.dialogs.texts()[0]));
        // A failed load leaves tree and list as they were.
        QCOMPARE(f.session.treeVisible(), message.isEmpty());
        QCOMPARE(f.session.listItems().isEmpty(), message.isEmpty());
        QVERIFY(!f.busy.isBusy());
        // The raw lines are kept as read, tabs included, and go back to the same bytes.
        QCOMPARE(f.session.TraceLines.size(), nodes.size());
        if (message.isEmpty()) {
            QCOMPARE(TextFile::joinLines(f.session.TraceLines), bytes.chopped(bytes.endsWith('\x1a') ? 1 : 0));
            QVERIFY(outcome.retranslate && f.session.ChangeCount == 0);
            QVERIFY(!f.session.ValuesShown && !f.session.ValuesIncomplete && !f.session.Translated);
        }
    }
};

QTEST_GUILESS_MAIN(TestTraceLoader)
#include "test_trace_loader.moc"
