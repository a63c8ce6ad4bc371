#include "app/window_model.h"

#include <gtest/gtest.h>

#include "app/window_design.h"
#include "support/tool_bench.h"

namespace ksm {
namespace {

TEST(WindowModel, TheBenchWindowStartsAsDesignedAndConstructed) {
    test::ToolBench bench;
    sim::MemoryWindow& w = bench.window;
    EXPECT_EQ(w.Text("Form1"), " TORVIK KSM Tool v3.3 - firmware v00.41");
    EXPECT_EQ(w.Text("Form2"), " Konfiguracja APC");
    EXPECT_EQ(w.Text("Label14").substr(w.Text("Label14").size() - 5), "00.41");
    EXPECT_EQ(w.Text("Button38"), "PROGRAM MODE");
    EXPECT_EQ(w.Text("Edit8"), "Edit8");
    EXPECT_EQ(w.Text("Memo1"), "Memo1");
    EXPECT_EQ(w.Text(ApcMessageField), "");
    EXPECT_TRUE(w.IsEnabled("Button38"));
    EXPECT_FALSE(w.IsEnabled("Button39"));
    EXPECT_FALSE(w.IsEnabled("ButtonA"));
    EXPECT_FALSE(w.IsVisible("Panel1"));
    EXPECT_TRUE(w.IsChecked("T"));
    EXPECT_EQ(w.Colour("pnl6"), (Rgb{192, 192, 192}));
    EXPECT_EQ(w.ItemIndex("ComboBox1"), -1);
    EXPECT_EQ(w.ItemIndex("ComboBox2"), 1);
    EXPECT_EQ(w.Text("ComboBox2"), "      1");
    EXPECT_EQ(w.ItemIndex("ComboBox4"), 3);
    EXPECT_EQ(w.Text("ComboBox4"), "      4");
    EXPECT_EQ(w.Control("ComboBox3").item_count, 255);
    EXPECT_EQ(w.Cell("StringGrid3", 0, 16), "    16");
    EXPECT_EQ(w.Cell(ApcGrid, 5, 0), " Posegregowane");
    EXPECT_EQ(w.TimerInterval("Timer1"), 60000u);
    EXPECT_EQ(w.TimerInterval("Timer3"), 100u);
    EXPECT_FALSE(w.IsTimerEnabled("Timer1"));
    EXPECT_EQ(bench.pane.Text(), "");
}

TEST(WindowModel, ComboBoxesOfKnownListsShowTheChosenItem) {
    test::ToolBench bench;
    sim::MemoryWindow& w = bench.window;
    struct Case {
        int index, chosen;
        const char* text;
    };
    for (Case c : {Case{0, 0, "1Wire + SHTxx"}, Case{2, 2, ""}, Case{3, 3, ""}, Case{4, -1, ""},
                   Case{1, 1, "Tylko 1Wire"}, Case{-1, -1, ""}}) {
        w.SetItemIndex("ComboBox7", c.index);
        EXPECT_EQ(w.ItemIndex("ComboBox7"), c.chosen) << c.index;
        EXPECT_EQ(w.Text("ComboBox7"), c.text) << c.index;
    }
    w.SetItemIndex("ComboBox1", 247);
    EXPECT_EQ(w.Text("ComboBox1"), "      247");
    w.SetItemIndex("ComboBox1", 248);
    EXPECT_EQ(w.ItemIndex("ComboBox1"), -1);
}

TEST(WindowModel, StartKeepsTheDesignedStateAndSetsThePassThrough) {
    test::ToolBench bench;
    std::vector<bool> before;
    for (const ControlDesign& c : MainWindowDesign())
        before.push_back(bench.window.IsEnabled(c.name));
    bench.tool.Start();
    std::size_t i = 0;
    for (const ControlDesign& c : MainWindowDesign()) {
        bool expected = c.name == "ButtonA" ? true : static_cast<bool>(before[i]);
        EXPECT_EQ(bench.window.IsEnabled(c.name), expected) << c.name;
        ++i;
    }
}

TEST(WindowModel, NumberItemsAreSixBlanksAndTheNumber) {
    EXPECT_EQ(NumberItem(0), "      0");
    EXPECT_EQ(NumberItem(255), "      255");
}

}  // namespace
}  // namespace ksm
