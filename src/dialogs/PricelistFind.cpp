#include "dialogs/PricelistFind.h"

namespace vantor {

std::optional<QString> PricelistKeyOfEntry(const QString& AEntry)
{
    constexpr int KeyCharacters = 6;
    if (AEntry.size() < KeyCharacters)
        return std::nullopt;
    return QStringLiteral("%1 %2 %3").arg(AEntry.mid(0, 1), AEntry.mid(1, 3), AEntry.mid(4, 2));
}

QString PricelistFindCaption(const QString& AMenuCaption)
{
    QString caption = AMenuCaption;
    const qsizetype mark = caption.indexOf(QLatin1Char('&'));
    if (mark >= 0)
        caption.remove(mark, 1);
    return caption;
}

QString PricelistNotFoundText(const QString& AEntry)
{
    return QStringLiteral("\"%1\" not found").arg(AEntry);
}

} // namespace vantor
