// The cyclic measurement in the simulated world, driven from the real widgets of the main
// window and the simulation window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "sim/demo_world.h"
#include "sim/virtual_clock.h"
#include "ui/session.h"
#include "ui/sim_window.h"

namespace ksm::ui {
namespace {

struct CyclicWindowTest : ::testing::Test {
    sim::VirtualClock clock;
    sim::DemoWorld world{clock};
    SilentTone tone;
    std::optional<Session> session;
    SimWindow sim_window{world};

    CyclicWindowTest() {
        session.emplace(world.driver(), clock, tone, true);
        session->Start();
    }
    template <typename T>
    T* Main(const char* name) {
        return session->main_window().findChild<T*>(name);
    }
    template <typename T>
    T* Sim(const char* name) {
        return sim_window.findChild<T*>(name);
    }
    QStringList Log() {
        QString text = Main<QPlainTextEdit>("Memo2")->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }
    // Start, wait for the first tick to log its line, Stop.
    QString OneTick() {
        const qsizetype before = Log().size();
        Main<QPushButton>("btn5")->click();
        bool logged = QTest::qWaitFor([&] { return Log().size() == before + 2; }, 5000);
        Main<QPushButton>("btn6")->click();
        return logged ? Log().last() : QString("nothing logged");
    }
};

TEST_F(CyclicWindowTest, TheLogFillsWithTheFaultsSwitchedOnInTheSimulation) {
    Sim<QComboBox>("SimReplyFault")->setCurrentIndex(0);  // no reply
    Sim<QPushButton>("SimReplyFaultAlways")->click();
    EXPECT_EQ(OneTick(), "0:0:0 Licznik Braku Danych: 1");
    EXPECT_EQ(Log().first(), "***************** 0:0:0 *****************");
    EXPECT_FALSE(Main<QTimer>("Timer1")->isActive());
    EXPECT_TRUE(Main<QPushButton>("btn5")->isEnabled());
    EXPECT_FALSE(Main<QPushButton>("btn6")->isEnabled());

    Sim<QPushButton>("SimReplyFaultClear")->click();
    Sim<QComboBox>("SimLevel")->setCurrentIndex(4);
    Sim<QComboBox>("SimLevelWord")->setCurrentIndex(1);  // no sensor on level 5
    EXPECT_TRUE(OneTick().endsWith(" Bledy Presence 1W: 1"));

    Main<QRadioButton>("RH")->click();
    Sim<QComboBox>("SimShtWord")->setCurrentIndex(4);  // humidity CRC error
    EXPECT_TRUE(OneTick().endsWith("      I2C CRC ERROR"));
    EXPECT_EQ(Log().size(), 6);
}

TEST_F(CyclicWindowTest, SensorSwitchesSetAndRestoreTheModulesWords) {
    sim::ModuleState& state = world.module().state();
    const sim::ModuleState healthy;
    auto* level = Sim<QComboBox>("SimLevel");
    auto* word = Sim<QComboBox>("SimLevelWord");
    level->setCurrentIndex(8);
    word->setCurrentIndex(2);
    EXPECT_EQ(state.levels[8], sim::ModuleState::kCrcError);
    level->setCurrentIndex(0);
    EXPECT_EQ(word->currentIndex(), 0);  // level 1 reports its temperature
    EXPECT_EQ(state.levels[8], sim::ModuleState::kCrcError);
    level->setCurrentIndex(8);
    EXPECT_EQ(word->currentIndex(), 2);
    word->setCurrentIndex(0);
    EXPECT_EQ(state.levels, healthy.levels);

    auto* sht = Sim<QComboBox>("SimShtWord");
    sht->setCurrentIndex(1);
    EXPECT_EQ(state.sht_temperature, sim::ModuleState::kShtTemperatureAckError);
    EXPECT_EQ(state.sht_humidity, healthy.sht_humidity);
    sht->setCurrentIndex(3);
    EXPECT_EQ(state.sht_temperature, healthy.sht_temperature);
    EXPECT_EQ(state.sht_humidity, sim::ModuleState::kShtHumidityAckError);
    sht->setCurrentIndex(0);
    EXPECT_EQ(state.sht_humidity, healthy.sht_humidity);
}

}  // namespace
}  // namespace ksm::ui
