// vantor-catalogue: builds the ".vt4" databases of catalogues, pricelists and
// the engine from the maker's plain source files.
#include "catalogue/CatalogueTool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace vantor::tools;

namespace {

enum ExitCode { Success = 0, BadInput = 1, BadUsage = 2 };

const char* Description =
    "Builds the databases of a Vantor installation from plain source files.\n"
    "\n"
    "Catalogues: each --source folder holds catalogue.ini and, for a catalogue\n"
    "with a pricelist, its items CSV (see docs/catalogue-sources.md). The tool\n"
    "writes <output>/<code>/Catalogue.vt4 and, with a pricelist,\n"
    "<output>/<code>/Pricelist.vt4, protected by the database password.\n"
    "  vantor-catalogue --source demo/catalogues/380 --output build/bin/Catalogues\n"
    "\n"
    "Engine databases: Data.vt4 or Devices.vt4 with the given version, written\n"
    "to the file given by --output; with --source, the product data or the\n"
    "device library from that folder's CSV files (see docs/engine-data.md).\n"
    "  vantor-catalogue --engine-database Data.vt4 --version 20241101 --source demo/engine-data \\\n"
    "      --output build/bin/Data/Data.vt4\n"
    "\n"
    "All input is checked before anything is written; a run that fails reports\n"
    "the file and line on standard error, leaves no output behind and exits\n"
    "with 1 (2 for a wrong command line).";

int Fail(ExitCode code, const QString& message)
{
    QTextStream(stderr) << "vantor-catalogue: " << message << Qt::endl;
    return code;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantor-catalogue"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(Description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption source(QStringLiteral("source"),
                                    QStringLiteral("A catalogue's source folder (may be given several times)."),
                                    QStringLiteral("folder"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("Catalogues: the folder that receives the catalogue folders. "
                                                   "Engine database: the file to write."),
                                    QStringLiteral("path"));
    const QCommandLineOption force(QStringLiteral("force"), QStringLiteral("Replace existing output files."));
    const QCommandLineOption check(QStringLiteral("check"), QStringLiteral("Only check the sources; write nothing."));
    const QCommandLineOption engine(QStringLiteral("engine-database"),
                                    QStringLiteral("Write the engine database Data.vt4 or Devices.vt4."),
                                    QStringLiteral("name"));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Version of the engine database, a date written YYYYMMDD."),
                                     QStringLiteral("YYYYMMDD"));
    parser.addOptions({source, output, force, check, engine, version});
    if (!parser.parse(QCoreApplication::arguments()))
        return Fail(BadUsage, parser.errorText() + QStringLiteral(" (see --help)"));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(Success);
    if (!parser.positionalArguments().isEmpty())
        return Fail(
            BadUsage,
            QStringLiteral("unexpected argument \"%1\" (see --help)").arg(parser.positionalArguments().first()));

    QTextStream out(stdout);
    if (parser.isSet(engine)) {
        if (parser.isSet(check) || parser.values(source).size() > 1)
            return Fail(BadUsage,
                        QStringLiteral("--engine-database goes with at most one --source and without --check"));
        if (!parser.isSet(version) || !parser.isSet(output))
            return Fail(BadUsage, QStringLiteral("--engine-database needs --version and --output"));
        if (const vantor::Result<void> built =
                BuildEngineDatabase(parser.value(engine), parser.value(version), parser.value(output),
                                    parser.isSet(force), parser.value(source));
            !built)
            return Fail(BadInput, built.message());
        out << "wrote " << parser.value(output) << Qt::endl;
        return Success;
    }
    if (!parser.isSet(source))
        return Fail(BadUsage, QStringLiteral("give --source folders or --engine-database (see --help)"));
    if (parser.isSet(version))
        return Fail(BadUsage, QStringLiteral("--version belongs to --engine-database"));
    if (!parser.isSet(check) && !parser.isSet(output))
        return Fail(BadUsage, QStringLiteral("--source needs --output (or --check)"));

    const vantor::Result<QList<CatalogueSource>> sources = ReadCatalogueSources(parser.values(source));
    if (!sources)
        return Fail(BadInput, sources.message());
    if (parser.isSet(check)) {
        for (const CatalogueSource& catalogue : *sources)
            out << "catalogue " << catalogue.Code << " version " << catalogue.Version
                << (catalogue.HasPricelist ? QStringLiteral(", pricelist %1 with %2 items")
                                                 .arg(catalogue.Validity)
                                                 .arg(catalogue.Items.size())
                                           : QStringLiteral(", no pricelist"))
                << Qt::endl;
        return Success;
    }
    const vantor::Result<QStringList> written = BuildCatalogues(*sources, parser.value(output), parser.isSet(force));
    if (!written)
        return Fail(BadInput, written.message());
    for (const QString& file : *written)
        out << "wrote " << file << Qt::endl;
    return Success;
}
