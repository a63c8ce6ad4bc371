#include "ui/qt_window_seam.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

namespace ksm::ui {
namespace {
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string S(const QString& text) { return text.toStdString(); }
}  // namespace

void QtWindowSeam::SetEnabled(std::string_view control, bool enabled) {
    if (auto* w = Find<QWidget>(control)) w->setEnabled(enabled);
}

bool QtWindowSeam::IsEnabled(std::string_view control) const {
    auto* w = Find<QWidget>(control);
    return w && w->isEnabled();
}

void QtWindowSeam::SetVisible(std::string_view control, bool visible) {
    if (auto* w = Find<QWidget>(control)) w->setVisible(visible);
}

bool QtWindowSeam::IsVisible(std::string_view control) const {
    // Whether the control itself is shown, not whether its window is on screen.
    auto* w = Find<QWidget>(control);
    return w && !w->isHidden();
}

void QtWindowSeam::SetText(std::string_view control, std::string_view text) {
    if (auto* b = Find<QAbstractButton>(control)) return b->setText(Q(text));
    if (auto* l = Find<QLabel>(control)) return l->setText(Q(text));
    if (auto* e = Find<QLineEdit>(control)) return e->setText(Q(text));
    if (auto* m = Find<QPlainTextEdit>(control)) return m->setPlainText(Q(text));
    if (auto* t = Find<QTextEdit>(control)) return t->setPlainText(Q(text));
    if (auto* c = Find<QComboBox>(control)) return c->setEditText(Q(text));
}

std::string QtWindowSeam::Text(std::string_view control) const {
    if (auto* b = Find<QAbstractButton>(control)) return S(b->text());
    if (auto* l = Find<QLabel>(control)) return S(l->text());
    if (auto* e = Find<QLineEdit>(control)) return S(e->text());
    if (auto* m = Find<QPlainTextEdit>(control)) return S(m->toPlainText());
    if (auto* t = Find<QTextEdit>(control)) return S(t->toPlainText());
    if (auto* c = Find<QComboBox>(control)) return S(c->currentText());
    return {};
}

void QtWindowSeam::SetColour(std::string_view control, Rgb colour) {
    auto* w = Find<QWidget>(control);
    if (!w) return;
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    w->setAutoFillBackground(true);
    w->setPalette(palette);
}

Rgb QtWindowSeam::Colour(std::string_view control) const {
    auto* w = Find<QWidget>(control);
    if (!w) return {};
    QColor c = w->palette().color(QPalette::Window);
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

bool QtWindowSeam::IsChecked(std::string_view control) const {
    auto* b = Find<QAbstractButton>(control);
    return b && b->isChecked();
}

int QtWindowSeam::ItemIndex(std::string_view combo) const {
    auto* c = Find<QComboBox>(combo);
    return c ? c->currentIndex() : -1;
}

void QtWindowSeam::SetItemIndex(std::string_view combo, int index) {
    auto* c = Find<QComboBox>(combo);
    if (!c) return;
    c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
}

std::string QtWindowSeam::Cell(std::string_view grid, int column, int row) const {
    auto* t = Find<QTableWidget>(grid);
    if (!t) return {};
    QTableWidgetItem* item = t->item(row, column);
    return item ? S(item->text()) : std::string();
}

void QtWindowSeam::SetCell(std::string_view grid, int column, int row, std::string_view text) {
    auto* t = Find<QTableWidget>(grid);
    if (!t || row < 0 || column < 0 || row >= t->rowCount() || column >= t->columnCount()) return;
    QTableWidgetItem* item = t->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        t->setItem(row, column, item);
    }
    item->setText(Q(text));
}

void QtWindowSeam::MemoAddLine(std::string_view memo, std::string_view line) {
    if (auto* m = Find<QPlainTextEdit>(memo)) m->appendPlainText(Q(line));
}

void QtWindowSeam::MemoClear(std::string_view memo) {
    if (auto* m = Find<QPlainTextEdit>(memo)) m->clear();
}

std::vector<std::string> QtWindowSeam::MemoLines(std::string_view memo) const {
    std::vector<std::string> lines;
    auto* m = Find<QPlainTextEdit>(memo);
    if (!m || m->document()->isEmpty()) return lines;
    for (const QString& line : m->toPlainText().split(QLatin1Char('\n'))) lines.push_back(S(line));
    return lines;
}

void QtWindowSeam::SetTimerEnabled(std::string_view timer, bool enabled) {
    auto* t = main_ ? main_->findChild<QTimer*>(Q(timer)) : nullptr;
    if (!t) return;
    if (enabled) t->start();
    else t->stop();
}

bool QtWindowSeam::IsTimerEnabled(std::string_view timer) const {
    auto* t = main_ ? main_->findChild<QTimer*>(Q(timer)) : nullptr;
    return t && t->isActive();
}

void QtWindowSeam::SetTimerInterval(std::string_view timer, std::uint32_t ms) {
    auto* t = main_ ? main_->findChild<QTimer*>(Q(timer)) : nullptr;
    if (!t) return;
    // A timer without interval does not tick.
    if (ms == 0) t->stop();
    t->setInterval(static_cast<int>(ms));
}

std::uint32_t QtWindowSeam::TimerInterval(std::string_view timer) const {
    auto* t = main_ ? main_->findChild<QTimer*>(Q(timer)) : nullptr;
    return t ? static_cast<std::uint32_t>(t->interval()) : 0;
}

void QtWindowSeam::SetProgress(int position) {
    if (auto* p = Find<QProgressBar>("ProgressBar1")) p->setValue(position);
}

int QtWindowSeam::Progress() const {
    auto* p = Find<QProgressBar>("ProgressBar1");
    return p ? p->value() : 0;
}

void QtWindowSeam::SetWindowEnabled(bool enabled) {
    if (main_) main_->setEnabled(enabled);
}

void QtWindowSeam::ShowApcWindow(bool shown) {
    if (apc_) apc_->setVisible(shown);
}

bool QtWindowSeam::IsApcWindowShown() const { return apc_ && apc_->isVisible(); }

void QtWindowSeam::ShowErrorMessage(std::string_view text) {
    QMessageBox::critical(main_, QString(), Q(text));
}

std::string QtWindowSeam::DecimalSeparator() const { return S(QLocale().decimalPoint()); }

std::string QtWindowSeam::ThousandsSeparator() const { return S(QLocale().groupSeparator()); }

}  // namespace ksm::ui
