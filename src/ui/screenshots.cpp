#include "ui/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>

#include "ui/session.h"

namespace ksm::ui {
namespace {
bool Save(QWidget* widget, const QString& path) {
    QCoreApplication::processEvents();
    return widget->grab().save(path);
}
}  // namespace

bool SaveScreenshots(Session& session, QWidget* extra, const QString& folder) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) return false;
    bool ok = true;
    auto* tabs = session.main_window().findChild<QTabWidget*>(QStringLiteral("pgcTabSheet"));
    int open = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QString name =
            QStringLiteral("main-%1-%2.png").arg(i + 1).arg(tabs->widget(i)->objectName());
        ok = Save(&session.main_window(), dir.filePath(name)) && ok;
    }
    tabs->setCurrentIndex(open);
    if (session.apc_window())
        ok = Save(session.apc_window(), dir.filePath(QStringLiteral("apc-window.png"))) && ok;
    if (extra) ok = Save(extra, dir.filePath(QStringLiteral("simulation-window.png"))) && ok;
    return ok;
}

}  // namespace ksm::ui
