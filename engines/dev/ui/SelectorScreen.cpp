#include "dev/ui/SelectorScreen.h"

#include "dev/core/Branding.h"
#include "dev/core/CatalogueTerms.h"
#include "dev/core/EmbeddedLogos.h"
#include "dev/core/EngineLanguages.h"
#include "dev/core/EngineVersion.h"
#include "dev/core/ProjectQuote.h"
#include "dev/ui/DetailsDialog.h"
#include "dev/ui/HeaderBand.h"
#include "dev/ui/ProjectBar.h"
#include "dev/ui/ProjectHub.h"
#include "dev/ui/QuoteDialog.h"
#include "dev/ui/RequirementForm.h"
#include "dev/ui/ScreenStyle.h"
#include "dev/ui/SegmentRow.h"

#include "EmbeddedLogoRoot.h"

#include <QButtonGroup>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor::devengine {

namespace {

constexpr int InputsColumnWidth = 384;

QFrame* MakeCard(const QString& title, QWidget* parent, QVBoxLayout*& body)
{
    auto* card = new QFrame(parent);
    card->setObjectName(QStringLiteral("Card"));
    body = new QVBoxLayout(card);
    body->setContentsMargins(16, 12, 16, 14);
    body->setSpacing(10);
    auto* label = new QLabel(title, card);
    label->setObjectName(QStringLiteral("CardTitle"));
    body->addWidget(label);
    return card;
}

QString VersionText(const TInfoVersion& version)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(version.wMajor)
        .arg(version.wMinor)
        .arg(version.wRelease)
        .arg(version.wBuild);
}

// The models the runtime calculator offers: those the options do not hide.
QList<UpsModel> OfferedModels(const ScreenContext& AContext)
{
    QList<UpsModel> models;
    for (const UpsModel& model : AContext.Products->Data.Models) {
        const bool threePhase = model.InputPhases == 3 || model.OutputPhases == 3;
        if (!threePhase || !AContext.Settings.HasOption(OptionHideThreePhase))
            models.append(model);
    }
    return models;
}

// Where quotes go: the user's documents folder, or the home folder.
QString QuoteFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents))
        return documents;
    return QDir::homePath();
}

} // namespace

SelectorScreen::SelectorScreen(SelectorKind kind, const EngineSettings& settings,
                               std::shared_ptr<const EngineProducts> products, ProjectHub& hub, QWidget* container)
    : QWidget(container), branding_(BrandingFor(settings.UsageType)), hub_(hub)
{
    context_.Kind = kind;
    context_.Settings = settings;
    context_.Products = std::move(products);
    context_.Texts = EngineTexts(settings.LanguageId);
    setObjectName(QStringLiteral("SelectorScreen"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(ScreenStyleSheet(branding_));

    const Pricelist pricelist = ReadPricelist(settings.CataloguePath, settings.Password);
    context_.Prices = PricesByModel(pricelist);
    data_ = ProjectData{context_.Products, pricelist, context_.Prices};
    hub_.SetOrigin(settings.CatalogueCode(), pricelist.Validity,
                   TermsForCatalogue(*context_.Products, settings.CatalogueCode()).CurrencyCode);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 14, 16, 0);
    body->setSpacing(14);
    body->addWidget(BuildInputsCard());
    body->addWidget(BuildResultCard(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(
        new HeaderBand(branding_, context_.Texts(SelectorTitleId(kind)), context_.Texts(TextId::EngineBadge), this));
    layout->addWidget(BuildSettingsStrip(pricelist));
    auto* bar = new ProjectBar(hub_, data_, this);
    connect(bar->AddButton(context_.Texts(TextId::ProjectView), "ProjectViewButton"), &QPushButton::clicked, this,
            &SelectorScreen::ProjectViewRequested);
    layout->addWidget(bar);
    layout->addLayout(body, 1);
    layout->addWidget(BuildFooter());

    // The container belongs to the host; following its size keeps it free of
    // any layout of ours.
    setGeometry(container->rect());
    container->installEventFilter(this);

    // Without a readable pricelist the solutions come without prices; say why.
    if (settings.ShowPrices && (!pricelist.Readable || pricelist.Items.isEmpty()))
        status_->setText(context_.Texts(TextId::PricesUnavailable).arg(pricelist.Problem));

    connect(form_, &RequirementForm::Changed, this, [this] { result_->Recalculate(*form_); });
    connect(result_, &ResultPanel::ChoiceChanged, quote_, &QPushButton::setEnabled);
    connect(result_, &ResultPanel::ChoiceChanged, details_, &QPushButton::setEnabled);
    connect(result_, &ResultPanel::ChoiceChanged, addToProject_, &QPushButton::setEnabled);
    connect(&hub_, &ProjectHub::Status, status_, &QLabel::setText);
    connect(&hub_, &ProjectHub::Changed, this, &SelectorScreen::ShowProjectState);
    if (const std::optional<int> reopened = hub_.Session().Reopened()) {
        const ProjectSystem& system = hub_.Session().Current().Systems.at(*reopened);
        const QSignalBlocker quiet(form_);
        form_->SetInputs(system.Inputs, system.RuntimeModel, system.RuntimeCabinets);
    }
    ShowProjectState();
    result_->Recalculate(*form_);
}

void SelectorScreen::OfferLeftWork()
{
    devengine::OfferLeftWork(this, hub_, data_);
}

void SelectorScreen::ShowProjectState()
{
    const std::optional<int> reopened = hub_.Session().Reopened();
    addToProject_->setText(context_.Texts(reopened ? TextId::PutBackIntoProject : TextId::AddToProject));
}

void SelectorScreen::AddToProject()
{
    const std::optional<Solution> solution = result_->SolutionOfChoice();
    if (!solution)
        return;
    ProjectSession& session = hub_.Session();
    const EngineTexts& texts = context_.Texts;
    const std::optional<int> reopened = session.Reopened();
    const QString name = reopened ? session.Current().Systems.at(*reopened).Name
                                  : texts(TextId::SystemNumber).arg(session.Current().Systems.size() + 1);
    const ProjectSystem system =
        ProjectSystemFor(name, context_.Kind, form_->Inputs(), *solution, context_.Prices, context_.Products->Data);
    if (reopened && session.PutBack(system)) {
        hub_.Touch(true);
        emit hub_.Status(texts(TextId::ProjectPutBack).arg(name));
        // Back to where the system was reopened from.
        emit ProjectViewRequested();
        return;
    }
    session.AddSystem(system);
    hub_.Touch(true);
    emit hub_.Status(texts(TextId::ProjectAdded).arg(name));
}

bool SelectorScreen::eventFilter(QObject* watched, QEvent* event)
{
    // A hidden container may be resized without an event until it is shown.
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

QWidget* SelectorScreen::BuildSettingsStrip(const Pricelist& pricelist)
{
    const EngineSettings& settings = context_.Settings;
    const EngineTexts& texts = context_.Texts;
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("SettingsStrip"));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(18, 7, 18, 7);
    layout->setSpacing(6);

    auto addSetting = [&](const QString& name, const QString& value, const QString& objectName, int maxWidth,
                          const QString& tip) {
        if (layout->count() > 0)
            layout->addSpacing(18);
        auto* nameLabel = new QLabel(name, strip);
        nameLabel->setObjectName(QStringLiteral("SettingName"));
        auto* valueLabel = new QLabel(strip);
        valueLabel->setObjectName(objectName);
        // The whole text stays available when the shown one is shortened.
        valueLabel->setProperty("fullText", value);
        valueLabel->setText(valueLabel->fontMetrics().elidedText(value, Qt::ElideMiddle, maxWidth));
        valueLabel->setToolTip(tip.isEmpty() ? value : tip);
        valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(nameLabel);
        layout->addWidget(valueLabel);
    };

    QString language = settings.LanguageId.isEmpty() ? texts(TextId::NoneSet) : settings.LanguageId;
    if (!IsEngineLanguage(settings.LanguageId))
        language += QLatin1Char(' ') + texts(TextId::EnglishTexts);
    addSetting(texts(TextId::Language), language, QStringLiteral("SettingLanguage"), 160, {});
    addSetting(texts(TextId::Catalogue),
               settings.CataloguePath.isEmpty() ? texts(TextId::NoneSet) : settings.CataloguePath,
               QStringLiteral("SettingCatalogue"), 300, {});
    addSetting(texts(TextId::Options),
               settings.Options.isEmpty() ? texts(TextId::NoOptions) : settings.Options.join(QStringLiteral(", ")),
               QStringLiteral("SettingOptions"), 260, settings.Options.join(u'\n'));
    addSetting(texts(TextId::Prices), texts(settings.ShowPrices ? TextId::PricesShown : TextId::PricesHidden),
               QStringLiteral("SettingPrices"), 100, {});
    if (settings.HasOption(OptionDebugMode))
        addSetting(texts(TextId::PricelistSetting),
                   pricelist.Readable ? texts(TextId::PricedItems).arg(pricelist.Items.size())
                                      : texts(TextId::NotReadable),
                   QStringLiteral("SettingPricelist"), 140, pricelist.Readable ? pricelist.File : pricelist.Problem);
    layout->addStretch(1);
    auto* version = new QLabel(texts(TextId::FooterNote).arg(VersionText(EngineVersion())), strip);
    version->setObjectName(QStringLiteral("EngineVersion"));
    layout->addWidget(version);
    return strip;
}

QWidget* SelectorScreen::BuildInputsCard()
{
    QVBoxLayout* body = nullptr;
    QFrame* card = MakeCard(context_.Texts(TextId::Requirements), this, body);
    card->setFixedWidth(InputsColumnWidth);
    const bool usable = context_.Products->DataProblem.isEmpty();
    form_ = new RequirementForm(context_.Kind, context_.Texts, usable ? OfferedModels(context_) : QList<UpsModel>{},
                                context_.Products->Devices, context_.Products->Data.CommonEndVoltageRange(), card);
    form_->setEnabled(usable);
    // The advanced selector's inputs need more height than a small window has.
    auto* scroll = new QScrollArea(card);
    scroll->setObjectName(QStringLiteral("InputsScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("InputsScrollContent"));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 6, 0);
    contentLayout->addWidget(form_);
    contentLayout->addStretch(1);
    scroll->setWidget(content);
    body->addWidget(scroll, 1);
    return card;
}

QWidget* SelectorScreen::BuildResultCard()
{
    QVBoxLayout* body = nullptr;
    const bool runtime = context_.Kind == SelectorKind::Runtime;
    QFrame* card = MakeCard(context_.Texts(runtime ? TextId::RuntimeCurve : TextId::Solutions), this, body);
    if (runtime)
        result_ = new RuntimePanel(context_, card);
    else
        result_ = new SolutionsPanel(context_, card);
    body->addWidget(result_, 1);
    return card;
}

QWidget* SelectorScreen::BuildFooter()
{
    const EngineTexts& texts = context_.Texts;
    auto* footer = new QWidget(this);
    auto* layout = new QHBoxLayout(footer);
    layout->setContentsMargins(18, 10, 16, 12);
    // The shell offers two of the four selectors; the switch reaches all.
    auto* switcher = new QWidget(footer);
    switcher->setObjectName(QStringLiteral("SelectorSwitch"));
    const SelectorKind kinds[] = {SelectorKind::Base, SelectorKind::Advanced, SelectorKind::Modular,
                                  SelectorKind::Runtime};
    QStringList names{texts(TextId::SwitchBase), texts(TextId::SwitchAdvanced), texts(TextId::SwitchModular),
                      texts(TextId::SwitchRuntime)};
    const auto current = std::find(std::begin(kinds), std::end(kinds), context_.Kind) - std::begin(kinds);
    QButtonGroup* group = MakeSegmentRow(switcher, names, static_cast<int>(current), QString());
    for (int i = 0; i < names.size(); ++i) {
        QAbstractButton* button = group->button(i);
        button->setAccessibleName(context_.Texts(SelectorTitleId(kinds[i])));
        button->setToolTip(button->accessibleName());
    }
    connect(group, &QButtonGroup::idClicked, this, [this, kinds](int AId) {
        if (kinds[AId] != context_.Kind)
            emit SelectorRequested(kinds[AId]);
    });
    layout->addWidget(switcher);
    layout->addSpacing(16);
    status_ = new QLabel(footer);
    status_->setObjectName(QStringLiteral("FooterNote"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setWordWrap(true);
    layout->addWidget(status_, 1);
    quote_ = new QPushButton(texts(TextId::QuoteButton), footer);
    quote_->setObjectName(QStringLiteral("QuoteButton"));
    quote_->setCursor(Qt::PointingHandCursor);
    quote_->setAutoDefault(false);
    quote_->setEnabled(false);
    quote_->setToolTip(texts(TextId::SelectSolution));
    connect(quote_, &QPushButton::clicked, this, &SelectorScreen::MakeQuote);
    details_ = new QPushButton(texts(TextId::DetailsButton), footer);
    details_->setObjectName(QStringLiteral("DetailsButton"));
    details_->setCursor(Qt::PointingHandCursor);
    details_->setAutoDefault(false);
    details_->setEnabled(false);
    details_->setToolTip(texts(TextId::DetailsTitle));
    connect(details_, &QPushButton::clicked, this, &SelectorScreen::ShowDetails);
    addToProject_ = new QPushButton(texts(TextId::AddToProject), footer);
    addToProject_->setObjectName(QStringLiteral("AddToProjectButton"));
    addToProject_->setCursor(Qt::PointingHandCursor);
    addToProject_->setAutoDefault(false);
    addToProject_->setEnabled(false);
    addToProject_->setToolTip(texts(TextId::SelectSolution));
    connect(addToProject_, &QPushButton::clicked, this, &SelectorScreen::AddToProject);
    layout->addWidget(details_);
    layout->addSpacing(8);
    layout->addWidget(quote_);
    layout->addSpacing(8);
    layout->addWidget(addToProject_);
    layout->addSpacing(8);
    auto* back = new QPushButton(QStringLiteral("\u2190  %1").arg(context_.Texts(TextId::Back)), footer);
    back->setObjectName(QStringLiteral("BackButton"));
    back->setCursor(Qt::PointingHandCursor);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &SelectorScreen::BackRequested);
    // Escape goes back too, from anywhere on the screen.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &SelectorScreen::BackRequested);
    layout->addWidget(back);
    return footer;
}

void SelectorScreen::ShowDetails()
{
    const std::optional<SolutionFacts> facts = result_->FactsOfChoice();
    if (!facts)
        return;
    auto* dialog = new DetailsDialog(context_.Texts, *facts, this);
    dialog->exec();
    delete dialog;
}

void SelectorScreen::MakeQuote()
{
    std::optional<Quote> quote = result_->QuoteOfChoice();
    if (!quote)
        return;
    auto* dialog = new QuoteDialog(context_.Texts, customer_, project_, this);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    customer_ = dialog->Customer();
    project_ = dialog->Project();
    delete dialog;
    if (!accepted)
        return;
    quote->BrandName = branding_.Name;
    quote->Logo = QImage::fromData(
        ReadEmbeddedLogo(QStringLiteral(VANTOR_DEVENGINE_LOGO_ROOT), context_.Settings.UsageType, LogoKind::Wide));
    quote->Customer = customer_;
    quote->Project = project_;
    const QDateTime now = QDateTime::currentDateTime();
    quote->Date = context_.Texts.Locale().toString(now.date(), QLocale::ShortFormat);
    const QString file = QuoteFolder() + QStringLiteral("/%1 %2.pdf")
                                             .arg(context_.Texts(TextId::QuoteTitle),
                                                  now.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
    if (!WriteQuotePdf(file, *quote)) {
        status_->setText(context_.Texts(TextId::CannotWrite).arg(file));
        return;
    }
    status_->setText(context_.Texts(TextId::QuoteSaved).arg(QDir::toNativeSeparators(file)));
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace vantor::devengine
