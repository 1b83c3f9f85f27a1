#include "shell/dlgMain.h"

#include "common/FileHelpers.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/DataModule.h"
#include "data/InstalledVersion.h"
#include "i18n/MessageDialogs.h"
#include "i18n/uLanguages.h"
#include "shell/SetupData.h"
#include "shell/StartupTexts.h"

namespace vantor {

TFrmVantorMain::TFrmVantorMain(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent), programFolder_(programFolder)
{
    // The updater finds the running program by this name.
    setObjectName(QStringLiteral("TFrmVantorMain"));
    FormCreate();
}

TFrmVantorMain::~TFrmVantorMain()
{
    FormDestroy();
}

void TFrmVantorMain::FormCreate()
{
    dataModule_ = std::make_unique<TDM>();
    DM = dataModule_.get();
    DeleteStagingFolder();
    if (!LoadConfiguration())
        return;
    // Layout, captions and branding join here once the engine is hosted.
    startupSucceeded_ = true;
}

void TFrmVantorMain::FormDestroy()
{
    ReleaseResources();
}

void TFrmVantorMain::DeleteStagingFolder()
{
    DeleteTempWorkFolder();
}

bool TFrmVantorMain::LoadSetupData()
{
    TDM& dataModule = *dataModule_;
    const PricelistCheck check = [&dataModule](const QString& folder, const QString& code, QString& version) {
        return dataModule.CheckPricelistValidity(folder, code, version);
    };
    return vantor::LoadSetupData(GlobalSetupData, programFolder_, check);
}

bool TFrmVantorMain::LoadInstalledCatalogues()
{
    return vantor::LoadInstalledCatalogues(*dataModule_, CataloguesFolder, GlobalSetupData, InstalledVersion);
}

int TFrmVantorMain::FindIndexOfInstalledCatalogue(const QString& ACode) const
{
    return vantor::FindIndexOfInstalledCatalogue(InstalledVersion, ACode);
}

bool TFrmVantorMain::LoadConfiguration()
{
    if (!LoadSetupData()) {
        FatalError(QLatin1String(StartupTexts::ConfigurationError));
        return false;
    }

    // Never stored: every run starts with them off.
    GlobalSetupData.AdvancedOptions = TAdvancedOptions{};

    if (!LoadTranslations(GlobalSetupData.LanguageFile)) {
        FatalError(QString::fromLatin1(StartupTexts::LanguageFileNotFound).arg(QLatin1String(LanguageFileBareName)));
        return false;
    }

    if (!LoadInstalledCatalogues()) {
        FatalError(QLatin1String(StartupTexts::CatalogueDatabaseError));
        return false;
    }

    // The engine's entry-point names, and loading and initialising the engine
    // join here. Until the engine is hosted, the start-up counts as
    // successful once the installed catalogues are known.
    return true;
}

void TFrmVantorMain::FatalError(const QString& Text)
{
    ShowErrorMessage(QLatin1String(ProductCaption),
                     Text + QStringLiteral("\r\n") + QLatin1String(StartupTexts::ImpossibleToContinue), false);
    close();
}

void TFrmVantorMain::ReleaseResources()
{
    UnloadTranslations();
    if (DM == dataModule_.get())
        DM = nullptr;
}

} // namespace vantor
