#include "coding/leftover_manipulation_file.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kTrace = {u"LICHT"_qs, u"\taktiv"_qs, u"GONG"_qs, u"\tlaut"_qs};

} // namespace

class TestLeftoverManipulationFile : public QObject {
    Q_OBJECT
private slots:
    void guard_data()
    {
        QTest::addColumn<QByteArray>("man"); // null: no file
        QTest::addColumn<int>("answer");     // the answer to the question, when one is asked
        QTest::addColumn<QString>("counts"); // "N of its M" of the question; empty: no question
        QTest::addColumn<bool>("emptied");
        const int yes = int(MessageAnswer::Yes);
        const int no = int(MessageAnswer::No);
        QTest::newRow("none") << QByteArray() << yes << QString() << false;
        QTest::newRow("empty") << QByteArray("") << yes << QString() << false;
        QTest::newRow("written for the trace, other values")
            << QByteArray("LICHT\r\n\tnicht_aktiv\r\nGONG\r\n\tleise\r\n") << yes << QString() << false;
        QTest::newRow("foreign, Yes") << QByteArray("SITZ\r\n\tein\r\nGONG\r\n\tlaut\r\nTUER\n\tauf\n") << yes
                                      << u"2 of its 3"_qs << true;
        QTest::newRow("foreign, No") << QByteArray("SITZ\r\n\tein\r\n") << no << u"1 of its 1"_qs << false;
        QTest::newRow("same functions, other order")
            << QByteArray("GONG\r\n\tlaut\r\nLICHT\r\n\taktiv\r\n") << yes << u"0 of its 2"_qs << true;
    }
    void guard()
    {
        QFETCH(QByteArray, man);
        QFETCH(int, answer);
        QFETCH(QString, counts);
        QFETCH(bool, emptied);
        QTemporaryDir dir;
        const QString ncs = dir.filePath(u"NCSEXPER"_qs);
        const QString path = manipulationFilePath(ncs);
        QVERIFY(TestFiles::write(path + u".keep"_qs, "")); // the WORK folder
        if (!man.isNull())
            QVERIFY(TestFiles::write(path, man));
        ScriptedDialogs dialogs;
        if (!counts.isEmpty())
            dialogs.queueAnswer(MessageAnswer(answer));

        QCOMPARE(GuardLeftoverManipulationFile(ncs, kTrace, dialogs), emptied);

        QStringList expected;
        if (!counts.isEmpty())
            expected << u"FSW_PSW.MAN in WORK was not written for this trace (%1 functions are not in it). "
                        u"NCS Expert would code it into this module. Empty it now?"_qs.arg(counts);
        if (emptied)
            expected << path + u" emptied."_qs;
        QCOMPARE(dialogs.texts(), expected);
        if (!counts.isEmpty()) {
            QCOMPARE(dialogs.messages[0].icon, MessageIcon::Exclamation);
            QCOMPARE(dialogs.messages[0].buttons, MessageButtons::YesNo);
        }
        QCOMPARE(QFileInfo::exists(path), !man.isNull());
        QCOMPARE(TestFiles::read(path), emptied ? QByteArray() : man);
    }
};

QTEST_GUILESS_MAIN(TestLeftoverManipulationFile)
#include "test_leftover_manipulation_file.moc"
