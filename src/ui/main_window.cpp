#include "ui/main_window.h"

#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

namespace ksm::ui {
namespace {
template <typename T>
T* Make(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleDescription(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}
}  // namespace

MainWindow::MainWindow(bool simulated, QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setFixedSize(689, 586);
    setWindowTitle(QString::fromUtf8(" TORVIK KSM Tool v3.3 - firmware v00.41") +
                   (simulated ? QString::fromUtf8("  [SYMULACJA]") : QString()));

    auto* console = Make<QTextEdit>(this, "RichEdit1", 1, 0, 688, 184);
    console->setStyleSheet("QTextEdit { background: black; color: aqua; }");
    console->setFontFamily("Courier New");

    auto* grid = Make<QTableWidget>(this, "StringGrid1", 1, 220, 680, 320);
    grid->setRowCount(11);
    grid->setColumnCount(3);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();

    auto* find = Make<QPushButton>(this, "Button3", 3, 548, 672, 33);
    find->setText(QString::fromUtf8("Znajdź Urządzenia"));
    auto* off = Make<QPushButton>(this, "Button5", 500, 197, 167, 15);
    off->setText(QString::fromUtf8("Wyłącz tryb USB <-> RS485"));
    off->setEnabled(false);
    auto* on = Make<QPushButton>(this, "ButtonA", 496, 197, 175, 17);
    on->setText(QString::fromUtf8("Włącz ZRD/WLP USB <-> RS485"));
    on->setEnabled(false);
    auto* indicator = Make<QFrame>(this, "pnl6", 673, 198, 15, 14);
    indicator->setFrameShape(QFrame::Panel);
    indicator->setFrameShadow(QFrame::Sunken);
}

}  // namespace ksm::ui
