#include "install/winkfp_guide.h"

#include "common/busy_state.h"
#include "common/translated_texts.h"
#include "install/install_observer.h"

namespace WinKfpGuide {

QStringList lines()
{
    // The names after "-->" are the buttons of WinKFP and stay as WinKFP shows them.
    static const char* const lines[] = {
        QT_TRANSLATE_NOOP("WinKfpGuide", "Find assembly number in INPA, button Ident, page down"),
        QT_TRANSLATE_NOOP("WinKfpGuide", "Close INPA en EDIABAS"),
        "",
        QT_TRANSLATE_NOOP("WinKfpGuide", "Start WinKFP"),
        "--> Comfort mode",
        "",
        "--> Enter ZUSB",
        QT_TRANSLATE_NOOP("WinKfpGuide", "Enter the assembly number and remember ECU family"),
        "",
        "--> Update ZUSB",
        QT_TRANSLATE_NOOP("WinKfpGuide", "Select ECU family"),
        "",
        "--> Enter VIN",
        QT_TRANSLATE_NOOP("WinKfpGuide", "Enter the full VIN number"),
        "",
        "--> Done",
        "--> Prog ZB-Update",
    };
    return translatedTexts("WinKfpGuide", lines);
}

} // namespace WinKfpGuide

GuideClick cmdShow_Click(const BusyState& busy, InstallView& view, bool guideNext)
{
    if (busy.isBusy())
        return GuideClick::Ignored;
    if (guideNext) {
        view.clearLines();
        view.showLog();
        for (const QString& line : WinKfpGuide::lines())
            view.addLine(line);
        return GuideClick::GuideShown;
    }
    view.showPicture();
    return GuideClick::PictureShown;
}
