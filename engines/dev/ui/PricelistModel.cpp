#include "dev/ui/PricelistModel.h"

#include <QFont>

namespace vantor::devengine {

PricelistModel::PricelistModel(const QList<PriceItem>& items, bool showPrices, const QLocale& locale,
                               const QColor& highlight, QObject* parent)
    : QAbstractTableModel(parent), items_(items), showPrices_(showPrices), locale_(locale), highlight_(highlight)
{}

void PricelistModel::SetSuggestions(const QList<int>& itemIndices)
{
    ranks_.clear();
    for (int i = 0; i < itemIndices.size(); ++i)
        if (!ranks_.contains(itemIndices[i]))
            ranks_.insert(itemIndices[i], i + 1);
    if (!items_.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int PricelistModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

int PricelistModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return showPrices_ ? 3 : 2;
}

QVariant PricelistModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= items_.size())
        return {};
    const PriceItem& item = items_[index.row()];
    const int rank = ranks_.value(index.row(), 0);
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case CodeColumn:
            return item.ProductCode;
        case DescriptionColumn:
            return item.Description;
        case PriceColumn:
            return locale_.toString(item.Price, 'f', 2);
        }
        return {};
    case Qt::ToolTipRole:
        return item.Description;
    case Qt::TextAlignmentRole:
        if (index.column() == PriceColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (rank > 0) {
            QColor tint = highlight_;
            tint.setAlpha(rank == 1 ? 90 : 45);
            return tint;
        }
        return {};
    case Qt::FontRole:
        if (rank > 0) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case ItemIndexRole:
        return index.row();
    case SuggestionRankRole:
        return rank;
    }
    return {};
}

QVariant PricelistModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((section == PriceColumn ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case CodeColumn:
        return QStringLiteral("Code");
    case DescriptionColumn:
        return QStringLiteral("Description");
    case PriceColumn:
        return QStringLiteral("Price");
    }
    return {};
}

} // namespace vantor::devengine
