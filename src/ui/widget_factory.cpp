#include "ui/widget_factory.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

namespace ksm::ui {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Tabs as narrow as the form designer's: the caption with a small margin.
class CompactTabStyle final : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// A group box with its caption on an etched frame line, not above the frame, so that the
// controls placed close under the caption stay clear of the frame.
class DesignGroupBox final : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QFontMetrics metrics(font());
        int top = metrics.height() / 2;
        QRect frame = rect().adjusted(0, top, -1, -1);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(frame);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(frame.adjusted(1, 1, 1, 1));
        if (title().isEmpty()) return;
        QRect caption(8, 0, metrics.horizontalAdvance(title()), metrics.height());
        p.fillRect(caption.adjusted(-1, 0, 1, 0), palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, title());
    }
};

QWidget* Create(const ControlDesign& c, QWidget* parent) {
    switch (c.kind) {
        case ControlKind::kButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::kRadioButton:
            return new QRadioButton(parent);
        case ControlKind::kLabel: {
            auto* label = new QLabel(parent);
            if (c.place.width == 0) label->setProperty("autoSize", true);
            return label;
        }
        case ControlKind::kEdit:
            return new QLineEdit(parent);
        case ControlKind::kMemo:
            return new QPlainTextEdit(parent);
        case ControlKind::kRichEdit:
            return new QTextEdit(parent);
        case ControlKind::kComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);  // typed text never joins the list
            combo->setMaxVisibleItems(8);
            return combo;
        }
        case ControlKind::kGrid:
            return new QTableWidget(parent);
        case ControlKind::kPanel:
            return new QFrame(parent);
        case ControlKind::kGroupBox:
            return new DesignGroupBox(parent);
        case ControlKind::kPageControl: {
            auto* tabs = new QTabWidget(parent);
            auto* style = new CompactTabStyle;
            style->setParent(tabs->tabBar());
            tabs->tabBar()->setStyle(style);
            return tabs;
        }
        case ControlKind::kTabSheet: {
            auto* page = new QWidget;
            qobject_cast<QTabWidget*>(parent)->addTab(page, Q(c.caption));
            return page;
        }
        case ControlKind::kProgressBar: {
            auto* bar = new QProgressBar(parent);
            bar->setRange(0, 100);
            bar->setTextVisible(false);
            return bar;
        }
        case ControlKind::kImage:
            return new QLabel(parent);
        case ControlKind::kWindow:
            break;
    }
    return nullptr;
}

void ApplyFont(const ControlDesign& c, QWidget* widget) {
    if (c.font_family.empty() && c.font_px == 0 && !c.bold) return;
    // The page control's font is the font of its tabs; its pages keep the window's.
    QWidget* target = widget;
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) target = tabs->tabBar();
    QFont font = target->font();
    if (!c.font_family.empty()) font.setFamily(Q(c.font_family));
    if (c.font_px > 0) font.setPixelSize(c.font_px);
    if (c.bold) font.setBold(true);
    target->setFont(font);
}

void ApplyColours(const ControlDesign& c, QWidget* widget) {
    if (!c.background && !c.text_colour) return;
    bool has_base = c.kind == ControlKind::kEdit || c.kind == ControlKind::kMemo ||
                    c.kind == ControlKind::kRichEdit || c.kind == ControlKind::kComboBox ||
                    c.kind == ControlKind::kGrid;
    QPalette palette = widget->palette();
    if (c.background) {
        palette.setColor(has_base ? QPalette::Base : QPalette::Window, ToQColor(*c.background));
        if (!has_base) widget->setAutoFillBackground(true);
    }
    if (c.text_colour) {
        QColor ink = ToQColor(*c.text_colour);
        palette.setColor(has_base ? QPalette::Text : QPalette::WindowText, ink);
        if (c.kind == ControlKind::kComboBox) palette.setColor(QPalette::ButtonText, ink);
    }
    widget->setPalette(palette);
}

void ApplyFrame(const ControlDesign& c, QWidget* widget) {
    auto* frame = qobject_cast<QFrame*>(widget);
    if (!frame || c.kind != ControlKind::kPanel) return;
    switch (c.bevel) {
        case Bevel::kRaised:
            frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
            break;
        case Bevel::kLowered:
            frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            break;
        case Bevel::kEtched:
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            break;
    }
    frame->setLineWidth(1);
}

void ApplyScrollBars(const ControlDesign& c, QWidget* widget) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    if (!area) return;
    bool grid = c.kind == ControlKind::kGrid;
    // A memo's bar stays in place; a grid shows its bar only when its cells do not fit.
    Qt::ScrollBarPolicy shown = grid ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    area->setHorizontalScrollBarPolicy(
        c.scroll_bars == ScrollBars::kHorizontal ? shown : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(
        c.scroll_bars == ScrollBars::kVertical ? shown : Qt::ScrollBarAlwaysOff);
}

void ApplyFocus(const ControlDesign& c, QWidget* widget) {
    if (c.focus == Focus::kTab) return;
    Qt::FocusPolicy policy = c.focus == Focus::kClick ? Qt::ClickFocus : Qt::NoFocus;
    widget->setFocusPolicy(policy);
    // The edit inside a combo box, the viewport of a grid: no way in through them either.
    for (QWidget* inner : widget->findChildren<QWidget*>()) {
        if (inner->focusPolicy() != Qt::NoFocus) inner->setFocusPolicy(policy);
    }
}

void SetUpGrid(const GridDesign& g, QTableWidget* table) {
    table->setRowCount(g.rows);
    table->setColumnCount(g.columns);
    // Row 0 and column 0 are cells of the grid, so the toolkit's own headers stay hidden.
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(g.row_height);
    table->horizontalHeader()->setMinimumSectionSize(1);
    for (int column = 0; column < g.columns; ++column) {
        table->setColumnWidth(column, g.column_widths[static_cast<std::size_t>(column)]);
    }
    table->setShowGrid(g.grid_lines);
    table->setWordWrap(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(g.whole_row_selection ? QAbstractItemView::SelectRows
                                                      : QAbstractItemView::SelectItems);
    // The fixed cells: the face of a button, not selectable.
    const QBrush face = table->palette().button();
    const QBrush face_text = table->palette().buttonText();
    for (int row = 0; row < g.rows; ++row) {
        for (int column = 0; column < g.columns; ++column) {
            if (row >= g.fixed_rows && column >= g.fixed_columns) continue;
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(face);
            item->setForeground(face_text);
            table->setItem(row, column, item);
        }
    }
}

}  // namespace

void BuildControls(QWidget* root, std::span<const ControlDesign> controls,
                   std::span<const GridDesign> grids) {
    QHash<QString, QWidget*> by_name;
    for (const ControlDesign& c : controls) {
        QString name = Q(c.name);
        if (c.kind == ControlKind::kWindow) {
            root->setFixedSize(c.place.width, c.place.height);
            ApplyFont(c, root);
            by_name.insert(name, root);
            continue;
        }
        QWidget* parent = by_name.value(Q(c.parent), root);
        QWidget* widget = Create(c, parent);
        widget->setObjectName(name);
        widget->setAccessibleDescription(name);
        if (c.kind != ControlKind::kTabSheet) {
            widget->setGeometry(c.place.x, c.place.y, c.place.width, c.place.height);
        }
        ApplyFont(c, widget);
        ApplyColours(c, widget);
        ApplyFrame(c, widget);
        ApplyScrollBars(c, widget);
        if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (const GridDesign& g : grids) {
                if (g.name == c.name) SetUpGrid(g, table);
            }
        }
        ApplyFocus(c, widget);
        by_name.insert(name, widget);
    }
}

}  // namespace ksm::ui
