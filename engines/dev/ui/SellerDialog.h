// The seller's details printed on quotes and the prefix of quote numbers.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/SellerSettings.h"

#include <QDialog>

class QLineEdit;

namespace vantor::devengine {

class SellerDialog final : public QDialog {
    Q_OBJECT
public:
    SellerDialog(const EngineTexts& ATexts, const SellerSettings& ASettings, QWidget* AParent);

    [[nodiscard]] SellerSettings Settings() const;

private:
    QLineEdit* name_;
    QLineEdit* company_;
    QLineEdit* email_;
    QLineEdit* phone_;
    QLineEdit* prefix_;
};

} // namespace vantor::devengine
