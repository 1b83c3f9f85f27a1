// vantor-publish: writes VersionControl.txt for a release folder.
#include "publish/ReleasePublisher.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() != 3 || args.at(1) != QLatin1String("--url")) {
        err << "usage: vantor-publish RELEASE_FOLDER --url BASE_URL\n"
               "  Writes RELEASE_FOLDER/VersionControl.txt for the release served at BASE_URL\n"
               "  (e.g. http://updates.example/Updates/Vantorix/0/). Versions are read from\n"
               "  the files: Program/*.Z, Data/Data.vt4 and Data/Devices.vt4,\n"
               "  Catalogues/<code>/Catalogue.vt4 and Pricelist.vt4 (each plain or in a .Z).\n";
        return 2;
    }
    try {
        vantor::publish::PublishRelease(args.at(0), args.at(2));
    } catch (const vantor::publish::PublishError& error) {
        err << "vantor-publish: " << error.what() << "\n";
        return 1;
    }
    QTextStream(stdout) << "Wrote " << args.at(0) << "/VersionControl.txt\n";
    return 0;
}
