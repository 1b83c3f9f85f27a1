#include "dev/ui/DetailsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor::devengine {

namespace {

// A heading across both columns, then its rows; one grid for all sections
// keeps the values in one column.
void AddSection(QGridLayout* AGrid, const QString& AHeading, const QList<LabelledValue>& ARows, QWidget* AParent)
{
    if (ARows.isEmpty())
        return;
    int row = AGrid->rowCount();
    if (row > 1)
        AGrid->setRowMinimumHeight(row++, 10);
    auto* heading = new QLabel(AHeading, AParent);
    heading->setObjectName(QStringLiteral("DetailsHeading"));
    AGrid->addWidget(heading, row++, 0, 1, 2);
    for (const LabelledValue& fact : ARows) {
        auto* label = new QLabel(fact.Label, AParent);
        label->setObjectName(QStringLiteral("DetailsLabel"));
        auto* value = new QLabel(fact.Value, AParent);
        value->setObjectName(QStringLiteral("DetailsValue"));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setAccessibleName(fact.Label);
        AGrid->addWidget(label, row, 0);
        AGrid->addWidget(value, row++, 1);
    }
}

} // namespace

DetailsDialog::DetailsDialog(const EngineTexts& ATexts, const SolutionFacts& AFacts, QWidget* AParent)
    : QDialog(AParent)
{
    setObjectName(QStringLiteral("DetailsDialog"));
    setWindowTitle(ATexts(TextId::DetailsTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 14);
    auto* title = new QLabel(AFacts.Title, this);
    title->setObjectName(QStringLiteral("DetailsTitle"));
    layout->addWidget(title);
    layout->addSpacing(6);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(5);
    grid->setColumnStretch(1, 1);
    AddSection(grid, ATexts(TextId::SizingBasis), AFacts.Basis, this);
    AddSection(grid, ATexts(TextId::ColumnRuntime), AFacts.Runtimes, this);
    AddSection(grid, ATexts(TextId::InstallationHeading), AFacts.Installation, this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(ATexts(TextId::Close), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace vantor::devengine
