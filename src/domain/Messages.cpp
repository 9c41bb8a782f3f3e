#include "domain/Messages.h"

#include <iostream>

namespace {
MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}
} // namespace

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

void showMessage(MessageKind kind, const std::string& text) {
    if (auto& sink = currentSink()) {
        sink(kind, text);
        return;
    }
    std::cerr << text << '\n';
}

void showError(const std::string& text) {
    showMessage(MessageKind::Error, "Error: " + text);
}
