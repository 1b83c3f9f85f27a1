#include "dev/ui/SelectorScreen.h"

#include "dev/core/Branding.h"
#include "dev/core/EngineVersion.h"
#include "dev/ui/HeaderBand.h"
#include "dev/ui/PricelistModel.h"
#include "dev/ui/ScreenStyle.h"
#include "dev/ui/SizingPanel.h"
#include "dev/ui/SuggestionFilter.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace vantor::devengine {

namespace {

constexpr int SideColumnWidth = 340;

QFrame* MakeCard(const QString& title, QWidget* parent, QVBoxLayout*& body, QHBoxLayout** titleRow = nullptr)
{
    auto* card = new QFrame(parent);
    card->setObjectName(QStringLiteral("Card"));
    body = new QVBoxLayout(card);
    body->setContentsMargins(16, 12, 16, 14);
    body->setSpacing(10);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* label = new QLabel(title, card);
    label->setObjectName(QStringLiteral("CardTitle"));
    row->addWidget(label);
    row->addStretch();
    body->addLayout(row);
    if (titleRow != nullptr)
        *titleRow = row;
    return card;
}

QString SizingTitle(SelectorKind kind)
{
    switch (kind) {
    case SelectorKind::Base:
        return QStringLiteral("Size for a load");
    case SelectorKind::Advanced:
        return QStringLiteral("Size with reserve");
    case SelectorKind::Modular:
        return QStringLiteral("Parallel system");
    case SelectorKind::Runtime:
        return QStringLiteral("Battery runtime");
    }
    return {};
}

QString VersionText(const TInfoVersion& version)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(version.wMajor)
        .arg(version.wMinor)
        .arg(version.wRelease)
        .arg(version.wBuild);
}

// The pricelist without the products that the options hide.
QList<PriceItem> VisibleItems(const EngineSettings& settings, const Pricelist& pricelist)
{
    if (!settings.HasOption(OptionHideThreePhase))
        return pricelist.Items;
    QList<PriceItem> items;
    for (const PriceItem& item : pricelist.Items)
        if (!IsThreePhase(item.Description))
            items.append(item);
    return items;
}

} // namespace

SelectorScreen::SelectorScreen(SelectorKind kind, const EngineSettings& settings, QWidget* container)
    : QWidget(container), kind_(kind)
{
    setObjectName(QStringLiteral("SelectorScreen"));
    setAttribute(Qt::WA_StyledBackground);
    const Branding& branding = BrandingFor(settings.UsageType);
    setStyleSheet(ScreenStyleSheet(branding));

    Pricelist pricelist = ReadPricelist(settings.CataloguePath, settings.Password);
    pricelist.Items = VisibleItems(settings, pricelist);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 14, 16, 0);
    body->setSpacing(14);
    body->addWidget(BuildSizingCard(settings, pricelist));
    body->addWidget(BuildProductsCard(settings, branding, pricelist), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new HeaderBand(branding, SelectorTitle(kind, settings.LanguageId), this));
    layout->addWidget(BuildSettingsStrip(settings, pricelist));
    layout->addLayout(body, 1);
    layout->addWidget(BuildFooter(settings));

    // The container belongs to the host; following its size keeps it free of
    // any layout of ours.
    setGeometry(container->rect());
    container->installEventFilter(this);

    // The first suggestions, now that the list is there to show them.
    sizing_->Recalculate();
}

bool SelectorScreen::eventFilter(QObject* watched, QEvent* event)
{
    // A hidden container may be resized without an event until it is shown.
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

QWidget* SelectorScreen::BuildSettingsStrip(const EngineSettings& settings, const Pricelist& pricelist)
{
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

    QString language = settings.LanguageId.isEmpty() ? QStringLiteral("(none)") : settings.LanguageId;
    if (!IsEngineLanguage(settings.LanguageId))
        language += QStringLiteral(" (English texts)");
    addSetting(QStringLiteral("Language"), language, QStringLiteral("SettingLanguage"), 160, {});
    addSetting(QStringLiteral("Catalogue"),
               settings.CataloguePath.isEmpty() ? QStringLiteral("(none)") : settings.CataloguePath,
               QStringLiteral("SettingCatalogue"), 300, {});
    addSetting(QStringLiteral("Options"),
               settings.Options.isEmpty() ? QStringLiteral("none") : settings.Options.join(QStringLiteral(", ")),
               QStringLiteral("SettingOptions"), 260, settings.Options.join(u'\n'));
    addSetting(QStringLiteral("Prices"), settings.ShowPrices ? QStringLiteral("shown") : QStringLiteral("hidden"),
               QStringLiteral("SettingPrices"), 80, {});
    if (settings.HasOption(OptionDebugMode))
        addSetting(QStringLiteral("Pricelist"),
                   pricelist.Readable ? QStringLiteral("%1 priced items").arg(pricelist.Items.size())
                                      : QStringLiteral("not readable"),
                   QStringLiteral("SettingPricelist"), 140, pricelist.File);
    layout->addStretch(1);
    return strip;
}

QWidget* SelectorScreen::BuildSizingCard(const EngineSettings& settings, const Pricelist& pricelist)
{
    QVBoxLayout* body = nullptr;
    QFrame* card = MakeCard(SizingTitle(kind_), this, body);
    card->setFixedWidth(SideColumnWidth);

    SizingContext context;
    context.Items = pricelist.Items;
    context.Locale = LocaleForLanguage(settings.LanguageId);
    context.Order = settings.HasOption(OptionSortByPrice) ? SuggestionOrder::ByPrice : SuggestionOrder::BySize;
    context.Limit = settings.HasOption(OptionShowAllConfigurations) ? -1 : 3;
    context.ShowPrices = settings.ShowPrices;
    SizingPanel* panel = CreateSizingPanel(kind_, context, card);
    body->addWidget(panel, 1);
    connect(panel, &SizingPanel::SuggestionsChanged, this, &SelectorScreen::ShowSuggestions);
    if (!pricelist.Readable)
        panel->setEnabled(false);
    sizing_ = panel;
    return card;
}

QWidget* SelectorScreen::BuildProductsCard(const EngineSettings& settings, const Branding& branding,
                                           const Pricelist& pricelist)
{
    QVBoxLayout* body = nullptr;
    QHBoxLayout* titleRow = nullptr;
    QFrame* card = MakeCard(QStringLiteral("Products"), this, body, &titleRow);

    if (!pricelist.Readable || pricelist.Items.isEmpty()) {
        auto* problem = new QLabel(card);
        problem->setObjectName(QStringLiteral("PricelistProblem"));
        problem->setWordWrap(true);
        problem->setTextFormat(Qt::PlainText);
        problem->setText(QStringLiteral("%1\n\n%2").arg(pricelist.Problem, pricelist.File));
        problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
        body->addWidget(problem);
        body->addStretch(1);
        return card;
    }

    auto* count = new QLabel(QStringLiteral("%1 items").arg(pricelist.Items.size()), card);
    count->setObjectName(QStringLiteral("CountBadge"));
    titleRow->insertWidget(1, count);
    auto* suggestedOnly = new QPushButton(QStringLiteral("Suggested only"), card);
    suggestedOnly->setObjectName(QStringLiteral("SuggestedOnly"));
    suggestedOnly->setCheckable(true);
    suggestedOnly->setCursor(Qt::PointingHandCursor);
    suggestedOnly->setAutoDefault(false);
    suggestedOnly->setProperty("segment", "single");
    titleRow->addWidget(suggestedOnly);
    auto* search = new QLineEdit(card);
    search->setObjectName(QStringLiteral("ProductFilter"));
    search->setPlaceholderText(QStringLiteral("Filter by code or description"));
    search->setClearButtonEnabled(true);
    search->setFixedWidth(240);
    titleRow->addWidget(search);

    QColor highlight = branding.Accent;
    model_ = new PricelistModel(pricelist.Items, settings.ShowPrices, LocaleForLanguage(settings.LanguageId), highlight,
                                this);
    filter_ = new SuggestionFilter(this);
    filter_->setSourceModel(model_);
    connect(search, &QLineEdit::textChanged, filter_, &QSortFilterProxyModel::setFilterFixedString);
    connect(suggestedOnly, &QPushButton::toggled, this, [this](bool on) {
        filter_->SetSuggestedOnly(on);
        table_->scrollToTop();
    });

    table_ = new QTableView(card);
    table_->setObjectName(QStringLiteral("ProductTable"));
    table_->setModel(filter_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(26);
    QHeaderView* header = table_->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(PricelistModel::CodeColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(PricelistModel::DescriptionColumn, QHeaderView::Stretch);
    if (settings.ShowPrices)
        header->setSectionResizeMode(PricelistModel::PriceColumn, QHeaderView::ResizeToContents);
    body->addWidget(table_, 1);
    return card;
}

QWidget* SelectorScreen::BuildFooter(const EngineSettings& settings)
{
    auto* footer = new QWidget(this);
    auto* layout = new QHBoxLayout(footer);
    layout->setContentsMargins(18, 10, 16, 12);
    auto* note = new QLabel(QStringLiteral("Development engine %1  ·  suggestions are highlighted in the list; "
                                           "sizing is indicative")
                                .arg(VersionText(EngineVersion())),
                            footer);
    note->setObjectName(QStringLiteral("FooterNote"));
    layout->addWidget(note, 1);
    auto* back = new QPushButton(QStringLiteral("\u2190  %1").arg(BackText(settings.LanguageId)), footer);
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

void SelectorScreen::ShowSuggestions(const QList<int>& itemIndices)
{
    if (model_ == nullptr)
        return;
    model_->SetSuggestions(itemIndices);
    filter_->Refresh();
    if (itemIndices.isEmpty() || filter_->SuggestedOnly())
        return;
    // Once the table has its size: the first suggestion in the middle of it.
    const int first = itemIndices.first();
    QTimer::singleShot(0, table_, [this, first] {
        const QModelIndex index = filter_->mapFromSource(model_->index(first, 0));
        if (index.isValid())
            table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    });
}

} // namespace vantor::devengine
