#include "updater/uMain.h"

#include "support/FileSystem.h"

#include <QFileInfo>

namespace vantor {

TPaths Paths;

namespace {

// An empty value stays empty: "/" would make the file system's root a
// destination.
QString AsFolder(const QString& AValue)
{
    if (AValue.isEmpty() || AValue.endsWith('/'))
        return AValue;
    return AValue + '/';
}

bool IsExistingFolder(const QString& AFolder)
{
    // QFileInfo("") would name the current folder.
    return !AFolder.isEmpty() && QFileInfo(AFolder).isDir();
}

} // namespace

void ParseParameter(const QString& AParameter, TPaths& APaths, TGlobalSetupData& ASetup)
{
    const qsizetype equals = AParameter.indexOf('=');
    if (equals < 0)
        return;
    const QString name = AParameter.left(equals + 1).toUpper();
    const QString value = AParameter.mid(equals + 1);
    if (name == QLatin1String("/LF="))
        ASetup.LanguageFile = value;
    else if (name == QLatin1String("/LI="))
        ASetup.LanguageId = value.toUpper();
    else if (name == QLatin1String("/SP="))
        APaths.Source = AsFolder(value);
    else if (name == QLatin1String("/DP="))
        APaths.MainData = AsFolder(value);
    else if (name == QLatin1String("/CP="))
        APaths.Catalogues = AsFolder(value);
}

bool ReadInputParameters(const QStringList& AParameters, TPaths& APaths, TGlobalSetupData& ASetup)
{
    for (const QString& parameter : AParameters)
        ParseParameter(parameter, APaths, ASetup);
    // What is installed comes from the staging folder: one that somebody else
    // could enter, or a link to elsewhere, is never copied from.
    return !ASetup.LanguageFile.isEmpty() && QFileInfo(ASetup.LanguageFile).isFile() && !ASetup.LanguageId.isEmpty() &&
           IsExistingFolder(APaths.Source) && platform::IsPrivateFolder(APaths.Source) &&
           IsExistingFolder(APaths.MainData) && IsExistingFolder(APaths.Catalogues);
}

} // namespace vantor
