#include "dev/ui/ResultPanel.h"

#include "dev/core/NoSolutionReason.h"
#include "dev/core/QuoteContent.h"
#include "dev/core/SelectorRequest.h"
#include "dev/ui/CurveView.h"
#include "dev/ui/RequirementForm.h"
#include "dev/ui/SolutionTable.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor::devengine {

namespace {

QLabel* MakeLabel(const QString& AName, QWidget* AParent)
{
    auto* label = new QLabel(AParent);
    label->setObjectName(AName);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Shows the label in the problem colour or not.
void MarkProblem(QLabel* ALabel, bool AProblem)
{
    if (ALabel->property("problem").toBool() == AProblem)
        return;
    ALabel->setProperty("problem", AProblem);
    ALabel->style()->unpolish(ALabel);
    ALabel->style()->polish(ALabel);
}

// The form's problem, or the product data's, as the text to show; empty when
// the inputs can be sized.
QString Problem(const ScreenContext& AContext, const SelectorInputs& AInputs)
{
    const EngineTexts& texts = AContext.Texts;
    if (!AContext.Products->DataProblem.isEmpty())
        return texts(TextId::ProductDataProblem).arg(AContext.Products->DataProblem);
    const double longest = AContext.Products->Data.LongestMinutes(AInputs.Battery.EndVoltage);
    if (const auto problem = InputProblem(AInputs, longest))
        return texts(*problem).arg(texts.Number(longest));
    return {};
}

} // namespace

SolutionsPanel::SolutionsPanel(const ScreenContext& AContext, QWidget* AParent)
    : ResultPanel(AContext, AParent), summary_(MakeLabel(QStringLiteral("SolutionSummary"), this)),
      table_(new SolutionTable(AContext.Texts, AContext.Kind != SelectorKind::Base, AContext.Settings.ShowPrices,
                               AContext.Settings.HasOption(OptionDebugMode), this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit ChoiceChanged(table_->SelectedRow() >= 0); });
}

void SolutionsPanel::Recalculate(RequirementForm& AForm)
{
    const SelectorInputs inputs = AForm.Inputs();
    const EngineTexts& texts = context_.Texts;
    request_ = RequestFor(context_.Kind, inputs, context_.Settings);
    solutions_.clear();
    const QString problem = Problem(context_, inputs);
    if (problem.isEmpty())
        solutions_ = FindSolutions(context_.Products->Data, request_, context_.Prices.Prices);
    table_->Show(solutions_, request_.Redundancy, context_.Prices);
    const QString needs = texts(TextId::NeedsSummary)
                              .arg(texts.Number(request_.Watts), texts.Number(request_.VoltAmperes),
                                   texts.Number(request_.AutonomyMinutes));
    if (!problem.isEmpty())
        summary_->setText(problem);
    else if (solutions_.isEmpty())
        summary_->setText(needs + QLatin1Char('\n') +
                          NoSolutionText(WhyNoSolution(context_.Products->Data, request_), texts));
    else
        summary_->setText(needs + QStringLiteral("  \u00B7  ") + texts(TextId::SolutionCount).arg(solutions_.size()) +
                          QLatin1Char('\n') + BasisSummaryText(request_, texts));
    MarkProblem(summary_, !problem.isEmpty() || solutions_.isEmpty());
    emit ChoiceChanged(table_->SelectedRow() >= 0);
}

std::optional<Quote> SolutionsPanel::QuoteOfChoice() const
{
    const int row = table_->SelectedRow();
    if (row < 0 || row >= solutions_.size())
        return std::nullopt;
    return QuoteFor(solutions_[row], request_, context_.Products->Data, context_.Prices, context_.Texts);
}

std::optional<SolutionFacts> SolutionsPanel::FactsOfChoice() const
{
    const int row = table_->SelectedRow();
    if (row < 0 || row >= solutions_.size())
        return std::nullopt;
    return FactsFor(solutions_[row], request_, context_.Products->Data, context_.Texts);
}

std::optional<Solution> SolutionsPanel::SolutionOfChoice() const
{
    const int row = table_->SelectedRow();
    if (row < 0 || row >= solutions_.size())
        return std::nullopt;
    return solutions_[row];
}

RuntimePanel::RuntimePanel(const ScreenContext& AContext, QWidget* AParent)
    : ResultPanel(AContext, AParent), result_(MakeLabel(QStringLiteral("RuntimeResult"), this)),
      curve_(new CurveView(CurveTextsFor(AContext.Texts), AContext.Texts.Locale(), this)),
      save_(new QPushButton(AContext.Texts(TextId::SavePng), this))
{
    save_->setObjectName(QStringLiteral("SavePngButton"));
    save_->setProperty("segment", "single");
    save_->setAutoDefault(false);
    connect(save_, &QPushButton::clicked, this, &RuntimePanel::SavePng);
    auto* row = new QHBoxLayout;
    row->addWidget(result_, 1);
    row->addWidget(save_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(row);
    layout->addWidget(curve_, 1);
}

void RuntimePanel::Recalculate(RequirementForm& AForm)
{
    const EngineTexts& texts = context_.Texts;
    const ProductData& products = context_.Products->Data;
    SelectorInputs inputs = AForm.Inputs();
    inputs.AutonomyMinutes = 0;
    request_ = RequestFor(SelectorKind::Runtime, inputs, context_.Settings);
    solution_.reset();
    const UpsModel* model = products.Model(AForm.ChosenModel());
    QString text;
    if (!context_.Products->DataProblem.isEmpty()) {
        text = texts(TextId::ProductDataProblem).arg(context_.Products->DataProblem);
    } else if (model == nullptr) {
        text = texts(TextId::NoUpsChosen);
    } else if (!(inputs.Load > 0)) {
        text = texts(TextId::LoadMissing);
    } else {
        AForm.SetCabinetLimit(products.CabinetLimit(*model, request_.UnlimitedCabinets));
        solution_ = ConfigurationOf(products, *model, AForm.ChosenCabinets(), request_, context_.Prices.Prices);
        if (!solution_) {
            text = texts(TextId::NoSolutions);
        } else {
            // Which figure is which: the basis line says the first is at end of life.
            text =
                texts(TextId::RuntimeAtLoad)
                    .arg(texts.Number(request_.Watts) + QStringLiteral(" W"), RuntimeText(solution_->Minutes, texts));
            text += QStringLiteral("  \u00B7  ") +
                    texts(TextId::RuntimeNewAtLoad).arg(RuntimeText(solution_->MinutesNew, texts));
            text += QStringLiteral("\n") + BatteryText(*solution_, texts) + QStringLiteral("  \u00B7  ") +
                    texts(TextId::EndVoltage) + QStringLiteral(": ") +
                    texts(TextId::VoltsPerCell).arg(texts.Number(solution_->EndVoltage, 2));
            if (context_.Settings.ShowPrices && solution_->Price)
                text += QStringLiteral("  \u00B7  %1 %2")
                            .arg(texts(TextId::ColumnPrice), texts.Number(*solution_->Price, 2));
            text += QStringLiteral("\n") + BasisSummaryText(request_, texts);
            if (context_.Settings.HasOption(OptionDebugMode))
                text += QStringLiteral("\n") + TraceText(*solution_, texts);
        }
    }
    result_->setText(text);
    MarkProblem(result_, !solution_.has_value());
    if (model != nullptr && context_.Products->DataProblem.isEmpty()) {
        // A few cabinet counts even when none is chosen, so that the curve
        // shows what cabinets would add.
        const int shown = std::max(AForm.ChosenCabinets(), std::min(2, model->MaxCabinets));
        const double powerFactor = request_.VoltAmperes > 0 ? request_.Watts / request_.VoltAmperes : 1.0;
        curve_->Show(RuntimeCurves(*model, products, request_.Battery, products.CabinetFor(*model) ? shown : 0, 1, 40,
                                   solution_ ? solution_->Modules.value_or(0) : 0, powerFactor),
                     QPointF(request_.Watts, solution_ ? solution_->Minutes.Minutes.value_or(0) : 0));
    } else {
        curve_->Show({}, {});
    }
    save_->setEnabled(!curve_->Series().isEmpty());
    emit ChoiceChanged(solution_.has_value());
}

std::optional<Quote> RuntimePanel::QuoteOfChoice() const
{
    if (!solution_)
        return std::nullopt;
    return QuoteFor(*solution_, request_, context_.Products->Data, context_.Prices, context_.Texts);
}

std::optional<SolutionFacts> RuntimePanel::FactsOfChoice() const
{
    if (!solution_)
        return std::nullopt;
    return FactsFor(*solution_, request_, context_.Products->Data, context_.Texts);
}

void RuntimePanel::SavePng()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString file = QFileDialog::getSaveFileName(
        this, context_.Texts(TextId::SavePng),
        folder + QStringLiteral("/%1.png").arg(context_.Texts(TextId::RuntimeCurve)), QStringLiteral("PNG (*.png)"));
    if (file.isEmpty())
        return;
    const bool saved = SaveRuntimeCurvePng(file, 1200, 720, curve_->Series(), curve_->OperatingPoint(), curve_->Texts(),
                                           context_.Texts.Locale());
    result_->setText(result_->text() + QStringLiteral("\n") +
                     context_.Texts(saved ? TextId::SavedTo : TextId::CannotWrite).arg(file));
}

} // namespace vantor::devengine
