// The setup dialog driven through its controls on the offscreen platform.
#include "SetupDialogFixture.h"

#include "dialogs/dlgSetup.h"
#include "testlib/AccessibleControls.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/TempFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

namespace vantor::test {
namespace {

using SetupDialogTest = SetupDialogFixture;

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// Shows the dialog as its opener does, which loads the values.
void Open(TFrmSetup& dialog)
{
    dialog.show();
    QApplication::processEvents();
}

void ExpectSettingsAre(const TGlobalSetupData& expected)
{
    const TGlobalSetupData& actual = GlobalSetupData;
    EXPECT_EQ(actual.LanguageId, expected.LanguageId);
    EXPECT_EQ(actual.CatalogueCode, expected.CatalogueCode);
    EXPECT_EQ(actual.AutoCheckUpdates, expected.AutoCheckUpdates);
    EXPECT_EQ(actual.ShowPrices, expected.ShowPrices);
    EXPECT_EQ(actual.AdvancedOptions.ShowAllConfigurations, expected.AdvancedOptions.ShowAllConfigurations);
    EXPECT_EQ(actual.AdvancedOptions.UnlimitedBatteryCabs, expected.AdvancedOptions.UnlimitedBatteryCabs);
    EXPECT_EQ(actual.AdvancedOptions.SortSolutionsByPrice, expected.AdvancedOptions.SortSolutionsByPrice);
    EXPECT_EQ(actual.AdvancedOptions.HideThreePhaseUps, expected.AdvancedOptions.HideThreePhaseUps);
    EXPECT_EQ(actual.AdvancedOptions.ShowTechDataAutonomyLower, expected.AdvancedOptions.ShowTechDataAutonomyLower);
}

// Runs Step on the setup dialog once RunSetupDialog has it open; a dialog
// still open five seconds later is closed, so that a failing test ends.
void WhenOpen(const std::function<void(TFrmSetup&)>& step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<TFrmSetup*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal setup dialog";
            return;
        }
        step(*dialog);
    });
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}

TEST_F(SetupDialogTest, CaptionsComeFromTheCurrentLanguage)
{
    GlobalSetupData.LanguageId = QStringLiteral("GER");
    SetTextLanguage(GlobalSetupData.LanguageId);
    TFrmSetup dialog;
    const QTabWidget* pages = dialog.PageControl;
    const std::pair<QString, const char*> captions[] = {
        {dialog.windowTitle(), "IDS_CONTAINER_02"},
        {pages->tabText(pages->indexOf(dialog.TabGeneral)), "IDS_CONTAINER_19"},
        {dialog.grpCatalogues->title(), "IDS_CONTAINER_25"},
        {dialog.grpLanguages->title(), "IDS_CONTAINER_04"},
        {dialog.grpMiscellaneous->title(), "IDS_COMMON_61"},
        {dialog.chkAutoUpdate->text(), "IDS_CONTAINER_06"},
        {dialog.chkShowPrices->text(), "IDS_CONTAINER_27"},
        {pages->tabText(pages->indexOf(dialog.TabAdvanced)), "IDS_CONTAINER_15"},
        {dialog.chkShowAllConfigurations->text(), "IDS_CONTAINER_16"},
        {dialog.chkUnlimitedBatteryCabs->text(), "IDS_CONTAINER_20"},
        {dialog.chkSortSolutionByPrice->text(), "IDS_CONTAINER_26"},
        {dialog.chkShowAutonomyLower->text(), "IDS_CONTAINER_28"},
    };
    for (const auto& [caption, id] : captions) {
        EXPECT_FALSE(caption.isEmpty()) << id;
        EXPECT_EQ(caption, GetText(QLatin1String(id))) << id;
    }
    EXPECT_EQ(dialog.pnlCommands->ButtonOk()->text(), "OK");
    EXPECT_EQ(dialog.pnlCommands->ButtonCancel()->text(), "Abbrechen");
    EXPECT_EQ(pages->currentWidget(), dialog.TabGeneral);
    EXPECT_EQ(dialog.size(), QSize(423, 350));
}

TEST_F(SetupDialogTest, ListsInstalledCataloguesOfTheTableAlphabeticallyAndSelectsTheConfiguredOne)
{
    {
        TFrmSetup dialog;
        EXPECT_EQ(Items(dialog.cmbCatalogues), QStringList({"France and countries with French standard", "Italy"}));
        EXPECT_EQ(dialog.cmbCatalogues->currentText(), "Italy");
        EXPECT_FALSE(dialog.cmbCatalogues->isEditable());
    }
    for (const char* code : {"999", "826", ""}) { // not in the table; not installed; none
        GlobalSetupData.CatalogueCode = QString::fromLatin1(code);
        TFrmSetup dialog;
        EXPECT_EQ(dialog.cmbCatalogues->count(), 2);
        EXPECT_EQ(dialog.cmbCatalogues->currentIndex(), -1) << code;
    }
}

TEST_F(SetupDialogTest, SelectsTheLanguageByItsIdentifierWrittenAsInTheFile)
{
    struct Case {
        const char* id;
        QString selected;
    };
    const Case cases[] = {{"ENG", "English"}, {"ITA", "Italiano"}, {"eng", {}}, {"REF", {}}, {"", {}}};
    for (const Case& c : cases) {
        GlobalSetupData.LanguageId = QString::fromLatin1(c.id);
        SetTextLanguage(GlobalSetupData.LanguageId);
        TFrmSetup dialog;
        Open(dialog);
        // The reference language is never offered.
        EXPECT_EQ(Items(dialog.cmbLanguages), QStringList({"Deutsch", "English", "Español", "Français", "Italiano",
                                                           "Magyar", "Polski", "Português do Brasil", "Русский"}));
        EXPECT_EQ(dialog.cmbLanguages->currentText(), c.selected) << c.id;
        EXPECT_EQ(dialog.cmbLanguages->currentIndex() >= 0, !c.selected.isEmpty()) << c.id;
    }
}

TEST_F(SetupDialogTest, ShowingLoadsTheSwitchesAndRebuildsTheLanguageList)
{
    GlobalSetupData.AutoCheckUpdates = true;
    GlobalSetupData.ShowPrices = false;
    GlobalSetupData.AdvancedOptions = {true, false, true, true, false};
    TFrmSetup dialog;
    AvailableLanguages.clear();
    Open(dialog);
    EXPECT_TRUE(dialog.chkAutoUpdate->isChecked());
    EXPECT_FALSE(dialog.chkShowPrices->isChecked());
    EXPECT_TRUE(dialog.chkShowAllConfigurations->isChecked());
    EXPECT_FALSE(dialog.chkUnlimitedBatteryCabs->isChecked());
    EXPECT_TRUE(dialog.chkSortSolutionByPrice->isChecked());
    EXPECT_FALSE(dialog.chkShowAutonomyLower->isChecked());
    EXPECT_EQ(AvailableLanguages.size(), 9);
    EXPECT_EQ(dialog.cmbLanguages->count(), 9);
}

TEST_F(SetupDialogTest, OkStoresTheChoicesAndClosesTheDialog)
{
    GlobalSetupData.AdvancedOptions.HideThreePhaseUps = true;
    GlobalSetupData.DebugMode = true;
    TFrmSetup dialog;
    Open(dialog);
    dialog.cmbLanguages->setCurrentIndex(0); // the first name listed
    dialog.cmbCatalogues->setCurrentText("France and countries with French standard");
    dialog.chkAutoUpdate->setChecked(true);
    dialog.chkShowPrices->setChecked(true);
    dialog.chkShowAllConfigurations->setChecked(true);
    dialog.chkUnlimitedBatteryCabs->setChecked(true);
    dialog.chkSortSolutionByPrice->setChecked(true);
    dialog.chkShowAutonomyLower->setChecked(true);
    RecordingPresenter presenter;

    dialog.pnlCommands->ButtonOk()->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(presenter.shown.isEmpty());
    TGlobalSetupData expected;
    expected.LanguageId = "GER";
    expected.CatalogueCode = "250";
    expected.AutoCheckUpdates = true;
    expected.ShowPrices = true;
    expected.AdvancedOptions = {true, true, true, true, true};
    ExpectSettingsAre(expected);
}

TEST_F(SetupDialogTest, CancelAndTheCloseBoxChangeNothing)
{
    GlobalSetupData.DebugMode = true;
    GlobalSetupData.AdvancedOptions.UnlimitedBatteryCabs = true;
    const TGlobalSetupData before = GlobalSetupData;
    for (bool closeBox : {false, true}) {
        TFrmSetup dialog;
        Open(dialog);
        dialog.cmbLanguages->setCurrentText("Polski");
        dialog.cmbCatalogues->setCurrentIndex(0);
        for (QCheckBox* check : dialog.findChildren<QCheckBox*>())
            check->toggle();
        if (closeBox)
            dialog.close();
        else
            dialog.pnlCommands->ButtonCancel()->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
        ExpectSettingsAre(before);
    }
}

TEST_F(SetupDialogTest, OkWithoutAChoiceSaysWhatIsMissingAndStaysOpen)
{
    GlobalSetupData.LanguageId = QStringLiteral("REF");
    SetTextLanguage(GlobalSetupData.LanguageId);
    GlobalSetupData.CatalogueCode = QStringLiteral("999");
    const TGlobalSetupData before = GlobalSetupData;
    const QString chooseCatalogue = GetText(CatalogueMissingTextId);
    const QString chooseLanguage = GetText(LanguageMissingTextId);
    ASSERT_FALSE(chooseCatalogue.isEmpty());
    ASSERT_FALSE(chooseLanguage.isEmpty());
    RecordingPresenter presenter;
    TFrmSetup dialog;
    Open(dialog);
    dialog.chkShowPrices->toggle();

    dialog.pnlCommands->ButtonOk()->click();
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0].Text, chooseCatalogue + "\r\n" + chooseLanguage);
    EXPECT_EQ(presenter.shown[0].Kind, TMsgDlgType::mtWarning);
    EXPECT_EQ(presenter.shown[0].Title, GetText("IDS_COMMON_50"));

    dialog.cmbCatalogues->setCurrentIndex(1);
    dialog.pnlCommands->ButtonOk()->click();
    ASSERT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(presenter.shown[1].Text, chooseLanguage);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ExpectSettingsAre(before);

    dialog.cmbLanguages->setCurrentText("English");
    dialog.pnlCommands->ButtonOk()->click();
    EXPECT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(GlobalSetupData.LanguageId, "ENG");
    EXPECT_EQ(GlobalSetupData.CatalogueCode, "380");
}

TEST_F(SetupDialogTest, WithoutLanguagesInTheFileTheListStaysEmpty)
{
    TempFolder folder;
    ASSERT_TRUE(LoadTranslations(
        folder.write("Languages.xml", "<LST_TRANSLATIONS><TRANSLATION translation_ids=\"IDS_COMMON_20\"><LST_VALUES>"
                                      "<VALUE value_language=\"ENG\" value_string=\"OK\"/></LST_VALUES></TRANSLATION>"
                                      "</LST_TRANSLATIONS>")));
    RecordingPresenter presenter;
    TFrmSetup dialog;
    Open(dialog);
    EXPECT_EQ(dialog.cmbLanguages->count(), 0);
    dialog.pnlCommands->ButtonOk()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(GlobalSetupData.LanguageId, "ENG");
}

TEST_F(SetupDialogTest, TheAdvancedPageOnlyInDebugModeYetItsOptionsAreKept)
{
    GlobalSetupData.AdvancedOptions = {true, true, false, true, true};
    {
        TFrmSetup dialog;
        Open(dialog);
        EXPECT_FALSE(dialog.AdvancedPageShown());
        EXPECT_FALSE(dialog.PageControl->tabBar()->isTabVisible(1));
        dialog.pnlCommands->ButtonOk()->click();
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        const TAdvancedOptions& options = GlobalSetupData.AdvancedOptions;
        EXPECT_TRUE(options.ShowAllConfigurations);
        EXPECT_TRUE(options.UnlimitedBatteryCabs);
        EXPECT_FALSE(options.SortSolutionsByPrice);
        EXPECT_TRUE(options.HideThreePhaseUps);
        EXPECT_TRUE(options.ShowTechDataAutonomyLower);
    }
    GlobalSetupData.DebugMode = true;
    TFrmSetup dialog;
    Open(dialog);
    EXPECT_TRUE(dialog.AdvancedPageShown());
    EXPECT_EQ(dialog.TabAdvanced->findChildren<QCheckBox*>().size(), 4);
}

TEST_F(SetupDialogTest, CommandPanelFollowsTheBrandingVariant)
{
    struct Case {
        TUsageType usage;
        int okLeft, cancelLeft;
        bool bold, okFirst;
    };
    const Case cases[] = {
        {TUsageType::utMaronel, 248, 333, false, false},
        {TUsageType::utKelvra, 248, 333, false, false},
        {TUsageType::utPorvik, 333, 248, true, true},
    };
    for (const Case& c : cases) {
        UseVariant(c.usage);
        TFrmSetup dialog;
        Open(dialog);
        const TCommandPanelEx* panel = dialog.pnlCommands;
        const QPushButton* ok = panel->ButtonOk();
        const QPushButton* cancel = panel->ButtonCancel();
        const int variant = static_cast<int>(c.usage);
        EXPECT_EQ(panel->geometry(), QRect(0, 307, 423, 43)) << variant;
        EXPECT_EQ(ok->geometry(), QRect(c.okLeft, 9, 80, 30)) << variant;
        EXPECT_EQ(cancel->geometry(), QRect(c.cancelLeft, 9, 80, 30)) << variant;
        EXPECT_EQ(ok->font().bold(), c.bold) << variant;
        EXPECT_EQ(SkinSection(ok), "BUTTON_OK");
        EXPECT_EQ(SkinSection(cancel), "BUTTON");
        EXPECT_EQ(panel->OkFirstInTabOrder(), c.okFirst) << variant;

        // The page control comes before the panel in the tab order.
        int pagePosition = -1, buttonPosition = -1, position = 0;
        for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain(), ++position) {
            if (pagePosition < 0 && (w == dialog.PageControl || w == dialog.PageControl->tabBar()))
                pagePosition = position;
            if (buttonPosition < 0 && (w == ok || w == cancel))
                buttonPosition = position;
        }
        EXPECT_GE(pagePosition, 0);
        EXPECT_LT(pagePosition, buttonPosition);
    }
}

TEST_F(SetupDialogTest, RunSetupDialogTellsWhetherTheUserConfirmed)
{
    QWidget owner;
    owner.setGeometry(100, 100, 1000, 700);
    RecordingPresenter presenter;

    WhenOpen([](TFrmSetup& dialog) {
        dialog.chkShowPrices->setChecked(true);
        dialog.pnlCommands->ButtonCancel()->click();
    });
    EXPECT_FALSE(RunSetupDialog(&owner));
    EXPECT_FALSE(GlobalSetupData.ShowPrices);

    WhenOpen([](TFrmSetup& dialog) {
        // Placed before it was shown, when it had no frame yet.
        EXPECT_EQ(dialog.pos(), QPoint(100 + (1000 - 423) / 2, 100 + (700 - 350) / 2));
        dialog.chkShowPrices->setChecked(true);
        dialog.pnlCommands->ButtonOk()->click();
    });
    EXPECT_TRUE(RunSetupDialog(&owner));
    EXPECT_TRUE(GlobalSetupData.ShowPrices);
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(owner.findChildren<TFrmSetup*>().isEmpty()); // released
}

TEST_F(SetupDialogTest, ReturnConfirmsAndEscapeCancelsWhereverTheFocusIs)
{
    RecordingPresenter presenter;
    WhenOpen([](TFrmSetup& dialog) {
        dialog.chkShowPrices->setChecked(true);
        QTest::keyClick(dialog.cmbLanguages, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunSetupDialog(nullptr));
    EXPECT_FALSE(GlobalSetupData.ShowPrices);

    WhenOpen([](TFrmSetup& dialog) {
        dialog.chkShowPrices->setChecked(true);
        // The focus on a check box, not on OK: Return still confirms.
        dialog.chkShowPrices->setFocus();
        QTest::keyClick(dialog.chkShowPrices, Qt::Key_Return);
    });
    EXPECT_TRUE(RunSetupDialog(nullptr));
    EXPECT_TRUE(GlobalSetupData.ShowPrices);
    EXPECT_TRUE(presenter.shown.isEmpty());
}

TEST_F(SetupDialogTest, ScreenReadersCanAnnounceEveryControl)
{
    GlobalSetupData.DebugMode = true;
    TFrmSetup dialog;
    dialog.show();
    EXPECT_EQ(UnannouncedControls(&dialog).join(", ").toStdString(), "");
}

TEST_F(SetupDialogTest, AnErrorWhileTheDialogRunsIsReportedAndCountsAsCancelled)
{
    RecordingPresenter presenter;
    WhenOpen([](TFrmSetup& dialog) {
        dialog.chkShowPrices->setChecked(true);
        dialog.RunGuarded([] { throw std::runtime_error("broken"); });
    });
    EXPECT_FALSE(RunSetupDialog(nullptr));
    EXPECT_FALSE(GlobalSetupData.ShowPrices);
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0].Title, "Vantorix");
    EXPECT_EQ(presenter.shown[0].Text, GetText("IDS_MESSAGES_11"));
    EXPECT_EQ(presenter.shown[0].Kind, TMsgDlgType::mtError);
}

} // namespace
} // namespace vantor::test
