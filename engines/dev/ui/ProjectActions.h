// What the screens do with the project as a whole: new, open, save, the
// question before unsaved work would go, the check of an opened project
// against today's data, and the offer of work a crashed instance left.
#pragma once

#include "dev/core/EngineProducts.h"
#include "dev/core/Pricelist.h"

#include <QMessageBox>
#include <QStringList>

#include <memory>

class QMenu;
class QWidget;

namespace vantor::devengine {

class ProjectHub;

// Today's product data and pricelist, for the check of an opened project.
struct ProjectData {
    std::shared_ptr<const EngineProducts> Products;
    Pricelist Items;
    ModelPrices Prices;
};

// A question with the engine's own button texts: the index of the button
// pressed, -1 when the box was closed.
int AskChoice(QWidget* AParent, const QString& ATitle, const QString& AText, const QStringList& AButtons,
              QMessageBox::Icon AIcon = QMessageBox::Question);

// True when the current project may be replaced: it has no unsaved changes,
// or the user saved or discarded them.
[[nodiscard]] bool MayLeaveProject(QWidget* AParent, ProjectHub& AHub);
// Saves to the project's file, or asks for one (AAskForFile, or none yet).
bool SaveProject(QWidget* AParent, ProjectHub& AHub, bool AAskForFile);
void NewProject(QWidget* AParent, ProjectHub& AHub);
// Opens AFile, or asks for one when it is empty.
void OpenProject(QWidget* AParent, ProjectHub& AHub, const ProjectData& AData, const QString& AFile = QString());
// Offers work left behind by an instance that is gone.
void OfferLeftWork(QWidget* AParent, ProjectHub& AHub, const ProjectData& AData);
// The recent projects, filled each time the menu opens.
QMenu* MakeRecentMenu(QWidget* AParent, ProjectHub& AHub, const ProjectData& AData);

} // namespace vantor::devengine
