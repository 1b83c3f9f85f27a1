#include "dev/ui/ProjectFields.h"

#include "dev/ui/ProjectHub.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantor::devengine {

namespace {

QLabel* Heading(const QString& AText, QWidget* AParent)
{
    auto* label = new QLabel(AText, AParent);
    label->setObjectName(QStringLiteral("CardTitle"));
    return label;
}

QFormLayout* MakeForm()
{
    auto* form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(5);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

} // namespace

ProjectFields::ProjectFields(ProjectHub& AHub, double ACatalogueVat, const QString& ACurrency, QWidget* AParent)
    : QWidget(AParent), hub_(AHub), catalogueVat_(ACatalogueVat)
{
    const EngineTexts& texts = hub_.Texts();
    setObjectName(QStringLiteral("ProjectFields"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    layout->addWidget(Heading(texts(TextId::Customer), this));
    QFormLayout* customer = MakeForm();
    customer_ = AddLine(customer, texts(TextId::ProjectCustomerName), "CustomerName");
    contact_ = AddLine(customer, texts(TextId::ProjectContact), "CustomerContact");
    address_ = AddText(customer, texts(TextId::ProjectAddress), "CustomerAddress");
    layout->addLayout(customer);

    layout->addSpacing(6);
    layout->addWidget(Heading(texts(TextId::Project), this));
    QFormLayout* project = MakeForm();
    name_ = AddLine(project, texts(TextId::ProjectName), "ProjectNameInput");
    reference_ = AddLine(project, texts(TextId::ProjectReference), "ProjectReference");
    notes_ = AddText(project, texts(TextId::ProjectNotes), "ProjectNotes");
    layout->addLayout(project);

    layout->addSpacing(6);
    layout->addWidget(Heading(texts(TextId::ProjectTerms), this));
    QFormLayout* terms = MakeForm();
    discount_ = new QDoubleSpinBox(this);
    discount_->setObjectName(QStringLiteral("OverallDiscount"));
    discount_->setRange(0, 100);
    discount_->setDecimals(1);
    discount_->setSuffix(QStringLiteral(" %"));
    terms->addRow(texts(TextId::OverallDiscount), discount_);
    vat_ = new QDoubleSpinBox(this);
    vat_->setObjectName(QStringLiteral("VatPercent"));
    vat_->setRange(0, 100);
    vat_->setDecimals(1);
    vat_->setSuffix(QStringLiteral(" %"));
    terms->addRow(texts(TextId::ProjectVat), vat_);
    validity_ = new QSpinBox(this);
    validity_->setObjectName(QStringLiteral("ValidityDays"));
    validity_->setRange(1, ProjectLimit::MaxValidityDays);
    // The days' word where the language puts it around the number.
    const QStringList days = texts(TextId::ProjectDays).split(QStringLiteral("%1"));
    validity_->setPrefix(days.value(0));
    validity_->setSuffix(days.value(1));
    terms->addRow(texts(TextId::ProjectValidity), validity_);
    for (QAbstractSpinBox* box : {static_cast<QAbstractSpinBox*>(discount_), static_cast<QAbstractSpinBox*>(vat_),
                                  static_cast<QAbstractSpinBox*>(validity_)}) {
        box->setLocale(texts.Locale());
        box->setAlignment(Qt::AlignRight);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    }
    quoteNumber_ = new QLabel(this);
    quoteNumber_->setObjectName(QStringLiteral("QuoteNumber"));
    quoteNumber_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    terms->addRow(texts(TextId::QuoteNumberLabel), quoteNumber_);
    if (!ACurrency.isEmpty())
        terms->addRow(texts(TextId::CurrencyLabel), new QLabel(ACurrency, this));
    layout->addLayout(terms);
    auto* seller = new QPushButton(texts(TextId::ProjectSellerButton), this);
    seller->setObjectName(QStringLiteral("SellerButton"));
    seller->setProperty("segment", "single");
    seller->setAutoDefault(false);
    connect(seller, &QPushButton::clicked, this, &ProjectFields::SellerRequested);
    layout->addWidget(seller, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(discount_, &QDoubleSpinBox::valueChanged, this, &ProjectFields::Store);
    connect(vat_, &QDoubleSpinBox::valueChanged, this, &ProjectFields::Store);
    connect(validity_, &QSpinBox::valueChanged, this, &ProjectFields::Store);
    Load();
}

QLineEdit* ProjectFields::AddLine(QFormLayout* AForm, const QString& ALabel, const char* AName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(AName));
    edit->setAccessibleName(ALabel);
    edit->setMaxLength(1000);
    connect(edit, &QLineEdit::textEdited, this, &ProjectFields::Store);
    AForm->addRow(ALabel, edit);
    return edit;
}

QPlainTextEdit* ProjectFields::AddText(QFormLayout* AForm, const QString& ALabel, const char* AName)
{
    auto* edit = new QPlainTextEdit(this);
    edit->setObjectName(QLatin1String(AName));
    edit->setAccessibleName(ALabel);
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3 + 12);
    connect(edit, &QPlainTextEdit::textChanged, this, &ProjectFields::Store);
    AForm->addRow(ALabel, edit);
    return edit;
}

void ProjectFields::Load()
{
    const Project& project = hub_.Session().Current();
    loading_ = true;
    customer_->setText(project.Customer.Name);
    contact_->setText(project.Customer.Contact);
    address_->setPlainText(project.Customer.Address);
    name_->setText(project.Name);
    reference_->setText(project.Reference);
    notes_->setPlainText(project.Notes);
    discount_->setValue(project.DiscountPercent);
    vat_->setValue(project.Terms.VatPercent.value_or(catalogueVat_));
    validity_->setValue(project.Terms.ValidityDays);
    const EngineTexts& texts = hub_.Texts();
    quoteNumber_->setText(project.Terms.QuoteNumber.isEmpty() ? texts(TextId::ProjectNotIssued)
                                                              : project.Terms.QuoteNumber);
    loading_ = false;
}

void ProjectFields::Store()
{
    if (loading_)
        return;
    Project& project = hub_.Session().Edit();
    project.Customer.Name = customer_->text().trimmed();
    project.Customer.Contact = contact_->text().trimmed();
    project.Customer.Address = address_->toPlainText().left(ProjectLimit::MaxTextLength);
    project.Name = name_->text().trimmed();
    project.Reference = reference_->text().trimmed();
    project.Notes = notes_->toPlainText().left(ProjectLimit::MaxTextLength);
    project.DiscountPercent = discount_->value();
    // The catalogue's rate stays the project's until the user sets another.
    if (project.Terms.VatPercent || !qFuzzyCompare(vat_->value() + 1, catalogueVat_ + 1))
        project.Terms.VatPercent = vat_->value();
    // Days typed by the user replace a date the file may have set.
    if (project.Terms.ValidityDays != validity_->value())
        project.Terms.ValidUntil.reset();
    project.Terms.ValidityDays = validity_->value();
    hub_.Touch(false);
}

} // namespace vantor::devengine
