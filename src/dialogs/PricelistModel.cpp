#include "dialogs/PricelistModel.h"

#include "support/database/DbQuery.h"

namespace vantor {

namespace {

bool ValidColumn(int AColumn)
{
    return AColumn >= 0 && AColumn < PricelistModel::ColumnCount;
}

} // namespace

PricelistModel::PricelistModel(db::DbQuery& AQuery, QObject* AParent) : QAbstractTableModel(AParent), query_(AQuery)
{
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
}

int PricelistModel::rowCount(const QModelIndex& AParent) const
{
    return AParent.isValid() ? 0 : rows_;
}

int PricelistModel::columnCount(const QModelIndex& AParent) const
{
    return AParent.isValid() ? 0 : ColumnCount;
}

QVariant PricelistModel::data(const QModelIndex& AIndex, int ARole) const
{
    if (!AIndex.isValid() || AIndex.row() >= rows_ || !ValidColumn(AIndex.column()))
        return {};
    const int column = AIndex.column();
    switch (ARole) {
    case Qt::DisplayRole: {
        // Past the query's rows (closed behind our back) the value is empty.
        const QString value = query_.Value(AIndex.row(), fields_[column]);
        return column == ColPrice ? PriceText(value) : value;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ColumnAlignment(column));
    default:
        return {};
    }
}

QVariant PricelistModel::headerData(int ASection, Qt::Orientation AOrientation, int ARole) const
{
    if (AOrientation != Qt::Horizontal || !ValidColumn(ASection))
        return QAbstractTableModel::headerData(ASection, AOrientation, ARole);
    switch (ARole) {
    case Qt::DisplayRole: {
        const PricelistSortMark mark = marks_[ASection];
        if (mark == PricelistSortMark::None)
            return titles_[ASection];
        const QString arrow =
            mark == PricelistSortMark::Ascending ? QStringLiteral("\u25B4") : QStringLiteral("\u25BE");
        // The mark sits on the side away from the title's alignment, so that
        // a right-aligned title keeps its edge.
        return ColumnAlignment(ASection) & Qt::AlignRight ? arrow + QLatin1Char(' ') + titles_[ASection]
                                                          : titles_[ASection] + QLatin1Char(' ') + arrow;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ColumnAlignment(ASection));
    default:
        return {};
    }
}

Qt::ItemFlags PricelistModel::flags(const QModelIndex& AIndex) const
{
    if (!AIndex.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool PricelistModel::canFetchMore(const QModelIndex& AParent) const
{
    return !AParent.isValid() && bound_ && !failed_ && query_.CanFetchMore();
}

void PricelistModel::fetchMore(const QModelIndex& AParent)
{
    if (!canFetchMore(AParent))
        return;
    // The grid keeps what it has and the owner tells the user.
    if (const Result<int> fetched = query_.FetchMore(FetchChunk); !fetched) {
        failed_ = true;
        emit FetchFailed(fetched.message());
    }
    CatchUp();
}

void PricelistModel::Reload()
{
    beginResetModel();
    bound_ = true;
    failed_ = false;
    const QStringList names = query_.Active() ? query_.FieldNames() : QStringList();
    for (int column = 0; column < ColumnCount; ++column) {
        // Field names compare as the engine compares them: without case.
        fields_[column] = -1;
        for (int i = 0; i < names.size() && fields_[column] < 0; ++i) {
            if (names.at(i).compare(ColumnField(column), Qt::CaseInsensitive) == 0)
                fields_[column] = i;
        }
    }
    rows_ = query_.Active() ? query_.FetchedCount() : 0;
    locale_ = QLocale();
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    endResetModel();
}

void PricelistModel::CatchUp()
{
    const int fetched = query_.Active() ? query_.FetchedCount() : 0;
    if (!bound_ || fetched <= rows_)
        return;
    beginInsertRows(QModelIndex(), rows_, fetched - 1);
    rows_ = fetched;
    endInsertRows();
}

Qt::Alignment PricelistModel::ColumnAlignment(int AColumn)
{
    switch (AColumn) {
    case ColProductCode:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColPrice:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QString PricelistModel::ColumnField(int AColumn)
{
    switch (AColumn) {
    case ColProductCode:
        return QStringLiteral("ProductCode");
    case ColDescription:
        return QStringLiteral("Description");
    case ColPrice:
        return QStringLiteral("Price");
    default:
        return {};
    }
}

QString PricelistModel::Title(int AColumn) const
{
    return ValidColumn(AColumn) ? titles_[AColumn] : QString();
}

void PricelistModel::SetTitle(int AColumn, const QString& ATitle)
{
    if (!ValidColumn(AColumn))
        return;
    titles_[AColumn] = ATitle;
    emit headerDataChanged(Qt::Horizontal, AColumn, AColumn);
}

PricelistSortMark PricelistModel::SortMark(int AColumn) const
{
    return ValidColumn(AColumn) ? marks_[AColumn] : PricelistSortMark::None;
}

void PricelistModel::ToggleSortMark(int AColumn)
{
    if (!ValidColumn(AColumn))
        return;
    marks_[AColumn] =
        marks_[AColumn] == PricelistSortMark::Ascending ? PricelistSortMark::Descending : PricelistSortMark::Ascending;
    emit headerDataChanged(Qt::Horizontal, AColumn, AColumn);
}

QString PricelistModel::PriceText(const QString& AStoredText) const
{
    bool ok = false;
    const double price = AStoredText.toDouble(&ok);
    if (!ok)
        return AStoredText;
    return locale_.toString(price, 'f', QLocale::FloatingPointShortest);
}

} // namespace vantor
