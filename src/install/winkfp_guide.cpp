#include "install/winkfp_guide.h"

#include "common/busy_state.h"
#include "install/install_observer.h"

namespace WinKfpGuide {

QStringList lines()
{
    return {
        QStringLiteral("Find assembly number in INPA, button Ident, page down"),
        QStringLiteral("Close INPA en EDIABAS"),
        QString(),
        QStringLiteral("Start WinKFP"),
        QStringLiteral("--> Comfort mode"),
        QString(),
        QStringLiteral("--> Enter ZUSB"),
        QStringLiteral("Enter the assembly number and remember ECU family"),
        QString(),
        QStringLiteral("--> Update ZUSB"),
        QStringLiteral("Select ECU family"),
        QString(),
        QStringLiteral("--> Enter VIN"),
        QStringLiteral("Enter the full VIN number"),
        QString(),
        QStringLiteral("--> Done"),
        QStringLiteral("--> Prog ZB-Update"),
    };
}

} // namespace WinKfpGuide

GuideClick cmdShow_Click(const BusyState& busy, InstallView& view, const QString& caption)
{
    if (busy.isBusy())
        return GuideClick::Ignored;
    if (caption == WinKfpGuide::ShowGuideCaption) {
        view.clearLines();
        view.showLog();
        for (const QString& line : WinKfpGuide::lines())
            view.addLine(line);
        return GuideClick::GuideShown;
    }
    view.showPicture();
    return GuideClick::PictureShown;
}
