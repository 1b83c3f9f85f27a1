// vantor-publish: writes (and signs) VersionControl.txt for a release folder.
#include "publish/ReleasePublisher.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

namespace {

constexpr int DefaultValidDays = 90;

int Usage(QTextStream& err)
{
    err << "usage: vantor-publish RELEASE_FOLDER --url BASE_URL [--expires YYYYMMDD] [--sign SECRET_KEY]\n"
           "  Writes RELEASE_FOLDER/VersionControl.txt for the release served at BASE_URL\n"
           "  (e.g. http://updates.example/Updates/Vantorix/0/). Versions are read from\n"
           "  the files: Program/*.Z, Data/Data.vt4 and Data/Devices.vt4,\n"
           "  Catalogues/<code>/Catalogue.vt4 and Pricelist.vt4 (each plain or in a .Z).\n"
           "  The manifest lists the size and SHA-256 of every file it links to and is\n"
           "  valid through --expires (default: 90 days from today). With --sign, the\n"
           "  minisign program signs it with SECRET_KEY (it asks for the key's password);\n"
           "  without, sign it afterwards: minisign -S -s SECRET_KEY -m VersionControl.txt\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    QString release, url, secretKey;
    QDate expires = QDate::currentDate().addDays(DefaultValidDays);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--url") && hasValue) {
            url = args.at(++i);
        } else if (arg == QLatin1String("--sign") && hasValue) {
            secretKey = args.at(++i);
        } else if (arg == QLatin1String("--expires") && hasValue) {
            const QString text = args.at(++i);
            expires = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
            if (text.size() != 8 || !expires.isValid()) {
                err << "vantor-publish: --expires " << text << " is no date YYYYMMDD\n";
                return 2;
            }
        } else if (!arg.startsWith(QLatin1String("--")) && release.isEmpty()) {
            release = arg;
        } else {
            return Usage(err);
        }
    }
    if (release.isEmpty() || url.isEmpty())
        return Usage(err);
    try {
        vantor::publish::PublishRelease(release, url, {expires, secretKey});
    } catch (const vantor::publish::PublishError& error) {
        err << "vantor-publish: " << error.what() << "\n";
        return 1;
    }
    QTextStream out(stdout);
    out << "Wrote " << release << "/VersionControl.txt, valid through " << expires.toString(Qt::ISODate) << "\n";
    if (secretKey.isEmpty())
        out << "Not signed: minisign -S -s SECRET_KEY -m " << release << "/VersionControl.txt\n";
    return 0;
}
