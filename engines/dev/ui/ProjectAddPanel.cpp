#include "dev/ui/ProjectAddPanel.h"

#include "dev/core/Accessories.h"
#include "dev/core/ProjectQuote.h"
#include "dev/ui/ProjectHub.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantor::devengine {

namespace {

constexpr int CodeRole = Qt::UserRole;
constexpr int OnRequestRole = Qt::UserRole + 1;
constexpr int PriceRole = Qt::UserRole + 2;
constexpr int MaxFound = 200;

QLabel* Heading(const QString& AText, QWidget* AParent)
{
    auto* label = new QLabel(AText, AParent);
    label->setObjectName(QStringLiteral("CardTitle"));
    return label;
}

QPushButton* SmallButton(const QString& AText, const char* AName, QWidget* AParent)
{
    auto* button = new QPushButton(AText, AParent);
    button->setObjectName(QLatin1String(AName));
    button->setProperty("segment", "single");
    button->setAutoDefault(false);
    return button;
}

QTreeWidget* ItemList(const char* AName, bool AShowPrices, const EngineTexts& ATexts, QWidget* AParent)
{
    auto* tree = new QTreeWidget(AParent);
    tree->setObjectName(QLatin1String(AName));
    tree->setColumnCount(3);
    tree->setHeaderLabels({ATexts(TextId::Code), ATexts(TextId::Description), ATexts(TextId::ColumnPrice)});
    tree->setColumnHidden(2, !AShowPrices);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    tree->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    tree->setRootIsDecorated(false);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    return tree;
}

} // namespace

ProjectAddPanel::ProjectAddPanel(ProjectHub& AHub, std::shared_ptr<const EngineProducts> AProducts,
                                 const Pricelist& APricelist, const EngineSettings& ASettings, QWidget* AParent)
    : QWidget(AParent), hub_(AHub), products_(std::move(AProducts)), pricelist_(APricelist), settings_(ASettings),
      showPrices_(ASettings.ShowPrices)
{
    setObjectName(QStringLiteral("ProjectAddPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(BuildAccessories(), 3);
    layout->addWidget(BuildSearch(), 2);
    layout->addWidget(BuildFreeText());
    SetTarget(std::nullopt);
}

QWidget* ProjectAddPanel::BuildAccessories()
{
    const EngineTexts& texts = hub_.Texts();
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(Heading(texts(TextId::ProjectAccessories), box));
    accessoriesNote_ = new QLabel(box);
    accessoriesNote_->setObjectName(QStringLiteral("AccessoriesNote"));
    accessoriesNote_->setWordWrap(true);
    layout->addWidget(accessoriesNote_);
    accessories_ = ItemList("AccessoryList", showPrices_, texts, box);
    accessories_->setRootIsDecorated(true);
    layout->addWidget(accessories_, 1);
    QPushButton* add = SmallButton(texts(TextId::ProjectAdd), "AddAccessoryButton", box);
    connect(add, &QPushButton::clicked, this, [this] { AddItemOf(accessories_); });
    connect(accessories_, &QTreeWidget::itemDoubleClicked, this, [this] { AddItemOf(accessories_); });
    layout->addWidget(add, 0, Qt::AlignRight);
    return box;
}

QWidget* ProjectAddPanel::BuildSearch()
{
    const EngineTexts& texts = hub_.Texts();
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    search_ = new QLineEdit(box);
    search_->setObjectName(QStringLiteral("PricelistSearch"));
    search_->setPlaceholderText(texts(TextId::ProjectSearch));
    search_->setAccessibleName(texts(TextId::ProjectSearch));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textChanged, this, &ProjectAddPanel::Search);
    layout->addWidget(search_);
    found_ = ItemList("SearchResults", showPrices_, texts, box);
    layout->addWidget(found_, 1);
    QPushButton* add = SmallButton(texts(TextId::ProjectAdd), "AddFoundButton", box);
    connect(add, &QPushButton::clicked, this, [this] { AddItemOf(found_); });
    connect(found_, &QTreeWidget::itemDoubleClicked, this, [this] { AddItemOf(found_); });
    layout->addWidget(add, 0, Qt::AlignRight);
    return box;
}

QWidget* ProjectAddPanel::BuildFreeText()
{
    const EngineTexts& texts = hub_.Texts();
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    freeText_ = new QLineEdit(box);
    freeText_->setObjectName(QStringLiteral("FreeTextInput"));
    freeText_->setPlaceholderText(texts(TextId::ProjectFreeText));
    freeText_->setAccessibleName(texts(TextId::ProjectFreeText));
    freeText_->setMaxLength(1000);
    freePrice_ = new QDoubleSpinBox(box);
    freePrice_->setObjectName(QStringLiteral("FreeTextPrice"));
    freePrice_->setLocale(texts.Locale());
    freePrice_->setRange(0, ProjectLimit::MaxPrice);
    freePrice_->setDecimals(2);
    freePrice_->setAccessibleName(texts(TextId::ProjectFreePrice));
    freePrice_->setToolTip(texts(TextId::ProjectFreePrice));
    freePrice_->setAlignment(Qt::AlignRight);
    freePrice_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    freePrice_->setVisible(showPrices_);
    QPushButton* add = SmallButton(texts(TextId::ProjectAdd), "AddFreeTextButton", box);
    connect(add, &QPushButton::clicked, this, [this] {
        const QString text = freeText_->text().trimmed();
        if (text.isEmpty())
            return;
        ProjectLine line;
        line.FromPricelist = false;
        line.Description = text;
        line.UnitPrice = freePrice_->value();
        AddLine(line);
        freeText_->clear();
        freePrice_->setValue(0);
    });
    connect(freeText_, &QLineEdit::returnPressed, add, &QPushButton::click);
    layout->addWidget(freeText_, 1);
    layout->addWidget(freePrice_);
    layout->addWidget(add);
    return box;
}

void ProjectAddPanel::SetTarget(std::optional<int> ASystem)
{
    target_ = ASystem;
    ShowAccessories();
}

QString ProjectAddPanel::PriceText(double APrice) const
{
    return hub_.Texts().Number(APrice, 2);
}

QTreeWidgetItem* ProjectAddPanel::ItemRow(QTreeWidgetItem* AParent, QTreeWidget* ATree, const PriceItem& AItem) const
{
    const QStringList texts{AItem.ProductCode, AItem.Description,
                            AItem.OnRequest ? hub_.Texts()(TextId::OfferOnRequest) : PriceText(AItem.Price)};
    auto* row = AParent != nullptr ? new QTreeWidgetItem(AParent, texts) : new QTreeWidgetItem(ATree, texts);
    row->setData(0, CodeRole, AItem.ProductCode);
    row->setData(0, OnRequestRole, AItem.OnRequest);
    row->setData(0, PriceRole, AItem.Price);
    row->setToolTip(1, AItem.Description);
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    return row;
}

void ProjectAddPanel::ShowAccessories()
{
    const EngineTexts& texts = hub_.Texts();
    accessories_->clear();
    const Project& project = hub_.Session().Current();
    if (!target_ || *target_ >= project.Systems.size()) {
        accessoriesNote_->setText(texts(TextId::ProjectChooseSystem));
        return;
    }
    const ProjectSystem& system = project.Systems[*target_];
    const std::optional<Solution> solution =
        products_->DataProblem.isEmpty() ? SolutionOfSystem(system, products_->Data, settings_) : std::nullopt;
    const UpsModel* model = solution ? products_->Data.Model(solution->Ups) : nullptr;
    QList<AccessoryOffer> offers;
    if (model != nullptr)
        offers = SuitableAccessories(*model, *solution, products_->Commercial.Accessories, pricelist_);
    accessoriesNote_->setText(offers.isEmpty() ? texts(TextId::ProjectNoAccessories) : system.Name);
    QTreeWidgetItem* group = nullptr;
    std::optional<AccessoryKind> kind;
    for (const AccessoryOffer& offer : offers) {
        if (offer.Kind != kind) {
            kind = offer.Kind;
            group = new QTreeWidgetItem(accessories_, {texts(AccessoryKindText(offer.Kind))});
            group->setFirstColumnSpanned(true);
            group->setFlags(Qt::ItemIsEnabled);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setExpanded(true);
        }
        ItemRow(group, accessories_, offer.Item);
    }
}

void ProjectAddPanel::Search(const QString& AText)
{
    found_->clear();
    if (AText.trimmed().isEmpty())
        return;
    for (const PriceItem& item : SearchPricelist(pricelist_, AText)) {
        ItemRow(nullptr, found_, item);
        if (found_->topLevelItemCount() >= MaxFound)
            break;
    }
}

void ProjectAddPanel::AddItemOf(QTreeWidget* ATree)
{
    const QTreeWidgetItem* item = ATree->currentItem();
    if (item == nullptr || item->data(0, CodeRole).toString().isEmpty())
        return;
    ProjectLine line;
    line.Code = item->data(0, CodeRole).toString();
    line.Description = item->text(1);
    // On request: no price, so that no total counts it as free.
    if (!item->data(0, OnRequestRole).toBool())
        line.UnitPrice = item->data(0, PriceRole).toDouble();
    AddLine(line);
}

void ProjectAddPanel::AddLine(const ProjectLine& ALine)
{
    Project& project = hub_.Session().Edit();
    if (target_ && *target_ < project.Systems.size())
        project.Systems[*target_].Lines.append(ALine);
    else
        project.Lines.append(ALine);
    hub_.Touch(true);
}

} // namespace vantor::devengine
