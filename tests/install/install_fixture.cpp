#include "install_fixture.h"

#include "tree_snapshot.h"

#include <QDir>
#include <QFileInfo>

const QString InstallFixture::Golden = QStringLiteral(QUILLON_INSTALL_DATA "/golden_runs");
const QString InstallFixture::DataSet = QStringLiteral("SP-E46");
const QString InstallFixture::Stamp = QStringLiteral("_20121231_235959");

InstallFixture::InstallFixture(FileOps* injected, const QString& dataSetName) : ops(injected ? injected : &realOps)
{
    TreeFiles::copyTree(Golden + u"/input"_qs, root());
    QDir(root()).rename(DataSet, dataSetName);
    TreeFiles::touchAll(root(), QDateTime(QDate(2020, 1, 1), QTime(8, 0, 0)));
    TreeFiles::touchAll(at(dataSetName), QDateTime(QDate(2021, 6, 1), QTime(8, 0, 0)));
    state.FolderSPdaten = at(dataSetName);
    folders.FolderNCS = at(u"NCSEXPER"_qs);
    folders.FolderEDIABAS = at(u"EDIABAS"_qs);
    folders.FolderNFS = at(u"NFS"_qs);
}

QString InstallFixture::at(const QString& relative) const
{
    return QDir::toNativeSeparators(m_dir.filePath(relative));
}

InstallContext InstallFixture::context()
{
    return InstallContext{state, folders, dialogs, clock, busy, *ops, view, [this] { ++searchWindowClosed; }};
}

TreeSnapshot InstallFixture::tools(bool withTimes) const
{
    TreeSnapshot all = TreeFiles::snapshot(root());
    all.removeIf([](TreeSnapshot::iterator it) { return it.key().startsWith(u"SP-"_qs); });
    for (auto it = all.begin(); withTimes && it != all.end(); ++it)
        if (!it.key().endsWith(u'/'))
            it.value() +=
                " @" + QByteArray::number(QFileInfo(root() + u'/' + it.key()).lastModified().toMSecsSinceEpoch());
    return all;
}
