// Initialisation and uninitialisation of the loaded engine.
#include "EngineHarness.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

class EngineInit : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(engine.IsLoaded());
        ClearPanelCalls();
        container.resize(1000, 540);
    }

    LoadedEngine engine;
    QWidget container;
    InitRecord record{&container};
};

TEST_F(EngineInit, ExportsEveryEntryPointByName)
{
    EXPECT_NE(engine.Initialize, nullptr);
    EXPECT_NE(engine.Uninitialize, nullptr);
    EXPECT_NE(engine.GetOemData, nullptr);
    EXPECT_NE(engine.SelectorAdvanced, nullptr);
    EXPECT_NE(engine.SelectorBase, nullptr);
    EXPECT_NE(engine.SelectorModular, nullptr);
    EXPECT_NE(engine.SelectorRuntime, nullptr);
    // The database layer linked into the engine stays private to it.
    EXPECT_EQ(engine.Symbol("_ZN6vantor2db12DbConnection4OpenEv"), nullptr);
}

TEST_F(EngineInit, ReportsItsVersionAndZeroForDatabasesThatAreNotThere)
{
    // The engine reads Data/ beside the running program, here the test
    // program's build folder, which has none.
    ASSERT_FALSE(QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/Data")));
    TInfoVersion engineVersion{-1, -1, -1, -1};
    TInfoVersion main{9, 9, 9, 9};
    TInfoVersion devices{9, 9, 9, 9};
    EXPECT_EQ(engine.Initialize(record.Get(), &engineVersion, &main, &devices), ENGINE_INIT_OK_WITH_NOTICE);
    EXPECT_EQ(engineVersion, ProjectVersion);
    EXPECT_EQ(main, (TInfoVersion{0, 0, 0, 0}));
    EXPECT_EQ(devices, (TInfoVersion{0, 0, 0, 0}));
    EXPECT_TRUE(PanelCalls().empty()) << "initialisation shows nothing";
}

TEST_F(EngineInit, RefusesAMissingRecordAndToleratesMissingVersionRecords)
{
    TInfoVersion version{};
    const int32_t refused = engine.Initialize(nullptr, &version, &version, &version);
    EXPECT_NE(refused, ENGINE_INIT_OK);
    EXPECT_NE(refused, ENGINE_INIT_OK_WITH_NOTICE);
    // Not initialised: a selector does nothing.
    engine.SelectorBase();
    EXPECT_EQ(EngineScreen(&container), nullptr);

    const int32_t result = engine.Initialize(record.Get(), nullptr, nullptr, nullptr);
    EXPECT_TRUE(result == ENGINE_INIT_OK || result == ENGINE_INIT_OK_WITH_NOTICE) << result;
}

TEST_F(EngineInit, KeepsCopiesOfTheRecordsTexts)
{
    record.LanguageId = QStringLiteral("ITA");
    record.CataloguePath = QStringLiteral("/nowhere/Catalogues/380/");
    record.Options = QStringLiteral("DEBUG_MODE|SORT_BY_PRICE");
    TInfoVersion version{};
    engine.Initialize(record.Get(), &version, &version, &version);
    record.Scramble();

    engine.SelectorBase();
    QWidget* screen = EngineScreen(&container);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("SelectorTitle"))->text(),
              QStringLiteral("Selettore UPS base"));
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("SettingCatalogue"))->property("fullText").toString(),
              QStringLiteral("/nowhere/Catalogues/380/"));
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("SettingOptions"))->property("fullText").toString(),
              QStringLiteral("DEBUG_MODE, SORT_BY_PRICE"));
    ASSERT_EQ(PanelCalls().size(), 1u);
    EXPECT_EQ(PanelCalls()[0], (PanelCall{0, 1}));
}

TEST_F(EngineInit, UninitialisesAndInitialisesAgainWithNewSettings)
{
    TInfoVersion version{};
    engine.Initialize(record.Get(), &version, &version, &version);
    engine.SelectorAdvanced();
    ASSERT_NE(EngineScreen(&container), nullptr);

    engine.Uninitialize();
    EXPECT_EQ(EngineScreen(&container), nullptr) << "the screen leaves with the settings";
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
    engine.SelectorAdvanced();
    EXPECT_EQ(EngineScreen(&container), nullptr) << "nothing to show after uninitialising";
    EXPECT_EQ(PanelCalls().size(), 1u) << "uninitialising does not call the host back";

    record.UsageType = 1;
    record.LanguageId = QStringLiteral("GER");
    const int32_t result = engine.Initialize(record.Get(), &version, &version, &version);
    EXPECT_TRUE(result == ENGINE_INIT_OK || result == ENGINE_INIT_OK_WITH_NOTICE) << result;
    engine.SelectorRuntime();
    QWidget* screen = EngineScreen(&container);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("SelectorTitle"))->text(),
              QStringLiteral("Überbrückungszeit berechnen"));
    EXPECT_TRUE(screen->findChild<QLabel*>(QStringLiteral("ProductLine"))->text().contains(QStringLiteral("Kelvra")));
}

TEST_F(EngineInit, UnknownLanguagesReadEnglish)
{
    record.LanguageId = QStringLiteral("XYZ");
    TInfoVersion version{};
    engine.Initialize(record.Get(), &version, &version, &version);
    engine.SelectorModular();
    QWidget* screen = EngineScreen(&container);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("SelectorTitle"))->text(),
              QStringLiteral("Modular UPS selector"));
}

} // namespace
} // namespace vantor::test
