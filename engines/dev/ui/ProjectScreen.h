// The project's screen inside the host's container: the customer and terms,
// the systems with their lines, what can be added to them, the totals and
// the exports.
#pragma once

#include "dev/core/EngineProducts.h"
#include "dev/core/EngineSettings.h"
#include "dev/core/Pricelist.h"
#include "dev/core/ProjectQuote.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace vantor::devengine {

class ProjectAddPanel;
class ProjectFields;
class ProjectHub;
class ProjectTree;
struct Branding;

class ProjectScreen final : public QWidget {
    Q_OBJECT
public:
    // Becomes a child of AContainer and follows its size.
    ProjectScreen(const EngineSettings& ASettings, std::shared_ptr<const EngineProducts> AProducts, ProjectHub& AHub,
                  QWidget* AContainer);

signals:
    // Back to the selector.
    void BackRequested();
    void ReopenRequested(int ASystem);

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    QWidget* BuildBody();
    QWidget* BuildFooter();
    void ProjectChanged(bool AStructure);
    void ShowTotals();
    void EditSeller();
    void Export(QuoteExport AKind);

    EngineSettings settings_;
    std::shared_ptr<const EngineProducts> products_;
    ProjectHub& hub_;
    const Branding& branding_;
    Pricelist pricelist_;
    ModelPrices prices_;
    QuoteSources sources_;
    QString currencySymbol_;
    ProjectFields* fields_ = nullptr;
    ProjectTree* tree_ = nullptr;
    ProjectAddPanel* add_ = nullptr;
    QLabel* totals_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* reopen_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace vantor::devengine
