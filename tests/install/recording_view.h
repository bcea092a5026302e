#pragma once

#include "install/install_observer.h"

#include <QStringList>

#include <functional>

// Records everything the installation shows, as the controls would hold it.
class RecordingView final : public InstallView {
public:
    QString caption;
    QStringList lines;
    int selectedLine = -1; // index of the selected line, -1 for none
    bool logVisible = false;
    bool updateButtonsEnabled = true;

    void setCaption(const QString& text) override { caption = text; }
    std::function<void()> onLine; // told of each line as it is added
    void addLine(const QString& line) override
    {
        lines.append(line);
        if (onLine)
            onLine();
    }
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
};
