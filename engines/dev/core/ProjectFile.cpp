#include "dev/core/ProjectFile.h"

#include "dev/core/AtomicFile.h"
#include "dev/core/ProjectFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vantor::devengine {

QString DefaultProjectFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir::cleanPath(documents + QStringLiteral("/Vantor Projects"));
}

Result<Project> OpenProjectFile(const QString& APath, const EngineTexts& ATexts)
{
    // A folder, a pipe or a device is no project; reading one could block
    // or never end.
    const QFileInfo facts(APath);
    if (facts.exists() && !facts.isFile())
        return Failure(ATexts(TextId::ProjectNotAProject));
    QFile file(APath);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(ATexts(TextId::ProjectCannotOpen).arg(QDir::toNativeSeparators(APath), file.errorString()));
    const QByteArray bytes = file.read(ProjectLimit::MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Failure(ATexts(TextId::ProjectCannotOpen).arg(QDir::toNativeSeparators(APath), file.errorString()));
    if (bytes.size() > ProjectLimit::MaxFileBytes)
        return Failure(ATexts(TextId::ProjectNotAProject));
    return ReadProject(bytes, ATexts);
}

Result<void> SaveProjectFile(const QString& APath, const Project& AProject, const EngineTexts& ATexts)
{
    const auto values = CheckProjectValues(AProject, ATexts);
    if (!values)
        return Failure(ATexts(TextId::ProjectCannotSave).arg(QDir::toNativeSeparators(APath), values.message()));
    const QByteArray bytes = WriteProject(AProject);
    const QString folder = QFileInfo(APath).absolutePath();
    if (!QDir().mkpath(folder))
        return Failure(
            ATexts(TextId::ProjectCannotSave).arg(QDir::toNativeSeparators(APath), ATexts(TextId::FolderNotCreated)));
    const auto written = WriteFileAtomically(APath, bytes);
    if (!written)
        return Failure(ATexts(TextId::ProjectCannotSave).arg(QDir::toNativeSeparators(APath), written.message()));
    return Ok();
}

} // namespace vantor::devengine
