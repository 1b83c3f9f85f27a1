// The inputs of a selector: the load, its power factor and the autonomy on
// every selector; reserve, redundancy and phases on the advanced one;
// redundant modules on the modular one; the UPS and its cabinets on the
// runtime calculator; the battery conditions on all but the base one, with
// the end voltage the UPS's own unless another one within the tables is
// chosen.
#pragma once

#include "dev/core/DeviceLibrary.h"
#include "dev/core/EngineTexts.h"
#include "dev/core/SelectorRequest.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QPushButton;
class QSpinBox;

namespace vantor::devengine {

class RequirementForm final : public QWidget {
    Q_OBJECT
public:
    // AModels: the UPS models the runtime calculator offers; AEndVoltages:
    // the range every block's tables cover, within which one may be chosen.
    RequirementForm(SelectorKind AKind, const EngineTexts& ATexts, const QList<UpsModel>& AModels,
                    const QList<Device>& ADevices, const std::optional<std::pair<double, double>>& AEndVoltages,
                    QWidget* AParent);

    SelectorInputs Inputs() const;
    // The runtime calculator's choice: model code and cabinets.
    QString ChosenModel() const;
    int ChosenCabinets() const;
    // Lets the cabinets go up to ACabinets (the model's limit, or the ceiling).
    void SetCabinetLimit(int ACabinets);
    // Fills the form with a saved system's inputs (and the runtime
    // calculator's model and cabinets), then says it changed once.
    void SetInputs(const SelectorInputs& AInputs, const QString& AModel, int ACabinets);

signals:
    void Changed();

private:
    QDoubleSpinBox* AddNumber(const QString& ALabel, double AMinimum, double AMaximum, double AValue, int ADecimals,
                              const QString& ASuffix, double AStep, const char* AName);
    QSpinBox* AddWhole(const QString& ALabel, int AMinimum, int AMaximum, int AValue, const char* AName);
    QButtonGroup* AddChoice(const QString& ALabel, const QStringList& AChoices, int ACurrent, const char* AName);
    void OpenInventory();

    SelectorKind kind_;
    const EngineTexts& texts_;
    QList<Device> devices_;
    QFormLayout* form_;
    QComboBox* model_ = nullptr;
    QSpinBox* cabinets_ = nullptr;
    QDoubleSpinBox* load_ = nullptr;
    QButtonGroup* unit_ = nullptr;
    QDoubleSpinBox* powerFactor_ = nullptr;
    QDoubleSpinBox* growth_ = nullptr;
    QDoubleSpinBox* loadingLimit_ = nullptr;
    QDoubleSpinBox* autonomy_ = nullptr;
    QSpinBox* redundancy_ = nullptr;
    QButtonGroup* phases_ = nullptr;
    QComboBox* endVoltage_ = nullptr;
    QDoubleSpinBox* temperature_ = nullptr;
    QDoubleSpinBox* ageing_ = nullptr;
};

// The end voltages that may be chosen instead of the UPS's own, where the
// tables cover them.
inline constexpr double EndVoltages[] = {1.60, 1.63, 1.65, 1.67, 1.70, 1.72, 1.75};

} // namespace vantor::devengine
