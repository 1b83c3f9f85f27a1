#include "installer/DatabaseVersion.h"

#include "common/uConstants.h"
#include "support/database/DbConnection.h"
#include "support/database/DbQuery.h"

#include <QFileInfo>

namespace vantor::installer {

long DatabaseDate(const QString& AFileName)
{
    const QString name = QFileInfo(AFileName).fileName();
    const bool pricelist = name.compare(QLatin1String("Pricelist.vt4"), Qt::CaseInsensitive) == 0;
    const bool catalogue = name.compare(QLatin1String("Catalogue.vt4"), Qt::CaseInsensitive) == 0;
    db::DbConnection connection;
    connection.DatabaseName = name;
    connection.FileName = AFileName;
    connection.ReadOnly = true;
    // Catalogues are plain files; pricelists and the engine's databases are protected.
    if (!catalogue)
        connection.Password = QString::fromLatin1(DatabasePassword);
    connection.OnPassword = [](db::DbConnection&, bool& AContinue) { AContinue = false; };
    db::DbQuery query(connection);
    query.Sql = pricelist ? QStringLiteral("SELECT Validity FROM Info") : QStringLiteral("SELECT Version FROM Info");
    if (!query.Open())
        return 0;
    if (query.FetchedCount() < 1 && query.FetchMore(1).valueOr(0) < 1)
        return 0;
    bool ok = false;
    const long date = query.Value(0, 0).trimmed().toLong(&ok);
    return ok && date > 0 ? date : 0;
}

} // namespace vantor::installer
