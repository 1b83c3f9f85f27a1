#include "skins/SkinManager.h"

#include "testlib/RecordingPresenter.h"
#include "testlib/TempFolder.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

// Each test gets an installation folder of its own and leaves the program's
// settings, the default manager and the application's look as they were.
class SkinManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalSetupData.RootPath = folder.path();
        GlobalSetupData.AsPlugin = false;
    }
    void TearDown() override
    {
        delete DefaultSkinManager();
        GlobalSetupData = TGlobalSetupData();
        qApp->setStyleSheet(QString());
    }

    TempFolder folder;
    RecordingPresenter presenter;
};

TEST_F(SkinManagerTest, AnExistingSkinFileBecomesTheApplicationsStyleSheet)
{
    GlobalSetupData.UsageType = TUsageType::utKelvra;
    folder.write("Skins/Kelvra.asz", "QDialog { background-color: #24282c; }\n");
    folder.write("Skins/Maronel.asz", "QDialog { background-color: #ffffff; }\n");
    TSkinManager manager;

    ApplySkin(manager, GlobalSetupData.UsageType, GlobalSetupData.RootPath);
    EXPECT_EQ(DefaultSkinManager(), &manager);
    EXPECT_TRUE(manager.Active());
    EXPECT_EQ(manager.SkinName(), "Kelvra");
    EXPECT_EQ(manager.SkinFolder(), folder.path() + "Skins/");
    EXPECT_TRUE(manager.ExtendedBorders());
    EXPECT_TRUE(manager.TreeClassNames().contains(QString::fromLatin1(EngineTreeClassName)));
    EXPECT_TRUE(qApp->styleSheet().contains("#24282c"));
    EXPECT_TRUE(presenter.shown.isEmpty());

    manager.SetActive(false);
    EXPECT_FALSE(manager.Active());
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST_F(SkinManagerTest, AMissingSkinFileLeavesThePlainLookWithoutAMessage)
{
    GlobalSetupData.UsageType = TUsageType::utKelvra;
    folder.write("Skins/Maronel.asz", "QDialog { background-color: #ffffff; }\n");
    TSkinManager manager;

    ApplySkin(manager, GlobalSetupData.UsageType, GlobalSetupData.RootPath);
    EXPECT_FALSE(manager.Active());
    EXPECT_EQ(manager.SkinName(), "Kelvra");
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_EQ(presenter.beeps, 0);
}

TEST_F(SkinManagerTest, VariantsOutsideTheTableWearMaronel)
{
    GlobalSetupData.UsageType = static_cast<TUsageType>(9);
    folder.write("Skins/Maronel.asz", "QDialog { background-color: #123456; }\n");
    ApplySkin(GlobalSetupData.UsageType, GlobalSetupData.RootPath);
    ASSERT_NE(DefaultSkinManager(), nullptr);
    EXPECT_TRUE(DefaultSkinManager()->Active());
    EXPECT_TRUE(qApp->styleSheet().contains("#123456"));
}

TEST_F(SkinManagerTest, ASkinFolderNamedLikeTheFileIsNoSkin)
{
    folder.makeFolder("Skins/Maronel.asz");
    ApplySkin(GlobalSetupData.UsageType, GlobalSetupData.RootPath);
    EXPECT_FALSE(DefaultSkinManager()->Active());
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST_F(SkinManagerTest, SkinPicturesAreFoundBesideTheSkin)
{
    folder.write("Skins/Maronel.asz", "QCheckBox::indicator:checked { image: url(Maronel/check.png); }\n");
    ApplySkin(GlobalSetupData.UsageType, GlobalSetupData.RootPath);
    EXPECT_TRUE(qApp->styleSheet().contains("url(\"" + folder.path() + "Skins/Maronel/check.png\")"));
}

TEST_F(SkinManagerTest, ASheetSetBySomeoneElseSurvivesDeactivation)
{
    folder.write("Skins/Maronel.asz", "QDialog { color: red; }\n");
    TSkinManager manager;
    ApplySkin(manager, GlobalSetupData.UsageType, GlobalSetupData.RootPath);
    qApp->setStyleSheet("QLabel { color: blue; }");
    manager.SetActive(false);
    EXPECT_EQ(qApp->styleSheet(), "QLabel { color: blue; }");
}

TEST_F(SkinManagerTest, ADestroyedManagerIsNoLongerTheDefault)
{
    {
        TSkinManager manager;
        manager.MakeDefault();
        EXPECT_EQ(DefaultSkinManager(), &manager);
    }
    EXPECT_EQ(DefaultSkinManager(), nullptr);
}

} // namespace
} // namespace vantor::test
