#include "dev/ui/RequirementForm.h"

#include "dev/ui/InventoryDialog.h"
#include "dev/ui/SegmentRow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace vantor::devengine {

namespace {

// The demo's first answer: a small server room.
constexpr double FirstLoadWatts = 6000;
constexpr double FirstRuntimeLoadWatts = 4000;

} // namespace

RequirementForm::RequirementForm(SelectorKind AKind, const EngineTexts& ATexts, const QList<UpsModel>& AModels,
                                 const QList<Device>& ADevices,
                                 const std::optional<std::pair<double, double>>& AEndVoltages, QWidget* AParent)
    : QWidget(AParent), kind_(AKind), texts_(ATexts), devices_(ADevices), form_(new QFormLayout(this))
{
    setObjectName(QStringLiteral("RequirementForm"));
    form_->setContentsMargins(0, 0, 0, 0);
    form_->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form_->setHorizontalSpacing(12);
    form_->setVerticalSpacing(6);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const bool runtime = AKind == SelectorKind::Runtime;

    if (runtime) {
        model_ = new QComboBox(this);
        model_->setObjectName(QStringLiteral("ModelInput"));
        for (const UpsModel& model : AModels)
            model_->addItem(QStringLiteral("%1  (%2 VA)").arg(model.Code, texts_.Number(model.RatedVA)), model.Code);
        // A mid-size unit with cabinets shows a curve worth looking at.
        const int preferred = model_->findData(QStringLiteral("B 6K0"));
        if (preferred >= 0)
            model_->setCurrentIndex(preferred);
        connect(model_, &QComboBox::currentIndexChanged, this, &RequirementForm::Changed);
        form_->addRow(texts_(TextId::Ups), model_);
        cabinets_ = AddWhole(texts_(TextId::Cabinets), 0, 0, 0, "CabinetsInput");
    }

    load_ = AddNumber(texts_(TextId::Load), 0, InputLimit::MaxLoad, runtime ? FirstRuntimeLoadWatts : FirstLoadWatts, 0,
                      QString(), 100, "LoadInput");
    if (!runtime)
        unit_ = AddChoice(texts_(TextId::LoadGivenIn), {QStringLiteral("W"), QStringLiteral("VA")}, 0, "UnitInput");
    powerFactor_ = AddNumber(texts_(TextId::PowerFactor), InputLimit::MinPowerFactor, 1.0, SelectorInputs{}.PowerFactor,
                             2, QString(), 0.05, "PowerFactorInput");
    if (!runtime) {
        if (!devices_.isEmpty()) {
            auto* inventory = new QPushButton(texts_(TextId::Inventory), this);
            inventory->setObjectName(QStringLiteral("InventoryButton"));
            inventory->setProperty("segment", "single");
            inventory->setAutoDefault(false);
            connect(inventory, &QPushButton::clicked, this, &RequirementForm::OpenInventory);
            form_->addRow(QString(), inventory);
        }
    } else {
        load_->setSuffix(QStringLiteral(" W"));
    }
    if (AKind == SelectorKind::Advanced || AKind == SelectorKind::Modular)
        growth_ = AddNumber(texts_(TextId::Growth), 0, InputLimit::MaxGrowthPercent, 0, 0, QStringLiteral(" %"), 5,
                            "GrowthInput");
    if (AKind == SelectorKind::Advanced)
        loadingLimit_ = AddNumber(texts_(TextId::LoadingLimit), InputLimit::MinLoadingPercent, 100,
                                  AdvancedLoadingPercent, 0, QStringLiteral(" %"), 5, "LoadingLimitInput");
    if (!runtime)
        autonomy_ = AddNumber(texts_(TextId::Autonomy), InputLimit::MinAutonomy, InputLimit::MaxAutonomy, 15, 0,
                              QStringLiteral(" ") + texts_(TextId::MinutesUnit), 5, "AutonomyInput");
    if (AKind == SelectorKind::Advanced || AKind == SelectorKind::Modular)
        redundancy_ = AddWhole(texts_(TextId::Redundancy), 0, InputLimit::MaxRedundancy,
                               AKind == SelectorKind::Modular ? ModularRedundancy : 0, "RedundancyInput");
    if (AKind == SelectorKind::Advanced)
        phases_ = AddChoice(texts_(TextId::OutputPhases),
                            {texts_(TextId::AnyPhases), QStringLiteral("1"), QStringLiteral("3")}, 0, "PhasesInput");
    if (AKind != SelectorKind::Base) {
        endVoltage_ = new QComboBox(this);
        endVoltage_->setObjectName(QStringLiteral("EndVoltageInput"));
        endVoltage_->addItem(texts_(TextId::EndVoltageFromUps), 0.0);
        for (double volts : EndVoltages) {
            if (AEndVoltages && volts > AEndVoltages->first - 0.005 && volts < AEndVoltages->second + 0.005)
                endVoltage_->addItem(QStringLiteral("%1 V").arg(texts_.Number(volts, 2)), volts);
        }
        endVoltage_->setCurrentIndex(0);
        endVoltage_->setAccessibleName(texts_(TextId::EndVoltage));
        connect(endVoltage_, &QComboBox::currentIndexChanged, this, &RequirementForm::Changed);
        form_->addRow(texts_(TextId::EndVoltage), endVoltage_);
        temperature_ = AddNumber(texts_(TextId::Temperature), InputLimit::MinTemperature, InputLimit::MaxTemperature,
                                 25, 0, QString::fromUtf8(" \u00B0C"), 1, "TemperatureInput");
        ageing_ = AddNumber(texts_(TextId::Ageing), InputLimit::MinAgeingPercent, 100, 80, 0, QStringLiteral(" %"), 5,
                            "AgeingInput");
    }
}

QDoubleSpinBox* RequirementForm::AddNumber(const QString& ALabel, double AMinimum, double AMaximum, double AValue,
                                           int ADecimals, const QString& ASuffix, double AStep, const char* AName)
{
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(QLatin1String(AName));
    box->setLocale(texts_.Locale());
    box->setRange(AMinimum, AMaximum);
    box->setDecimals(ADecimals);
    box->setSingleStep(AStep);
    box->setValue(AValue);
    box->setSuffix(ASuffix);
    box->setAlignment(Qt::AlignRight);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAccessibleName(ALabel);
    connect(box, &QDoubleSpinBox::valueChanged, this, &RequirementForm::Changed);
    form_->addRow(ALabel, box);
    return box;
}

QSpinBox* RequirementForm::AddWhole(const QString& ALabel, int AMinimum, int AMaximum, int AValue, const char* AName)
{
    auto* box = new QSpinBox(this);
    box->setObjectName(QLatin1String(AName));
    box->setRange(AMinimum, AMaximum);
    box->setValue(AValue);
    box->setAlignment(Qt::AlignRight);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAccessibleName(ALabel);
    connect(box, &QSpinBox::valueChanged, this, &RequirementForm::Changed);
    form_->addRow(ALabel, box);
    return box;
}

QButtonGroup* RequirementForm::AddChoice(const QString& ALabel, const QStringList& AChoices, int ACurrent,
                                         const char* AName)
{
    auto* row = new QWidget(this);
    row->setObjectName(QLatin1String(AName));
    QButtonGroup* group = MakeSegmentRow(row, AChoices, ACurrent, ALabel);
    connect(group, &QButtonGroup::idClicked, this, &RequirementForm::Changed);
    form_->addRow(ALabel, row);
    return group;
}

SelectorInputs RequirementForm::Inputs() const
{
    SelectorInputs inputs;
    inputs.Load = load_->value();
    inputs.LoadInVA = unit_ != nullptr && unit_->checkedId() == 1;
    inputs.PowerFactor = powerFactor_ != nullptr ? powerFactor_->value() : 1.0;
    inputs.GrowthPercent = growth_ != nullptr ? growth_->value() : 0;
    inputs.MaxLoadingPercent = loadingLimit_ != nullptr ? loadingLimit_->value() : 100;
    inputs.AutonomyMinutes = autonomy_ != nullptr ? autonomy_->value() : 0;
    inputs.Redundancy = redundancy_ != nullptr ? redundancy_->value() : 0;
    inputs.OutputPhases = phases_ == nullptr || phases_->checkedId() <= 0 ? 0 : phases_->checkedId() == 1 ? 1 : 3;
    if (endVoltage_ != nullptr) {
        inputs.Battery.EndVoltage = endVoltage_->currentData().toDouble();
        inputs.Battery.TemperatureC = temperature_->value();
        inputs.Battery.Ageing = ageing_->value() / 100;
    }
    return inputs;
}

QString RequirementForm::ChosenModel() const
{
    return model_ != nullptr ? model_->currentData().toString() : QString();
}

int RequirementForm::ChosenCabinets() const
{
    return cabinets_ != nullptr ? cabinets_->value() : 0;
}

void RequirementForm::SetCabinetLimit(int ACabinets)
{
    if (cabinets_ == nullptr || cabinets_->maximum() == ACabinets)
        return;
    const QSignalBlocker quiet(cabinets_);
    cabinets_->setMaximum(ACabinets);
}

void RequirementForm::SetInputs(const SelectorInputs& AInputs, const QString& AModel, int ACabinets)
{
    {
        const QSignalBlocker quiet(this);
        const auto quietly = [](auto* AInput, auto AValue) {
            if (AInput != nullptr)
                AInput->setValue(AValue);
        };
        if (model_ != nullptr && model_->findData(AModel) >= 0)
            model_->setCurrentIndex(model_->findData(AModel));
        if (cabinets_ != nullptr && cabinets_->maximum() < ACabinets)
            cabinets_->setMaximum(ACabinets);
        quietly(cabinets_, ACabinets);
        quietly(load_, AInputs.Load);
        if (unit_ != nullptr)
            unit_->button(AInputs.LoadInVA ? 1 : 0)->setChecked(true);
        quietly(powerFactor_, AInputs.PowerFactor);
        quietly(growth_, AInputs.GrowthPercent);
        quietly(loadingLimit_, AInputs.MaxLoadingPercent);
        quietly(autonomy_, AInputs.AutonomyMinutes);
        quietly(redundancy_, AInputs.Redundancy);
        if (phases_ != nullptr)
            phases_->button(AInputs.OutputPhases == 1 ? 1 : AInputs.OutputPhases == 3 ? 2 : 0)->setChecked(true);
        if (endVoltage_ != nullptr) {
            const int index = endVoltage_->findData(AInputs.Battery.EndVoltage);
            endVoltage_->setCurrentIndex(std::max(index, 0));
            temperature_->setValue(AInputs.Battery.TemperatureC);
            ageing_->setValue(AInputs.Battery.Ageing * 100);
        }
    }
    emit Changed();
}

void RequirementForm::OpenInventory()
{
    InventoryDialog dialog(texts_, devices_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const InventoryLoad load = dialog.Load();
    if (!(load.Watts > 0))
        return;
    {
        const QSignalBlocker quiet(this);
        unit_->button(0)->setChecked(true);
        powerFactor_->setValue(load.PowerFactor());
        load_->setValue(load.Watts);
    }
    emit Changed();
}

} // namespace vantor::devengine
