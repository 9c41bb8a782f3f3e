#pragma once
// Modal message boxes. Tests preset the answers (setNextAnswer) instead of clicking; with the
// environment variable QUORVANE_DIALOG_ECHO set, a box is printed to stdout and answered at once,
// which lets scripted runs of the real program go through its messages.
#include "domain/Messages.h"

#include <QString>

class QWidget;

enum class DialogAnswer { Ok, Cancel, Yes, No };

class Dialogs {
public:
    // A box with one OK button.
    static DialogAnswer message(MessageKind kind, const QString& text, const QString& caption = QString(),
                                QWidget* parent = nullptr);
    // The next box is not shown and returns `answer` instead.
    static void setNextAnswer(DialogAnswer answer);
    // Routes the pure code's reports (showError, showMessage) to message boxes.
    static void installAsMessageSink();
    // The text and kind of the last box asked for, shown or answered in advance (tests).
    static QString lastText();
    static MessageKind lastKind();
};
