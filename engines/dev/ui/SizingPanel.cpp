#include "dev/ui/SizingPanel.h"

#include "dev/ui/LoadSizingPanel.h"
#include "dev/ui/ParallelSizingPanel.h"
#include "dev/ui/RuntimeSizingPanel.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vantor::devengine {

SizingPanel::SizingPanel(const SizingContext& context, QWidget* parent)
    : QWidget(parent), context_(context), form_(new QFormLayout), result_(new QLabel)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    form_->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form_->setHorizontalSpacing(12);
    form_->setVerticalSpacing(6);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addLayout(form_);
    result_->setObjectName(QStringLiteral("SizingResult"));
    result_->setWordWrap(true);
    result_->setTextFormat(Qt::RichText);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Long lists (all configurations) scroll instead of being cut off.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("SizingScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("SizingScrollContent"));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 4, 0);
    contentLayout->addWidget(result_);
    contentLayout->addStretch(1);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
}

void SizingPanel::Recalculate()
{
    QString html;
    if (context_.Items.isEmpty()) {
        result_->setText(QStringLiteral("Sizing needs a pricelist with products."));
        emit SuggestionsChanged({});
        return;
    }
    const QList<int> suggestions = Compute(html);
    result_->setText(html);
    emit SuggestionsChanged(suggestions);
}

QDoubleSpinBox* SizingPanel::AddNumber(const QString& label, double minimum, double maximum, double value, int decimals,
                                       const QString& suffix, double step)
{
    auto* box = new QDoubleSpinBox(this);
    box->setLocale(context_.Locale);
    box->setRange(minimum, maximum);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setAlignment(Qt::AlignRight);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setKeyboardTracking(true);
    connect(box, &QDoubleSpinBox::valueChanged, this, [this] { Recalculate(); });
    form_->addRow(label, box);
    return box;
}

QButtonGroup* SizingPanel::AddChoice(const QString& label, const QStringList& choices, int current,
                                     const QString& objectName)
{
    auto* row = new QWidget(this);
    row->setObjectName(objectName);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(row);
    group->setExclusive(true);
    for (int i = 0; i < choices.size(); ++i) {
        auto* button = new QPushButton(choices[i], row);
        button->setCheckable(true);
        button->setChecked(i == current);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
        // The first and last buttons get the rounded ends of the row.
        button->setProperty("segment", i == 0 ? "first" : i + 1 == choices.size() ? "last" : "middle");
        group->addButton(button, i);
        layout->addWidget(button);
    }
    connect(group, &QButtonGroup::idClicked, this, [this] { Recalculate(); });
    form_->addRow(label, row);
    return group;
}

QString SizingPanel::Power(double value, const char* unit) const
{
    return FormatPower(value, QString::fromLatin1(unit), context_.Locale);
}

QString SizingPanel::Money(double value) const
{
    return context_.Locale.toString(value, 'f', 2);
}

QString SizingPanel::DescribeItem(int index, bool withPrice) const
{
    const PriceItem& item = context_.Items[index];
    QString text = QStringLiteral("<b>%1</b>").arg(item.ProductCode.toHtmlEscaped());
    if (item.PowerRating)
        text += QStringLiteral(" &nbsp;%1").arg(FormatRating(*item.PowerRating, context_.Locale));
    if (withPrice && context_.ShowPrices)
        text += QStringLiteral(" &nbsp;·&nbsp; %1").arg(Money(item.Price));
    return text;
}

SizingPanel* CreateSizingPanel(SelectorKind kind, const SizingContext& context, QWidget* parent)
{
    switch (kind) {
    case SelectorKind::Base:
        return new LoadSizingPanel(context, false, parent);
    case SelectorKind::Advanced:
        return new LoadSizingPanel(context, true, parent);
    case SelectorKind::Modular:
        return new ParallelSizingPanel(context, parent);
    case SelectorKind::Runtime:
        return new RuntimeSizingPanel(context, parent);
    }
    return nullptr;
}

} // namespace vantor::devengine
