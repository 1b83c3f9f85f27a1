#include "dialogs/PricelistPage.h"

#include "data/DataModule.h"
#include "dialogs/PricelistFind.h"
#include "dialogs/PricelistModel.h"
#include "i18n/uLanguages.h"
#include "widgets/MessageDialogs.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor {

namespace {

bool AskForText(QWidget* AParent, const QString& ACaption, const QString& APrompt, QString& AValue)
{
    bool ok = false;
    const QString value = QInputDialog::getText(AParent, ACaption, APrompt, QLineEdit::Normal, AValue, &ok);
    if (ok)
        AValue = value;
    return ok;
}

QFont GridFont(bool ABold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(ABold);
    return font;
}

} // namespace

bool ShouldShowPricelistPage(const TGlobalSetupData& ASetup)
{
    return ASetup.DebugMode && ASetup.Database.Pricelist.IsValid && !ASetup.AdvancedOptions.HideThreePhaseUps;
}

bool ShouldOpenPricelist(const TGlobalSetupData& ASetup)
{
    return ASetup.DebugMode && ASetup.Database.Pricelist.IsValid;
}

TPricelistPage::TPricelistPage(TDM& ADataModule, QWidget* AParent)
    : QWidget(AParent), dataModule_(ADataModule), prompt_(AskForText)
{
    setObjectName(QStringLiteral("tabPricelist"));
    model_ = new PricelistModel(dataModule_.SqlPricelist, this);
    connect(model_, &PricelistModel::FetchFailed, this, &TPricelistPage::ReportFetchFailure, Qt::QueuedConnection);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("GridPricelist"));
    grid_->setFont(GridFont(false));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(true);
    grid_->setShowGrid(true);
    grid_->setWordWrap(false);
    grid_->setCornerButtonEnabled(false);
    // The scroll bar is always there, so fitting the columns once holds
    // however many rows arrive later.
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rowsHeader = grid_->verticalHeader();
    rowsHeader->hide();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(grid_->fontMetrics().height() + 6);

    QHeaderView* titles = grid_->horizontalHeader();
    titles->setFont(GridFont(true));
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setSortIndicatorShown(false);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setStretchLastSection(false);
    titles->setMouseTracking(true); // hot-tracking of the titles
    titles->resizeSection(PricelistModel::ColProductCode, ProductCodeWidth);
    titles->resizeSection(PricelistModel::ColDescription, DescriptionWidth);
    titles->resizeSection(PricelistModel::ColPrice, PriceWidth);
    connect(titles, &QHeaderView::sectionClicked, this, &TPricelistPage::GridPricelistTitleClick);
    connect(titles, &QHeaderView::sectionResized, this, [this] {
        if (!fitting_)
            columnsSizedByUser_ = true;
    });
    grid_->viewport()->installEventFilter(this);
    // New captions or a sort mark may widen a title.
    connect(model_, &QAbstractItemModel::headerDataChanged, this, [this] {
        if (grid_->isVisible() && !columnsSizedByUser_)
            FitColumns();
    });

    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PricelistPopupMenu"));
    mnuPricelistFind_ = popupMenu_->addAction(QString());
    mnuPricelistFind_->setObjectName(QStringLiteral("mnuPricelistFind"));
    connect(mnuPricelistFind_, &QAction::triggered, this, &TPricelistPage::mnuPricelistFindClick);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, &TPricelistPage::ShowPopupMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(0);
    layout->addWidget(grid_);
}

void TPricelistPage::LoadCaptions()
{
    model_->SetTitle(PricelistModel::ColProductCode, GetText(QStringLiteral("IDS_COMMON_34")));
    model_->SetTitle(PricelistModel::ColDescription, GetText(QStringLiteral("IDS_COMMON_35")));
    model_->SetTitle(PricelistModel::ColPrice, GetText(QStringLiteral("IDS_COMMON_37")));
    mnuPricelistFind_->setText(GetText(QStringLiteral("IDS_COMMON_58")));
    grid_->setAccessibleName(PageCaption());
}

QString TPricelistPage::PageCaption() const
{
    return GetText(QStringLiteral("IDS_COMMON_57"));
}

bool TPricelistPage::Open()
{
    bool hasRows = false;
    if (ShouldOpenPricelist(GlobalSetupData)) {
        const Result<bool> opened = dataModule_.OpenPricelistToShow(CataloguesFolder, GlobalSetupData.CatalogueCode);
        hasRows = opened.valueOr(false);
        // A pricelist the query cannot read (its items table broken, say):
        // the page stays empty and the rest of the about dialog opens.
        if (!opened)
            dataModule_.ClosePricelistDatabase();
    }
    model_->Reload();
    return hasRows;
}

void TPricelistPage::ClosePricelist()
{
    dataModule_.ClosePricelistDatabase();
    model_->Reload();
}

void TPricelistPage::FitColumns()
{
    QHeaderView* titles = grid_->horizontalHeader();
    fitting_ = true;
    // A skin's padding or a longer translation may need more than the design
    // widths of the narrow columns; their titles must stay readable.
    const int codeWidth = std::max(ProductCodeWidth, titles->sectionSizeHint(PricelistModel::ColProductCode));
    const int priceWidth = std::max(PriceWidth, titles->sectionSizeHint(PricelistModel::ColPrice));
    titles->resizeSection(PricelistModel::ColProductCode, codeWidth);
    titles->resizeSection(PricelistModel::ColPrice, priceWidth);
    const int rest = grid_->viewport()->width() - codeWidth - priceWidth;
    if (rest > 0)
        titles->resizeSection(PricelistModel::ColDescription, rest);
    fitting_ = false;
}

void TPricelistPage::mnuPricelistFindClick()
{
    const QString caption = PricelistFindCaption(mnuPricelistFind_->text());
    const QString prompt = model_->Title(PricelistModel::ColProductCode) + QLatin1Char(':');
    QString entry = QLatin1String(PricelistFindInitialEntry);
    if (!prompt_ || !prompt_(this, caption, prompt, entry))
        return;
    (void)FindProduct(entry); // the page shows what it found, or the message
}

bool TPricelistPage::FindProduct(const QString& AEntry)
{
    const std::optional<QString> key = PricelistKeyOfEntry(AEntry);
    db::DbQuery& query = dataModule_.SqlPricelist;
    int row = -1;
    // A closed query (no rows, or no pricelist) simply finds nothing.
    if (key && query.Active()) {
        const Result<int> found = query.FindFirst(PricelistModel::ColumnField(PricelistModel::ColProductCode), *key);
        if (!found) {
            model_->CatchUp();
            ShowErrorMessage(QString(), found.message(), false);
            return false;
        }
        row = *found;
    }
    model_->CatchUp();
    if (row < 0) {
        ShowWarningMessage(QString(), PricelistNotFoundText(AEntry), false);
        return false;
    }
    const QModelIndex index = model_->index(row, PricelistModel::ColProductCode);
    grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

void TPricelistPage::GridPricelistTitleClick(int AColumn)
{
    model_->ToggleSortMark(AColumn);
}

void TPricelistPage::SetTextPrompt(TTextPrompt APrompt)
{
    prompt_ = std::move(APrompt);
}

bool TPricelistPage::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    // The grid gets its final size only once the dialog lays out the page.
    if (AWatched == grid_->viewport() && AEvent->type() == QEvent::Resize && !columnsSizedByUser_)
        FitColumns();
    return QWidget::eventFilter(AWatched, AEvent);
}

void TPricelistPage::ShowPopupMenu(const QPoint& APosition)
{
    popupMenu_->popup(grid_->viewport()->mapToGlobal(APosition));
}

void TPricelistPage::ReportFetchFailure(const QString& AMessage)
{
    ShowErrorMessage(QString(), AMessage, false);
}

} // namespace vantor
