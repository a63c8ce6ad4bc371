#include <gtest/gtest.h>

#include "support/link_bench.h"

namespace ksm {
namespace {

using sim::SimDevice;
using test::LinkBench;

constexpr std::string_view kGrid = "StringGrid1";
const std::string kCheckCables = StatusMessage(8);

struct Device {
    std::string description;
    std::string serial;
    bool busy = false;
};

struct DiscoveryTest : ::testing::Test {
    LinkBench bench;

    void Attach(const std::vector<Device>& devices) {
        for (const Device& d : devices) bench.bus.AddDevice(d.description, d.serial).busy = d.busy;
    }
    std::vector<std::string> Row(int row) {
        return {bench.window.Cell(kGrid, 0, row), bench.window.Cell(kGrid, 1, row),
                bench.window.Cell(kGrid, 2, row)};
    }
    bool IsOpen(std::size_t index) { return bench.bus.Device(index).is_open(); }
};

TEST_F(DiscoveryTest, OutcomesOfTheDeviceList) {
    struct Case {
        const char* name;
        std::vector<Device> devices;
        StatusCode status;
        int opened;  // index of the device left open, -1 none
        std::vector<std::string> console;
    };
    const std::vector<Case> cases = {
        {"two interfaces: the last one", {{"TORVIK ZRD", "ZRD13A01"}, {"TORVIK ZRD", "A1"}}, 0, 1, {}},
        {"terminal description", {{"Other", "X"}, {"TORVIK Terminal", "T1"}}, 0, 1, {}},
        {"busy device last", {{"TORVIK ZRD", "A1"}, {"x", "B", true}}, 5, -1, {}},
        {"busy device first", {{"x", "B", true}, {"TORVIK ZRD", "A1"}}, 0, 1, {}},
        {"trailing blank", {{"TORVIK ZRD ", "A1"}}, 20, -1, {"Error: 00.14", kCheckCables}},
        {"lower case", {{"torvik zrd", "A1"}}, 20, -1, {"Error: 00.14", kCheckCables}},
        {"no device", {}, 8, -1, {"Error: 00.08", kCheckCables}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkBench fresh;
        for (const Device& d : c.devices) fresh.bus.AddDevice(d.description, d.serial).busy = d.busy;
        EXPECT_EQ(fresh.link.ConnectInterface(), c.status);
        EXPECT_EQ(fresh.Lines(), c.console);
        for (std::size_t i = 0; i < c.devices.size(); ++i)
            EXPECT_EQ(fresh.bus.Device(i).is_open(), static_cast<int>(i) == c.opened) << i;
        EXPECT_EQ(fresh.link.InterfaceHandle != kNoHandle, c.opened >= 0);
    }
}

TEST_F(DiscoveryTest, GridShowsEveryListedDeviceWithItsState) {
    Attach({{"TORVIK ZRD", "ZRD13A01"}, {"Busy one", "B", true}, {"Another", "SERIAL-NUMBER-LONG"}});
    EXPECT_EQ(bench.link.ConnectInterface(), status::kOk);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"TORVIK ZRD", "ZRD13A01", "free "}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"?", "?", "BUSY (uses by other program)"}));
    EXPECT_EQ(Row(3), (std::vector<std::string>{"Another", "SERIAL-N", "free "}));
    EXPECT_EQ(Row(4), (std::vector<std::string>{"", "", ""}));
}

TEST_F(DiscoveryTest, TheDeviceInUseByTheToolIsListedFreeOnTheNextSearch) {
    Attach({{"TORVIK ZRD", "ZRD13A01"}});
    ASSERT_EQ(bench.link.ConnectInterface(), status::kOk);
    ASSERT_EQ(bench.link.ConnectInterface(), status::kOk);
    EXPECT_EQ(Row(1)[2], "free ");
}

TEST_F(DiscoveryTest, OnlyTheFirstEightDevicesAreStoredAndShown) {
    for (int i = 0; i < 9; ++i) bench.bus.AddDevice("Other", "S" + std::to_string(i));
    bench.bus.AddDevice("TORVIK ZRD", "LAST");
    EXPECT_EQ(bench.link.ConnectInterface(), status::kNoInterface);
    EXPECT_EQ(bench.link.DeviceCount, 8);
    EXPECT_EQ(Row(8)[1], "S7");
    EXPECT_EQ(bench.window.Cell(kGrid, 1, 9), "");
}

TEST_F(DiscoveryTest, DriverFailureAtEachCallGivesItsCode) {
    struct Case {
        DriverCall call;
        StatusCode find;  // FindInterface
        StatusCode open;  // OpenInterface alone
        bool grid_filled;
    };
    const Case cases[] = {
        {DriverCall::kCountDevices, 7, 0, false},
        {DriverCall::kDescription, 5, 0, true},
        {DriverCall::kSerialNumber, 6, 0, false},
        {DriverCall::kOpen, 30, 1, false},
        {DriverCall::kSetBaudRate, 30, 12, false},
        {DriverCall::kSetDataCharacteristics, 30, 13, false},
        {DriverCall::kSetFlowControl, 30, 14, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(DriverCallName(c.call)));
        LinkBench fresh;
        fresh.bus.AddDevice("TORVIK ZRD", "ZRD13A01");
        fresh.bus.faults().FailFromNow(c.call);
        EXPECT_EQ(fresh.link.FindInterface(), c.find);
        fresh.link.CloseInterface();  // a partly configured handle is left open
        if (c.open != 0) {
            EXPECT_EQ(fresh.link.OpenInterface(9600, 8, 0, 0), c.open);
        }

        LinkBench reported;
        reported.bus.AddDevice("TORVIK ZRD", "ZRD13A01");
        reported.bus.faults().FailFromNow(c.call);
        EXPECT_EQ(reported.link.ConnectInterface(), c.find);
        EXPECT_EQ(reported.window.Cell(kGrid, 0, 1).empty(), !c.grid_filled);
        // Every failure but the busy device is reported; nothing stays open.
        std::vector<std::string> expected;
        if (c.find != 5) {
            expected = {"Error: 00." + HexByte(static_cast<std::uint8_t>(c.find)), StatusMessage(c.find)};
        }
        EXPECT_EQ(reported.Lines(), expected);
        EXPECT_EQ(reported.link.InterfaceHandle, kNoHandle);
    }
}

TEST_F(DiscoveryTest, ClosingWithoutAnOpenHandleCallsNoDriver) {
    bench.link.CloseInterface();
    EXPECT_EQ(bench.bus.faults().Calls(DriverCall::kClose), 0);
    Attach({{"TORVIK ZRD", "A"}});
    bench.bus.faults().FailCall(DriverCall::kOpen);
    bench.link.ConnectInterface();
    bench.link.CloseInterface();
    EXPECT_EQ(bench.bus.faults().Calls(DriverCall::kClose), 0);
}

TEST_F(DiscoveryTest, TerminalSerialDecidesThePassThroughButtons) {
    struct Case {
        std::string serial;
        bool wlp_test;
        bool button_a;
    };
    const Case cases[] = {
        {"ZRD13A01", false, true}, {"ZRD13A01", true, true},  {"ZRD12A01", true, false},
        {"ZRD", true, false},      {"?", true, false},        {"ZRD1X001", true, false},
        {"WLP10A01", false, false}, {"WLP10A01", true, true}, {"WLP09A01", true, false},
        {"", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial + (c.wlp_test ? " with WLP" : ""));
        LinkBench fresh;
        fresh.window.SetEnabled("Button5", true);
        fresh.window.SetCell(kGrid, 1, 1, c.serial);
        fresh.link.CheckTerminalSerial(c.wlp_test);
        EXPECT_EQ(fresh.window.IsEnabled("ButtonA"), c.button_a);
        // Button5 is left as it was when the serial qualifies, disabled otherwise.
        EXPECT_EQ(fresh.window.IsEnabled("Button5"), c.button_a);
    }
}

TEST_F(DiscoveryTest, FindDevicesButton) {
    Attach({{"TORVIK ZRD", "WLP10A01"}});
    bench.console.ConsoleSet("old text");
    bench.link.Button3Click();
    EXPECT_EQ(bench.pane.Text(), "TORVIK Device detected...");
    EXPECT_TRUE(bench.window.IsEnabled("ButtonA"));

    LinkBench empty;
    empty.console.ConsoleSet("old text");
    empty.link.Button3Click();
    EXPECT_EQ(empty.Lines(), (std::vector<std::string>{"Error: 00.08", kCheckCables}));
    EXPECT_FALSE(empty.window.IsEnabled("ButtonA"));
    EXPECT_FALSE(empty.window.IsEnabled("Button5"));
}

}  // namespace
}  // namespace ksm
