#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

namespace ksm::ui {

// The application's standard box for an error that escaped an event handler.
void ShowEscapedError(const QString& text);

// Connects the clicks of the buttons and the ticks of the timers under `root` that have a
// handler. An exception from a handler is shown in the standard box right here, so that it
// never unwinds through the toolkit's own code; the event loop goes on.
void BindEvents(QWidget* root, const std::function<bool(const std::string&)>& has_handler,
                const std::function<void(const std::string&)>& fire);

}  // namespace ksm::ui
