#pragma once

#include <QSize>
#include <QString>

class PictureList;
class QDialog;

// What a panel may ask of the main window. The window answers itself or hands the request
// to the one panel that owns that part of it. Requests come only from the user's events,
// after every panel has been built, so the order in which panels are built never matters.
class WindowRequests {
public:
    virtual ~WindowRequests() = default;

    // The whole "Load TRC-file" sequence for a trace file.
    virtual void loadTraceFile(const QString& path) = 0;
    // Every operation closes the search window before it starts.
    virtual void closeSearchWindow() = 0;
    // Shows the prepared change window modally through the open search window, so the
    // floating search window does not cover it. False when the search window is closed.
    virtual bool showChangeWindowViaSearch(QDialog* changeWindow) = 0;
    // The "Translation" button.
    virtual void toggleTranslation() = 0;
    // SaveFileAs: a copy of the trace (1) or of the MAN file (2), the export of listItems (3).
    virtual void saveFileAs(int mode) = 0;
    // A module choice made as if the user picked it in cmbModule.
    virtual void chooseModule(const QString& module) = 0;
    // The SP-daten folder chosen with "Select SP-source"; empty while none.
    virtual QString folderSPdaten() const = 0;
};

// The main window's frame: its proportional layout and the picture panel.
class WindowFrame {
public:
    virtual ~WindowFrame() = default;

    // Scales the controls to a new designed width (the full window or "NCS coding" only).
    virtual void setLayoutWidth(double layoutWidth) = 0;
    // The window's size as designed, stored at start-up.
    virtual QSize designedWindowSize() const = 0;
    // imageList2: the built-in pictures and the user's own as the last.
    virtual PictureList& pictures() = 0;
    // PictureDefault: the number of the picture shown, 0 while none.
    virtual int shownPicture() const = 0;
    virtual void showPicture(int index) = 0;
};
