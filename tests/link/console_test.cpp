#include "link/console.h"

#include <gtest/gtest.h>

namespace ksm {
namespace {

struct ConsoleTest : ::testing::Test {
    ConsoleTextModel pane;
    Console console{pane};
};

TEST_F(ConsoleTest, AppendReturnsTheWholeTextToTheBaseColour) {
    console.ConsoleSetColour(ErrorColour);
    console.ConsoleAddLine("first");
    console.ConsoleSetColour(TxDumpColour);
    console.ConsoleAddLine("second");
    EXPECT_EQ(pane.ColourAt(0), ErrorColour);
    console.ConsoleAppend("\nError 70.01(15)");
    EXPECT_EQ(pane.Text(), "first\nsecond\nError 70.01(15)");
    for (std::size_t i = 0; i < pane.Text().size(); ++i) EXPECT_EQ(pane.ColourAt(i), kConsoleBaseColour);
}

TEST_F(ConsoleTest, AddLineWithLeadingLineFeedAddsAnEmptyLineFirst) {
    console.ConsoleSet("x");
    console.ConsoleAddLine("\nError AA.55(");
    EXPECT_EQ(pane.Lines(), (std::vector<std::string>{"x", "", "Error AA.55("}));
}

TEST_F(ConsoleTest, FirstLineOfAnEmptyConsoleHasNoBreakBeforeIt) {
    console.ConsoleAddLine("Error: 00.08");
    EXPECT_EQ(pane.Text(), "Error: 00.08");
}

TEST_F(ConsoleTest, TwoInsertsWriteOneLineInTheInsertionColour) {
    console.ConsoleClear();
    console.ConsoleSetColour(TxDumpColour);
    console.ConsoleInsert("01 ");
    console.ConsoleInsert("03 ");
    EXPECT_EQ(pane.Text(), "01 03 ");
    EXPECT_EQ(pane.ColourAt(0), TxDumpColour);
    EXPECT_EQ(pane.ColourAt(5), TxDumpColour);
}

TEST_F(ConsoleTest, EmptyAddedLineTakesTheNextInsertAndLaterLines) {
    // The request trace: bytes, then an empty line that the reply dump fills.
    console.ConsoleSetColour(TxDumpColour);
    console.ConsoleInsert("01 03 ");
    console.ConsoleAddLine("");
    console.ConsoleSetColour(RxDumpColour);
    console.ConsoleInsert("01 03 20 ");
    EXPECT_EQ(pane.Lines(), (std::vector<std::string>{"01 03 ", "01 03 20 "}));
    EXPECT_EQ(pane.LineColour(1), RxDumpColour);

    console.ConsoleClear();
    console.ConsoleAddLine("");
    console.ConsoleAddLine("after an empty line");
    EXPECT_EQ(pane.Text(), "\nafter an empty line");
}

TEST_F(ConsoleTest, SetReplacesTheTextInTheBaseColourAndKeepsTheInsertionColour) {
    console.ConsoleSetColour(ValueColour);
    console.ConsoleAddLine("old");
    console.ConsoleSet("Program Mode OFF...");
    EXPECT_EQ(pane.Text(), "Program Mode OFF...");
    EXPECT_EQ(pane.ColourAt(0), kConsoleBaseColour);
    EXPECT_EQ(console.InsertionColour(), ValueColour);
}

}  // namespace
}  // namespace ksm
