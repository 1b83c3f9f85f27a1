#include "dev/ui/SuggestionFilter.h"

#include "dev/ui/PricelistModel.h"

namespace vantor::devengine {

SuggestionFilter::SuggestionFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setFilterKeyColumn(-1);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    // Sorted by the source's order (product code), or by rank among suggestions.
    sort(0);
}

void SuggestionFilter::SetSuggestedOnly(bool suggestedOnly)
{
    if (suggestedOnly_ == suggestedOnly)
        return;
    suggestedOnly_ = suggestedOnly;
    Refresh();
}

void SuggestionFilter::Refresh()
{
    invalidate();
}

bool SuggestionFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (suggestedOnly_) {
        const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
        if (index.data(PricelistModel::SuggestionRankRole).toInt() <= 0)
            return false;
    }
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

bool SuggestionFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (suggestedOnly_) {
        const int leftRank = left.data(PricelistModel::SuggestionRankRole).toInt();
        const int rightRank = right.data(PricelistModel::SuggestionRankRole).toInt();
        if (leftRank != rightRank)
            return leftRank < rightRank;
    }
    return left.row() < right.row();
}

} // namespace vantor::devengine
