#pragma once
// User-facing reports of the pure code. The program routes them to message boxes, the command-line
// tool to stderr, tests to a recorder.
#include <functional>
#include <string>

enum class MessageKind { Error, Warning, Information, Confirmation };

using MessageSink = std::function<void(MessageKind kind, const std::string& text)>;

// Installs the sink; an empty function restores the default (stderr). Returns the previous sink.
MessageSink setMessageSink(MessageSink sink);

// Shows "Error: " followed by `text` and returns when the user has seen it.
void showError(const std::string& text);

// Shows a message of the given kind as it stands.
void showMessage(MessageKind kind, const std::string& text);
