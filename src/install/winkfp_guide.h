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

// "Show WinKFP" / "Show picture": toggles between the guide and the picture. Does nothing
// while a run is busy, so the guide never replaces a run's log.
void cmdShow_Click(const BusyState& busy, InstallView& view);
