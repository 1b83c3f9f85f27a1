// The sizing helper on a selector screen: a few inputs, the requirement they
// make and the products that meet it. Each selector has its own kind.
#pragma once

#include "dev/core/Pricelist.h"
#include "dev/core/SelectorTexts.h"
#include "dev/core/Sizing.h"

#include <QLocale>
#include <QWidget>

class QButtonGroup;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;

namespace vantor::devengine {

struct SizingContext {
    QList<PriceItem> Items;
    QLocale Locale;
    SuggestionOrder Order = SuggestionOrder::BySize;
    int Limit = 3; // suggestions shown; -1 for all
    bool ShowPrices = false;
};

class SizingPanel : public QWidget {
    Q_OBJECT
public:
    SizingPanel(const SizingContext& context, QWidget* parent);

    // Computes the suggestions for the current inputs and publishes them.
    void Recalculate();

signals:
    // Indices into the pricelist's items, best first.
    void SuggestionsChanged(const QList<int>& itemIndices);

protected:
    // Returns the suggested items and sets the result text.
    virtual QList<int> Compute(QString& resultHtml) const = 0;

    QDoubleSpinBox* AddNumber(const QString& label, double minimum, double maximum, double value, int decimals,
                              const QString& suffix, double step = 1);
    // A row of toggle buttons, one of them checked; their ids are 0, 1, ...
    QButtonGroup* AddChoice(const QString& label, const QStringList& choices, int current, const QString& objectName);

    // "<b>code</b> rating · price" of one item (the price only when shown).
    QString DescribeItem(int index, bool withPrice = true) const;
    QString Power(double value, const char* unit) const;
    QString Money(double value) const;
    const SizingContext& Context() const { return context_; }

private:
    SizingContext context_;
    QFormLayout* form_;
    QLabel* result_;
};

// Creates the helper that fits the selector.
SizingPanel* CreateSizingPanel(SelectorKind kind, const SizingContext& context, QWidget* parent);

} // namespace vantor::devengine
