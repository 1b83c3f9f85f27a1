#include "dev/ui/ProjectTree.h"

#include "dev/ui/ProjectHub.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QSpinBox>

namespace vantor::devengine {

namespace {

// Where a row's data lives: the system (-1: the project's own lines) and the
// line (-1: the system's own row, -2: its figures).
constexpr int SystemRole = Qt::UserRole;
constexpr int LineRole = Qt::UserRole + 1;
constexpr int FiguresRow = -2;
constexpr const char* ProblemColour = "#8A1C1C";

QString Figures(const ProjectSystem& ASystem, const EngineTexts& ATexts)
{
    QStringList parts{ATexts(SelectorTitleId(ASystem.Kind))};
    if (!ASystem.Solution)
        return parts.first();
    const ProjectSolution& solution = *ASystem.Solution;
    QString ups =
        solution.Units > 1 ? ATexts(TextId::CabinetsOf).arg(solution.Units).arg(solution.Model) : solution.Model;
    if (solution.Modules)
        ups += QStringLiteral(", ") + ATexts(TextId::FrameModules).arg(*solution.Modules).arg(solution.Redundant);
    parts.append(ups);
    if (solution.Cabinets > 0)
        parts.append(ATexts(TextId::CabinetsOf).arg(solution.Cabinets).arg(solution.Cabinet));
    parts.append(ATexts.Number(solution.SystemVA) + QStringLiteral(" VA"));
    parts.append(ATexts.Number(solution.LoadingPercent) + QStringLiteral(" %"));
    parts.append(solution.RuntimeMinutes ? ATexts(TextId::MinutesValue).arg(ATexts.Number(*solution.RuntimeMinutes, 1))
                                         : ATexts(TextId::BeyondTables));
    return parts.join(QStringLiteral("  \u00B7  "));
}

bool Has(const QList<ProjectFinding>& AFindings, ProjectFindingKind AKind, int ASystem, int ALine)
{
    return std::any_of(AFindings.begin(), AFindings.end(), [&](const ProjectFinding& AFinding) {
        return AFinding.Kind == AKind && AFinding.System == ASystem && AFinding.Line == ALine;
    });
}

} // namespace

ProjectTree::ProjectTree(ProjectHub& AHub, bool AShowPrices, QWidget* AParent)
    : QTreeWidget(AParent), hub_(AHub), showPrices_(AShowPrices)
{
    const EngineTexts& texts = hub_.Texts();
    setObjectName(QStringLiteral("ProjectTree"));
    setColumnCount(AmountColumn + 1);
    setHeaderLabels({texts(TextId::ProjectItem), texts(TextId::Code), texts(TextId::Quantity),
                     texts(TextId::DiscountColumn), texts(TextId::UnitPrice), texts(TextId::Amount)});
    setColumnHidden(UnitColumn, !showPrices_);
    setColumnHidden(AmountColumn, !showPrices_);
    header()->setSectionResizeMode(ItemColumn, QHeaderView::Stretch);
    header()->setStretchLastSection(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setAlternatingRowColors(true);
    setUniformRowHeights(false);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &ProjectTree::SelectionMoved);
    // Only system names are editable: the rest goes through the editors.
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* AItem, int AColumn) {
        const int system = AItem->data(ItemColumn, SystemRole).toInt();
        if (building_ || AColumn != ItemColumn || system < 0 || AItem->data(ItemColumn, LineRole).toInt() != -1)
            return;
        const QString name = AItem->text(ItemColumn).trimmed();
        Project& project = hub_.Session().Edit();
        if (name.isEmpty() || system >= project.Systems.size() || project.Systems[system].Name == name)
            return;
        project.Systems[system].Name = name;
        hub_.Touch(false);
    });
}

QString ProjectTree::Money(std::optional<double> AValue) const
{
    const EngineTexts& texts = hub_.Texts();
    return AValue ? texts.Number(*AValue, 2) : texts(TextId::PriceOnRequest);
}

ProjectLine* ProjectTree::LineAt(int ASystem, int ALine)
{
    Project& project = hub_.Session().Edit();
    if (ASystem >= project.Systems.size())
        return nullptr;
    QList<ProjectLine>& lines = ASystem < 0 ? project.Lines : project.Systems[ASystem].Lines;
    return ALine >= 0 && ALine < lines.size() ? &lines[ALine] : nullptr;
}

QTreeWidgetItem* ProjectTree::AddLine(QTreeWidgetItem* AParent, int ASystem, int ALine, const ProjectLine& ALineData,
                                      bool AMissing)
{
    auto* item = new QTreeWidgetItem(AParent);
    item->setData(ItemColumn, SystemRole, ASystem);
    item->setData(ItemColumn, LineRole, ALine);
    item->setText(ItemColumn, ALineData.Description);
    item->setToolTip(ItemColumn, ALineData.Description);
    item->setText(CodeColumn, ALineData.Code);
    if (AMissing) {
        item->setForeground(CodeColumn, QColor(QLatin1String(ProblemColour)));
        item->setToolTip(CodeColumn, hub_.Texts()(TextId::ProjectDiscontinued));
    }
    if (showPrices_)
        item->setText(UnitColumn, Money(ALineData.UnitPrice));
    item->setTextAlignment(UnitColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);

    auto* quantity = new QSpinBox(this);
    quantity->setObjectName(QStringLiteral("LineQuantity"));
    quantity->setRange(1, ProjectLimit::MaxQuantity);
    quantity->setValue(ALineData.Quantity);
    quantity->setButtonSymbols(QAbstractSpinBox::NoButtons);
    quantity->setAlignment(Qt::AlignRight);
    quantity->setAccessibleName(hub_.Texts()(TextId::Quantity));
    connect(quantity, &QSpinBox::valueChanged, this, [this, ASystem, ALine](int AValue) {
        if (ProjectLine* line = LineAt(ASystem, ALine)) {
            line->Quantity = AValue;
            hub_.Touch(false);
        }
    });
    setItemWidget(item, QuantityColumn, quantity);
    auto* discount = new QDoubleSpinBox(this);
    discount->setObjectName(QStringLiteral("LineDiscount"));
    discount->setLocale(hub_.Texts().Locale());
    discount->setRange(0, 100);
    discount->setDecimals(1);
    discount->setValue(ALineData.DiscountPercent);
    discount->setButtonSymbols(QAbstractSpinBox::NoButtons);
    discount->setAlignment(Qt::AlignRight);
    discount->setAccessibleName(hub_.Texts()(TextId::DiscountColumn));
    connect(discount, &QDoubleSpinBox::valueChanged, this, [this, ASystem, ALine](double AValue) {
        if (ProjectLine* line = LineAt(ASystem, ALine)) {
            line->DiscountPercent = AValue;
            hub_.Touch(false);
        }
    });
    setItemWidget(item, DiscountColumn, discount);
    return item;
}

void ProjectTree::Rebuild(const QList<ProjectFinding>& AFindings)
{
    const EngineTexts& texts = hub_.Texts();
    const Project& project = hub_.Session().Current();
    const std::optional<int> selected = SelectedSystem();
    building_ = true;
    clear();
    for (int system = 0; system < project.Systems.size(); ++system) {
        const ProjectSystem& shown = project.Systems[system];
        auto* item = new QTreeWidgetItem(this);
        item->setData(ItemColumn, SystemRole, system);
        item->setData(ItemColumn, LineRole, -1);
        item->setText(ItemColumn, shown.Name);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        QFont bold = item->font(ItemColumn);
        bold.setBold(true);
        item->setFont(ItemColumn, bold);
        if (shown.Solution)
            item->setText(CodeColumn, shown.Solution->Model);
        item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (shown.Solution) {
            auto* discount = new QDoubleSpinBox(this);
            discount->setObjectName(QStringLiteral("SystemDiscount"));
            discount->setLocale(texts.Locale());
            discount->setRange(0, 100);
            discount->setDecimals(1);
            discount->setValue(shown.Solution->DiscountPercent);
            discount->setButtonSymbols(QAbstractSpinBox::NoButtons);
            discount->setAlignment(Qt::AlignRight);
            connect(discount, &QDoubleSpinBox::valueChanged, this, [this, system](double AValue) {
                Project& edited = hub_.Session().Edit();
                if (system < edited.Systems.size() && edited.Systems[system].Solution) {
                    edited.Systems[system].Solution->DiscountPercent = AValue;
                    hub_.Touch(false);
                }
            });
            setItemWidget(item, DiscountColumn, discount);
        }
        auto* figures = new QTreeWidgetItem(item);
        figures->setData(ItemColumn, SystemRole, system);
        figures->setData(ItemColumn, LineRole, FiguresRow);
        QString text = Figures(shown, texts);
        if (NeedsSizingAgain(AFindings, system)) {
            text += QStringLiteral("  \u00B7  ") + texts(TextId::ProjectDiscontinued);
            figures->setForeground(ItemColumn, QColor(QLatin1String(ProblemColour)));
            item->setForeground(CodeColumn, QColor(QLatin1String(ProblemColour)));
            item->setToolTip(CodeColumn, texts(TextId::ProjectSizeAgain));
        } else {
            figures->setForeground(ItemColumn, QColor(0x6B, 0x77, 0x85));
        }
        figures->setText(ItemColumn, text);
        figures->setToolTip(ItemColumn, text);
        figures->setFirstColumnSpanned(true);
        for (int line = 0; line < shown.Lines.size(); ++line)
            AddLine(item, system, line, shown.Lines[line],
                    Has(AFindings, ProjectFindingKind::ItemMissing, system, line));
        item->setExpanded(true);
        if (selected == system)
            setCurrentItem(item);
    }
    if (!project.Lines.isEmpty()) {
        auto* own = new QTreeWidgetItem(this);
        own->setData(ItemColumn, SystemRole, -1);
        own->setData(ItemColumn, LineRole, -1);
        own->setText(ItemColumn, texts(TextId::ProjectOwnLines));
        QFont bold = own->font(ItemColumn);
        bold.setBold(true);
        own->setFont(ItemColumn, bold);
        for (int line = 0; line < project.Lines.size(); ++line)
            AddLine(own, -1, line, project.Lines[line], Has(AFindings, ProjectFindingKind::ItemMissing, -1, line));
        own->setExpanded(true);
    }
    building_ = false;
    for (int column : {CodeColumn, UnitColumn, AmountColumn})
        resizeColumnToContents(column);
    setColumnWidth(QuantityColumn, 64);
    setColumnWidth(DiscountColumn, 78);
}

void ProjectTree::ShowAmounts(const std::optional<ProjectQuote>& AQuote)
{
    if (!showPrices_)
        return;
    const Project& project = hub_.Session().Current();
    building_ = true;
    for (int top = 0; top < topLevelItemCount(); ++top) {
        QTreeWidgetItem* item = topLevelItem(top);
        const int system = item->data(ItemColumn, SystemRole).toInt();
        // A group per system, then the project's own lines; the solution's
        // lines come before the system's own.
        const int group = system >= 0 ? system : static_cast<int>(project.Systems.size());
        const bool known = AQuote && group < AQuote->Totals.Groups.size();
        const QList<LineTotal> amounts = known ? AQuote->Totals.Groups[group] : QList<LineTotal>{};
        const int ownLines =
            static_cast<int>(system >= 0 ? project.Systems[system].Lines.size() : project.Lines.size());
        const int solutionLines = std::max(0, static_cast<int>(amounts.size()) - ownLines);
        if (system >= 0) {
            double sum = 0;
            for (int line = 0; line < solutionLines; ++line)
                sum += amounts[line].Amount;
            item->setText(AmountColumn, known && solutionLines > 0 ? hub_.Texts().Number(sum, 2) : QString());
        }
        for (int child = 0; child < item->childCount(); ++child) {
            QTreeWidgetItem* row = item->child(child);
            const int line = row->data(ItemColumn, LineRole).toInt();
            if (line < 0)
                continue;
            const int index = solutionLines + line;
            row->setText(AmountColumn,
                         known && index < amounts.size()
                             ? (amounts[index].PriceOnRequest ? hub_.Texts()(TextId::PriceOnRequest)
                                                              : hub_.Texts().Number(amounts[index].Amount, 2))
                             : QString());
        }
    }
    building_ = false;
    resizeColumnToContents(AmountColumn);
}

std::optional<int> ProjectTree::SelectedSystem() const
{
    const QTreeWidgetItem* item = currentItem();
    if (item == nullptr)
        return std::nullopt;
    const int system = item->data(ItemColumn, SystemRole).toInt();
    return system >= 0 ? std::optional<int>(system) : std::nullopt;
}

void ProjectTree::RemoveSelected()
{
    const QTreeWidgetItem* item = currentItem();
    if (item == nullptr)
        return;
    const int system = item->data(ItemColumn, SystemRole).toInt();
    const int line = item->data(ItemColumn, LineRole).toInt();
    Project& project = hub_.Session().Edit();
    if (line >= 0) {
        QList<ProjectLine>& lines = system < 0 ? project.Lines : project.Systems[system].Lines;
        if (line < lines.size())
            lines.removeAt(line);
    } else if (system >= 0 && system < project.Systems.size()) {
        project.Systems.removeAt(system);
    } else {
        return;
    }
    setCurrentItem(nullptr);
    hub_.Touch(true);
}

} // namespace vantor::devengine
