#pragma once

#include <QString>
#include <QWidget>

namespace ksm::ui {

class Session;

// Saves pictures of the windows into `folder`: the main window once with each of its tabs
// open (main-1-ts1.png ... main-5-ts4.png), the APC window, and `extra` (the simulation's
// window) when given. Returns whether every picture was written. The tab open before stays
// open afterwards.
bool SaveScreenshots(Session& session, QWidget* extra, const QString& folder);

}  // namespace ksm::ui
