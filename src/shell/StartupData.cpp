#include "shell/StartupData.h"

#include "common/FileHelpers.h"
#include "common/uGlobals.h"
#include "data/InstalledVersion.h"
#include "i18n/uLanguages.h"
#include "shell/SetupData.h"
#include "support/FontConfiguration.h"

#include <QThread>

#include <future>
#include <optional>

namespace vantor {

namespace {

struct TBegunWork {
    QString programFolder;
    std::future<void> fonts;
    std::future<TStartupData> result;
};

std::optional<TBegunWork>& BegunWork()
{
    static std::optional<TBegunWork> work;
    return work;
}

} // namespace

TStartupData RunStartupData(const QString& ProgramFolder)
{
    // Needed for the first text the window shows; here it costs nothing.
    TStartupData data;
    data.DataModule = std::make_unique<TDM>();
    TDM& dataModule = *data.DataModule;
    DeleteTempWorkFolder();
    const PricelistCheck check = [&dataModule](const QString& folder, const QString& code, QString& version) {
        return dataModule.CheckPricelistValidity(folder, code, version);
    };
    data.SetupRead = LoadSetupData(GlobalSetupData, ProgramFolder, check);
    if (!data.SetupRead)
        return data;
    SetTextLanguage(GlobalSetupData.LanguageId);
    data.TranslationsLoaded = LoadTranslations(GlobalSetupData.LanguageFile);
    if (!data.TranslationsLoaded)
        return data;
    data.CataloguesFound = LoadInstalledCatalogues(dataModule, CataloguesFolder, GlobalSetupData, InstalledVersion);
    return data;
}

void BeginStartupData(const QString& ProgramFolder)
{
    // Qt takes the first thread that touches its objects for the main thread:
    // this one claims it before the work creates any (files are objects too).
    QThread::currentThread();
    // The font configuration is needed only for the first text the window
    // shows; read beside the data, it is no longer ahead of it.
    BegunWork() = TBegunWork{ProgramFolder, std::async(std::launch::async, platform::LoadFontConfiguration),
                             std::async(std::launch::async, RunStartupData, ProgramFolder)};
}

TStartupData TakeStartupData(const QString& ProgramFolder)
{
    std::optional<TBegunWork>& begun = BegunWork();
    if (begun) {
        TBegunWork work = std::move(*begun);
        begun.reset();
        work.fonts.get();
        TStartupData data = work.result.get();
        if (work.programFolder == ProgramFolder)
            return data;
    }
    platform::LoadFontConfiguration();
    return RunStartupData(ProgramFolder);
}

} // namespace vantor
