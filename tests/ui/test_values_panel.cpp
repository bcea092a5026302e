#include "settings/settings_store.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "trace/trace_session.h"
#include "ui/main_window.h"
#include "ui/values_panel.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

} // namespace

// "Show values" in the window, on a copy of the demo's NCS Expert folder.
class TestValuesPanel : public QObject {
    Q_OBJECT
private slots:
    void showValuesOnTheDemo()
    {
        QTemporaryDir dir;
        const QString ncs = dir.filePath(u"NCSEXPER"_qs);
        QVERIFY(copyTree(QStringLiteral(QUILLON_SOURCE_DIR) + u"/demo/NCSEXPER"_qs, ncs));
        QDir().mkpath(dir.filePath(u"program"_qs));
        SettingsStore settings(dir.filePath(u"settings.ini"_qs));
        settings.setValue(SettingsStore::FolderNCS, ncs);
        ScriptedDialogs dialogs;
        FixedClock clock;
        MainWindow window(MainWindowServices{settings, dialogs, clock, dir.filePath(u"program"_qs), dir.path()});
        window.show();
        auto* cmdValues = window.findChild<QPushButton*>(u"cmdValues"_qs);
        QVERIFY(cmdValues);

        // The guards, in their order.
        cmdValues->click();
        window.findChild<QPushButton*>(u"cmdLoad"_qs)->click();
        cmdValues->click();
        QCOMPARE(dialogs.texts(), (QStringList{u"Load TRC-file first."_qs, u"Select chassis and module first."_qs}));

        for (const auto& [name, entry] : {std::pair{u"cmbChassis"_qs, u"DEM"_qs}, {u"cmbModule"_qs, u"LCM_DEM.C05"_qs}}) {
            QComboBox* box = window.findChild<QComboBox*>(name);
            box->setCurrentIndex(box->findText(entry));
            emit box->activated(box->currentIndex());
        }
        dialogs.messages.clear();
        cmdValues->click();

        const TraceSession& session = window.session();
        QVERIFY(session.ValuesShown);
        QVERIFY(session.ValuesIncomplete);
        QCOMPARE(dialogs.texts(),
                 QStringList{u"Not all parameters are found.\r\nSelect the right chassis and module."_qs});
        const TraceTree& tree = session.tree();
        const int light = tree.indexOfKey(u"TAGFAHRLICHT"_qs);
        QStringList values;
        for (const int child : tree.children(light))
            values.append(tree.text(child) + u'|' + QString::number(tree.image(child)));
        QCOMPARE(values, (QStringList{u"aktiv|0"_qs, u"nicht_aktiv|1"_qs}));
        QCOMPARE(tree.image(tree.indexOfKey(u"AKUSTIK_VERRIEGELN"_qs)), NodeImage::Warning);
        QVERIFY(window.findChild<ValuesPanel*>()->state().MarkerDistance >= 27);
    }
};

QTEST_MAIN(TestValuesPanel)
#include "test_values_panel.moc"
