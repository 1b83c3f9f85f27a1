// Test entry: a QApplication on the offscreen platform, so that widget code
// runs without a display, and the user's cache and state folders in a
// scratch folder, so that no test reaches the real ones.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir userFolders;
    for (const char* variable : {"XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(variable, QFile::encodeName(userFolders.path() + '/' + QLatin1String(variable)));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
