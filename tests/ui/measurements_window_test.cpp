// Measurements started from the real widgets of the main window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "sim/sim_bus.h"
#include "sim/sim_driver.h"
#include "sim/virtual_clock.h"
#include "sim/virtual_module.h"
#include "ui/session.h"

namespace ksm::ui {
namespace {

struct MeasurementsWindowTest : ::testing::Test {
    sim::VirtualClock clock;
    sim::SimBus bus{clock};
    sim::SimDriver driver{bus};
    sim::VirtualModule module;
    SilentTone tone;
    std::optional<Session> session;
    QLocale saved_locale;

    MeasurementsWindowTest() {
        bus.AddDevice("TORVIK ZRD", "ZRD13A01").Attach(&module);
        session.emplace(driver, clock, tone, false);
        session->Start();
    }
    ~MeasurementsWindowTest() override { QLocale::setDefault(saved_locale); }
    template <typename T>
    T* Find(const char* name) {
        return session->main_window().findChild<T*>(name);
    }
};

TEST_F(MeasurementsWindowTest, TemperatureReadFillsTheGridsInTheUsersNumberFormat) {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    module.state().levels[0] = 0x8000;  // 2048.0
    module.state().levels[8] = 0xF060;  // presence error

    QTest::mouseClick(Find<QPushButton>("btn7"), Qt::LeftButton);

    auto* grid3 = Find<QTableWidget>("StringGrid3");
    const std::string group = QLocale().groupSeparator().toStdString();
    ASSERT_TRUE(group == "\u00A0" || group == "\u202F") << group;  // a no-break space
    EXPECT_EQ(grid3->item(1, 1)->text().toStdString(), "     2" + group + "048,00");
    EXPECT_EQ(grid3->item(9, 1)->text().toStdString(), "     -250,00");
    EXPECT_EQ(Find<QTableWidget>("StringGrid2")->item(9, 2)->text(), "F0");
    EXPECT_EQ(Find<QLabel>("Label19")->text(), "Bledy Presence 1W: 1");
    EXPECT_EQ(Find<QLabel>("Label17")->text(), "Inne bledy USB: 1");
    EXPECT_TRUE(Find<QPushButton>("btn7")->isEnabled());
}

TEST_F(MeasurementsWindowTest, ANumberFieldThatHoldsNoIntegerShowsAMessageBox) {
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->done(0);
        }
    });
    closer.start(5);
    Find<QLineEdit>("Edit8")->setText("Edit8");
    Find<QPushButton>("Button21")->click();
    EXPECT_EQ(shown, QStringList{"'Edit8' is not a valid integer value"});
    EXPECT_EQ(Find<QLineEdit>("Edit9")->text(), "Edit9");

    Find<QLineEdit>("Edit8")->setText("65");
    Find<QPushButton>("Button21")->click();
    EXPECT_EQ(Find<QLineEdit>("Edit9")->text(), "A");
    EXPECT_EQ(shown.size(), 1);
}

}  // namespace
}  // namespace ksm::ui
