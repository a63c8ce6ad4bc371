#include "ui/session.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "link/status_codes.h"
#include "sim/scripted_peer.h"
#include "sim/sim_bus.h"
#include "sim/sim_driver.h"
#include "sim/virtual_clock.h"

namespace ksm::ui {
namespace {

// The configuration controls: off at start, on only in program mode.
const char* const kConfigurationControls[] = {
    "Button39", "btn15",    "ComboBox6", "Button41", "ComboBox1", "btn12",    "ComboBox3", "btn11",
    "Button13", "Button17", "Button0",   "Button11", "Button10",  "Button37", "btn6",      "btn13"};

struct SessionTest : ::testing::Test {
    sim::VirtualClock clock;
    sim::SimBus bus{clock};
    sim::SimDriver driver{bus};
    SilentTone tone;
    sim::ScriptedPeer module;  // outlives the session, which closes the interface at its end
    std::optional<Session> session;

    QtWindowSeam& Start(bool simulated = false) {
        session.emplace(driver, clock, tone, simulated);
        session->Start();
        return session->window();
    }
    std::vector<std::string> ConsoleLines() {
        std::vector<std::string> lines;
        for (const QString& line : QString::fromStdString(session->console().Text()).split('\n'))
            lines.push_back(line.toStdString());
        return lines;
    }
};

TEST_F(SessionTest, FreshStartWithoutDevice) {
    QtWindowSeam& w = Start();
    EXPECT_EQ(w.Text("Form1"), " TORVIK KSM Tool v3.3 - firmware v00.41");
    EXPECT_EQ(ConsoleLines(), (std::vector<std::string>{"Error: 00.08", StatusMessage(8)}));
    // The device grid shows its headers only.
    EXPECT_EQ(w.Cell("StringGrid1", 0, 0), " Nazwa Urzadzenia");
    EXPECT_EQ(w.Cell("StringGrid1", 1, 0), " Wersja Hardwarowa");
    EXPECT_EQ(w.Cell("StringGrid1", 2, 0), " Stan");
    for (int row = 1; row <= 10; ++row) {
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(w.Cell("StringGrid1", column, row), "");
    }
    EXPECT_TRUE(w.IsEnabled("Button38"));
    for (const char* c : kConfigurationControls) EXPECT_FALSE(w.IsEnabled(c)) << c;
    EXPECT_FALSE(w.IsEnabled("ButtonA"));
    EXPECT_FALSE(w.IsEnabled("Button5"));
    // The tab "Pomiary - Diagnostyka" is open, address 1 and interval 4 s chosen.
    auto* tabs = session->main_window().findChild<QTabWidget*>("pgcTabSheet");
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(w.ItemIndex("ComboBox2"), 1);
    EXPECT_EQ(w.Text("ComboBox2"), "      1");
    EXPECT_EQ(w.ItemIndex("ComboBox4"), 3);
    EXPECT_EQ(w.Text("ComboBox4"), "      4");
    EXPECT_FALSE(w.IsTimerEnabled("Timer1"));
    EXPECT_FALSE(w.IsTimerEnabled("Timer3"));
}

TEST_F(SessionTest, ConstructorFillsCaptionLabelGridsAndLists) {
    QtWindowSeam& w = Start();
    EXPECT_EQ(
        w.Text("Label14"),
        "Poniższa funkcja umożliwia wymianę oprogramowania urządzenia TORVIK KSM do wersji 00.41");
    EXPECT_TRUE(w.MemoLines("Memo2").empty());
    const char* const grid2[] = {"Poziom", " Adres Sensora ", "T.HI", "T.LO", "T['C]"};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(w.Cell("StringGrid2", c, 0), grid2[c]);
    EXPECT_EQ(w.Cell("StringGrid3", 0, 0), "Poziom");
    EXPECT_EQ(w.Cell("StringGrid3", 1, 0), "Temperatura");
    for (int level = 1; level <= 16; ++level) {
        EXPECT_EQ(w.Cell("StringGrid2", 0, level), std::to_string(level));
        EXPECT_EQ(w.Cell("StringGrid3", 0, level), "    " + std::to_string(level));
    }
    struct List {
        const char* combo;
        int count, first, last, index;
    };
    for (List l : {List{"ComboBox1", 248, 0, 247, -1}, List{"ComboBox2", 248, 0, 247, 1},
                   List{"ComboBox3", 255, 1, 255, -1}, List{"ComboBox4", 255, 1, 255, 3}}) {
        SCOPED_TRACE(l.combo);
        auto* combo = session->main_window().findChild<QComboBox*>(l.combo);
        ASSERT_EQ(combo->count(), l.count);
        EXPECT_EQ(combo->itemText(0).toStdString(), "      " + std::to_string(l.first));
        EXPECT_EQ(combo->itemText(l.count - 1).toStdString(), "      " + std::to_string(l.last));
        EXPECT_EQ(combo->currentIndex(), l.index);
    }
    EXPECT_EQ(w.Text("ComboBox1"), "");
}

TEST_F(SessionTest, ApcWindowIsCreatedHiddenWithItsGrid) {
    QtWindowSeam& w = Start();
    ApcWindow* apc = session->apc_window();
    ASSERT_NE(apc, nullptr);
    EXPECT_FALSE(apc->isVisible());
    EXPECT_FALSE(w.IsApcWindowShown());
    EXPECT_EQ(w.Text("Form2"), " Konfiguracja APC");
    EXPECT_EQ(apc->size(), QSize(395, 322));
    EXPECT_EQ(apc->minimumSize(), apc->maximumSize());
    EXPECT_TRUE(apc->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(apc->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(apc->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(apc->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    auto* grid = apc->findChild<QTableWidget*>("StringGrid4");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnCount(), 9);
    EXPECT_EQ(grid->rowCount(), 17);
    const int widths[] = {64, 114, 27, 28, 37, 118, 29, 29, 33};
    const char* const headers[] = {"Poziom",         " Znalezione", "T.HI", "T.LO", "T['C]",
                                   " Posegregowane", "T.HI",        "T.LO", "T['C]"};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(grid->columnWidth(c), widths[c]);
        EXPECT_EQ(w.Cell("Form2.StringGrid4", c, 0), headers[c]);
    }
    for (int level = 1; level <= 16; ++level)
        EXPECT_EQ(w.Cell("Form2.StringGrid4", 0, level), std::to_string(level));
    EXPECT_EQ(grid->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // The message field: one line under the grid, bold lime on black, empty.
    auto* message = apc->findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->geometry(), QRect(0, 297, 394, 25));
    EXPECT_EQ(message->palette().color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_TRUE(message->font().bold());
    EXPECT_EQ(w.Text("Form2.Memo1"), "");
    // The main window's developer memo keeps its own text under the same name.
    EXPECT_EQ(w.Text("Memo1"), "Memo1");
    w.SetText("Form2.Memo1", "Procedura APC");
    EXPECT_EQ(message->toPlainText(), "Procedura APC");
    EXPECT_EQ(w.Text("Memo1"), "Memo1");
}

TEST_F(SessionTest, StartWithTerminalResetsTheModuleAndEnablesThePassThrough) {
    bus.AddDevice("TORVIK ZRD", "ZRD13A01").Attach(&module);
    QtWindowSeam& w = Start();
    EXPECT_EQ(module.DtrPulses(), 1);
    EXPECT_EQ(session->console().Text(), "");
    EXPECT_EQ(w.Cell("StringGrid1", 0, 1), "TORVIK ZRD");
    EXPECT_EQ(w.Cell("StringGrid1", 1, 1), "ZRD13A01");
    EXPECT_EQ(w.Cell("StringGrid1", 2, 1), "free ");
    EXPECT_TRUE(w.IsEnabled("ButtonA"));
    EXPECT_FALSE(w.IsEnabled("Button5"));
}

TEST_F(SessionTest, PassThroughButtonsClickedOnTheWindow) {
    sim::SimDevice& device = bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    QtWindowSeam& w = Start();
    MainWindow& form = session->main_window();
    form.show();
    auto* on = form.findChild<QPushButton*>("ButtonA");
    auto* off = form.findChild<QPushButton*>("Button5");

    QTest::mouseClick(on, Qt::LeftButton);
    EXPECT_TRUE(device.rts());
    EXPECT_TRUE(on->isHidden());
    EXPECT_FALSE(off->isHidden());
    EXPECT_TRUE(off->isEnabled());
    EXPECT_EQ(form.findChild<QWidget*>("pnl6")->palette().color(QPalette::Window),
              QColor(0, 255, 0));
    EXPECT_EQ(session->console().Text(), " USB to RS485 mode has been activated...");

    QTest::mouseClick(off, Qt::LeftButton);
    EXPECT_FALSE(device.rts());
    EXPECT_TRUE(off->isHidden());
    EXPECT_FALSE(on->isHidden());
    EXPECT_TRUE(on->isEnabled());
    EXPECT_EQ(w.Colour("pnl6"), (Rgb{255, 0, 0}));
    EXPECT_EQ(session->console().Text(), " USB to RS485 mode has been turned off...");
    form.hide();
}

TEST_F(SessionTest, ClosingTheMainWindowClosesTheInterface) {
    sim::SimDevice& device = bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    Start();
    ASSERT_TRUE(device.is_open());
    session->main_window().show();
    session->main_window().close();
    EXPECT_FALSE(device.is_open());
}

TEST_F(SessionTest, ASimulationSaysSoInCaptionAndBanner) {
    QtWindowSeam& w = Start(true);
    EXPECT_EQ(w.Text("Form1"), " TORVIK KSM Tool v3.3 - firmware v00.41  [SYMULACJA]");
    MainWindow& form = session->main_window();
    auto* banner = form.findChild<QLabel*>("SimulationBanner");
    ASSERT_NE(banner, nullptr);
    EXPECT_FALSE(banner->isHidden());
    EXPECT_EQ(form.size(), QSize(689, 586));
    // In the row of tabs, clear of the tabs and of the pass-through switch.
    auto* tabs = form.findChild<QTabWidget*>("pgcTabSheet");
    QRect tab_row(tabs->mapTo(&form, QPoint(0, 0)), tabs->tabBar()->sizeHint());
    EXPECT_FALSE(banner->geometry().intersects(tab_row));
    EXPECT_FALSE(banner->geometry().intersects(form.findChild<QWidget*>("ButtonA")->geometry()));
    EXPECT_FALSE(banner->geometry().intersects(form.findChild<QWidget*>("Button5")->geometry()));
    EXPECT_GE(banner->width(), banner->sizeHint().width());
}

}  // namespace
}  // namespace ksm::ui
