#include "dev/ui/QuoteDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor::devengine {

QuoteDialog::QuoteDialog(const EngineTexts& ATexts, const QString& ACustomer, const QString& AProject, QWidget* AParent)
    : QDialog(AParent), customer_(new QLineEdit(ACustomer, this)), project_(new QLineEdit(AProject, this))
{
    setObjectName(QStringLiteral("QuoteDialog"));
    setWindowTitle(ATexts(TextId::QuoteDialogTitle));
    customer_->setObjectName(QStringLiteral("CustomerInput"));
    project_->setObjectName(QStringLiteral("ProjectInput"));
    customer_->setAccessibleName(ATexts(TextId::Customer));
    project_->setAccessibleName(ATexts(TextId::Project));
    customer_->setMinimumWidth(320);
    auto* form = new QFormLayout;
    form->addRow(ATexts(TextId::Customer), customer_);
    form->addRow(ATexts(TextId::Project), project_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* create = buttons->addButton(ATexts(TextId::CreatePdf), QDialogButtonBox::AcceptRole);
    create->setObjectName(QStringLiteral("CreatePdfButton"));
    create->setDefault(true);
    buttons->addButton(ATexts(TextId::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString QuoteDialog::Customer() const
{
    return customer_->text().trimmed();
}

QString QuoteDialog::Project() const
{
    return project_->text().trimmed();
}

} // namespace vantor::devengine
