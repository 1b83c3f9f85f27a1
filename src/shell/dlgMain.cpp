#include "shell/dlgMain.h"

#include "common/FileHelpers.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
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
    // The data module joins here, before anything else.
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
    // The pricelist check joins with the data module.
    return vantor::LoadSetupData(GlobalSetupData, programFolder_, PricelistCheck{});
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

    // Installed catalogues, the engine's entry-point names, and loading and
    // initialising the engine join here. Until the engine is hosted, the
    // start-up counts as successful once the translations are loaded.
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
}

} // namespace vantor
