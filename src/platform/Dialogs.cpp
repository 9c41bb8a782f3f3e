#include "platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {
std::optional<DialogAnswer>& presetAnswer() {
    static std::optional<DialogAnswer> answer;
    return answer;
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    case MessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}
} // namespace

namespace {
QString& lastTextShown() {
    static QString text;
    return text;
}
MessageKind& lastKindShown() {
    static MessageKind kind = MessageKind::Information;
    return kind;
}
} // namespace

QString Dialogs::lastText() {
    return lastTextShown();
}
MessageKind Dialogs::lastKind() {
    return lastKindShown();
}

DialogAnswer Dialogs::message(MessageKind kind, const QString& text, const QString& caption, QWidget* parent) {
    lastTextShown() = text;
    lastKindShown() = kind;
    if (auto& preset = presetAnswer()) {
        DialogAnswer answer = *preset;
        preset.reset();
        return answer;
    }
    if (std::getenv("QUORVANE_DIALOG_ECHO") != nullptr) {
        std::printf("[dialog] %s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
        std::fflush(stdout);
        return DialogAnswer::Ok;
    }
    QMessageBox box(iconOf(kind), caption.isEmpty() ? QApplication::applicationDisplayName() : caption, text,
                    QMessageBox::Ok, parent);
    box.exec();
    return DialogAnswer::Ok;
}

void Dialogs::setNextAnswer(DialogAnswer answer) {
    presetAnswer() = answer;
}

void Dialogs::installAsMessageSink() {
    setMessageSink(
        [](MessageKind kind, const std::string& text) { Dialogs::message(kind, QString::fromStdString(text)); });
}
