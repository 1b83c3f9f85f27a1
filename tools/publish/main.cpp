// vantor-publish: writes (and signs) VersionControl.txt for a release folder.
#include "publish/ReleasePublisher.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

namespace {

// Short enough that a manifest frozen by an attacker goes stale soon; the
// maker re-signs before then.
constexpr int DefaultValidDays = 30;

int Usage(QTextStream& err)
{
    err << "usage: vantor-publish RELEASE_FOLDER --url BASE_URL [--channel OEM_ID] [--expires YYYYMMDD]\n"
           "                      [--sign SECRET_KEY]\n"
           "  Writes RELEASE_FOLDER/VersionControl.txt for the release served at BASE_URL\n"
           "  (e.g. http://updates.example/Updates/Vantorix/0/). Versions are read from\n"
           "  the files: Program/*.Z, Data/Data.vt4 and Data/Devices.vt4,\n"
           "  Catalogues/<code>/Catalogue.vt4 and Pricelist.vt4 (each plain or in a .Z).\n"
           "  The manifest lists the size and SHA-256 of every file it links to and is\n"
           "  valid through --expires (default: 30 days from today) for the installations of\n"
           "  --channel (default: the number in BASE_URL's /Updates/Vantorix/<n>/), and\n"
           "  carries the time it was made, so that no older one is taken after it. With --sign, the\n"
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
    int channel = -1;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--url") && hasValue) {
            url = args.at(++i);
        } else if (arg == QLatin1String("--sign") && hasValue) {
            secretKey = args.at(++i);
        } else if (arg == QLatin1String("--channel") && hasValue) {
            const QString text = args.at(++i);
            bool number = false;
            channel = text.toInt(&number);
            if (!number || channel < 0 || text.size() > 9 || text.startsWith(QLatin1Char('+'))) {
                err << "vantor-publish: --channel " << text << " is no OEM id\n";
                return 2;
            }
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
    if (channel < 0)
        channel = vantor::publish::ChannelOfUrl(url);
    if (channel < 0) {
        err << "vantor-publish: " << url << " names no channel (/Updates/Vantorix/<n>/): give --channel\n";
        return 2;
    }
    vantor::publish::PublishOptions options;
    options.Stamp.Expires = expires;
    options.Stamp.Channel = channel;
    options.SecretKeyFile = secretKey;
    if (const vantor::Result<void> published = vantor::publish::PublishRelease(release, url, options); !published) {
        err << "vantor-publish: " << published.message() << "\n";
        return 1;
    }
    QTextStream out(stdout);
    out << "Wrote " << release << "/VersionControl.txt for channel " << channel << ", valid through "
        << expires.toString(Qt::ISODate) << "\n";
    if (secretKey.isEmpty())
        out << "Not signed: minisign -S -s SECRET_KEY -m " << release << "/VersionControl.txt\n";
    return 0;
}
