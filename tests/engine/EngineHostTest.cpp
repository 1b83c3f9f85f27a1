// The engine host against real test engines (tests/mock/RecordingEngine.cpp),
// one library per behaviour, each recording the calls it receives.
#include "engine/EngineHost.h"
#include "data/InstalledVersion.h"
#include "testlib/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace vantor;

namespace {

QString EngineFolder(const char* variant)
{
    return QStringLiteral(VANTOR_TEST_ENGINES_DIR "/%1/").arg(QLatin1String(variant));
}

// The recording of the engine in that folder, read through its extra export.
class EngineLog {
public:
    explicit EngineLog(const char* variant)
    {
        const QByteArray path = QFile::encodeName(EngineFolder(variant) + "libEngine.so");
        handle_ = ::dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ != nullptr) {
            log_ = reinterpret_cast<const char* (*)()>(::dlsym(handle_, "TestEngine_Log"));
            reset_ = reinterpret_cast<void (*)()>(::dlsym(handle_, "TestEngine_Reset"));
            reset_();
        }
    }
    ~EngineLog()
    {
        if (handle_ != nullptr)
            ::dlclose(handle_);
    }
    QStringList Lines() const { return QString::fromUtf8(log_()).split('\n', Qt::SkipEmptyParts); }

private:
    void* handle_ = nullptr;
    const char* (*log_)() = nullptr;
    void (*reset_)() = nullptr;
};

int callbackCalls = 0;
void RecordCallback(int32_t, int32_t)
{
    ++callbackCalls;
}

class EngineHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.LanguageId = "ENG";
        settings.CataloguePath = "/opt/vantor/Catalogues/380/";
        settings.Database.Pricelist.sPassword = "secret";
        settings.ShowPrices = true;
        settings.UsageType = TUsageType::utKelvra;
        binding.AppHandle = 77;
        binding.ContainerPanel = &binding; // any object: the host only passes it on
        binding.CallBack = RecordCallback;
    }

    TGlobalSetupData settings;
    TEngineBinding binding;
    TInstalledVersion installed;
};

} // namespace

TEST(EngineOptions, ListsTheWordsOfTheFlagsThatAreOnInTheirOrder)
{
    TGlobalSetupData settings;
    EXPECT_EQ(BuildEngineOptions(settings), "");
    settings.DebugMode = true;
    settings.AdvancedOptions.UnlimitedBatteryCabs = true;
    EXPECT_EQ(BuildEngineOptions(settings), "DEBUG_MODE|UNLIMITED_BATTCAB");
    settings.AdvancedOptions = {true, true, true, true, true};
    EXPECT_EQ(BuildEngineOptions(settings),
              "DEBUG_MODE|SHOW_ALLCFG|UNLIMITED_BATTCAB|SORT_BY_PRICE|HIDE_3PH_UPS|SHOW_AUTONOMY_LOWER");
    settings.DebugMode = false;
    settings.AdvancedOptions = {false, false, false, false, true};
    EXPECT_EQ(BuildEngineOptions(settings), "SHOW_AUTONOMY_LOWER");
}

TEST_F(EngineHost, InitialisationHandsOverTheSettingsAndTakesTheVersions)
{
    EngineLog log("result0");
    TEngineHost host(EngineFolder("result0"));
    host.LoadProcNames();
    EXPECT_EQ(host.EngineProcNames.size(), 5);
    settings.DebugMode = true;
    settings.AdvancedOptions.SortSolutionsByPrice = true;
    ASSERT_TRUE(host.InitializeEngine(settings, binding, installed));
    EXPECT_TRUE(host.IsEngineReady());

    ASSERT_EQ(log.Lines().size(), 1);
    EXPECT_EQ(log.Lines()[0], "InitializeForMaronel app=77 usage=1 container=set callback=set prices=-1 reserved='' "
                              "lang='ENG' path='/opt/vantor/Catalogues/380/' password='secret' "
                              "options='DEBUG_MODE|SORT_BY_PRICE'");
    EXPECT_EQ(installed.Engine, (vantor::TInfoVersion{1, 2, 3, 4}));
    EXPECT_EQ(installed.DbMain, (vantor::TInfoVersion{2024, 11, 1, 0}));
    EXPECT_EQ(installed.DbDevices, (vantor::TInfoVersion{-1, 0, 0, 32767}));

    // Ready: no second call into the engine.
    EXPECT_TRUE(host.InitializeEngine(settings, binding, installed));
    EXPECT_EQ(log.Lines().size(), 1);
}

TEST_F(EngineHost, PricesOffAndNoOptionsStillPassValidTexts)
{
    EngineLog log("result0");
    TEngineHost host(EngineFolder("result0"));
    settings.ShowPrices = false;
    ASSERT_TRUE(host.InitializeEngine(settings, binding, installed));
    EXPECT_TRUE(log.Lines()[0].contains("prices=0 reserved='' "));
    EXPECT_TRUE(log.Lines()[0].endsWith("options=''"));
}

TEST_F(EngineHost, OnlyResultsZeroAndSevenMeanReady)
{
    const struct {
        const char* variant;
        bool ready;
    } cases[] = {{"result0", true}, {"result7", true}, {"result1", false}, {"resultminus1", false}, {"noinit", false}};
    for (const auto& c : cases) {
        TEngineHost host(EngineFolder(c.variant));
        host.LoadProcNames();
        EXPECT_EQ(host.InitializeEngine(settings, binding, installed), c.ready) << c.variant;
        EXPECT_TRUE(host.IsEngineLoaded()) << c.variant;
        EXPECT_EQ(host.IsEngineReady(), c.ready) << c.variant;
    }
}

TEST_F(EngineHost, ReinitialisationUninitialisesFirstWithoutUnloading)
{
    EngineLog log("result0");
    TEngineHost host(EngineFolder("result0"));
    ASSERT_TRUE(host.InitializeEngine(settings, binding, installed));
    settings.LanguageId = "ITA";
    ASSERT_TRUE(host.ReinitializeEngine(settings, binding, installed));
    const QStringList lines = log.Lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("InitializeForMaronel"));
    EXPECT_EQ(lines[1], "UninitializeLibrary");
    EXPECT_TRUE(lines[2].contains("lang='ITA'"));
}

TEST_F(EngineHost, UnloadUninitialisesOnlyAnInitialisedEngine)
{
    {
        EngineLog log("result1");
        TEngineHost host(EngineFolder("result1"));
        EXPECT_FALSE(host.InitializeEngine(settings, binding, installed));
        host.UnloadEngine();
        EXPECT_FALSE(host.IsEngineLoaded());
        EXPECT_EQ(log.Lines().size(), 1) << "no UninitializeLibrary for an engine that never got ready";
    }
    {
        EngineLog log("result0");
        TEngineHost host(EngineFolder("result0"));
        ASSERT_TRUE(host.InitializeEngine(settings, binding, installed));
        host.UnloadEngine();
        EXPECT_EQ(log.Lines().last(), "UninitializeLibrary");
        EXPECT_FALSE(host.IsEngineReady());
    }
}

TEST_F(EngineHost, SelectorsRunOnlyWhenReadyAndMissingOnesDoNothing)
{
    EngineLog log("result0");
    TEngineHost host(EngineFolder("result0"));
    host.LoadProcNames();
    ASSERT_TRUE(host.LoadEngine());
    host.ExecuteEngineProc(host.EngineProcNames[2]);
    EXPECT_TRUE(log.Lines().isEmpty()) << "not ready yet";

    ASSERT_TRUE(host.InitializeEngine(settings, binding, installed));
    callbackCalls = 0;
    host.ExecuteEngineProc(host.EngineProcNames[2]);
    host.ExecuteEngineProc(host.EngineProcNames[1]);
    host.ExecuteEngineProc("NoSuchExport");
    EXPECT_EQ(log.Lines().mid(1), (QStringList{"SelectorB", "SelectorA"}));
    EXPECT_EQ(callbackCalls, 1) << "the engine reached the shell's callback";

    TEngineHost bare(EngineFolder("noselectors"));
    bare.LoadProcNames();
    ASSERT_TRUE(bare.InitializeEngine(settings, binding, installed));
    bare.ExecuteEngineProc(bare.EngineProcNames[2]); // nothing happens, nothing breaks
}

TEST_F(EngineHost, OemDataIsCopiedAndReleasedAlsoWhenTheCallFails)
{
    {
        EngineLog log("result0");
        TEngineHost host(EngineFolder("result0"));
        ASSERT_TRUE(host.LoadEngine());
        vantor::TOemData oem;
        ASSERT_TRUE(host.LoadOemData(oem, true));
        EXPECT_EQ(oem.sName, "Maker");
        EXPECT_EQ(oem.sProduct, "Product");
        EXPECT_EQ(oem.sCopyright, "(c) Maker");
        EXPECT_EQ(oem.sHomePage, "http://www.example.invalid/ups");
        EXPECT_EQ(oem.Version, (vantor::TInfoVersion{3, 1, 4, 1}));
        ASSERT_NE(oem.Logo, nullptr);
        EXPECT_EQ(oem.Logo->readAll(), "PNG-ish bytes") << "read from the stream's position";
        EXPECT_EQ(log.Lines(), (QStringList{"GetOemData 1", "LogoDestroyed"}));
    }
    {
        EngineLog log("oemfails");
        TEngineHost host(EngineFolder("oemfails"));
        ASSERT_TRUE(host.LoadEngine());
        vantor::TOemData oem;
        EXPECT_FALSE(host.LoadOemData(oem, false));
        EXPECT_EQ(log.Lines(), (QStringList{"GetOemData 0", "LogoDestroyed"}));
    }
    TEngineHost none(EngineFolder("nooem"));
    ASSERT_TRUE(none.LoadEngine());
    vantor::TOemData oem;
    EXPECT_FALSE(none.LoadOemData(oem, false));
}

// With LD_LIBRARY_PATH naming a folder that holds an engine (the ctest entry
// "engine_host_library_path" sets it), a plain name finds that one.
TEST_F(EngineHost, ABrokenEngineBesideTheProgramIsNeverReplacedByAnotherOfThatName)
{
    test::TempFolder folder;
    folder.write("libEngine.so", "not a library");
    TEngineHost broken(folder.path());
    EXPECT_FALSE(broken.LoadEngine());
    EXPECT_FALSE(broken.IsEngineLoaded());
    EXPECT_FALSE(broken.LastLoadError().isEmpty());

    if (qEnvironmentVariableIsEmpty("LD_LIBRARY_PATH"))
        GTEST_SKIP() << "no engine on the library path";
    TEngineHost nothingBeside(folder.makeFolder("empty") + "/");
    EXPECT_TRUE(nothingBeside.LoadEngine());
}

TEST_F(EngineHost, AMissingLibraryCannotBeLoaded)
{
    TEngineHost host("/nonexistent/folder/");
    EXPECT_FALSE(host.LoadEngine());
    EXPECT_FALSE(host.InitializeEngine(settings, binding, installed));
    EXPECT_FALSE(host.IsEngineLoaded());
    EXPECT_FALSE(host.LastLoadError().isEmpty());
}
