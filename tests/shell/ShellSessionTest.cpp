// The session without a main window: a view of the test's own records what
// the session tells it, in order, beside what the test engine was asked.
#include "shell/ShellSession.h"
#include "catalogue/CatalogueBuilder.h"
#include "common/uGlobals.h"
#include "data/InstalledVersion.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace vantor;
using namespace vantor::test;

namespace {

// Every call of the session, one line each, into a log the test keeps.
class TRecordingView final : public TShellView {
public:
    TRecordingView(QStringList& ALog, const QString& ASetupFile) : log_(ALog), setupFile_(ASetupFile) {}

    QWidget* Window() override { return nullptr; }
    void* ContainerPanel() override { return nullptr; }
    void SetupLayout(bool) override { log_ << "layout"; }
    void ShowCaptions(const TItemsCaption& ACaptions) override
    {
        // What the file says at that moment shows the order of write and read.
        QFile file(setupFile_);
        file.open(QIODevice::ReadOnly);
        log_ << "captions " + ACaptions.Setup + (file.readAll().contains("iLangId=ITA") ? " (file ITA)" : "");
    }
    void ShowTitle(const QString&) override { log_ << "title"; }
    void ShowBranding(const QString& AProduct, const QByteArray&) override { log_ << "branding " + AProduct; }
    void ShowPanels(bool, bool) override { log_ << "panels"; }
    void Ready() override { log_ << "ready"; }
    bool IsOpen() const override { return open_; }
    void Close() override
    {
        open_ = false;
        log_ << "close";
    }

private:
    QStringList& log_;
    QString setupFile_;
    bool open_ = true;
};

QStringList EngineCalls(const QString& AEngine)
{
    void* handle = ::dlopen(QFile::encodeName(AEngine).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr)
        return {};
    const auto log = reinterpret_cast<const char* (*)()>(::dlsym(handle, "TestEngine_Log"));
    QStringList lines = QString::fromUtf8(log()).split('\n', Qt::SkipEmptyParts);
    ::dlclose(handle);
    return lines;
}

class ShellSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalSetupData = TGlobalSetupData{};
        InstalledVersion = TInstalledVersion{};
        vantor::test::ExpectOk(tools::WriteDatabase(program.path() + "Catalogues/380/Catalogue.vt4", {},
                                                    tools::CatalogueContent("380", "20240115"), true));
        program.write("Lang/Languages.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<LST_TRANSLATIONS>
  <TRANSLATION translation_ids="IDS_CONTAINER_02"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Setup"/><VALUE value_language="ITA" value_string="Impostazioni"/>
  </LST_VALUES></TRANSLATION>
</LST_TRANSLATIONS>
)");
        program.write("Vantor.ini", "[Updates]\nbAutoCheck=0\n[Language]\niLangId=ENG\n[Catalogue]\nsCode=380\nsPath=" +
                                        program.path().toUtf8() + "Catalogues\n[Misc]\niOemId=0\n");
    }
    void TearDown() override { GlobalSetupData = TGlobalSetupData{}; }

    void InstallEngine(const char* AVariant)
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTOR_TEST_ENGINES_DIR "/%1/libEngine.so").arg(AVariant), engine));
    }
    TShellSession::TViewFactory RecordingViews()
    {
        return [this](TShellSession&) {
            ++viewsMade;
            return std::make_unique<TRecordingView>(log, program.path() + "Vantor.ini");
        };
    }

    TempFolder program;
    QString engine = program.path() + "libEngine.so";
    QStringList log;
    int viewsMade = 0;
    RecordingPresenter presenter;
};

} // namespace

TEST_F(ShellSession, AFatalStepEndsWithItsOneMessageAndLeavesNoWindow)
{
    QFile::remove(program.path() + "Vantor.ini");
    TShellSession missingSettings(program.path(), RecordingViews());
    EXPECT_FALSE(missingSettings.start());
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0].Text, "Error while loading the configuration.\r\nImpossible to continue.");
    EXPECT_EQ(viewsMade, 0) << "no window before the engine needs one";
    EXPECT_TRUE(missingSettings.endedWithFatalError());

    SetUp();
    presenter.shown.clear();
    InstallEngine("result1"); // initialisation refused
    TShellSession refused(program.path(), RecordingViews());
    EXPECT_FALSE(refused.start());
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0].Text, "Error initializing the engine.\r\nImpossible to continue.");
    EXPECT_EQ(viewsMade, 1);
    EXPECT_EQ(refused.View(), nullptr) << "the window made for the engine is gone again";
    EXPECT_FALSE(log.contains("ready"));
}

TEST_F(ShellSession, ApplyingSettingsWritesReadsRelabelsReinitialisesThenRetitles)
{
    InstallEngine("result0");
    TShellSession session(program.path(), RecordingViews());
    ASSERT_TRUE(session.start());
    EXPECT_EQ(log.join(" / ").toStdString(), "layout / captions Setup / title / branding Product / ready");

    log.clear();
    const int callsBefore = static_cast<int>(EngineCalls(engine).size());
    GlobalSetupData.LanguageId = "ITA"; // as the setup dialog stores it
    session.ApplySettings();
    EXPECT_EQ(log.join(" / ").toStdString(), "captions Impostazioni (file ITA) / title");
    const QStringList calls = EngineCalls(engine).mid(callsBefore);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0], "UninitializeLibrary");
    EXPECT_TRUE(calls[1].contains("lang='ITA'"));
    EXPECT_TRUE(presenter.shown.isEmpty());
}
