#include "ui/qt_window_seam.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

namespace ksm::ui {
namespace {
QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
std::string S(const QString& text) { return text.toStdString(); }

// The page control a tab page belongs to (the pages sit in its stack of pages).
QTabWidget* TabsOf(QWidget* page) {
    QWidget* stack = page ? page->parentWidget() : nullptr;
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}
}  // namespace

void QtWindowSeam::SetEnabled(std::string_view control, bool enabled) {
    if (auto* w = Find<QWidget>(control)) w->setEnabled(enabled);
}

bool QtWindowSeam::IsEnabled(std::string_view control) const {
    auto* w = Find<QWidget>(control);
    return w && w->isEnabled();
}

void QtWindowSeam::SetVisible(std::string_view control, bool visible) {
    auto* w = Find<QWidget>(control);
    // A page of the page control is shown or hidden as a tab; only the open page is on screen.
    if (QTabWidget* tabs = TabsOf(w)) return tabs->setTabVisible(tabs->indexOf(w), visible);
    if (w) w->setVisible(visible);
}

bool QtWindowSeam::IsVisible(std::string_view control) const {
    // Whether the control itself is shown, not whether its window is on screen.
    auto* w = Find<QWidget>(control);
    if (QTabWidget* tabs = TabsOf(w)) return tabs->isTabVisible(tabs->indexOf(w));
    return w && !w->isHidden();
}

void QtWindowSeam::SetText(std::string_view control, std::string_view text) {
    if (auto* b = Find<QAbstractButton>(control)) return b->setText(Q(text));
    if (auto* l = Find<QLabel>(control)) {
        l->setText(Q(text));
        // A label without a size of its own grows and shrinks with its caption.
        if (l->property("autoSize").toBool()) l->adjustSize();
        return;
    }
    if (auto* e = Find<QLineEdit>(control)) return e->setText(Q(text));
    if (auto* m = Find<QPlainTextEdit>(control)) return m->setPlainText(Q(text));
    if (auto* t = Find<QTextEdit>(control)) return t->setPlainText(Q(text));
    if (auto* c = Find<QComboBox>(control)) return c->setEditText(Q(text));
    if (auto* g = Find<QGroupBox>(control)) return g->setTitle(Q(text));
    auto* w = Find<QWidget>(control);
    if (QTabWidget* tabs = TabsOf(w)) return tabs->setTabText(tabs->indexOf(w), Q(text));
    if (w && w->isWindow()) w->setWindowTitle(Q(text));
}

std::string QtWindowSeam::Text(std::string_view control) const {
    if (auto* b = Find<QAbstractButton>(control)) return S(b->text());
    if (auto* l = Find<QLabel>(control)) return S(l->text());
    if (auto* e = Find<QLineEdit>(control)) return S(e->text());
    if (auto* m = Find<QPlainTextEdit>(control)) return S(m->toPlainText());
    if (auto* t = Find<QTextEdit>(control)) return S(t->toPlainText());
    if (auto* c = Find<QComboBox>(control)) return S(c->currentText());
    if (auto* g = Find<QGroupBox>(control)) return S(g->title());
    auto* w = Find<QWidget>(control);
    if (QTabWidget* tabs = TabsOf(w)) return S(tabs->tabText(tabs->indexOf(w)));
    if (w && w->isWindow()) return S(w->windowTitle());
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

void QtWindowSeam::SetChecked(std::string_view control, bool checked) {
    if (auto* b = Find<QAbstractButton>(control)) b->setChecked(checked);
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

void QtWindowSeam::SetItems(std::string_view combo, const std::vector<std::string>& items) {
    auto* c = Find<QComboBox>(combo);
    if (!c) return;
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) list << Q(item);
    c->clear();
    c->addItems(list);
    // Adding to an empty list selects its first item; the list starts with nothing chosen.
    c->setCurrentIndex(-1);
    c->clearEditText();
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
    auto* t = Find<QTimer>(timer);
    if (!t) return;
    if (enabled)
        t->start();
    else
        t->stop();
}

bool QtWindowSeam::IsTimerEnabled(std::string_view timer) const {
    auto* t = Find<QTimer>(timer);
    return t && t->isActive();
}

void QtWindowSeam::SetTimerInterval(std::string_view timer, std::uint32_t ms) {
    auto* t = Find<QTimer>(timer);
    if (!t) return;
    // A timer without interval does not tick.
    if (ms == 0) t->stop();
    t->setInterval(static_cast<int>(ms));
}

std::uint32_t QtWindowSeam::TimerInterval(std::string_view timer) const {
    auto* t = Find<QTimer>(timer);
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
