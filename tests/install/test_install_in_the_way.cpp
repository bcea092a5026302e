#include "install_fixture.h"
#include "support/test_files.h"
#include "tree_snapshot.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using Outcome = InstallRunResult::Outcome;

// What a run meets in the folders besides plain files: links, and the partial copies a
// killed run left behind. Nothing outside the tool folders may change.
class TestInstallInTheWay : public QObject {
    Q_OBJECT
private slots:
    void winKfpWithLinks_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("link");     // made to point into the folder "outside"
        QTest::addColumn<QString>("pointsTo"); // below "outside"
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("linkAfter"); // where the link is afterwards, empty when gone
        QTest::newRow("linked family in the data set")
            << MessageAnswer::Yes << u"SP-E46/DATA/FAM3"_qs << u"FAM"_qs << Outcome::NotStarted << u"SP-E46/DATA/FAM3"_qs;
        QTest::newRow("linked family in NFS, backup")
            << MessageAnswer::Yes << u"NFS/DATA/FAM2"_qs << u"FAM"_qs << Outcome::Ready
            << u"NFS/DATA"_qs + InstallFixture::Stamp + u"/FAM2"_qs;
        QTest::newRow("linked family in NFS, no backup")
            << MessageAnswer::No << u"NFS/DATA/FAM2"_qs << u"FAM"_qs << Outcome::Ready << QString();
        QTest::newRow("linked SGIDC.AS2 arrives with the data set")
            << MessageAnswer::No << u"SP-E46/DATA/GDATEN/SGIDC.AS2"_qs << u"FAM/SGIDC.AS2"_qs << Outcome::Failed
            << u"NFS/DATA/GDATEN/SGIDC.AS2"_qs;
    }
    void winKfpWithLinks()
    {
        QUILLON_NEEDS_SYMLINKS();
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, link);
        QFETCH(QString, pointsTo);
        QFETCH(Outcome, outcome);
        QFETCH(QString, linkAfter);
        InstallFixture f;
        QVERIFY(TreeFiles::build(f.root(), {{u"outside/FAM/SGIDC.AS2"_qs, QByteArray(320, 'L')}}));
        const TreeSnapshot outside = TreeFiles::snapshot(f.at(u"outside"_qs));
        QFile::remove(f.at(link));
        QVERIFY(QFile::link(f.at(u"outside/"_qs + pointsTo), f.at(link)));
        const TreeSnapshot before = TreeFiles::snapshot(f.root());

        f.dialogs.queueAnswer(answer);
        auto c = f.context();
        QCOMPARE(cmdUpdate_Click(c, 1).outcome, outcome);
        QCOMPARE(TreeFiles::snapshot(f.at(u"outside"_qs)), outside);
        if (outcome == Outcome::NotStarted) {
            QCOMPARE(f.dialogs.texts().last(),
                     f.at(link) + u" is a symbolic link.\r\nUpdate WinKFP not possible."_qs);
            QCOMPARE(TreeFiles::snapshot(f.root()), before);
        } else {
            QCOMPARE(TreeFiles::snapshot(f.at(u"NFS/DATA/FAM2"_qs)).value(u"G.DAT"_qs), "G new\r\n");
        }
        if (!linkAfter.isEmpty())
            QVERIFY(QFileInfo(f.at(linkAfter)).isSymLink());
    }

    void leftoversOfAKilledCopyAreRemoved()
    {
        InstallFixture f;
        QVERIFY(TreeFiles::build(f.root(), {{u"EDIABAS/ECU/A.PRG.quillon~"_qs, "half"},
                                            {u"EDIABAS/ECU/KEEP.quillon"_qs, "not ours"},
                                            {u"EDIABAS/ECU/.quillon~"_qs, "no name"}}));
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        auto c = f.context();
        QCOMPARE(cmdUpdate_Click(c, 0).outcome, Outcome::Ready);
        QVERIFY(f.view.lines.contains(u"delete leftover --> A.PRG.quillon~"_qs));
        const TreeSnapshot ecu = TreeFiles::snapshot(f.at(u"EDIABAS/ECU"_qs));
        QCOMPARE(ecu.keys(), (QStringList{u".quillon~"_qs, u"A.PRG"_qs, u"B.PRG"_qs, u"KEEP.quillon"_qs, u"Z.PRG"_qs}));
        // Gone before the backup, so it is not kept there either.
        QVERIFY(!TreeFiles::snapshot(f.at(u"EDIABAS/ECU"_qs + InstallFixture::Stamp)).contains(u"A.PRG.quillon~"_qs));
    }
};

QTEST_GUILESS_MAIN(TestInstallInTheWay)
#include "test_install_in_the_way.moc"
