// The systems of the project with their lines, then the project's own lines:
// names, quantities and discounts edited in place, amounts shown when prices
// are, and what today's catalogue no longer has marked.
#pragma once

#include "dev/core/ProjectCheck.h"
#include "dev/core/ProjectQuote.h"

#include <QTreeWidget>

#include <optional>

namespace vantor::devengine {

class ProjectHub;

class ProjectTree final : public QTreeWidget {
    Q_OBJECT
public:
    ProjectTree(ProjectHub& AHub, bool AShowPrices, QWidget* AParent);

    // Builds the rows again from the project.
    void Rebuild(const QList<ProjectFinding>& AFindings);
    // The amounts of the quote's lines, or none to blank them.
    void ShowAmounts(const std::optional<ProjectQuote>& AQuote);

    // The system of the selected row; none for the project's own lines.
    [[nodiscard]] std::optional<int> SelectedSystem() const;
    // Removes the selected line, or the selected system with its lines.
    void RemoveSelected();

signals:
    void SelectionMoved();

private:
    enum Column { ItemColumn, CodeColumn, QuantityColumn, DiscountColumn, UnitColumn, AmountColumn };
    QTreeWidgetItem* AddLine(QTreeWidgetItem* AParent, int ASystem, int ALine, const ProjectLine& ALineData,
                             bool AMissing);
    ProjectLine* LineAt(int ASystem, int ALine);
    QString Money(std::optional<double> AValue) const;

    ProjectHub& hub_;
    bool showPrices_;
    bool building_ = false;
};

} // namespace vantor::devengine
