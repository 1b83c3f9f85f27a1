// The project screen's edits through the loaded engine: renaming and
// removing systems, hidden prices, the recovery file and the recent list,
// reopened systems, the language, and work a killed instance left behind.
// Runs in the scratch copy of EngineProjects.ScreensKeepProjectsWithTheDemoProductData.
#include "ProjectScreenHarness.h"

namespace vantor::test {
namespace {

TEST_F(ProjectScreens, SystemsAreRenamedInPlaceAndRemovedWithTheirLines)
{
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    Size(15'000);
    Click("AddToProjectButton");
    Click("ProjectViewButton");
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    auto* accessories = Find<QTreeWidget>("AccessoryList");
    accessories->setCurrentItem(accessories->topLevelItem(0)->child(0));
    Click("AddAccessoryButton");
    ASSERT_EQ(Tree()->topLevelItem(0)->childCount(), 2);

    Tree()->topLevelItem(1)->setText(0, QStringLiteral("Server room B"));
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    Click("RemoveButton");
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), QStringLiteral("Server room B"));
    EXPECT_EQ(Tree()->topLevelItem(0)->childCount(), 1) << "only its figures: the first system's line went with it";
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().contains(QStringLiteral("1 systems")));

    // The name is the project's, and a quote's: it is saved with it.
    const QString file = folder.path() + QStringLiteral("renamed.vantor");
    ChooseFile(file);
    Click("SaveProjectButton");
    EXPECT_TRUE(folder.read(QStringLiteral("renamed.vantor")).contains("\"name\": \"Server room B\""));
}

TEST_F(ProjectScreens, HiddenPricesAreNowhereOnTheProjectScreen)
{
    record.ShowPrices = false;
    TInfoVersion version{};
    ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    Click("ProjectViewButton");
    Find<QLineEdit>("PricelistSearch")->setText(QStringLiteral("N SNM"));
    ASSERT_EQ(Find<QTreeWidget>("SearchResults")->topLevelItemCount(), 1);
    EXPECT_TRUE(Find<QTreeWidget>("SearchResults")->isColumnHidden(2));
    EXPECT_TRUE(Tree()->isColumnHidden(4));
    EXPECT_TRUE(Tree()->isColumnHidden(5));
    EXPECT_FALSE(Find<QLabel>("ProjectTotals")->isVisibleTo(EngineScreen(&container)));
    for (const QLabel* label : EngineScreen(&container)->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains(QStringLiteral("5,194"))) << label->text().toStdString();
}

TEST_F(ProjectScreens, ChangesReachTheRecoveryFileSoonAndSavedFilesTheRecentList)
{
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    // Held back for a moment, then written without anything else happening.
    const QDir state(folder.path() + QStringLiteral("state/Vantor"));
    EXPECT_TRUE(state.entryList({QStringLiteral("*.json")}).isEmpty());
    QElapsedTimer waited;
    waited.start();
    while (state.entryList({QStringLiteral("*.json")}).isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(state.entryList({QStringLiteral("*.json")}).size(), 1);

    const QString file = folder.path() + QStringLiteral("recent.vantor");
    ChooseFile(file);
    Click("SaveProjectButton");
    EXPECT_TRUE(state.entryList({QStringLiteral("*.json")}).isEmpty()) << "a clean save clears the recovery";
    Click("NewProjectButton");
    QMenu* recent = Find<QPushButton>("RecentProjectsButton")->menu();
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions().first()->data().toString(), file);
    recent->actions().first()->trigger();
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().startsWith(QStringLiteral("recent  \u00B7  1 systems")))
        << Find<QLabel>("ProjectName")->text().toStdString();
}

TEST_F(ProjectScreens, ReopenedSystemsBringBackEverySelectorsInputs)
{
    engine.SelectorRuntime();
    auto* model = Find<QComboBox>("ModelInput");
    model->setCurrentIndex(model->findData(QStringLiteral("B 6K0")));
    Find<QDoubleSpinBox>("LoadInput")->setValue(4000);
    Find<QSpinBox>("CabinetsInput")->setValue(1);
    Click("AddToProjectButton");
    engine.SelectorAdvanced();
    Find<QSpinBox>("RedundancyInput")->setValue(1);
    Find<QDoubleSpinBox>("TemperatureInput")->setValue(30);
    Size(6000);
    Click("AddToProjectButton");

    Click("ProjectViewButton");
    ASSERT_EQ(Tree()->topLevelItemCount(), 2);
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    Click("ReopenButton");
    ASSERT_NE(Find<QComboBox>("ModelInput"), nullptr) << "the runtime calculator";
    EXPECT_EQ(Find<QComboBox>("ModelInput")->currentData().toString(), QStringLiteral("B 6K0"));
    EXPECT_EQ(Find<QSpinBox>("CabinetsInput")->value(), 1);
    EXPECT_EQ(Find<QDoubleSpinBox>("LoadInput")->value(), 4000);
    // Leaving the selector drops the reopening: the next one adds again.
    Click("BackButton");
    engine.SelectorBase();
    EXPECT_EQ(Find<QPushButton>("AddToProjectButton")->text(), QStringLiteral("Add to project"));

    Click("ProjectViewButton");
    Tree()->setCurrentItem(Tree()->topLevelItem(1));
    Click("ReopenButton");
    ASSERT_NE(Find<QSpinBox>("RedundancyInput"), nullptr) << "the advanced selector";
    EXPECT_EQ(Find<QSpinBox>("RedundancyInput")->value(), 1);
    EXPECT_EQ(Find<QDoubleSpinBox>("TemperatureInput")->value(), 30);
    EXPECT_EQ(Find<QDoubleSpinBox>("LoadInput")->value(), 6000);
}

TEST_F(ProjectScreens, TheProjectScreenSpeaksTheLanguage)
{
    record.LanguageId = QStringLiteral("GER");
    TInfoVersion version{};
    ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    Click("ProjectViewButton");
    constexpr int German = 2;
    using devengine::EngineText;
    using devengine::TextId;
    EXPECT_EQ(Tree()->headerItem()->text(0), EngineText(TextId::ProjectItem, German));
    EXPECT_NE(EngineText(TextId::ProjectItem, German), EngineText(TextId::ProjectItem, 0));
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), EngineText(TextId::SystemNumber, German).arg(1));
    EXPECT_EQ(Tree()->topLevelItem(0)->text(5), QStringLiteral("5.194,50"));
    EXPECT_TRUE(Find<QLabel>("ProjectTotals")
                    ->text()
                    .contains(EngineText(TextId::NetTotal, German) + QStringLiteral(" 5.194,50")))
        << Find<QLabel>("ProjectTotals")->text().toStdString();
    EXPECT_EQ(Find<QPushButton>("NewProjectButton")->text(), EngineText(TextId::ProjectNew, German));
}

TEST_F(ProjectScreens, WorkOfAKilledInstanceIsOfferedAtTheNextSelector)
{
    QProcess probe;
    probe.start(QStringLiteral(VANTOR_PROJECT_PROBE),
                {QStringLiteral("recover"), folder.path() + QStringLiteral("state/Vantor"), QStringLiteral("-1")});
    ASSERT_TRUE(probe.waitForFinished(30'000));
    ASSERT_EQ(probe.exitStatus(), QProcess::CrashExit);

    QString question;
    Answer(QStringLiteral("Restore"), &question);
    engine.SelectorBase();
    QElapsedTimer waited;
    waited.start();
    while (question.isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(question.startsWith(QStringLiteral("Unsaved work on the project /projects/seven.vantor")))
        << question.toStdString();
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().startsWith(QStringLiteral("Project 7 (unsaved)")))
        << Find<QLabel>("ProjectName")->text().toStdString();

    // Restored, it is this instance's own work now: the next opening asks
    // nothing, and a closed engine leaves it for the one after.
    engine.SelectorAdvanced();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    engine.Uninitialize();
    TInfoVersion version{};
    ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
    question.clear();
    Answer(QStringLiteral("Discard"), &question);
    engine.SelectorBase();
    waited.restart();
    while (question.isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(question.isEmpty()) << "the unsaved work was offered again";
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().startsWith(QStringLiteral("New project")));
    EXPECT_TRUE(QDir(folder.path() + QStringLiteral("state/Vantor")).entryList({QStringLiteral("*.json")}).isEmpty());
}

} // namespace
} // namespace vantor::test
