// The updater wears the skin of the branding its installation is set to.
#include "updater/UpdaterSkin.h"
#include "common/uGlobals.h"
#include "skins/SkinManager.h"
#include "testlib/TempFolder.h"

#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

TEST(UpdaterSkin, FollowsTheOemIdentifierOfTheInstallationAndStaysPlainWithoutIt)
{
    const TGlobalSetupData saved = GlobalSetupData;
    TempFolder installation;
    for (const char* skin : {"Maronel", "Kelvra"})
        installation.write(
            QStringLiteral("Skins/%1.asz").arg(skin),
            QStringLiteral("QPushButton { color: #%1; }").arg(skin[0] == 'K' ? "123456" : "654321").toUtf8());

    ApplyUpdaterSkin(installation.path());
    EXPECT_TRUE(qApp->styleSheet().isEmpty()) << "no configuration file: Qt's plain look";

    installation.write("Vantor.ini", "[Misc]\niOemId=3\n");
    ApplyUpdaterSkin(installation.path());
    ASSERT_NE(DefaultSkinManager(), nullptr);
    EXPECT_TRUE(DefaultSkinManager()->SkinFile().endsWith("Skins/Kelvra.asz"));
    EXPECT_TRUE(qApp->styleSheet().contains("#123456"));

    installation.write("Vantor.ini", "[Misc]\niOemId=0\n");
    ApplyUpdaterSkin(installation.path());
    EXPECT_TRUE(qApp->styleSheet().contains("#654321"));

    DefaultSkinManager()->SetActive(false);
    GlobalSetupData = saved;
}

} // namespace
} // namespace vantor::test
