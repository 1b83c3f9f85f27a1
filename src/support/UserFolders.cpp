#include "support/UserFolders.h"

#include <QDir>

namespace vantor::platform {

namespace {

QString FromEnvironment(const char* AVariable, const char* AHomeDefault)
{
    const QString value = qEnvironmentVariable(AVariable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + QLatin1String(AHomeDefault));
}

} // namespace

QString UserDataFolder()
{
    return FromEnvironment("XDG_DATA_HOME", ".local/share");
}

QString UserConfigFolder()
{
    return FromEnvironment("XDG_CONFIG_HOME", ".config");
}

QString UserCacheFolder()
{
    return FromEnvironment("XDG_CACHE_HOME", ".cache");
}

QString UserStateFolder()
{
    return FromEnvironment("XDG_STATE_HOME", ".local/state");
}

} // namespace vantor::platform
