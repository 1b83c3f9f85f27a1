// Asks every running main window of this user to quit, as the updater does,
// and prints how many were asked.
#include "support/WindowChannel.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int asked = vantor::platform::WindowChannel::RequestQuitAll(QStringLiteral("TFrmVantorMain"));
    std::printf("%d\n", asked);
    return 0;
}
