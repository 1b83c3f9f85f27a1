// The project's own fields: the customer, the project's name, reference and
// notes, and the terms (overall discount, VAT, validity, quote number).
#pragma once

#include <QWidget>

class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace vantor::devengine {

class ProjectHub;

class ProjectFields final : public QWidget {
    Q_OBJECT
public:
    // ACatalogueVat: the rate a project without its own uses.
    ProjectFields(ProjectHub& AHub, double ACatalogueVat, const QString& ACurrency, QWidget* AParent);

    // Shows the project's values (after it was replaced).
    void Load();

signals:
    void SellerRequested();

private:
    QLineEdit* AddLine(QFormLayout* AForm, const QString& ALabel, const char* AName);
    QPlainTextEdit* AddText(QFormLayout* AForm, const QString& ALabel, const char* AName);
    void Store();

    ProjectHub& hub_;
    double catalogueVat_;
    bool loading_ = false;
    QLineEdit* customer_;
    QLineEdit* contact_;
    QPlainTextEdit* address_;
    QLineEdit* name_;
    QLineEdit* reference_;
    QPlainTextEdit* notes_;
    QDoubleSpinBox* discount_;
    QDoubleSpinBox* vat_;
    QSpinBox* validity_;
    QLabel* quoteNumber_;
};

} // namespace vantor::devengine
