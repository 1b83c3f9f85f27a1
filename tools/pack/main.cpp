// vantor-pack: creates, lists and unpacks update packages (".Z").
#include "pack/PackageInputs.h"
#include "pack/PackageWriter.h"
#include "update/ZlibMultiple.h"

#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

using namespace vantor;
using namespace vantor::pack;

namespace {

enum ExitCode { Success = 0, Failure = 1, BadUsage = 2 };

const char* Usage = "usage:\n"
                    "  vantor-pack create PACKAGE [--root DIR] FILE_OR_FOLDER...\n"
                    "      Packs the files and folders (walked in sorted order), stored with\n"
                    "      paths relative to DIR (default: the current folder). Empty files\n"
                    "      are left out. The package is written completely or not at all.\n"
                    "  vantor-pack list PACKAGE\n"
                    "      Prints the stored path of every entry, one a line, in package order.\n"
                    "  vantor-pack unpack PACKAGE [DEST]\n"
                    "      Unpacks into DEST (default: the package's folder), replacing\n"
                    "      existing files. The package is kept.\n"
                    "\n"
                    "Exit status: 0 on success, 1 on failure, 2 for a wrong command line.\n";

int Fail(const QString& message)
{
    QTextStream(stderr) << "vantor-pack: " << message << Qt::endl;
    return Failure;
}

int WrongCommandLine()
{
    QTextStream(stderr) << Usage;
    return BadUsage;
}

int Create(QStringList arguments)
{
    if (arguments.isEmpty())
        return WrongCommandLine();
    const QString package = arguments.takeFirst();
    QString root = QStringLiteral(".");
    QStringList inputs;
    bool optionsEnd = false;
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (optionsEnd || !argument.startsWith(u'-') || argument == u"-") {
            inputs << argument;
        } else if (argument == u"--") {
            optionsEnd = true;
        } else if (argument == u"--root") {
            if (arguments.isEmpty())
                return WrongCommandLine();
            root = arguments.takeFirst();
        } else if (argument.startsWith(u"--root=")) {
            root = argument.mid(7);
        } else {
            return WrongCommandLine();
        }
    }
    if (inputs.isEmpty() || root.isEmpty())
        return WrongCommandLine();
    const Result<QList<PackageInput>> collected = CollectInputs(root, inputs, package);
    if (!collected)
        return Fail(collected.message());
    if (const Result<void> written = WritePackage(package, *collected); !written)
        return Fail(written.message());
    return Success;
}

int List(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return WrongCommandLine();
    QStringList paths;
    if (const auto listed = TZlibMultiple().ListStoredFiles(arguments.first(), paths); !listed)
        return Fail(listed.message());
    QTextStream out(stdout);
    for (const QString& path : paths)
        out << path << '\n';
    return Success;
}

int Unpack(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments.size() > 2)
        return WrongCommandLine();
    const QString package = arguments.first();
    const QString destination = arguments.size() == 2 ? arguments.at(1) : QFileInfo(package).path();
    if (const auto unpacked = TZlibMultiple().DecompressFile(package, destination, true, true); !unpacked)
        return Fail(unpacked.message());
    return Success;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.size() == 1 && (arguments.first() == u"--help" || arguments.first() == u"-h")) {
        QTextStream(stdout) << Usage;
        return Success;
    }
    // Only Qt and the standard library throw here (out of memory).
    try {
        const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
        if (command == u"create")
            return Create(arguments);
        if (command == u"list")
            return List(arguments);
        if (command == u"unpack")
            return Unpack(arguments);
        return WrongCommandLine();
    } catch (const std::exception& error) {
        return Fail(QString::fromLocal8Bit(error.what()));
    }
}
