#include "dev/core/DatabaseVersion.h"

#include "dev/core/EngineDatabase.h"
#include "support/database/DbTable.h"

#include <QDate>
#include <QFileInfo>

namespace vantor::devengine {

std::optional<QString> ReadDatabaseVersionText(const QString& file, const QString& password)
{
    // A read-only open never creates a file, but a missing one needs no
    // attempt at all.
    if (!QFileInfo(file).isFile())
        return std::nullopt;
    db::DbConnection connection;
    SetUpReadOnly(connection, QStringLiteral("EngineData"), file, password);
    db::DbTable info(connection);
    info.TableName = QStringLiteral("Info");
    if (!info.Open())
        return std::nullopt;
    const Result<QString> version = info.FieldAsText(QStringLiteral("Version"));
    info.Close();
    connection.Close();
    if (!version)
        return std::nullopt;
    return *version;
}

std::optional<TInfoVersion> VersionFromDateText(const QString& text)
{
    if (text.size() != 8)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const QDate date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    if (!date.isValid() || date.year() > 32767)
        return std::nullopt;
    return TInfoVersion{static_cast<int16_t>(date.year()), static_cast<int16_t>(date.month()),
                        static_cast<int16_t>(date.day()), 0};
}

std::optional<TInfoVersion> ReadDatabaseVersion(const QString& file, const QString& password)
{
    const std::optional<QString> text = ReadDatabaseVersionText(file, password);
    if (!text)
        return std::nullopt;
    return VersionFromDateText(*text);
}

} // namespace vantor::devengine
