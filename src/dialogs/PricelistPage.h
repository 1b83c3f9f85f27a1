// The Pricelist page of the about dialog: in debug mode, the priced products
// of the configured catalogue's pricelist in a read-only grid, with a Find
// command that jumps to a product by its code.
//
// Embedding (the dialog owns the page and the data module outlives it):
//   auto* page = new TPricelistPage(*DM, pageControl);
//   page->LoadCaptions();                  // with the dialog's other captions
//   page->Open();                          // true when the grid has rows
//   tabIndex = pageControl->addTab(page, page->PageCaption());
//   pageControl->setTabVisible(tabIndex, ShouldShowPricelistPage(GlobalSetupData));
//   ...
//   page->ClosePricelist();                // when the dialog closes
#pragma once

#include "common/uGlobals.h"

#include <QString>
#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QTableView;

namespace vantor {

class TDM;
class PricelistModel;

// Whether the dialog shows the page: debug mode, a valid pricelist, and
// three-phase systems not hidden.
[[nodiscard]] bool ShouldShowPricelistPage(const TGlobalSetupData& ASetup);
// Whether the dialog runs the pricelist query: debug mode and a valid pricelist.
[[nodiscard]] bool ShouldOpenPricelist(const TGlobalSetupData& ASetup);

// A modal prompt for one line of text: true when OK was chosen, AValue then
// holding the edited text.
using TTextPrompt =
    std::function<bool(QWidget* AParent, const QString& ACaption, const QString& APrompt, QString& AValue)>;

class TPricelistPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int Margin = 3;
    static constexpr int ProductCodeWidth = 72;
    static constexpr int DescriptionWidth = 330;
    static constexpr int PriceWidth = 70;

    // The grid shows ADataModule.SqlPricelist, whatever state it is in.
    explicit TPricelistPage(TDM& ADataModule, QWidget* AParent = nullptr);

    // Page, column and menu captions in the current language.
    void LoadCaptions();
    [[nodiscard]] QString PageCaption() const;

    // Runs the pricelist query when ShouldOpenPricelist allows it and binds
    // the grid to it in every case; true when the query found rows. When the
    // engine cannot run it, the pricelist closes and the grid stays empty.
    [[nodiscard]] bool Open();
    // Closes the pricelist connection and empties the grid.
    void ClosePricelist();

    // Widens the description column so that the three columns fill the grid.
    // Runs by itself whenever the grid changes size, until the user sizes a
    // column.
    void FitColumns();

    // The Find command: prompts for a product code and selects its row.
    void mnuPricelistFindClick();
    // Selects the first row whose product code the entry stands for, reading
    // further rows as needed; otherwise warns and leaves the selection alone.
    [[nodiscard]] bool FindProduct(const QString& AEntry);
    // A click on a column title: toggles the column's sort mark.
    void GridPricelistTitleClick(int AColumn);

    // The prompt used by Find; tests answer it themselves.
    void SetTextPrompt(TTextPrompt APrompt);

    QTableView* GridPricelist() const { return grid_; }
    PricelistModel* Model() const { return model_; }
    QMenu* PricelistPopupMenu() const { return popupMenu_; }
    QAction* FindAction() const { return mnuPricelistFind_; }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    void ShowPopupMenu(const QPoint& APosition);
    void ReportFetchFailure(const QString& AMessage);

    TDM& dataModule_;
    PricelistModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QAction* mnuPricelistFind_ = nullptr;
    TTextPrompt prompt_;
    bool fitting_ = false;
    bool columnsSizedByUser_ = false;
};

} // namespace vantor
