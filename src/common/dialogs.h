#pragma once

#include <QString>

// Everything modal goes through this interface: message boxes, file dialogs, the folder
// picker and starting a text editor. The windows use the Qt implementation; tests use a
// scripted one that records every message and answers from a queue.

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    QString title;
    // Description and pattern pairs separated by vertical bars, as the tools write them:
    // "Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*".
    QString filter;
    QString folder;
    QString proposedName;
    bool confirmOverwrite = false;
    bool folderMustExist = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(const QString& title, const QString& text, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;

    // Full path of the chosen file; empty when the user cancelled.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;

    // Full path of the chosen folder; empty when cancelled.
    virtual QString browseForFolder(const QString& title) = 0;

    // Starts the user's text editor with the file, or empty when no file is given.
    // Returns false with a message in error when it could not be started.
    virtual bool startEditor(const QString& filePath, QString* error = nullptr) = 0;
};

// The caption of the main window, which is the title of its message boxes.
inline QString mainCaption()
{
    return QStringLiteral("Quillon");
}
