#include "ui/sim_sensor_group.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "sim/demo_world.h"
#include "ui/sim_window.h"

namespace ksm::ui {
namespace {

struct Word {
    const char* text;
    std::uint16_t word;  // 0: the level's own temperature
};
const Word kLevelWords[] = {
    {QT_TRANSLATE_NOOP("SimWindow", "temperatura"), 0},
    {QT_TRANSLATE_NOOP("SimWindow", "brak czujnika (F060)"), sim::ModuleState::kPresenceError},
    {QT_TRANSLATE_NOOP("SimWindow", "błąd CRC 1-Wire (F050)"), sim::ModuleState::kCrcError},
};

struct ShtWords {
    const char* text;
    std::uint16_t temperature, humidity;
};
const ShtWords kShtWords[] = {
    {QT_TRANSLATE_NOOP("SimWindow", "sprawny"), 0, 0},
    {QT_TRANSLATE_NOOP("SimWindow", "temperatura: brak ACK (29010)"),
     sim::ModuleState::kShtTemperatureAckError, 0},
    {QT_TRANSLATE_NOOP("SimWindow", "temperatura: błąd CRC (29110)"),
     sim::ModuleState::kShtTemperatureCrcError, 0},
    {QT_TRANSLATE_NOOP("SimWindow", "wilgotność: brak ACK (5420)"), 0,
     sim::ModuleState::kShtHumidityAckError},
    {QT_TRANSLATE_NOOP("SimWindow", "wilgotność: błąd CRC (5472)"), 0,
     sim::ModuleState::kShtHumidityCrcError},
};

}  // namespace

void AddSensorGroup(SimWindow& window, sim::DemoWorld& world) {
    QGroupBox* group = window.AddGroup(SimWindow::tr("Sonda i czujnik SHTxx modułu"));
    group->setObjectName(QStringLiteral("SimSensors"));
    auto* layout = new QGridLayout(group);

    auto* level = new QComboBox(group);
    level->setObjectName(QStringLiteral("SimLevel"));
    for (int q = 1; q <= 16; ++q) level->addItem(SimWindow::tr("Poziom %1").arg(q));
    auto* word = new QComboBox(group);
    word->setObjectName(QStringLiteral("SimLevelWord"));
    for (const Word& w : kLevelWords) word->addItem(SimWindow::tr(w.text));
    layout->addWidget(level, 0, 0);
    layout->addWidget(word, 0, 1);

    const sim::ModuleState healthy;
    // The word box shows what the chosen level reports now.
    QObject::connect(level, &QComboBox::currentIndexChanged, word, [&world, word](int q) {
        std::uint16_t now = world.module().state().levels[q];
        int shown = 0;
        for (int i = 1; i < static_cast<int>(std::size(kLevelWords)); ++i)
            if (kLevelWords[i].word == now) shown = i;
        QSignalBlocker quiet(word);
        word->setCurrentIndex(shown);
    });
    QObject::connect(word, &QComboBox::currentIndexChanged, word,
                     [&world, level, healthy](int chosen) {
                         int q = level->currentIndex();
                         std::uint16_t error = kLevelWords[chosen].word;
                         world.module().state().levels[q] = error ? error : healthy.levels[q];
                     });

    auto* sht = new QComboBox(group);
    sht->setObjectName(QStringLiteral("SimShtWord"));
    for (const ShtWords& w : kShtWords) sht->addItem(SimWindow::tr(w.text));
    layout->addWidget(new QLabel(SimWindow::tr("SHTxx:"), group), 1, 0);
    layout->addWidget(sht, 1, 1);
    QObject::connect(sht, &QComboBox::currentIndexChanged, sht, [&world, healthy](int chosen) {
        const ShtWords& w = kShtWords[chosen];
        sim::ModuleState& state = world.module().state();
        state.sht_temperature = w.temperature ? w.temperature : healthy.sht_temperature;
        state.sht_humidity = w.humidity ? w.humidity : healthy.sht_humidity;
    });
}

}  // namespace ksm::ui
