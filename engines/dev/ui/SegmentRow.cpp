#include "dev/ui/SegmentRow.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>

namespace vantor::devengine {

QButtonGroup* MakeSegmentRow(QWidget* ARow, const QStringList& AChoices, int ACurrent, const QString& AAccessiblePrefix)
{
    auto* layout = new QHBoxLayout(ARow);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(ARow);
    group->setExclusive(true);
    for (int i = 0; i < AChoices.size(); ++i) {
        auto* button = new QPushButton(AChoices[i], ARow);
        button->setCheckable(true);
        button->setChecked(i == ACurrent);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
        button->setAccessibleName((AAccessiblePrefix + QLatin1Char(' ') + AChoices[i]).trimmed());
        // The first and last buttons get the rounded ends of the row.
        button->setProperty("segment", i == 0 ? "first" : i + 1 == AChoices.size() ? "last" : "middle");
        // Room for the bold text of the checked button.
        QFont bold = button->font();
        bold.setBold(true);
        button->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(button->text()) + 30);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return group;
}

} // namespace vantor::devengine
