#pragma once

#include <QCoreApplication>
#include <QStringList>

class BusyState;
class InstallView;

// The short guide for programming a control unit with WinKFP, shown in listCopy.
namespace WinKfpGuide {

QStringList lines();

// The captions of the button that shows the one or the other.
inline QString ShowGuideCaption()
{
    return QCoreApplication::translate("WinKfpGuide", "Show WinKFP");
}
inline QString ShowPictureCaption()
{
    return QCoreApplication::translate("WinKfpGuide", "Show picture");
}

} // namespace WinKfpGuide

enum class GuideClick { Ignored, GuideShown, PictureShown };

// "Show WinKFP" / "Show picture": shows the guide when guideNext, else the picture, and
// says which, so the window can set the caption. The window keeps which one comes next;
// its caption is in the window's language. Does nothing while a run is busy, so the guide
// never replaces a run's log.
GuideClick cmdShow_Click(const BusyState& busy, InstallView& view, bool guideNext);
