#include "dev/ui/DetailsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor::devengine {

namespace {

void AddSection(QVBoxLayout* ALayout, const QString& AHeading, const QList<LabelledValue>& ARows, QWidget* AParent)
{
    if (ARows.isEmpty())
        return;
    auto* heading = new QLabel(AHeading, AParent);
    heading->setObjectName(QStringLiteral("DetailsHeading"));
    ALayout->addWidget(heading);
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(18);
    form->setVerticalSpacing(5);
    form->setLabelAlignment(Qt::AlignLeft);
    for (const LabelledValue& row : ARows) {
        auto* value = new QLabel(row.Value, AParent);
        value->setObjectName(QStringLiteral("DetailsValue"));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setAccessibleName(row.Label);
        auto* label = new QLabel(row.Label, AParent);
        label->setObjectName(QStringLiteral("DetailsLabel"));
        form->addRow(label, value);
    }
    ALayout->addLayout(form);
    ALayout->addSpacing(8);
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
    AddSection(layout, ATexts(TextId::SizingBasis), AFacts.Basis, this);
    AddSection(layout, ATexts(TextId::ColumnRuntime), AFacts.Runtimes, this);
    AddSection(layout, ATexts(TextId::InstallationHeading), AFacts.Installation, this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(ATexts(TextId::Close), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace vantor::devengine
