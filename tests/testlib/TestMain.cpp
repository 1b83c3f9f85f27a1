// Test entry: a QApplication on the offscreen platform, so that widget code
// runs without a display, and the user's cache, state and runtime folders in
// a scratch folder of the process, so that no test reaches the real ones and
// tests running side by side never see each other's main programs.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir userFolders; // made 0700, as a runtime folder must be
    for (const char* variable : {"XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(variable, QFile::encodeName(userFolders.path() + '/' + QLatin1String(variable)));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(userFolders.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
