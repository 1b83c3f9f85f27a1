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
    QFile file(APath);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(ATexts(TextId::ProjectCannotOpen).arg(QDir::toNativeSeparators(APath), file.errorString()));
    if (file.size() > ProjectLimit::MaxFileBytes)
        return Failure(ATexts(TextId::ProjectNotAProject));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure(ATexts(TextId::ProjectCannotOpen).arg(QDir::toNativeSeparators(APath), file.errorString()));
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
