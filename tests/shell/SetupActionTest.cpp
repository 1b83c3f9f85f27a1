// The setup entry of the main window end to end: the real dialog answered
// programmatically, the configuration file, the captions and the engine.
#include "ShellUnderTest.h"
#include "catalogue/CatalogueBuilder.h"
#include "common/uGlobals.h"
#include "data/InstalledVersion.h"
#include "dialogs/dlgSetup.h"
#include "shell/ItemLabel.h"
#include "shell/dlgMain.h"
#include "skins/VantorComponents.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/ResultChecks.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <functional>

using namespace vantor;
using namespace vantor::test;

namespace {

const QByteArray Translations = R"(<?xml version="1.0" encoding="UTF-8"?>
<LST_TRANSLATIONS>
  <TRANSLATION translation_ids="IDS_COMMON_01"><LST_VALUES>
    <VALUE value_language="ENG" value_string="English"/><VALUE value_language="ITA" value_string="Italiano"/>
  </LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_CONTAINER_02"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Setup"/><VALUE value_language="ITA" value_string="Impostazioni"/>
  </LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_CONTAINER_25"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Catalogue"/><VALUE value_language="ITA" value_string="Catalogo"/>
  </LST_VALUES></TRANSLATION>
</LST_TRANSLATIONS>
)";

// Acts on the setup dialog as soon as it is shown.
void WhenSetupShows(std::function<void(TFrmSetup*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<TFrmSetup*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

QStringList EngineCalls(const QString& library)
{
    void* handle = ::dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr)
        return {};
    const auto log = reinterpret_cast<const char* (*)()>(::dlsym(handle, "TestEngine_Log"));
    QStringList lines = QString::fromUtf8(log()).split('\n', Qt::SkipEmptyParts);
    ::dlclose(handle);
    return lines;
}

class SetupAction : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalSetupData = TGlobalSetupData{};
        InstalledVersion = TInstalledVersion{};
        for (const char* code : {"380", "250"})
            vantor::test::ExpectOk(tools::WriteDatabase(program.path() + "Catalogues/" + code + "/Catalogue.vt4", {},
                                                        tools::CatalogueContent(code, "20240115"), true));
        program.write("Lang/Languages.xml", Translations);
        program.write("Vantor.ini", "; kept as it is\n[Updates]\nbAutoCheck=0\n[Language]\niLangId=eng\n[Catalogue]\n"
                                    "sCode=380\nsPath=" +
                                        program.path().toUtf8() +
                                        "Catalogues\n[Misc]\niOemId=0\nbDebugMode=0\nbShowPrices=1\n");
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTOR_TEST_ENGINES_DIR "/result0/libEngine.so"),
                                program.path() + "libEngine.so"));
    }
    void TearDown() override { GlobalSetupData = TGlobalSetupData{}; }

    TempFolder program;
    TempFolder tmp;
    ScopedEnv tmpdir{"TMPDIR", tmp.path()};
};

} // namespace

TEST_F(SetupAction, OkWithANewLanguageAndCatalogueAppliesThemAtOnce)
{
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    const QString engine = program.path() + "libEngine.so";
    const int callsBefore = static_cast<int>(EngineCalls(engine).size());

    WhenSetupShows([](TFrmSetup* dialog) {
        dialog->cmbLanguages->setCurrentIndex(dialog->cmbLanguages->findText("Italiano"));
        dialog->cmbCatalogues->setCurrentIndex(
            dialog->cmbCatalogues->findText("France and countries with French standard"));
        dialog->btnOkClick();
    });
    window.action("actSetup")->trigger();

    EXPECT_EQ(GlobalSetupData.LanguageId, "ITA");
    EXPECT_EQ(GlobalSetupData.CatalogueCode, "250");
    EXPECT_EQ(window.item("lblSetup")->text(), "Impostazioni");
    EXPECT_TRUE(window.windowTitle().endsWith("[Catalogo : FRANCE AND COUNTRIES WITH FRENCH STANDARD]"))
        << window.windowTitle().toStdString();
    const QByteArray ini = program.read("Vantor.ini");
    EXPECT_TRUE(ini.startsWith("; kept as it is\n"));
    EXPECT_TRUE(ini.contains("iLangId=ITA\n"));
    EXPECT_TRUE(ini.contains("sCode=250\n"));
    EXPECT_TRUE(ini.contains("bDebugMode=0\n"));

    const QStringList calls = EngineCalls(engine).mid(callsBefore);
    ASSERT_EQ(calls.size(), 2) << calls.join(" / ").toStdString();
    EXPECT_EQ(calls[0], "UninitializeLibrary");
    EXPECT_TRUE(calls[1].contains("lang='ITA'"));
    EXPECT_TRUE(calls[1].contains("Catalogues/250/'"));
}

TEST_F(SetupAction, AFailedReinitialisationIsFatalAndEndsTheProgramAsAFailedStartDoes)
{
    QFile::remove(program.path() + "libEngine.so");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTOR_TEST_ENGINES_DIR "/laterfails/libEngine.so"),
                            program.path() + "libEngine.so"));
    RecordingPresenter presenter;
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    window.show();
    EXPECT_FALSE(window.endedWithFatalError());

    WhenSetupShows([](TFrmSetup* dialog) { dialog->btnOkClick(); });
    window.action("actSetup")->trigger();

    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_TRUE(presenter.shown[0].Text.endsWith("Impossible to continue.")) << presenter.shown[0].Text.toStdString();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.endedWithFatalError());
}

TEST_F(SetupAction, CancelWritesNothingAndLeavesTheEngineAlone)
{
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    const QString engine = program.path() + "libEngine.so";
    const int callsBefore = static_cast<int>(EngineCalls(engine).size());
    const QByteArray before = program.read("Vantor.ini");

    WhenSetupShows([](TFrmSetup* dialog) {
        dialog->cmbLanguages->setCurrentIndex(dialog->cmbLanguages->findText("Italiano"));
        dialog->reject();
    });
    window.action("actSetup")->trigger();

    EXPECT_EQ(program.read("Vantor.ini"), before);
    EXPECT_EQ(GlobalSetupData.LanguageId, "ENG");
    EXPECT_EQ(EngineCalls(engine).size(), callsBefore);
}

// A confirmed choice is never dropped silently: when Vantor.ini cannot be
// written, the user hears of it and the new settings hold for the run.
TEST_F(SetupAction, AFailedWriteIsToldAndKeepsTheNewSettingsForTheRun)
{
    program.write("Lang/Languages.xml",
                  QByteArray(Translations)
                      .replace("</LST_TRANSLATIONS>", R"(<TRANSLATION translation_ids="IDS_MESSAGES_43"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Not saved in %s."/><VALUE value_language="ITA" value_string="Non salvate in %s."/>
  </LST_VALUES></TRANSLATION>
</LST_TRANSLATIONS>)"));
    TShellUnderTest window(program.path());
    ASSERT_TRUE(window.IsEngineReady());
    const QString ini = program.path() + "Vantor.ini";
    ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray before = program.read("Vantor.ini");
    const QString engine = program.path() + "libEngine.so";
    const int callsBefore = static_cast<int>(EngineCalls(engine).size());
    RecordingPresenter presenter;

    WhenSetupShows([](TFrmSetup* dialog) {
        dialog->cmbLanguages->setCurrentIndex(dialog->cmbLanguages->findText("Italiano"));
        dialog->cmbCatalogues->setCurrentIndex(
            dialog->cmbCatalogues->findText("France and countries with French standard"));
        dialog->btnOkClick();
    });
    window.action("actSetup")->trigger();

    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0].Text, "Non salvate in " + ini + ".") << "in the new language, naming the file";
    EXPECT_EQ(presenter.shown[0].Kind, TMsgDlgType::mtWarning);
    EXPECT_EQ(program.read("Vantor.ini"), before);
    EXPECT_EQ(GlobalSetupData.LanguageId, "ITA");
    EXPECT_EQ(GlobalSetupData.CatalogueCode, "250");
    EXPECT_EQ(GlobalSetupData.CataloguePath, program.path() + "Catalogues/250/");
    EXPECT_EQ(window.item("lblSetup")->text(), "Impostazioni");
    const QStringList calls = EngineCalls(engine).mid(callsBefore);
    ASSERT_EQ(calls.size(), 2) << calls.join(" / ").toStdString();
    EXPECT_TRUE(calls[1].contains("lang='ITA'"));
    EXPECT_TRUE(calls[1].contains("Catalogues/250/'"));
}
