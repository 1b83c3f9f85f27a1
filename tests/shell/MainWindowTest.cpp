// The main window's rules and its behaviour on a prepared installation with a
// test engine (tests/mock/RecordingEngine.cpp).
#include "ShellUnderTest.h"
#include "catalogue/CatalogueBuilder.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/InstalledVersion.h"
#include "i18n/uLanguages.h"
#include "shell/ItemLabel.h"
#include "shell/MainWindowLogic.h"
#include "shell/TDebugThread.h"
#include "shell/dlgMain.h"
#include "support/WindowChannel.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/ResultChecks.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

const QByteArray Translations = R"(<?xml version="1.0" encoding="UTF-8"?>
<LST_TRANSLATIONS>
  <TRANSLATION translation_ids="IDS_COMMON_01"><LST_VALUES>
    <VALUE value_language="ENG" value_string="English"/></LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_WIZ_BASE_01"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Base selection"/></LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_WIZ_ADVANCED_01"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Advanced selection"/></LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_CONTAINER_02"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Setup"/></LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_CONTAINER_03"><LST_VALUES>
    <VALUE value_language="ENG" value_string="About"/></LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_CONTAINER_25"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Catalogue"/></LST_VALUES></TRANSLATION>
</LST_TRANSLATIONS>
)";

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalSetupData = TGlobalSetupData{};
        InstalledVersion = TInstalledVersion{};
        vantor::test::ExpectOk(tools::WriteDatabase(program.path() + "Catalogues/380/Catalogue.vt4", {},
                                                    tools::CatalogueContent("380", "20240115"), true));
        program.write("Lang/Languages.xml", Translations);
        WriteSettings("0");
    }
    void TearDown() override { GlobalSetupData = TGlobalSetupData{}; }

    void WriteSettings(const QByteArray& debugMode)
    {
        program.write("Vantor.ini", "[Updates]\nbAutoCheck=0\n[Language]\niLangId=ENG\n[Catalogue]\nsCode=380\nsPath=" +
                                        program.path().toUtf8() +
                                        "Catalogues\n[Misc]\niOemId=0\nbDebugMode=" + debugMode + "\n");
    }
    void InstallEngine(const char* variant)
    {
        QFile::remove(program.path() + "libEngine.so");
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTOR_TEST_ENGINES_DIR "/%1/libEngine.so").arg(variant),
                                program.path() + "libEngine.so"));
    }

    TempFolder program;
    TempFolder tmp;
    ScopedEnv tmpdir{"TMPDIR", tmp.path()};
};

} // namespace

TEST(MainWindowTitle, CarriesBrandingCatalogueAndTheMarkersInOrder)
{
    TGlobalSetupData settings;
    EXPECT_EQ(ComposeTitleWindow("Maronel", "Vantorix", {4, 2, 7, 99}), "Maronel Vantorix - 4.2.7");
    EXPECT_EQ(ComposeTitleWindow("M%3", "V%1 %2", {4, 2, 7, 99}), "M%3 V%1 %2 - 4.2.7") << "engine texts stay literal";
    EXPECT_EQ(ComposeTitle("M V - 1.0.0", "Catalogue", "Italy", settings), "M V - 1.0.0  [Catalogue : ITALY]");
    EXPECT_EQ(ComposeTitle("M V - 1.0.0", "Catalogue", "", settings), "M V - 1.0.0  [Catalogue : ]");
    EXPECT_EQ(ComposeTitle("T", "Catalogo", "Côte d'Ivoire", settings), "T  [Catalogo : CôTE D'IVOIRE]")
        << "only a to z are upper-cased";

    settings.DebugMode = true;
    settings.AdvancedOptions = {true, true, true, true, true};
    EXPECT_EQ(ComposeTitle("T", "C", "x", settings),
              "T  [C : X]  [DEBUG MODE]  [SHOW ALL CFG]  [UNLIMITED BATTERY CABS]  [SHOW AUTONOMY WITHOUT ...]");
    settings = TGlobalSetupData{};
    settings.AdvancedOptions.SortSolutionsByPrice = true;
    settings.AdvancedOptions.HideThreePhaseUps = true;
    EXPECT_EQ(ComposeTitle("T", "C", "x", settings), "T  [C : X]") << "these two have no marker";
}

TEST(MainWindowSize, FollowsTheScreenDensity)
{
    const QMargins frame(1, 20, 1, 5);
    const auto clientSize = [&](int dpi, qreal ratio, const QRect& workArea, const QMargins& margins = {}) {
        return MainWindowClientSize({dpi, ratio, workArea}, margins, 48);
    };
    const QRect wide(0, 0, 1920, 1040);
    EXPECT_EQ(clientSize(96, 1.0, wide), QSize(1020, 630));
    EXPECT_EQ(clientSize(96, 1.0, wide, frame), QSize(1020, 630));
    // 1146 x 758 device pixels with the frame.
    EXPECT_EQ(clientSize(120, 1.0, wide, frame), QSize(1144, 733));
    // Qt's scaling at 125 %: 917 x 606 logical, reduced to a work area of 1024
    // x 768 device pixels (819 x 614 logical), frame included.
    EXPECT_EQ(clientSize(120, 1.25, QRect(0, 0, 819, 614)), QSize(819, 606));
    EXPECT_EQ(clientSize(120, 1.25, QRect(0, 0, 819, 614), frame), QSize(817, 581));
    EXPECT_EQ(clientSize(144, 1.5, QRect(0, 0, 1000, 700), frame), QSize(998, 675));
    EXPECT_EQ(clientSize(110, 1.0, wide), DesignedClientSize);
    // A work area smaller than the window at 96 dpi: nothing lies off the screen.
    EXPECT_EQ(clientSize(96, 1.0, QRect(0, 0, 800, 600), frame), QSize(798, 575));
    EXPECT_EQ(CentredLeft(499, 600), -50) << "truncated toward zero";
}

TEST_F(MainWindow, StartsWithCaptionsBrandingAndTheWelcomeView)
{
    InstallEngine("result0");
    RecordingPresenter boxes;
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(window.windowTitle(), "Maker Product - 3.1.4  [Catalogue : ITALY]");
    EXPECT_EQ(InstalledVersion.Product, (vantor::TInfoVersion{3, 1, 4, 1}));
    EXPECT_EQ(static_cast<QLabel*>(window.control<QWidget>("pnlTitle"))->text(), " Product");
    EXPECT_EQ(static_cast<QLabel*>(window.control<QWidget>("pnlTitle"))->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.item("lblUpsSelectorBase")->text(), "Base selection");
    EXPECT_EQ(window.item("lblAbout")->text(), "About");
    EXPECT_TRUE(window.item("lblUpsSelectorModular")->isHidden());
    EXPECT_TRUE(window.item("lblUpsSelectorRuntime")->isHidden());
    EXPECT_FALSE(window.item("lblUpsSelectorModular")->isEnabled()) << "no devices database";
    EXPECT_TRUE(window.control<QWidget>("pnlContainer")->isHidden());
    EXPECT_FALSE(window.control<QWidget>("pnlWelcome")->isHidden());
    EXPECT_EQ(window.minimumSize(), window.size());
    EXPECT_EQ(window.control<QWidget>("pnlWelcome")->x(), CentredLeft(window.width(), 600));
}

TEST_F(MainWindow, DebugModeShowsItsMarker)
{
    WriteSettings("1");
    InstallEngine("result0");
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    EXPECT_TRUE(window.windowTitle().endsWith("  [DEBUG MODE]"));
}

TEST_F(MainWindow, TheEnginesCallbackSwitchesBetweenWelcomeAndContainer)
{
    InstallEngine("result0");
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    window.item("lblUpsSelectorBase")->Clicked(); // the test engine's base selector calls back (0, 1)
    EXPECT_FALSE(window.control<QWidget>("pnlContainer")->isHidden());
    EXPECT_TRUE(window.control<QWidget>("pnlWelcome")->isHidden());
    EXPECT_TRUE(window.control<QLabel>("imgLogo")->isHidden());
    window.EnginePanelCallback(true, false);
    EXPECT_TRUE(window.control<QWidget>("pnlContainer")->isHidden());
    EXPECT_FALSE(window.control<QWidget>("pnlWelcome")->isHidden());
}

TEST_F(MainWindow, TheEntriesWorkFromTheKeyboardAndAreButtonsToScreenReaders)
{
    InstallEngine("result0");
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    window.show();
    QApplication::setActiveWindow(window.widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.widget()));
    EXPECT_FALSE(window.item("lblUpsSelectorBase")->hasFocus()) << "nothing is highlighted before the user moves";

    // Tab reaches the first entry, which shows the focus as the hover does.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.widget(), Qt::Key_Tab);
    ASSERT_TRUE(window.item("lblUpsSelectorBase")->hasFocus());
    EXPECT_EQ(window.item("lblUpsSelectorBase")->text(), "BASE SELECTION");
    QTest::keyClick(window.item("lblUpsSelectorBase"), Qt::Key_Tab);
    EXPECT_TRUE(window.item("lblUpsSelectorAdvanced")->hasFocus());
    EXPECT_EQ(window.item("lblUpsSelectorBase")->text(), "Base selection");

    // Space or Return opens it (the test engine's base selector shows the container).
    QSignalSpy advanced(window.item("lblUpsSelectorAdvanced"), &TItemLabel::Clicked);
    QTest::keyClick(window.item("lblUpsSelectorAdvanced"), Qt::Key_Space);
    EXPECT_EQ(advanced.count(), 1);
    QTest::keyClick(window.item("lblUpsSelectorAdvanced"), Qt::Key_Backtab);
    ASSERT_TRUE(window.item("lblUpsSelectorBase")->hasFocus());
    QTest::keyClick(window.item("lblUpsSelectorBase"), Qt::Key_Return);
    EXPECT_FALSE(window.control<QWidget>("pnlContainer")->isHidden());

    for (TItemLabel* label : {window.item("lblUpsSelectorBase"), window.item("lblSetup"), window.item("lblAbout")}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::Button);
        EXPECT_EQ(accessible->text(QAccessible::Name),
                  label == window.item("lblSetup") ? "Setup" : label->accessibleName());
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
    }
}

// A click gives an entry the focus; that must not keep it highlighted once
// the pointer moves on, and never two entries at once.
TEST_F(MainWindow, AClickedEntryLetsGoWhenThePointerMovesToAnother)
{
    InstallEngine("result0");
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    window.show();
    QApplication::setActiveWindow(window.widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.widget()));
    const auto highlighted = [&window] {
        QStringList names;
        for (const TItemLabel* label : window.findChildren<TItemLabel*>())
            if (label->font().bold())
                names << label->objectName();
        return names;
    };

    // The setup dialog opens from the click and is closed with Escape.
    QTimer::singleShot(50, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseMove(window.item("lblSetup"), window.item("lblSetup")->rect().center());
    QTest::mouseClick(window.item("lblSetup"), Qt::LeftButton, {}, window.item("lblSetup")->rect().center());
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
    // Back from the dialog (the offscreen platform does not activate by itself).
    QApplication::setActiveWindow(window.widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.widget()));
    EXPECT_TRUE(window.item("lblSetup")->hasFocus()) << "the click gave it the focus";

    QTest::mouseMove(window.item("lblAbout"), window.item("lblAbout")->rect().center());
    EXPECT_EQ(window.item("lblSetup")->text(), "Setup");
    EXPECT_EQ(window.item("lblAbout")->text(), "ABOUT");
    EXPECT_EQ(highlighted().join(", ").toStdString(), "lblAbout");

    // With the focus from the keyboard on one entry and the pointer on another, only one shows.
    QTest::keyClick(window.item("lblSetup"), Qt::Key_Backtab);
    EXPECT_TRUE(window.item("lblUpsSelectorAdvanced")->hasFocus() || window.item("lblUpsSelectorBase")->hasFocus());
    EXPECT_EQ(highlighted().size(), 1) << highlighted().join(", ").toStdString();
}

TEST_F(MainWindow, HoverEmphasisesEnabledItemsAndRestoresTheTranslatedCaption)
{
    InstallEngine("result0");
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());

    window.item("lblSetup")->MouseEnter();
    EXPECT_EQ(window.item("lblSetup")->text(), "SETUP");
    EXPECT_TRUE(window.item("lblSetup")->font().bold());
    EXPECT_EQ(window.item("lblSetup")->font().pointSize(), 12);
    window.item("lblSetup")->MouseLeave();
    EXPECT_EQ(window.item("lblSetup")->text(), "Setup");
    EXPECT_FALSE(window.item("lblSetup")->font().bold());
    EXPECT_EQ(window.item("lblSetup")->font().pointSize(), 12) << "stays at the hover size";

    window.item("lblUpsSelectorBase")->MouseEnter();
    EXPECT_EQ(window.item("lblUpsSelectorBase")->font().pointSize(), 16);

    const QString before = window.item("lblUpsSelectorModular")->text();
    const QFont fontBefore = window.item("lblUpsSelectorModular")->font();
    window.item("lblUpsSelectorModular")->MouseEnter();
    window.item("lblUpsSelectorModular")->MouseLeave();
    EXPECT_EQ(window.item("lblUpsSelectorModular")->text(), before) << "disabled: nothing changes";
    EXPECT_EQ(window.item("lblUpsSelectorModular")->font(), fontBefore);
}

TEST_F(MainWindow, EngineFailuresAreFatalWithTheirOwnText)
{
    const struct {
        const char* variant;
        const char* text;
    } cases[] = {{nullptr, "Error loading the engine."},
                 {"result1", "Error initializing the engine."},
                 {"resultminus1", "Error initializing the engine."},
                 {"noinit", "Error initializing the engine."}};
    for (const auto& c : cases) {
        QFile::remove(program.path() + "libEngine.so");
        if (c.variant != nullptr)
            InstallEngine(c.variant);
        RecordingPresenter boxes;
        TShellUnderTest window(program.path());
        EXPECT_FALSE(window.IsEngineReady()) << c.text;
        ASSERT_EQ(boxes.shown.size(), 1) << c.text;
        EXPECT_EQ(boxes.shown[0].Text, QString::fromLatin1(c.text) + "\r\nImpossible to continue.");
    }
}

TEST_F(MainWindow, ResultSevenStartsAndMissingBrandingKeepsTheInitialCaption)
{
    InstallEngine("result7");
    {
        TShellUnderTest window(program.path());
        EXPECT_TRUE(window.IsEngineReady());
    }
    InstallEngine("nooem");
    RecordingPresenter boxes;
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(window.windowTitle(), "Vantor");
    EXPECT_TRUE(window.control<QLabel>("imgLogo")->isHidden());
}

TEST_F(MainWindow, AQuitRequestFromAnotherProcessClosesTheWindow)
{
    InstallEngine("result0");
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    window.show();
    ASSERT_GE(platform::WindowChannel::CountRunning("TFrmVantorMain"), 1);

    // A second process asks, as the updater does.
    QProcess client;
    client.start(QStringLiteral(VANTOR_REQUEST_QUIT), {});
    ASSERT_TRUE(client.waitForFinished(10000));
    EXPECT_GE(client.readAllStandardOutput().trimmed().toInt(), 1);
    QElapsedTimer timer;
    timer.start();
    while (window.isVisible() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindow, FirstIdleWorkRunsOnceAndChecksForUpdatesOnlyWhenAsked)
{
    InstallEngine("result0");
    int checks = 0;
    {
        TShellUnderTest window(program.path()); // bAutoCheck=0
        window.session().SetUpdateCheck([&checks] { ++checks; });
        ASSERT_TRUE(window.IsEngineReady());
        window.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(checks, 0);
    }
    program.write("Vantor.ini", program.read("Vantor.ini").replace("bAutoCheck=0", "bAutoCheck=1"));
    {
        TShellUnderTest window(program.path());
        window.session().SetUpdateCheck([&checks] { ++checks; });
        ASSERT_TRUE(window.IsEngineReady());
        window.show();
        QCoreApplication::processEvents();
        window.hide();
        window.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(checks, 1) << "once per run";
    }
}

TEST(CompanionPrograms, OnlyThosePresentAreStarted)
{
    TempFolder root;
    const QString marker = root.path() + "started-by-Dbg4";
    const QString script = root.write("Dbg4", QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QPointer<TDebugThread> thread = new TDebugThread(root.path()); // Dbg3 is absent
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(marker) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(QFile::exists(marker));
    if (thread)
        thread->wait(5000); // it deletes itself once the event loop sees it finish
}
