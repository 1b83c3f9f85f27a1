#include "dev/ui/SellerDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor::devengine {

SellerDialog::SellerDialog(const EngineTexts& ATexts, const SellerSettings& ASettings, QWidget* AParent)
    : QDialog(AParent), name_(new QLineEdit(ASettings.Seller.Name, this)),
      company_(new QLineEdit(ASettings.Seller.Company, this)), email_(new QLineEdit(ASettings.Seller.Email, this)),
      phone_(new QLineEdit(ASettings.Seller.Phone, this)), prefix_(new QLineEdit(ASettings.QuotePrefix, this))
{
    setObjectName(QStringLiteral("SellerDialog"));
    setWindowTitle(ATexts(TextId::ProjectSellerTitle));
    auto* form = new QFormLayout;
    const auto add = [&](QLineEdit* AEdit, const QString& ALabel, const char* AName) {
        AEdit->setObjectName(QLatin1String(AName));
        AEdit->setAccessibleName(ALabel);
        AEdit->setMaxLength(200);
        form->addRow(ALabel, AEdit);
    };
    add(name_, ATexts(TextId::ProjectCustomerName), "SellerName");
    add(company_, ATexts(TextId::SellerCompany), "SellerCompany");
    add(email_, ATexts(TextId::SellerEmail), "SellerEmail");
    add(phone_, ATexts(TextId::SellerPhone), "SellerPhone");
    add(prefix_, ATexts(TextId::ProjectQuotePrefix), "QuotePrefix");
    name_->setMinimumWidth(300);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ATexts(TextId::ProjectOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(ATexts(TextId::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

SellerSettings SellerDialog::Settings() const
{
    SellerSettings settings;
    settings.Seller = {name_->text().trimmed(), company_->text().trimmed(), email_->text().trimmed(),
                       phone_->text().trimmed()};
    settings.QuotePrefix = prefix_->text().trimmed();
    return settings;
}

} // namespace vantor::devengine
