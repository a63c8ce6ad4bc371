#include "ui/qt_console.h"

#include <QScrollBar>
#include <QTextCursor>

namespace ksm::ui {
namespace {
QTextCharFormat Format(Rgb colour) {
    QTextCharFormat format;
    format.setForeground(QColor(colour.r, colour.g, colour.b));
    return format;
}
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

std::string QtTextPane::Text() const { return edit_->toPlainText().toStdString(); }

void QtTextPane::SetText(std::string_view text, Rgb colour) {
    edit_->clear();
    AppendText(text, colour);
}

void QtTextPane::AppendText(std::string_view text, Rgb colour) {
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(FromUtf8(text), Format(colour));
    // The operations' own writes leave the caret, and the view, at the end.
    edit_->setTextCursor(cursor);
    edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
}

}  // namespace ksm::ui
