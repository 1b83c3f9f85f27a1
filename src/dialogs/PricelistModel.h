// The rows of the open pricelist query as a read-only table for the grid.
// Rows are read from the query as the grid asks for them, so a large
// pricelist shows its first rows at once.
#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QString>

#include <array>

namespace vantor {

namespace db {
class DbQuery;
}

enum class PricelistSortMark { None, Ascending, Descending };

class PricelistModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ColProductCode, ColDescription, ColPrice, ColumnCount };
    // Rows read from the query each time the grid wants more.
    static constexpr int FetchChunk = 256;

    // The model stays empty until Reload: the query may not be open yet.
    explicit PricelistModel(db::DbQuery& AQuery, QObject* AParent = nullptr);

    int rowCount(const QModelIndex& AParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& AParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& AIndex, int ARole = Qt::DisplayRole) const override;
    QVariant headerData(int ASection, Qt::Orientation AOrientation, int ARole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& AIndex) const override;
    bool canFetchMore(const QModelIndex& AParent) const override;
    void fetchMore(const QModelIndex& AParent) override;

    // Binds to the query as it is now (opened, closed or never opened).
    void Reload();
    // Takes in rows that the query read on its own, as a find does.
    void CatchUp();

    static Qt::Alignment ColumnAlignment(int AColumn);
    // The query field shown in a column.
    static QString ColumnField(int AColumn);

    [[nodiscard]] QString Title(int AColumn) const;
    void SetTitle(int AColumn, const QString& ATitle);

    // Marks shown in the titles. They never reorder the rows, which keep
    // the query's product-code order.
    PricelistSortMark SortMark(int AColumn) const;
    // Ascending becomes descending; anything else becomes ascending.
    void ToggleSortMark(int AColumn);

    // Price as the user's locale writes a number: its decimal separator,
    // no grouping, as many decimals as the stored value has.
    [[nodiscard]] QString PriceText(const QString& AStoredText) const;

signals:
    // Reading more rows failed; the rows read so far stay.
    void FetchFailed(const QString& AMessage);

private:
    db::DbQuery& query_;
    bool bound_ = false;
    bool failed_ = false;
    int rows_ = 0;
    std::array<int, ColumnCount> fields_{-1, -1, -1};
    std::array<QString, ColumnCount> titles_;
    std::array<PricelistSortMark, ColumnCount> marks_{};
    QLocale locale_;
};

} // namespace vantor
