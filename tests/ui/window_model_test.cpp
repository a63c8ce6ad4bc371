// The in-memory window starts in the same state as the Qt windows.
#include "app/window_model.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTableWidget>

#include "app/window_design.h"
#include "sim/memory_window.h"
#include "sim/virtual_clock.h"
#include "ui/apc_window.h"
#include "ui/main_window.h"
#include "ui/qt_console.h"
#include "ui/qt_window_seam.h"

namespace ksm::ui {
namespace {

TEST(WindowModel, MemoryWindowStartsAsTheQtWindows) {
    MainWindow form(false);
    ApcWindow apc;
    QtWindowSeam qt(&form, &apc);
    QtTextPane qt_pane(form.findChild<QTextEdit*>("RichEdit1"));
    Console qt_console(qt_pane);
    InitialiseMainWindow(qt, qt_console);

    sim::VirtualClock clock;
    sim::MemoryWindow memory(clock);
    ConsoleTextModel pane;
    Console console(pane);
    PrepareWindows(memory, console);

    auto compare = [&](const ControlDesign& c, const std::string& name) {
        SCOPED_TRACE(name);
        EXPECT_EQ(memory.Text(name), qt.Text(name));
        if (c.kind == ControlKind::kWindow) return;
        EXPECT_EQ(memory.IsEnabled(name), qt.IsEnabled(name));
        EXPECT_EQ(memory.IsVisible(name), qt.IsVisible(name));
        EXPECT_EQ(memory.IsChecked(name), qt.IsChecked(name));
        if (c.kind == ControlKind::kPanel && c.background) {
            EXPECT_EQ(memory.Colour(name), qt.Colour(name));
        }
        if (c.kind == ControlKind::kComboBox) {
            EXPECT_EQ(memory.ItemIndex(name), qt.ItemIndex(name));
            auto* combo = qt.Find<QComboBox>(name);
            EXPECT_EQ(memory.Control(name).item_count, combo->count());
            EXPECT_EQ(memory.Control(name).items.size(), static_cast<std::size_t>(combo->count()));
        }
        if (const GridDesign* g = c.kind == ControlKind::kGrid ? FindGridDesign(c.name) : nullptr) {
            for (int row = 0; row < g->rows; ++row) {
                for (int column = 0; column < g->columns; ++column) {
                    EXPECT_EQ(memory.Cell(name, column, row), qt.Cell(name, column, row))
                        << column << "," << row;
                }
            }
        }
    };
    for (const ControlDesign& c : MainWindowDesign()) compare(c, std::string(c.name));
    for (const ControlDesign& c : ApcWindowDesign()) {
        compare(c, c.kind == ControlKind::kWindow ? std::string(c.name)
                                                  : "Form2." + std::string(c.name));
    }
    for (const TimerDesign& t : MainWindowTimers()) {
        EXPECT_EQ(memory.TimerInterval(t.name), qt.TimerInterval(t.name));
        EXPECT_EQ(memory.IsTimerEnabled(t.name), qt.IsTimerEnabled(t.name));
    }
    // Choosing an item shows it in both.
    for (Window* w : {static_cast<Window*>(&memory), static_cast<Window*>(&qt)})
        w->SetItemIndex("ComboBox7", 1);
    EXPECT_EQ(memory.Text("ComboBox7"), "Tylko 1Wire");
    EXPECT_EQ(qt.Text("ComboBox7"), "Tylko 1Wire");
}

}  // namespace
}  // namespace ksm::ui
