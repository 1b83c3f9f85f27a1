// How the engine opens its databases and the pricelist: read-only, with the
// password the shell handed over, and every row fetched at once.
#pragma once

#include "support/database/DbConnection.h"

#include <QHash>
#include <QList>
#include <QString>

namespace vantor::devengine {

// Sets AConnection up for AFile. The received password is the only one
// there is: no other is asked for.
void SetUpReadOnly(db::DbConnection& AConnection, const QString& AName, const QString& AFile, const QString& APassword);

// Every row of a query as text, by column name. Raises the database
// layer's errors.
QList<QHash<QString, QString>> Rows(db::DbConnection& AConnection, const QString& ASql);

} // namespace vantor::devengine
