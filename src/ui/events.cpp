#include "ui/events.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <exception>

namespace ksm::ui {

void ShowEscapedError(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("TORVIK KSM Tool"), text);
}

namespace {
template <typename Sender, typename Signal>
void Connect(Sender* sender, Signal signal, const std::function<void(const std::string&)>& fire) {
    std::string name = sender->objectName().toStdString();
    QObject::connect(sender, signal, sender, [fire, name] {
        try {
            fire(name);
        } catch (const std::exception& error) {
            ShowEscapedError(QString::fromUtf8(error.what()));
        } catch (...) {
            ShowEscapedError(QStringLiteral("Unknown error"));
        }
    });
}
}  // namespace

void BindEvents(QWidget* root, const std::function<bool(const std::string&)>& has_handler,
                const std::function<void(const std::string&)>& fire) {
    for (auto* button : root->findChildren<QAbstractButton*>()) {
        if (has_handler(button->objectName().toStdString()))
            Connect(button, &QAbstractButton::clicked, fire);
    }
    for (auto* timer : root->findChildren<QTimer*>()) {
        if (has_handler(timer->objectName().toStdString())) Connect(timer, &QTimer::timeout, fire);
    }
}

}  // namespace ksm::ui
