#pragma once

#include <QStringList>

class BusyState;
class InstallView;

// The short guide for programming a control unit with WinKFP, shown in listCopy.
namespace WinKfpGuide {

QStringList lines();

inline const QString ShowGuideCaption = QStringLiteral("Show WinKFP");
inline const QString ShowPictureCaption = QStringLiteral("Show picture");

} // namespace WinKfpGuide

enum class GuideClick { Ignored, GuideShown, PictureShown };

// "Show WinKFP" / "Show picture", given the button's caption: shows the guide or the
// picture and says which, so the window can set the caption. Does nothing while a run is
// busy, so the guide never replaces a run's log.
GuideClick cmdShow_Click(const BusyState& busy, InstallView& view, const QString& caption);
