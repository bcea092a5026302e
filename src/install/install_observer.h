#pragma once

#include <QString>

// Where the installation reports its progress: the caption of lblCopy, the lines of
// listCopy and the value of progBar. The engine is tested against a recording observer;
// the window's observer fills the controls and keeps the window live.
class InstallObserver {
public:
    virtual ~InstallObserver() = default;

    virtual void setCaption(const QString& caption) = 0;
    virtual void addLine(const QString& line) = 0;
    // Keeps the newest line in view.
    virtual void selectLastLine() = 0;
    // 0 to 100.
    virtual void setPercentage(int percent) = 0;
    // Lets pending user-interface events run (repaint, input) before the next item.
    virtual void processPendingEvents() = 0;
};

// The rest of the "SP daten" frame that a run and the WinKFP guide change.
class InstallView : public InstallObserver {
public:
    virtual void clearLines() = 0;
    // listCopy visible and the picture hidden, or the other way round: they share a place.
    virtual void showLog() = 0;
    virtual void showPicture() = 0;
    virtual void setUpdateButtonsEnabled(bool enabled) = 0;
    // lblSPdaten.
    virtual void setSourceFolder(const QString& folder) = 0;
};
