#include "install_fixture.h"

#include "tree_snapshot.h"

#include <QDir>

namespace {
const QDateTime kToolTime(QDate(2020, 1, 1), QTime(8, 0, 0));
const QDateTime kDataSetTime(QDate(2021, 6, 1), QTime(8, 0, 0));
} // namespace

const QString InstallFixture::Stamp = QStringLiteral("_20121231_235959");

InstallFixture::InstallFixture(FileOps* injected, const QString& dataSetName, const QString& goldenInput)
    : ops(injected ? injected : &realOps)
{
    if (!goldenInput.isEmpty())
        TreeFiles::copyTree(goldenInput, root());
    else
        buildDefault(dataSetName);
    TreeFiles::touchAll(root(), kToolTime);
    TreeFiles::touchAll(at(dataSetName), kDataSetTime);
    state.FolderSPdaten = at(dataSetName);
    folders.FolderNCS = at(u"NCSEXPER"_qs);
    folders.FolderEDIABAS = at(u"EDIABAS"_qs);
    folders.FolderNFS = at(u"NFS"_qs);
}

void InstallFixture::buildDefault(const QString& dataSetName)
{
    const QString sp = dataSetName + u'/';
    const QByteArray longLine(320, 'L');
    TreeFiles::build(root(), {
        {sp + u"ECU/A.PRG"_qs, "ecu a new"},
        {sp + u"ECU/B.PRG"_qs, "ecu b new"},
        {sp + u"SGDAT/S1.IPO"_qs, "sgdat s1 new"},
        {sp + u"DATEN/E60AT.000"_qs, "at new"},
        {sp + u"DATEN/BR_REF.DAT"_qs, "br_ref new"},
        {sp + u"DATEN/M1.C08"_qs, "module new"},
        {sp + u"DATA/FAM1/F.DAT"_qs, "fam1 dat new"},
        {sp + u"DATA/FAM1/F.ATS"_qs, "fam1 ats new"},
        {sp + u"DATA/FAM2/G.HIS"_qs, "fam2 his new"},
        {sp + u"DATA/GDATEN/SGIDC.AS2"_qs, "short\r\n" + longLine + "\r\n"},
        {u"NCSEXPER/DATEN/E60/E60AT.000"_qs, "at old"},
        {u"NCSEXPER/DATEN/E60/M1.C08"_qs, "module old"},
        {u"NCSEXPER/DATEN/BR_REF.DAT"_qs, "br_ref old"},
        {u"NCSEXPER/SGDAT/S1.IPO"_qs, "ncs s1 old"},
        {u"NCSEXPER/SGDAT/OTHER.IPO"_qs, "ncs other"},
        {u"NCSEXPER/WORK/"_qs, {}},
        {u"EDIABAS/ECU/A.PRG"_qs, "ecu a old"},
        {u"EDIABAS/ECU/Z.PRG"_qs, "ecu z"},
        {u"NFS/SGDAT/S1.IPO"_qs, "nfs s1 old"},
        {u"NFS/DATA/FAM1/F.DAT"_qs, "fam1 dat old"},
        {u"NFS/DATA/FAM1/X.ATS"_qs, "fam1 ats old"},
        {u"NFS/DATA/FAM9/H.DAT"_qs, "fam9 only"},
        {u"NFS/DATA/GDATEN/SGIDC.AS2"_qs, "old sgidc\r\n"},
        {u"NFS/DATA/LOOSE.TXT"_qs, "loose"},
    });
}

QString InstallFixture::at(const QString& relative) const
{
    return QDir::toNativeSeparators(m_dir.filePath(relative));
}

InstallContext InstallFixture::context()
{
    return InstallContext{state, folders, dialogs, clock, busy, *ops, view, [this] { ++searchWindowClosed; }};
}
