// The right-hand side of a selector screen: the solutions of the sizing
// selectors, or the runtime and its curve on the runtime calculator. Each
// recalculates from the form and can make a quote of what is chosen.
#pragma once

#include "dev/core/EngineProducts.h"
#include "dev/core/EngineSettings.h"
#include "dev/core/EngineTexts.h"
#include "dev/core/Pricelist.h"
#include "dev/core/Quote.h"
#include "dev/core/SelectorKind.h"
#include "dev/core/SolutionFacts.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QPushButton;

namespace vantor::devengine {

class CurveView;
class RequirementForm;
class SolutionTable;

// What a selector screen works with; outlives its panels.
struct ScreenContext {
    SelectorKind Kind = SelectorKind::Base;
    EngineSettings Settings;
    std::shared_ptr<const EngineProducts> Products;
    ModelPrices Prices;
    EngineTexts Texts{QString()};
};

class ResultPanel : public QWidget {
    Q_OBJECT
public:
    ResultPanel(const ScreenContext& AContext, QWidget* AParent) : QWidget(AParent), context_(AContext) {}

    virtual void Recalculate(RequirementForm& AForm) = 0;
    // The quote of the chosen solution, without the user's fields; none
    // when nothing is chosen.
    virtual std::optional<Quote> QuoteOfChoice() const = 0;
    // What the details view shows of the chosen solution; none when nothing
    // is chosen.
    virtual std::optional<SolutionFacts> FactsOfChoice() const = 0;
    // The chosen solution, for a project; none when nothing is chosen.
    virtual std::optional<Solution> SolutionOfChoice() const = 0;

signals:
    void ChoiceChanged(bool AQuotable);

protected:
    const ScreenContext& context_;
};

class SolutionsPanel final : public ResultPanel {
    Q_OBJECT
public:
    SolutionsPanel(const ScreenContext& AContext, QWidget* AParent);

    void Recalculate(RequirementForm& AForm) override;
    std::optional<Quote> QuoteOfChoice() const override;
    std::optional<SolutionFacts> FactsOfChoice() const override;
    std::optional<Solution> SolutionOfChoice() const override;

private:
    QLabel* summary_;
    SolutionTable* table_;
    SizingRequest request_;
    QList<Solution> solutions_;
};

class RuntimePanel final : public ResultPanel {
    Q_OBJECT
public:
    RuntimePanel(const ScreenContext& AContext, QWidget* AParent);

    void Recalculate(RequirementForm& AForm) override;
    std::optional<Quote> QuoteOfChoice() const override;
    std::optional<SolutionFacts> FactsOfChoice() const override;
    std::optional<Solution> SolutionOfChoice() const override { return solution_; }

private:
    void SavePng();

    QLabel* result_;
    CurveView* curve_;
    QPushButton* save_;
    SizingRequest request_;
    std::optional<Solution> solution_;
};

} // namespace vantor::devengine
