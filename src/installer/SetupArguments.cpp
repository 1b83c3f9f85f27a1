#include "installer/SetupArguments.h"

namespace vantor::installer {

namespace {

// "/LANG=ENG" and "/LANG=\"ENG\"" alike: Windows-style hand-offs may quote.
QString Unquoted(QString AValue)
{
    if (AValue.size() >= 2 && AValue.startsWith(QLatin1Char('"')) && AValue.endsWith(QLatin1Char('"')))
        AValue = AValue.mid(1, AValue.size() - 2);
    return AValue;
}

} // namespace

std::optional<TSetupArguments> ParseSetupArguments(const QStringList& AArguments, QString* AError)
{
    TSetupArguments result;
    const auto fail = [AError](const QString& AWhy) -> std::optional<TSetupArguments> {
        if (AError != nullptr)
            *AError = AWhy;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < AArguments.size(); ++i) {
        const QString& argument = AArguments.at(i);
        if (argument.startsWith(QLatin1String("/LANG="), Qt::CaseInsensitive)) {
            result.LanguageId = Unquoted(argument.mid(6)).trimmed();
            if (result.LanguageId.isEmpty())
                return fail(QStringLiteral("/LANG= needs a language identifier"));
        } else if (argument.startsWith(QLatin1String("/DIR="), Qt::CaseInsensitive)) {
            result.HandOffFolder = Unquoted(argument.mid(5));
            if (result.HandOffFolder.isEmpty())
                return fail(QStringLiteral("/DIR= needs a folder"));
        } else if (argument == QLatin1String("--folder")) {
            if (i + 1 >= AArguments.size() || AArguments.at(i + 1).isEmpty())
                return fail(QStringLiteral("--folder needs a folder"));
            result.Folder = AArguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--folder="))) {
            result.Folder = argument.mid(9);
            if (result.Folder.isEmpty())
                return fail(QStringLiteral("--folder needs a folder"));
        } else if (argument == QLatin1String("--uninstall")) {
            result.Uninstall = true;
        } else if (argument == QLatin1String("--purge")) {
            result.Purge = true;
        } else if (argument == QLatin1String("--quiet")) {
            result.Quiet = true;
        } else if (argument == QLatin1String("--force")) {
            result.Force = true;
        } else {
            return fail(QStringLiteral("unknown option: %1").arg(argument));
        }
    }
    if (result.Purge && !result.Uninstall)
        return fail(QStringLiteral("--purge goes with --uninstall"));
    if (result.Force && result.Uninstall)
        return fail(QStringLiteral("--force goes with an install, not --uninstall"));
    return result;
}

QString SetupUsage()
{
    return QStringLiteral(
        "Usage: Setup [/LANG=ENG] [/DIR=FOLDER] [--folder DIR] [--force] [--uninstall [--purge]] [--quiet]\n");
}

} // namespace vantor::installer
