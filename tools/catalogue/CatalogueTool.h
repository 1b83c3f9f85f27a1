// What one run of the maker's tool vantor-catalogue does, apart from reading
// its command line: every input is checked before anything is written, and a
// run that fails leaves no file behind.
#pragma once

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueSource.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vantor::tools {

// Reads and checks every source folder. Fails on a fault in a source, or when
// two sources have the same catalogue code.
[[nodiscard]] Result<QList<CatalogueSource>> ReadCatalogueSources(const QStringList& sourceFolders);

// Writes <outputFolder>/<code>/Catalogue.vt4 of each source and, for a source
// with a pricelist, Pricelist.vt4 beside it, protected by the database
// password. Existing files are replaced only with overwrite; without it, any
// existing file fails the run before anything is written. On failure every
// file and folder this call created is removed again. Returns the files
// written.
[[nodiscard]] Result<QStringList> BuildCatalogues(const QList<CatalogueSource>& sources, const QString& outputFolder,
                                                  bool overwrite);

// The engine's databases: "Data.vt4" and "Devices.vt4", kinds "Data" and
// "Devices". Empty for any other file name.
QString EngineDatabaseKind(const QString& name);
// An "Info" table with the fields "Version" and "Kind".
DatabaseContent EngineDatabaseContent(const QString& kind, const QString& version);
// Writes the engine database called name (see EngineDatabaseKind) to file,
// protected by the database password. Fails for an unknown name,
// a version that is no YYYYMMDD date, or a failed write. With a source
// folder the product tables (Data.vt4) or the device library (Devices.vt4)
// come from its CSV files (a fault there is named by file and line).
[[nodiscard]] Result<void> BuildEngineDatabase(const QString& name, const QString& version, const QString& file,
                                               bool overwrite, const QString& sourceFolder = {});

} // namespace vantor::tools
