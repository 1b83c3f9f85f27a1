// The product list as the user narrows it: a text filter over code and
// description, and optionally only the suggested products, best first.
#pragma once

#include <QSortFilterProxyModel>

namespace vantor::devengine {

class SuggestionFilter final : public QSortFilterProxyModel {
public:
    explicit SuggestionFilter(QObject* parent);

    void SetSuggestedOnly(bool suggestedOnly);
    bool SuggestedOnly() const { return suggestedOnly_; }
    // The source's suggestions changed.
    void Refresh();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool suggestedOnly_ = false;
};

} // namespace vantor::devengine
