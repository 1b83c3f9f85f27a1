#include "dev/ui/ProjectScreen.h"

#include "dev/core/Branding.h"
#include "dev/core/CatalogueTerms.h"
#include "dev/core/EmbeddedLogos.h"
#include "dev/core/SellerSettings.h"
#include "dev/ui/HeaderBand.h"
#include "dev/ui/ProjectAddPanel.h"
#include "dev/ui/ProjectBar.h"
#include "dev/ui/ProjectExports.h"
#include "dev/ui/ProjectFields.h"
#include "dev/ui/ProjectHub.h"
#include "dev/ui/ProjectTree.h"
#include "dev/ui/ScreenStyle.h"
#include "dev/ui/SellerDialog.h"

#include "EmbeddedLogoRoot.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace vantor::devengine {

namespace {

constexpr int FieldsWidth = 290;
constexpr int AddPanelWidth = 320;

QFrame* MakeCard(QWidget* AParent, QVBoxLayout*& ABody)
{
    auto* card = new QFrame(AParent);
    card->setObjectName(QStringLiteral("Card"));
    ABody = new QVBoxLayout(card);
    ABody->setContentsMargins(14, 10, 14, 12);
    ABody->setSpacing(8);
    return card;
}

QPushButton* FooterButton(const QString& AText, const char* AName, QWidget* AParent)
{
    auto* button = new QPushButton(AText, AParent);
    button->setObjectName(QLatin1String(AName));
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

} // namespace

ProjectScreen::ProjectScreen(const EngineSettings& ASettings, std::shared_ptr<const EngineProducts> AProducts,
                             ProjectHub& AHub, QWidget* AContainer)
    : QWidget(AContainer), settings_(ASettings), products_(std::move(AProducts)), hub_(AHub),
      branding_(BrandingFor(ASettings.UsageType)),
      pricelist_(ReadPricelist(ASettings.CataloguePath, ASettings.Password)), prices_(PricesByModel(pricelist_))
{
    const EngineTexts& texts = hub_.Texts();
    setObjectName(QStringLiteral("ProjectScreen"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(ScreenStyleSheet(branding_));

    sources_.Data = &products_->Data;
    sources_.Prices = &pricelist_;
    sources_.Settings = settings_;
    sources_.BrandName = branding_.Name;
    sources_.Logo = QImage::fromData(
        ReadEmbeddedLogo(QStringLiteral(VANTOR_DEVENGINE_LOGO_ROOT), settings_.UsageType, LogoKind::Wide));
    sources_.Today = QDate::currentDate();
    const CatalogueTerms terms = TermsForCatalogue(*products_, settings_.CatalogueCode());
    sources_.VatPercent = terms.VatPercent;
    sources_.CurrencyCode = terms.CurrencyCode;
    sources_.CurrencyDecimals = terms.CurrencyDecimals;
    currencySymbol_ = terms.CurrencySymbol.isEmpty() ? terms.CurrencyCode : terms.CurrencySymbol;
    hub_.SetOrigin(settings_.CatalogueCode(), pricelist_.Validity, terms.CurrencyCode);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new HeaderBand(branding_, texts(TextId::Project), texts(TextId::EngineBadge), this));
    layout->addWidget(new ProjectBar(hub_, ProjectData{products_, pricelist_, prices_}, this));
    layout->addWidget(BuildBody(), 1);
    layout->addWidget(BuildFooter());

    setGeometry(AContainer->rect());
    AContainer->installEventFilter(this);

    connect(&hub_, &ProjectHub::Changed, this, &ProjectScreen::ProjectChanged);
    connect(&hub_, &ProjectHub::Status, status_, &QLabel::setText);
    ProjectChanged(true);
}

bool ProjectScreen::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    if (AWatched == parentWidget() && (AEvent->type() == QEvent::Resize || AEvent->type() == QEvent::Show))
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(AWatched, AEvent);
}

QWidget* ProjectScreen::BuildBody()
{
    const EngineTexts& texts = hub_.Texts();
    auto* body = new QWidget(this);
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(16, 12, 16, 0);
    row->setSpacing(12);

    QVBoxLayout* left = nullptr;
    QFrame* fieldsCard = MakeCard(body, left);
    fieldsCard->setFixedWidth(FieldsWidth);
    auto* scroll = new QScrollArea(fieldsCard);
    scroll->setObjectName(QStringLiteral("InputsScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fields_ = new ProjectFields(hub_, sources_.VatPercent, sources_.CurrencyCode, scroll);
    scroll->setWidget(fields_);
    left->addWidget(scroll);
    connect(fields_, &ProjectFields::SellerRequested, this, &ProjectScreen::EditSeller);
    row->addWidget(fieldsCard);

    QVBoxLayout* centre = nullptr;
    QFrame* treeCard = MakeCard(body, centre);
    auto* title = new QLabel(texts(TextId::ProjectSystemsAndLines), treeCard);
    title->setObjectName(QStringLiteral("CardTitle"));
    centre->addWidget(title);
    tree_ = new ProjectTree(hub_, settings_.ShowPrices, treeCard);
    centre->addWidget(tree_, 1);
    auto* actions = new QHBoxLayout;
    reopen_ = new QPushButton(texts(TextId::ProjectReopen), treeCard);
    reopen_->setObjectName(QStringLiteral("ReopenButton"));
    remove_ = new QPushButton(texts(TextId::ProjectRemove), treeCard);
    remove_->setObjectName(QStringLiteral("RemoveButton"));
    for (QPushButton* button : {reopen_, remove_}) {
        button->setProperty("segment", "single");
        button->setAutoDefault(false);
    }
    actions->addWidget(reopen_);
    actions->addWidget(remove_);
    actions->addStretch(1);
    centre->addLayout(actions);
    totals_ = new QLabel(treeCard);
    totals_->setObjectName(QStringLiteral("ProjectTotals"));
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    totals_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    totals_->setVisible(settings_.ShowPrices);
    centre->addWidget(totals_);
    row->addWidget(treeCard, 1);

    QVBoxLayout* right = nullptr;
    QFrame* addCard = MakeCard(body, right);
    addCard->setFixedWidth(AddPanelWidth);
    add_ = new ProjectAddPanel(hub_, products_, pricelist_, settings_, addCard);
    right->addWidget(add_);
    row->addWidget(addCard);

    connect(tree_, &ProjectTree::SelectionMoved, this, [this] {
        add_->SetTarget(tree_->SelectedSystem());
        reopen_->setEnabled(tree_->SelectedSystem().has_value());
        remove_->setEnabled(tree_->currentItem() != nullptr);
    });
    connect(reopen_, &QPushButton::clicked, this, [this] {
        if (const std::optional<int> system = tree_->SelectedSystem()) {
            hub_.Flush();
            emit ReopenRequested(*system);
        }
    });
    connect(remove_, &QPushButton::clicked, tree_, &ProjectTree::RemoveSelected);
    return body;
}

QWidget* ProjectScreen::BuildFooter()
{
    const EngineTexts& texts = hub_.Texts();
    auto* footer = new QWidget(this);
    auto* layout = new QHBoxLayout(footer);
    layout->setContentsMargins(18, 10, 16, 12);
    status_ = new QLabel(footer);
    status_->setObjectName(QStringLiteral("FooterNote"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setWordWrap(true);
    layout->addWidget(status_, 1);
    const struct {
        TextId Text;
        const char* Name;
        QuoteExport Kind;
    } exports[] = {{TextId::ProjectExportPdf, "ExportPdfButton", QuoteExport::Pdf},
                   {TextId::ProjectExportXlsx, "ExportXlsxButton", QuoteExport::Spreadsheet},
                   {TextId::ProjectExportCsv, "ExportCsvButton", QuoteExport::Csv}};
    for (const auto& kind : exports) {
        QPushButton* button = FooterButton(texts(kind.Text), kind.Name, footer);
        button->setProperty("export", true);
        connect(button, &QPushButton::clicked, this, [this, exportKind = kind.Kind] { Export(exportKind); });
        layout->addWidget(button);
        layout->addSpacing(6);
    }
    layout->addSpacing(8);
    QPushButton* back = FooterButton(QStringLiteral("\u2190  %1").arg(texts(TextId::Back)), "BackButton", footer);
    connect(back, &QPushButton::clicked, this, [this] {
        hub_.Flush();
        emit BackRequested();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, back, &QPushButton::click);
    layout->addWidget(back);
    return footer;
}

void ProjectScreen::ProjectChanged(bool AStructure)
{
    if (AStructure) {
        fields_->Load();
        QList<ProjectFinding> findings;
        if (products_->DataProblem.isEmpty())
            findings = CheckProject(hub_.Session().Current(), products_->Data, prices_, pricelist_);
        tree_->Rebuild(findings);
        add_->SetTarget(tree_->SelectedSystem());
        reopen_->setEnabled(tree_->SelectedSystem().has_value());
        remove_->setEnabled(tree_->currentItem() != nullptr);
        if (hub_.Session().Current().Systems.isEmpty() && status_->text().isEmpty())
            status_->setText(hub_.Texts()(TextId::ProjectEmpty));
    }
    ShowTotals();
}

void ProjectScreen::ShowTotals()
{
    if (!settings_.ShowPrices) {
        tree_->ShowAmounts(std::nullopt);
        return;
    }
    const EngineTexts& texts = hub_.Texts();
    // Sizing every system again on each keystroke would only feed the PDF.
    const Result<ProjectQuote> quote =
        QuoteOfProject(hub_.Session().Current(), sources_, texts, QuoteSizing::TotalsOnly);
    if (!quote) {
        tree_->ShowAmounts(std::nullopt);
        totals_->setText(QString());
        status_->setText(quote.error().message());
        return;
    }
    tree_->ShowAmounts(*quote);
    const QuoteTotals& totals = quote->Totals;
    const int decimals = sources_.CurrencyDecimals;
    const auto money = [&](double AAmount) {
        return currencySymbol_.isEmpty() ? texts.Number(AAmount, decimals)
                                         : texts.Locale().toCurrencyString(AAmount, currencySymbol_, decimals);
    };
    totals_->setText(QStringLiteral("%1 %2  \u00B7  %3 %4  \u00B7  <b>%5 %6</b>")
                         .arg(texts(TextId::NetTotal), money(totals.Net).toHtmlEscaped(), texts(TextId::VatAmount),
                              money(totals.Vat).toHtmlEscaped(), texts(TextId::GrossTotal),
                              money(totals.Gross).toHtmlEscaped()));
}

void ProjectScreen::EditSeller()
{
    const EngineTexts& texts = hub_.Texts();
    Result<SellerSettings> current = LoadSellerSettings(texts);
    if (!current) {
        status_->setText(current.error().message());
        return;
    }
    auto* dialog = new SellerDialog(texts, *current, this);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    const SellerSettings edited = dialog->Settings();
    delete dialog;
    if (!accepted)
        return;
    if (const Result<void> saved = SaveSellerSettings(edited, texts); !saved)
        status_->setText(saved.error().message());
}

void ProjectScreen::Export(QuoteExport AKind)
{
    const QString status = ExportProject(this, hub_, sources_, AKind);
    if (!status.isEmpty())
        status_->setText(status);
    fields_->Load();
}

} // namespace vantor::devengine
