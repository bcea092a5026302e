#pragma once

#include "install/install_observer.h"

#include <QList>
#include <QStringList>

// Records everything the installation shows, as the controls would hold it.
class RecordingView final : public InstallView {
public:
    QString caption;
    QStringList lines;
    QList<int> percentages;
    int selectedLine = -1; // index of the selected line, -1 for none
    int pendingEventRuns = 0;
    bool logVisible = false;
    bool updateButtonsEnabled = true;
    QString sourceFolder;
    QString guideCaption = QStringLiteral("Show WinKFP");

    void setCaption(const QString& text) override { caption = text; }
    void addLine(const QString& line) override { lines.append(line); }
    void selectLastLine() override { selectedLine = static_cast<int>(lines.size()) - 1; }
    void setPercentage(int percent) override { percentages.append(percent); }
    void processPendingEvents() override { ++pendingEventRuns; }
    void clearLines() override
    {
        lines.clear();
        selectedLine = -1;
    }
    void showLog() override { logVisible = true; }
    void showPicture() override { logVisible = false; }
    void setUpdateButtonsEnabled(bool enabled) override { updateButtonsEnabled = enabled; }
    void setSourceFolder(const QString& folder) override { sourceFolder = folder; }
    QString guideButtonCaption() const override { return guideCaption; }
    void setGuideButtonCaption(const QString& text) override { guideCaption = text; }
};
