#pragma once

#include "install/install_observer.h"

#include <QStringList>

// Records everything the installation shows, as the controls would hold it.
class RecordingView final : public InstallView {
public:
    QString caption;
    QStringList lines;
    int selectedLine = -1; // index of the selected line, -1 for none
    bool logVisible = false;
    bool updateButtonsEnabled = true;
    QString guideCaption = QStringLiteral("Show WinKFP");

    void setCaption(const QString& text) override { caption = text; }
    void addLine(const QString& line) override { lines.append(line); }
    void selectLastLine() override { selectedLine = static_cast<int>(lines.size()) - 1; }
    void setPercentage(int) override {}
    void processPendingEvents() override {}
    void clearLines() override
    {
        lines.clear();
        selectedLine = -1;
    }
    void showLog() override { logVisible = true; }
    void showPicture() override { logVisible = false; }
    void setUpdateButtonsEnabled(bool enabled) override { updateButtonsEnabled = enabled; }
    void setSourceFolder(const QString&) override {}
    QString guideButtonCaption() const override { return guideCaption; }
    void setGuideButtonCaption(const QString& text) override { guideCaption = text; }
};
