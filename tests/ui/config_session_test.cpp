// The configuration tab on the real widgets, with the demo world behind the interface as in
// --simulate (on virtual time).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "sim/demo_world.h"
#include "sim/tone_recorder.h"
#include "sim/virtual_clock.h"
#include "ui/session.h"

namespace ksm::ui {
namespace {

using Played = sim::ToneRecorder::Played;

struct ConfigSessionTest : ::testing::Test {
    sim::VirtualClock clock;
    sim::DemoWorld demo{clock};
    sim::ToneRecorder tone{clock};
    std::optional<Session> session;

    ConfigSessionTest() {
        session.emplace(demo.driver(), clock, tone, true);
        session->Start();
    }
    void Click(const char* name) {
        auto* button = session->main_window().findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Choose(const char* name, int index) {
        auto* combo = session->main_window().findChild<QComboBox*>(name);
        ASSERT_NE(combo, nullptr) << name;
        ASSERT_TRUE(combo->isEnabled()) << name;
        combo->setCurrentIndex(index);
    }
    std::string Console() { return session->console().Text(); }
    // The first lines of the console.
    std::string Head(int lines) {
        QStringList all = QString::fromStdString(Console()).split('\n');
        return all.mid(0, lines).join('\n').toStdString();
    }
    QtWindowSeam& window() { return session->window(); }
};

TEST_F(ConfigSessionTest, AUserGivesTheModuleANewAddressAndIntervalAndSavesThem) {
    Click("Button38");
    EXPECT_EQ(Head(3), "Program Mode ON...\nDevice Adress: 1\nMeasure Interval: 10 sec.");
    EXPECT_EQ(window().Text("ComboBox1"), "      1");
    EXPECT_EQ(window().Text("ComboBox3"), "      10");
    EXPECT_EQ(window().Text("ComboBox7"), "1Wire + SHTxx");
    EXPECT_EQ(tone.played(), (std::vector<Played>{{730, 70}, {850, 70}}));
    EXPECT_FALSE(window().IsEnabled("Button38"));

    Choose("ComboBox1", 23);
    Click("btn12");
    EXPECT_EQ(Console(), "Adres wpisany do pamięci poprawnie...");
    Choose("ComboBox3", 29);
    Click("btn11");
    EXPECT_EQ(Console(), "Interwał Pomiarowy wpisany do pamięci poprawnie...");
    Click("btn15");
    EXPECT_EQ(Console(), "Dane Zapisane OK...");
    EXPECT_TRUE(window().IsEnabled("Button38"));
    EXPECT_FALSE(window().IsEnabled("btn12"));
    EXPECT_EQ(demo.module().mode(), sim::VirtualModule::Mode::kNormal);

    // The measurement tab reads the module at its new address, and only there.
    Click("btn7");
    EXPECT_TRUE(QString::fromStdString(Console()).contains("RecieveError: 11"));
    Choose("ComboBox2", 23);
    Click("btn7");
    EXPECT_TRUE(Console().starts_with("17 03 00 00 00 10 "));
    EXPECT_FALSE(QString::fromStdString(Console()).contains("Error"));
    EXPECT_EQ(window().Cell("StringGrid3", 1, 1).substr(0, 7), "     14");

    // and shows the saved settings on the next entry.
    Click("Button38");
    EXPECT_EQ(Head(3), "Program Mode ON...\nDevice Adress: 23\nMeasure Interval: 30 sec.");
    EXPECT_EQ(window().Text("ComboBox1"), "      23");
    Click("Button39");
    EXPECT_EQ(Console(), "Program Mode OFF...");
}

}  // namespace
}  // namespace ksm::ui
