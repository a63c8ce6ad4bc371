#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

#include "ui/qt_window_seam.h"

namespace ksm::ui {
namespace {

constexpr int kAuto = -1;  // a label sized to its caption

struct Expected {
    const char* name;
    const char* parent;
    const char* qt_class;
    int x, y, w, h;
    const char* caption;
    bool enabled;
};

// Every control of the main window as the window's design describes it: parent, kind, place,
// caption and enabled state as built, before the constructor's own work.
// clang-format off
const Expected kControls[] = {
    {"RichEdit1",    "Form1", "QTextEdit",      1,   0,   688, 184, "", true},
    {"ProgressBar1", "Form1", "QProgressBar",   -1,  184, 690, 10,  "", true},
    {"pgcTabSheet",  "Form1", "QTabWidget",     0,   195, 689, 392, "", true},
    {"Button5",      "Form1", "QPushButton",    500, 197, 167, 15,  "Wyłącz tryb USB <-> RS485", false},
    {"ButtonA",      "Form1", "QPushButton",    496, 197, 175, 17,  "Włącz ZRD/WLP USB <-> RS485", false},
    {"pnl6",         "Form1", "QFrame",         673, 198, 15,  14,  "", true},
    // Interface USB
    {"StringGrid1",  "ts1",   "QTableWidget",   1,   1,   680, 320, "", true},
    {"Button3",      "ts1",   "QPushButton",    3,   328, 672, 33,  "Znajdź Urządzenia", true},
    // Update Firmware'u
    {"grp8",         "ts2",   "QGroupBox",      8,   16,  665, 337, " Modul Aktualizacji Oprogramowania ", true},
    {"Label14",      "grp8",  "QLabel",         55,  35,  kAuto, kAuto,
     "Poniższa funkcja umożliwia wymianę oprogramowania urządzenia TORVIK KSM do wersji ", true},
    {"pnl5",         "grp8",  "QFrame",         9,   64,  639, 112, "", true},
    {"pnl4",         "grp8",  "QFrame",         9,   216, 640, 89,  "", true},
    {"btn1",         "pnl4",  "QPushButton",    16,  16,  609, 57,  "   Zaktualizuj Firmware Urządzenia", true},
    {"Panel1",       "ts2",   "QFrame",         472, 208, 200, 103, "", true},
    {"Edit2",        "Panel1", "QLineEdit",     kAuto, kAuto, kAuto, kAuto, "", true},
    {"Edit3",        "Panel1", "QLineEdit",     kAuto, kAuto, kAuto, kAuto, "", true},
    {"Edit4",        "Panel1", "QLineEdit",     kAuto, kAuto, kAuto, kAuto, "", true},
    {"Button18",     "Panel1", "QPushButton",   kAuto, kAuto, kAuto, kAuto, "Wyjscie", true},
    {"Panel2",       "ts2",   "QFrame",         471, 161, 201, 47,  "", true},
    {"Button20",     "Panel2", "QPushButton",   kAuto, kAuto, kAuto, kAuto, "RST FTDI", true},
    {"Panel3",       "ts2",   "QFrame",         471, 43,  201, 118, "", true},
    {"Button19",     "Panel3", "QPushButton",   kAuto, kAuto, kAuto, kAuto, "Clear Memo", true},
    // Konfiguracja Modułu
    {"StringGrid2",  "ts3",   "QTableWidget",   2,   4,   391, 293, "", true},
    {"pnl3",         "ts3",   "QFrame",         395, 4,   285, 32,  "", true},
    {"Button11",     "pnl3",  "QPushButton",    8,   6,   274, 21,  "POSEGREGUJ SENSORY AUTOMATYCZNIE", false},
    {"Panel5",       "ts3",   "QFrame",         395, 36,  285, 56,  "", true},
    {"Button10",     "Panel5", "QPushButton",   7,   8,   274, 21,  "URUCHOM FUNCJĘ APC", false},
    {"Button37",     "Panel5", "QPushButton",   7,   29,  274, 21,  "Wyjdź z funkcji APC", false},
    {"AddressingPanel", "ts3", "QFrame",        395, 92,  285, 77,  "", true},
    {"ComboBox6",    "AddressingPanel", "QComboBox",   5,   6,  130, 21, "", false},
    {"Button41",     "AddressingPanel", "QPushButton", 139, 7,  141, 21, "Zapisz typ adresowania", false},
    {"ComboBox1",    "AddressingPanel", "QComboBox",   5,   29, 130, 21, "", false},
    {"btn12",        "AddressingPanel", "QPushButton", 139, 28, 141, 21, "Zapisz Adres", false},
    {"ComboBox3",    "AddressingPanel", "QComboBox",   5,   50, 130, 21, "", false},
    {"btn11",        "AddressingPanel", "QPushButton", 139, 50, 141, 21, "Zapisz Interwał", false},
    {"Panel6",       "ts3",   "QFrame",         397, 173, 281, 32,  "", true},
    {"ComboBox7",    "Panel6", "QComboBox",     4,   6,   130, 21,  "", true},
    {"Button13",     "Panel6", "QPushButton",   137, 6,   141, 21,  "Zapisz typ pracy modulu", false},
    {"pnl2",         "ts3",   "QFrame",         395, 210, 285, 52,  "", true},
    {"Button17",     "pnl2",  "QPushButton",    6,   6,   274, 21,  "Czytaj Wersję Firmware'u", false},
    {"Button0",      "pnl2",  "QPushButton",    6,   27,  274, 21,  "Reset Modulu", false},
    {"Panel4",       "ts3",   "QFrame",         395, 261, 285, 77,  "", true},
    {"Button38",     "Panel4", "QPushButton",   6,   8,   274, 21,  "PROGRAM MODE", true},
    {"Button39",     "Panel4", "QPushButton",   6,   29,  274, 21,  "NORMAL MODE", false},
    {"btn15",        "Panel4", "QPushButton",   6,   50,  274, 21,  "ZAPISZ KONFIGURACJĘ", false},
    {"pnl1",         "ts3",   "QFrame",         1,   299, 391, 63,  "", true},
    {"btn3",         "pnl1",  "QPushButton",    9,   9,   376, 49,  "Wykonaj Odczyt Temperatur", true},
    {"btn13",        "ts3",   "QPushButton",    401, 340, 274, 21,  "RST via FTDI", false},
    // Pomiary - Diagnostyka
    {"StringGrid3",  "TabSheet1", "QTableWidget", 4,   12,  123, 293, "", true},
    {"Image1",       "TabSheet1", "QLabel",       139, 2,   177, 311, "", true},
    {"Label4",       "TabSheet1", "QLabel",       4,   330, kAuto, kAuto, "ADRES MODUŁU TORVIK KSM", true},
    {"ComboBox2",    "TabSheet1", "QComboBox",    190, 326, 75,  21,  "", true},
    {"GroupBox1",    "TabSheet1", "QGroupBox",    336, 8,   329, 69,  " Pomiary Jednokrotne Temperatury DALLAS  ", true},
    {"btn7",         "GroupBox1", "QPushButton",  16,  24,  297, 31,  "Wykonaj Odczyt Temperatur", true},
    {"GroupBox3",    "TabSheet1", "QGroupBox",    336, 72,  329, 84,  " Pomiary RH i T SENSIRION ", true},
    {"Label8",       "GroupBox3", "QLabel",       kAuto, kAuto, kAuto, kAuto, "Temperatura SHTxx:  -- 'C", true},
    {"Label9",       "GroupBox3", "QLabel",       kAuto, kAuto, kAuto, kAuto, "RH(linear): -- %", true},
    {"Label10",      "GroupBox3", "QLabel",       kAuto, kAuto, kAuto, kAuto, "RH(compensated): -- %", true},
    {"BitBtn3",      "GroupBox3", "QPushButton",  16,  45,  297, 31,  "Wykonaj Odczyt RH i T", true},
    {"Panel7",       "TabSheet1", "QFrame",       336, 155, 329, 86,  "", true},
    {"Label7",       "Panel7", "QLabel",          kAuto, kAuto, kAuto, kAuto, "Napięcie systemowe:  --.-- V", true},
    {"Label6",       "Panel7", "QLabel",          kAuto, kAuto, kAuto, kAuto, "Napięcie zasilania:  --.-- V", true},
    {"Label12",      "Panel7", "QLabel",          kAuto, kAuto, kAuto, kAuto, "Natężenie prądu sondy:  -.--- A", true},
    {"Button8",      "Panel7", "QPushButton",     16,  50,  297, 28,  "Wykonaj Pomiar Zasilania", true},
    {"grp2",         "TabSheet1", "QGroupBox",    336, 244, 329, 66,  " Pomiary Cykliczne ", true},
    {"T",            "grp2",  "QRadioButton",     22,  14,  kAuto, kAuto, "T", true},
    {"RH",           "grp2",  "QRadioButton",     73,  14,  kAuto, kAuto, "RH", true},
    {"Label13",      "grp2",  "QLabel",           135, 13,  kAuto, kAuto, "Interwał Pomiarowy [s]:", true},
    {"ComboBox4",    "grp2",  "QComboBox",        248, 10,  63,  21,  "", true},
    {"btn5",         "grp2",  "QPushButton",      13,  32,  152, 25,  "Start", true},
    {"btn6",         "grp2",  "QPushButton",      165, 32,  152, 25,  "Stop", false},
    {"GroupBox2",    "TabSheet1", "QGroupBox",    336, 306, 329, 53,  " Diagnostyka ", true},
    {"BitBtn1",      "GroupBox2", "QPushButton",  15,  16,  151, 24,  "Sprawdz Liczniki ", true},
    {"BitBtn2",      "GroupBox2", "QPushButton",  167, 16,  145, 24,  "Zeruj Liczniki", true},
    // Logger Błędów
    {"Memo2",        "ts4",   "QPlainTextEdit",   3,   2,   669, 327, "", true},
    {"Label18",      "ts4",   "QLabel",           10,  339, kAuto, kAuto, "Cykle Pomiarowe: 0", true},
    {"Button6",      "ts4",   "QPushButton",      472, 335, 200, 22,  "Wyczysc MEMO", true},
    // Developer controls, beyond the right edge
    {"Edit8",        "Form1", "QLineEdit",        696, 8,   54,  21,  "Edit8", true},
    {"Button21",     "Form1", "QPushButton",      696, 32,  54,  20,  "Zamnien", true},
    {"Edit9",        "Form1", "QLineEdit",        698, 56,  52,  21,  "Edit9", true},
    {"btn4",         "Form1", "QPushButton",      878, 5,   104, 18,  "Zeruj Liczniki", true},
    {"Memo1",        "Form1", "QPlainTextEdit",   886, 27,  103, 25,  "Memo1", true},
    {"ComboBox5",    "Form1", "QComboBox",        888, 80,  137, 21,  "ComboBox5", true},
    {"Label19",      "Form1", "QLabel",           704, 141, kAuto, kAuto, "...", true},
    {"Label20",      "Form1", "QLabel",           704, 157, kAuto, kAuto, "...", true},
    {"Label21",      "Form1", "QLabel",           704, 173, kAuto, kAuto, "...", true},
    {"Label22",      "Form1", "QLabel",           704, 189, kAuto, kAuto, "...", true},
    {"Label23",      "Form1", "QLabel",           704, 204, kAuto, kAuto, "...", true},
    {"Label17",      "Form1", "QLabel",           705, 224, kAuto, kAuto, "...", true},
    {"Button36",     "Form1", "QPushButton",      904, 152, 113, 25,  "Read_APC", true},
    {"Button12",     "Form1", "QPushButton",      904, 200, 153, 25,  "test zamiany 1W na temp", true},
    {"Button7",      "Form1", "QPushButton",      696, 264, 105, 33,  "Czytaj EE 0-63", true},
    {"Button14",     "Form1", "QPushButton",      696, 304, 105, 33,  "Button14", true},
    {"Button9",      "Form1", "QPushButton",      696, 368, 161, 25,  "Test Komenda", true},
    {"btn8",         "Form1", "QPushButton",      697, 396, 80,  26,  "CRC16", true},
    {"btn2",         "Form1", "QPushButton",      776, 396, 81,  26,  "CRC8", true},
    {"btn9",         "Form1", "QPushButton",      696, 422, 161, 26,  "Test 4B", true},
    {"btn10",        "Form1", "QPushButton",      872, 422, 121, 25,  "READ_EEPROM", true},
    {"Button4",      "Form1", "QPushButton",      696, 448, 161, 25,  "Segregator_Pobierz Seriale", true},
    {"btn14",        "Form1", "QPushButton",      872, 448, 121, 25,  "SPI Read", true},
};
// clang-format on

const char* const kDeveloperControls[] = {
    "Edit8",   "Button21", "Edit9",   "btn4",    "Memo1",    "ComboBox5", "Label19", "Label20",
    "Label21", "Label22",  "Label23", "Label17", "Button36", "Button12",  "Button7", "Button14",
    "Button9", "btn8",     "btn2",    "btn9",    "btn10",    "Button4",   "btn14"};

struct MainWindowTest : ::testing::Test {
    MainWindow form{false};
    QtWindowSeam seam{&form, nullptr};

    template <typename T = QWidget>
    T* Get(const char* name) {
        T* widget = form.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(MainWindowTest, EveryControlHasItsParentKindPlaceCaptionAndStartState) {
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        QWidget* w = Get(e.name);
        if (!w) continue;
        EXPECT_TRUE(w->inherits(e.qt_class)) << w->metaObject()->className();
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), e.parent);
        if (e.x != kAuto) {
            EXPECT_EQ(w->pos(), QPoint(e.x, e.y));
        }
        if (e.w != kAuto) {
            EXPECT_EQ(w->size(), QSize(e.w, e.h));
        }
        EXPECT_EQ(seam.Text(e.name), e.caption);
        EXPECT_EQ(w->isEnabled(), e.enabled);
        EXPECT_EQ(w->accessibleDescription().toStdString(), e.name);
    }
}

TEST_F(MainWindowTest, EveryWidgetIsNamedAndDescribedByItsName) {
    // Besides the controls of the design, only the toolkit's own inner parts are unnamed.
    int named = 0;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        if (w->accessibleDescription().isEmpty()) continue;
        EXPECT_EQ(w->accessibleDescription(), w->objectName());
        ++named;
    }
    EXPECT_GE(named, static_cast<int>(std::size(kControls)));
}

TEST_F(MainWindowTest, FixedSizeWindowWithoutMaximiseButton) {
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.size(), QSize(689, 586));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(seam.Text("Form1"), "Form1");  // the constructor builds the caption later
}

TEST_F(MainWindowTest, FiveTabsInOrderWithTheMeasurementsOpen) {
    auto* tabs = Get<QTabWidget>("pgcTabSheet");
    const char* const names[] = {"ts1", "ts2", "ts3", "TabSheet1", "ts4"};
    const char* const captions[] = {"Interface USB", "Update Firmware'u", "Konfiguracja Modułu",
                                    "Pomiary - Diagnostyka", "Logger Błędów"};
    ASSERT_EQ(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->widget(i)->objectName().toStdString(), names[i]);
        EXPECT_EQ(tabs->tabText(i).toStdString(), captions[i]);
        EXPECT_EQ(seam.Text(names[i]), captions[i]);
    }
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet1");
}

TEST_F(MainWindowTest, PassThroughSwitchLiesOverTheTabs) {
    // ButtonA on top of Button5 and of the page control.
    QWidget* on = Get("ButtonA");
    EXPECT_EQ(form.childAt(on->geometry().center()), on);
    EXPECT_EQ(seam.Colour("pnl6"), (Rgb{192, 192, 192}));
    EXPECT_TRUE(seam.IsVisible("ButtonA"));
    EXPECT_TRUE(seam.IsVisible("Button5"));
}

TEST_F(MainWindowTest, DesignTimeListsCheckedRadioAndHiddenPanels) {
    auto* work_type = Get<QComboBox>("ComboBox7");
    ASSERT_EQ(work_type->count(), 4);
    EXPECT_EQ(work_type->itemText(0), "1Wire + SHTxx");
    EXPECT_EQ(work_type->itemText(1), "Tylko 1Wire");
    for (int empty : {2, 3}) {
        seam.SetItemIndex("ComboBox7", empty);
        EXPECT_EQ(seam.ItemIndex("ComboBox7"), empty);
        EXPECT_EQ(seam.Text("ComboBox7"), "");
    }
    auto* addressing = Get<QComboBox>("ComboBox6");
    ASSERT_EQ(addressing->count(), 2);
    EXPECT_EQ(addressing->itemText(0), "Hardware Adres OFF");
    EXPECT_EQ(addressing->itemText(1), "Hardware Adres ON");
    EXPECT_EQ(addressing->currentIndex(), -1);
    for (auto* combo : form.findChildren<QComboBox*>())
        EXPECT_TRUE(combo->isEditable()) << combo->objectName().toStdString();

    EXPECT_TRUE(seam.IsChecked("T"));
    EXPECT_FALSE(seam.IsChecked("RH"));
    for (const char* panel : {"Panel1", "Panel2", "Panel3"})
        EXPECT_FALSE(seam.IsVisible(panel)) << panel;
    EXPECT_EQ(seam.Text("SetupPrintButton"), "Setup&&Print");
    EXPECT_EQ(Get<QAbstractButton>("SetupPrintButton")->text(),
              "Setup&&Print");  // shown as one '&'
}

TEST_F(MainWindowTest, TimersStoppedWithTheirIntervals) {
    auto* cyclic = form.findChild<QTimer*>("Timer1");
    auto* apc = form.findChild<QTimer*>("Timer3");
    ASSERT_TRUE(cyclic && apc);
    EXPECT_FALSE(cyclic->isActive());
    EXPECT_FALSE(apc->isActive());
    EXPECT_EQ(cyclic->interval(), 60000);
    EXPECT_EQ(apc->interval(), 100);
}

TEST_F(MainWindowTest, DeveloperControlsAreOutsideTheWindowAndOutOfKeyboardReach) {
    for (const char* name : kDeveloperControls) {
        QWidget* w = Get(name);
        if (!w) continue;
        EXPECT_GE(w->x(), 696) << name;
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << name;
        for (QWidget* inner : w->findChildren<QWidget*>())
            EXPECT_EQ(inner->focusPolicy(), Qt::NoFocus) << name;
    }
    // Tabbing through the whole window never lands on one of them.
    form.show();
    QWidget* start = form.focusWidget() ? form.focusWidget() : Get("Button5");
    QWidget* w = start;
    for (int i = 0; i < 400; ++i) {
        w = w->nextInFocusChain();
        if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(&form) && w->isEnabled()) {
            EXPECT_LT(w->mapTo(&form, QPoint(0, 0)).x(), 689) << w->objectName().toStdString();
        }
    }
    form.hide();
}

TEST_F(MainWindowTest, ConsoleAndMemoLookAsDesigned) {
    auto* console = Get<QTextEdit>("RichEdit1");
    EXPECT_EQ(console->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(console->palette().color(QPalette::Text), QColor(0, 255, 255));
    EXPECT_EQ(console->font().family(), "Courier New");
    EXPECT_EQ(console->font().pixelSize(), 12);
    EXPECT_EQ(console->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(console->isReadOnly());
    auto* log = Get<QPlainTextEdit>("Memo2");
    EXPECT_EQ(log->palette().color(QPalette::Text), QColor(128, 128, 0));
    EXPECT_EQ(log->palette().color(QPalette::Base), QColor(0, 0, 0));
    auto* progress = Get<QProgressBar>("ProgressBar1");
    EXPECT_EQ(progress->minimum(), 0);
    EXPECT_EQ(progress->maximum(), 100);
    EXPECT_EQ(form.font().family(), "MS Sans Serif");
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST_F(MainWindowTest, DesignFontsAreStoodInForByLiberationFonts) {
    EXPECT_EQ(QFontInfo(Get("RichEdit1")->font()).family(), "Liberation Mono");
    EXPECT_EQ(QFontInfo(Get("Button3")->font()).family(), "Liberation Sans");
}

TEST_F(MainWindowTest, GridsHaveTheirRowsColumnsAndFixedCells) {
    struct Grid {
        const char* name;
        int columns, rows, row_height;
        std::vector<int> widths;
        bool fixed_column;
    };
    const Grid grids[] = {{"StringGrid1", 3, 11, 15, {182, 150, 346}, false},
                          {"StringGrid2", 5, 17, 16, {64, 148, 44, 41, 85}, true},
                          {"StringGrid3", 2, 17, 16, {48, 70}, true}};
    for (const Grid& g : grids) {
        SCOPED_TRACE(g.name);
        auto* table = Get<QTableWidget>(g.name);
        ASSERT_TRUE(table);
        EXPECT_EQ(table->columnCount(), g.columns);
        EXPECT_EQ(table->rowCount(), g.rows);
        EXPECT_TRUE(table->horizontalHeader()->isHidden());
        EXPECT_TRUE(table->verticalHeader()->isHidden());
        for (int c = 0; c < g.columns; ++c) EXPECT_EQ(table->columnWidth(c), g.widths[c]);
        EXPECT_EQ(table->rowHeight(1), g.row_height);
        // Row 0 is fixed, and column 0 where the grid has a fixed column.
        EXPECT_FALSE(table->item(0, 1)->flags() & Qt::ItemIsSelectable);
        EXPECT_EQ(table->item(1, 0) != nullptr, g.fixed_column);
    }
    EXPECT_FALSE(Get<QTableWidget>("StringGrid1")->showGrid());
    EXPECT_EQ(Get<QTableWidget>("StringGrid1")->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(Get("StringGrid2")->focusPolicy(), Qt::ClickFocus);  // skipped by the Tab key
}

}  // namespace
}  // namespace ksm::ui
