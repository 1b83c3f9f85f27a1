// Stands in for a running main program: listens under the main window's
// class name, says "listening" once it does, and quits when asked to (exit
// code 0); with --hang it ignores the request, as a program that hangs
// would. It gives up by itself after 30 seconds (exit code 2).
#include "support/WindowChannel.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    vantor::platform::WindowChannel channel;
    if (!channel.Listen(QStringLiteral("TFrmVantorMain")))
        return 3;
    const bool hang = app.arguments().contains(QStringLiteral("--hang"));
    QObject::connect(&channel, &vantor::platform::WindowChannel::QuitRequested, &app, [hang] {
        if (!hang)
            QCoreApplication::exit(0);
    });
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(2); });
    std::printf("listening\n");
    std::fflush(stdout);
    return app.exec();
}
