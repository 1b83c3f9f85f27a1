#include "dev/core/RecentProjects.h"

#include "support/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vantor::devengine {

namespace {

const QString ListKey = QStringLiteral("Recent/Files");

QStringList Stored(QSettings& ASettings)
{
    return ASettings.value(ListKey).toStringList();
}

bool Store(QSettings& ASettings, const QStringList& AFiles)
{
    ASettings.setValue(ListKey, AFiles);
    ASettings.sync();
    return ASettings.status() == QSettings::NoError;
}

} // namespace

QString RecentProjectsFile()
{
    return platform::UserConfigFolder() + QStringLiteral("/Vantor/RecentProjects.ini");
}

QStringList RecentProjects(const QString& ASettingsFile)
{
    QSettings settings(ASettingsFile, QSettings::IniFormat);
    const QStringList stored = Stored(settings);
    QStringList kept;
    for (const QString& file : stored)
        if (!file.isEmpty() && QFileInfo(file).isFile() && !kept.contains(file) && kept.size() < MaxRecentProjects)
            kept.append(file);
    // A failed write only keeps the missing ones listed until next time.
    if (kept != stored)
        (void)Store(settings, kept);
    return kept;
}

Result<void> AddRecentProject(const QString& ASettingsFile, const QString& AProject, const EngineTexts& ATexts)
{
    const QString file = QDir::cleanPath(QFileInfo(AProject).absoluteFilePath());
    QDir().mkpath(QFileInfo(ASettingsFile).absolutePath());
    QSettings settings(ASettingsFile, QSettings::IniFormat);
    QStringList files = Stored(settings);
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > MaxRecentProjects)
        files.removeLast();
    if (!Store(settings, files))
        return Failure(ATexts(TextId::RecentCannotWrite).arg(QDir::toNativeSeparators(ASettingsFile)));
    return Ok();
}

} // namespace vantor::devengine
