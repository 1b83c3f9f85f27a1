// The project's row on the engine's screens: its name, whether it is saved,
// how many systems it has, and New, Open, Recent, Save and Save As.
#pragma once

#include "dev/ui/ProjectActions.h"

#include <QFrame>

class QLabel;
class QHBoxLayout;

namespace vantor::devengine {

class ProjectBar final : public QFrame {
    Q_OBJECT
public:
    ProjectBar(ProjectHub& AHub, ProjectData AData, QWidget* AParent);

    // For the screen's own buttons after the file buttons.
    QHBoxLayout* Row() const { return row_; }
    QPushButton* AddButton(const QString& AText, const char* AName);

private:
    void Refresh();

    ProjectHub& hub_;
    ProjectData data_;
    QHBoxLayout* row_;
    QLabel* name_;
};

} // namespace vantor::devengine
