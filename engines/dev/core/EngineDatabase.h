// How the engine opens its databases and the pricelist: read-only, with the
// password the shell handed over, and every row fetched at once.
#pragma once

#include "support/Result.h"
#include "support/database/DbConnection.h"

#include <QHash>
#include <QList>
#include <QString>

namespace vantor::devengine {

// Sets AConnection up for AFile. The received password is the only one
// there is: no other is asked for.
void SetUpReadOnly(db::DbConnection& AConnection, const QString& AName, const QString& AFile, const QString& APassword);

// A row as text, by column name.
using TableRow = QHash<QString, QString>;

// Every row of a query, or the database layer's failure.
[[nodiscard]] Result<QList<TableRow>> Rows(db::DbConnection& AConnection, const QString& ASql);

} // namespace vantor::devengine
