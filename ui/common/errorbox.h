// The one error box: every error that ends a command is shown here, with
// the application title as caption.
#pragma once

#include <QString>

#include <functional>

// Shows a box with a caption and a text; the default is a critical message
// box with a single OK button. Tests put their own in its place.
using TErrorBoxHandler = std::function<void(const QString &caption, const QString &text)>;

// Shows the message with the period rule applied.
void ShowErrorBox(const QString &message);
// Puts another box in place and returns the one before; an empty handler
// brings back the message box.
TErrorBoxHandler SetErrorBoxHandler(TErrorBoxHandler handler);

// Runs a command to its end; an error that ends it is shown in the error
// box. True when it ran through.
bool RunCommand(const std::function<void()> &command);
