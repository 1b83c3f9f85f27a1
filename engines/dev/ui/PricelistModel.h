// The pricelist as a table: code, description and, when prices are shown,
// the price. Suggested products are highlighted.
#pragma once

#include "dev/core/Pricelist.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QLocale>

namespace vantor::devengine {

class PricelistModel final : public QAbstractTableModel {
public:
    enum Column { CodeColumn, DescriptionColumn, PriceColumn };
    // The item's index in the pricelist, for proxies above this model.
    static constexpr int ItemIndexRole = Qt::UserRole + 1;
    // 1 for the first suggestion, 2 for the second ...; 0 when not suggested.
    static constexpr int SuggestionRankRole = Qt::UserRole + 2;

    PricelistModel(const QList<PriceItem>& items, bool showPrices, const QLocale& locale, const QColor& highlight,
                   QObject* parent);

    void SetSuggestions(const QList<int>& itemIndices);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<PriceItem> items_;
    bool showPrices_;
    QLocale locale_;
    QColor highlight_;
    QHash<int, int> ranks_; // item index -> rank
};

} // namespace vantor::devengine
