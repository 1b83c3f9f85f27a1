// Asks for the customer and project a quote is made for.
#pragma once

#include "dev/core/EngineTexts.h"

#include <QDialog>

class QLineEdit;

namespace vantor::devengine {

class QuoteDialog final : public QDialog {
    Q_OBJECT
public:
    QuoteDialog(const EngineTexts& ATexts, const QString& ACustomer, const QString& AProject, QWidget* AParent);

    QString Customer() const;
    QString Project() const;

private:
    QLineEdit* customer_;
    QLineEdit* project_;
};

} // namespace vantor::devengine
