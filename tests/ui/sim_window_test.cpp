#include "ui/sim_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "sim/demo_world.h"
#include "sim/virtual_clock.h"

namespace ksm::ui {
namespace {

struct SimWindowTest : ::testing::Test {
    sim::VirtualClock clock;
    sim::DemoWorld world{clock};
    SimWindow window{world};

    void Click(const char* name) {
        auto* button = window.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    std::uint32_t CountDevices() {
        std::uint32_t count = 0;
        return world.driver().CountDevices(count) == kDriverOk ? count : 99;
    }
};

TEST_F(SimWindowTest, TheCableIsUnpluggedAndPluggedBack) {
    EXPECT_EQ(CountDevices(), 1u);
    Click("SimPlug");
    EXPECT_FALSE(world.IsInterfacePlugged());
    EXPECT_EQ(CountDevices(), 0u);
    EXPECT_FALSE(window.findChild<QCheckBox*>("SimBusy")->isEnabled());
    Click("SimPlug");
    EXPECT_TRUE(world.IsInterfacePlugged());
    EXPECT_EQ(CountDevices(), 1u);
    // The module is behind the interface again.
    EXPECT_EQ(world.interface_device()->peer(), &world.module());
}

TEST_F(SimWindowTest, TheInterfaceIsHeldByAnotherProgram) {
    window.findChild<QCheckBox*>("SimBusy")->setChecked(true);
    EXPECT_TRUE(world.interface_device()->busy);
    window.findChild<QCheckBox*>("SimBusy")->setChecked(false);
    EXPECT_FALSE(world.interface_device()->busy);
}

TEST_F(SimWindowTest, DriverCallsFailOnceOrAlways) {
    auto* call = window.findChild<QComboBox*>("SimDriverCall");
    call->setCurrentIndex(call->findText("CountDevices"));
    Click("SimFailOnce");
    EXPECT_EQ(CountDevices(), 99u);
    EXPECT_EQ(CountDevices(), 1u);
    Click("SimFailAlways");
    EXPECT_EQ(CountDevices(), 99u);
    EXPECT_EQ(CountDevices(), 99u);
    Click("SimClearFaults");
    EXPECT_EQ(CountDevices(), 1u);
}

TEST_F(SimWindowTest, TheModuleIsPowerCycledAndItsRepliesSpoilt) {
    world.module().EnterProgramMode();
    std::uint16_t resets = world.module().state().counters.total;
    Click("SimModuleReset");
    EXPECT_EQ(world.module().mode(), sim::VirtualModule::Mode::kNormal);
    EXPECT_EQ(world.module().state().counters.total, resets + 1);
    EXPECT_EQ(world.module().state().counters.power_on, 6);

    auto* fault = window.findChild<QComboBox*>("SimReplyFault");
    struct Case {
        const char* text;
        bool silent;
        std::optional<std::uint8_t> status;
        bool corrupt;
    };
    for (Case c :
         {Case{"brak odpowiedzi", true, {}, false}, Case{"uszkodzony bajt", false, {}, true},
          Case{"odrzucona ramka (status 15h)", false, 0x15, false}}) {
        SCOPED_TRACE(c.text);
        fault->setCurrentIndex(fault->findText(c.text));
        ASSERT_GE(fault->currentIndex(), 0);
        Click("SimReplyFaultNext");
        sim::ReplyFault next = world.module().faults().Take();
        EXPECT_EQ(next.silent, c.silent);
        EXPECT_EQ(next.status, c.status);
        EXPECT_EQ(next.corrupt_at.has_value(), c.corrupt);
        EXPECT_FALSE(world.module().faults().Take().silent);  // only the next reply
    }
    fault->setCurrentIndex(fault->findText("brak odpowiedzi"));
    Click("SimReplyFaultAlways");
    EXPECT_TRUE(world.module().faults().Take().silent);
    EXPECT_TRUE(world.module().faults().Take().silent);
    Click("SimReplyFaultClear");
    EXPECT_FALSE(world.module().faults().Take().silent);
}

}  // namespace
}  // namespace ksm::ui
