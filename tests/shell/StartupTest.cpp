// The start-up sequence of the main window on prepared program folders: each
// failure shows exactly one fatal box and keeps the message loop from running.
#include "ShellUnderTest.h"
#include "catalogue/CatalogueBuilder.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/InstalledVersion.h"
#include "i18n/uLanguages.h"
#include "shell/SetupData.h"
#include "shell/dlgMain.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/ResultChecks.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

const QByteArray MinimalTranslations = R"(<?xml version="1.0" encoding="UTF-8"?>
<LST_TRANSLATIONS>
  <TRANSLATION translation_ids="IDS_COMMON_01">
    <LST_VALUES>
      <VALUE value_language="REF" value_string="Reference"/>
      <VALUE value_language="ENG" value_string="English"/>
    </LST_VALUES>
  </TRANSLATION>
  <TRANSLATION translation_ids="IDS_COMMON_51">
    <LST_VALUES><VALUE value_language="ENG" value_string="Error"/></LST_VALUES>
  </TRANSLATION>
</LST_TRANSLATIONS>
)";

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalSetupData = TGlobalSetupData{};
        InstalledVersion = TInstalledVersion{};
    }
    void TearDown() override
    {
        UnloadTranslations();
        GlobalSetupData = TGlobalSetupData{};
    }

    // A complete installation: configuration, translations, a catalogue with a pricelist.
    void Install(const QByteArray& oemId = "0")
    {
        vantor::test::ExpectOk(tools::WriteDatabase(program.path() + "Catalogues/380/Catalogue.vt4", {},
                                                    tools::CatalogueContent("380", "20240115"), true));
        vantor::test::ExpectOk(
            tools::WriteDatabase(program.path() + "Catalogues/380/Pricelist.vt4", QLatin1String(DatabasePassword),
                                 tools::PricelistContent("380", "20240201", {{"A 1K0 IT", "UPS", 349}}), true));
        program.write("Vantor.ini", "[Updates]\nbAutoCheck=0\n[Language]\niLangId=eng\n[Catalogue]\nsCode=380\nsPath=" +
                                        program.path().toUtf8() + "Catalogues\n[Misc]\niOemId=" + oemId +
                                        "\nbShowPrices=1\n");
        program.write("Lang/Languages.xml", MinimalTranslations);
        InstallEngine("result0");
    }

    // One of the test engines, as the program's libEngine.so.
    void InstallEngine(const char* variant)
    {
        QFile::remove(program.path() + "libEngine.so");
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTOR_TEST_ENGINES_DIR "/%1/libEngine.so").arg(variant),
                                program.path() + "libEngine.so"));
    }

    void ExpectOneFatalBox(const RecordingPresenter& boxes, const QString& firstLine)
    {
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_EQ(boxes.shown[0].Title, "Vantorix");
        EXPECT_EQ(boxes.shown[0].Text, firstLine + "\r\nImpossible to continue.");
        EXPECT_EQ(boxes.shown[0].Kind, TMsgDlgType::mtError);
        EXPECT_EQ(boxes.shown[0].Buttons, unsigned{mbOK});
        EXPECT_EQ(boxes.beeps, 1);
    }

    TempFolder program;
    TempFolder tmp;
    ScopedEnv cache{"XDG_CACHE_HOME", tmp.path()};
};

} // namespace

TEST_F(Startup, MissingConfigurationIsFatal)
{
    program.write("Lang/Languages.xml", MinimalTranslations);
    RecordingPresenter boxes;
    TShellUnderTest window(program.path());
    ExpectOneFatalBox(boxes, "Error while loading the configuration.");
    EXPECT_FALSE(window.IsEngineReady());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Startup, OemIdOutsideTheAllowedSetIsFatal)
{
    Install("1");
    RecordingPresenter boxes;
    TShellUnderTest window(program.path());
    ExpectOneFatalBox(boxes, "Error while loading the configuration.");
    EXPECT_FALSE(window.IsEngineReady());
}

TEST_F(Startup, MissingOrForeignTranslationFileIsFatalWithTheBareFileName)
{
    Install();
    QFile::remove(program.path() + "Lang/Languages.xml");
    {
        RecordingPresenter boxes;
        TShellUnderTest window(program.path());
        ExpectOneFatalBox(boxes, "Language file \"Languages.xml\" not found.");
        EXPECT_FALSE(window.IsEngineReady());
    }
    program.write("Lang/Languages.xml", "<lst_translations/>");
    {
        RecordingPresenter boxes;
        TShellUnderTest window(program.path());
        ExpectOneFatalBox(boxes, "Language file \"Languages.xml\" not found.");
        EXPECT_FALSE(window.IsEngineReady());
    }
}

TEST_F(Startup, ACompleteInstallationStartsWithoutAnyMessage)
{
    Install("3");
    RecordingPresenter boxes;
    TShellUnderTest window(program.path());
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_TRUE(window.IsEngineReady());
    EXPECT_EQ(GlobalSetupData.RootPath, program.path());
    EXPECT_EQ(GlobalSetupData.LanguageId, "ENG");
    EXPECT_EQ(GlobalSetupData.UsageType, TUsageType::utKelvra);
    EXPECT_EQ(GetText("IDS_COMMON_51"), "Error");
    ASSERT_EQ(InstalledVersion.Catalogues.size(), 1);
    EXPECT_EQ(InstalledVersion.Catalogues[0].Code, "380");
    EXPECT_EQ(window.FindIndexOfInstalledCatalogue("380"), 0);
    EXPECT_TRUE(GlobalSetupData.Database.Pricelist.IsValid);
}

TEST_F(Startup, NoValidCatalogueIsFatal)
{
    Install();
    QFile::remove(program.path() + "Catalogues/380/Catalogue.vt4");
    RecordingPresenter boxes;
    TShellUnderTest window(program.path());
    ExpectOneFatalBox(boxes, "Error while loading the Product Catalogue database.");
    EXPECT_FALSE(window.IsEngineReady());
}

TEST_F(Startup, LeftoverStagingFolderIsGoneBeforeTheConfigurationIsRead)
{
    tmp.write("Vantor/Staging/Data/Data.vt4", "old download");
    QFile::setPermissions(tmp.path() + "Vantor/Staging", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    RecordingPresenter boxes; // the configuration is missing: start-up fails
    TShellUnderTest window(program.path());
    EXPECT_FALSE(QFile::exists(tmp.path() + "Vantor/Staging"));
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST_F(Startup, AdvancedOptionsStartOff)
{
    Install();
    GlobalSetupData.AdvancedOptions.ShowAllConfigurations = true;
    GlobalSetupData.AdvancedOptions.HideThreePhaseUps = true;
    RecordingPresenter boxes;
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    EXPECT_FALSE(GlobalSetupData.AdvancedOptions.ShowAllConfigurations);
    EXPECT_FALSE(GlobalSetupData.AdvancedOptions.HideThreePhaseUps);
}

TEST(LoadSetupData, DerivesEveryLocationFromTheProgramFolder)
{
    TempFolder program;
    TempFolder elsewhere;
    elsewhere.makeFolder("250");
    program.write("Vantor.ini", "[Catalogue]\nsCode=250\nsPath=" + elsewhere.path().toUtf8() + "\n[Misc]\niOemId=0\n");
    program.write("Data/Devices.vt4", "devices");

    TGlobalSetupData data;
    QString checkedFolder;
    QString checkedCode;
    const PricelistCheck check = [&](const QString& folder, const QString& code, QString& version) {
        checkedFolder = folder;
        checkedCode = code;
        version = "20240101";
        return true;
    };
    ASSERT_TRUE(LoadSetupData(data, program.path().chopped(1), check));
    EXPECT_EQ(data.RootPath, program.path());
    EXPECT_EQ(data.SetupFile, program.path() + "Vantor.ini");
    EXPECT_EQ(data.LanguageFile, program.path() + "Lang/Languages.xml");
    EXPECT_EQ(data.CataloguePath, elsewhere.path() + "250/");
    EXPECT_EQ(data.Database.Catalogue.sName, elsewhere.path() + "250/Catalogue.vt4");
    EXPECT_EQ(data.Database.Pricelist.sPassword, "R4Vu7kad9e");
    EXPECT_EQ(data.Database.Devices.sName, program.path() + "Data/Devices.vt4");
    EXPECT_TRUE(data.Database.Devices.IsValid);
    EXPECT_TRUE(data.Database.Pricelist.IsValid);
    EXPECT_FALSE(data.AsPlugin);
    // The installed catalogues are always looked for inside the program folder.
    EXPECT_EQ(CataloguesFolder, program.path() + "Catalogues/");
    EXPECT_EQ(checkedFolder, program.path() + "Catalogues/");
    EXPECT_EQ(checkedCode, "250");
}

TEST(LoadSetupData, AFailedReadLeavesTheLaterLocationsAlone)
{
    TempFolder program;
    program.write("Vantor.ini", "[Catalogue]\nsCode=250\nsPath=/nonexistent\n[Misc]\niOemId=0\n");
    TGlobalSetupData data;
    data.LanguageFile = "unchanged";
    data.AsPlugin = true;
    EXPECT_FALSE(LoadSetupData(data, program.path(), {}));
    EXPECT_EQ(data.LanguageFile, "unchanged");
    EXPECT_FALSE(data.AsPlugin);
    EXPECT_EQ(data.SetupFile, program.path() + "Vantor.ini");
    EXPECT_EQ(data.CatalogueCode, "250"); // values read before the check stay
}

TEST(LoadSetupData, MissingDevicesDatabaseOnlyMarksItInvalid)
{
    TempFolder program;
    program.makeFolder("Catalogues/380");
    program.makeFolder("Data/Devices.vt4"); // a folder is no database file
    program.write("Vantor.ini",
                  "[Catalogue]\nsCode=380\nsPath=" + program.path().toUtf8() + "Catalogues/\n[Misc]\niOemId=0\n");
    TGlobalSetupData data;
    ASSERT_TRUE(LoadSetupData(data, program.path(), {}));
    EXPECT_FALSE(data.Database.Devices.IsValid);
    EXPECT_FALSE(data.Database.Pricelist.IsValid);
    EXPECT_EQ(data.UsageType, TUsageType::utMaronel);
}
