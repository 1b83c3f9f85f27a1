#include "dialogs/LicenceResources.h"

#include <QDir>
#include <QFile>

// The resources live in a static library: referring to their initialiser
// here makes the linker keep them in every program that reads a licence.
static void InitLicenceResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(licences);
        return true;
    }();
    Q_UNUSED(done);
}

namespace vantor {
namespace {
const QString LicenceFolder = QStringLiteral(":/licences/");
}

QStringList LicenceResourceNames()
{
    InitLicenceResources();
    return QDir(LicenceFolder).entryList(QDir::Files, QDir::Name);
}

QByteArray LoadLicenceResource(const QString& AName)
{
    for (const QString& name : LicenceResourceNames()) {
        if (name.compare(AName, Qt::CaseInsensitive) != 0)
            continue;
        QFile file(LicenceFolder + name);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    return {};
}

} // namespace vantor
