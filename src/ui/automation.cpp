#include "ui/automation.h"

#include <QAbstractButton>
#include <QTableWidget>
#include <QTextEdit>
#include <algorithm>

#include "ui/session.h"

namespace ksm::ui {

bool ClickControls(Session& session, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        auto* button = session.window().Find<QAbstractButton>(name);
        if (!button) {
            std::fprintf(stderr, "No control named %s\n", name.c_str());
            return false;
        }
        button->click();
    }
    return true;
}

void DumpWindow(Session& session, std::FILE* out) {
    MainWindow& main = session.main_window();
    if (auto* console = main.findChild<QTextEdit*>(QStringLiteral("RichEdit1"))) {
        for (const QString& line : console->toPlainText().split('\n'))
            std::fprintf(out, "console: %s\n", line.toUtf8().constData());
    }
    QList<QTableWidget*> grids = main.findChildren<QTableWidget*>();
    std::sort(grids.begin(), grids.end(),
              [](auto* a, auto* b) { return a->objectName() < b->objectName(); });
    for (QTableWidget* grid : grids) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                QTableWidgetItem* item = grid->item(row, column);
                if (!item || item->text().isEmpty()) continue;
                std::fprintf(out, "%s %d %d: %s\n", grid->objectName().toUtf8().constData(), column,
                             row, item->text().toUtf8().constData());
            }
        }
    }
    std::fflush(out);
}

}  // namespace ksm::ui
