#include "shell/ShellSession.h"

#include "common/TextHelpers.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/InstalledVersion.h"
#include "i18n/uLanguages.h"
#include "shell/MainWindowLogic.h"
#include "shell/SetupData.h"
#include "shell/StartupData.h"
#include "shell/StartupTexts.h"
#include "shell/TDebugThread.h"
#include "update/UpdateKeys.h"
#include "update/UpdatePlan.h"
#include "update_ui/UpdateCheck.h"
#include "widgets/BusyCursor.h"
#include "widgets/MessageDialogs.h"

#include <cstdio>

namespace vantor {

TShellSession::TShellSession(QString AProgramFolder, TViewFactory AViewFactory)
    : programFolder_(std::move(AProgramFolder)), viewFactory_(std::move(AViewFactory)), engine_(programFolder_)
{}

TShellSession::~TShellSession()
{
    // The engine's screens live in the window: the engine goes first.
    UnloadTranslations();
    engine_.UnloadEngine();
    view_.reset();
    if (DM == dataModule_.get())
        DM = nullptr;
}

bool TShellSession::start()
{
    // The start-up steps ran while Qt started (see main); their results decide here.
    TStartupData startup = TakeStartupData(programFolder_);
    dataModule_ = std::move(startup.DataModule);
    DM = dataModule_.get();
    if (!LoadConfiguration(startup)) {
        view_.reset(); // never shown
        return false;
    }
    view_->SetupLayout(GlobalSetupData.Database.Devices.IsValid);
    LoadCaptions();
    ApplyOemData();
    view_->Ready();
    return true;
}

bool TShellSession::LoadConfiguration(const TStartupData& AData)
{
    if (!AData.SetupRead) {
        FatalError(QLatin1String(StartupTexts::ConfigurationError));
        return false;
    }
    // Never stored: every run starts with them off.
    GlobalSetupData.AdvancedOptions = TAdvancedOptions{};
    if (!AData.TranslationsLoaded) {
        FatalError(QString::fromLatin1(StartupTexts::LanguageFileNotFound).arg(QLatin1String(LanguageFileBareName)));
        return false;
    }
    if (!AData.CataloguesFound) {
        FatalError(QLatin1String(StartupTexts::CatalogueDatabaseError));
        return false;
    }
    engine_.LoadProcNames();
    if (!engine_.LoadEngine()) {
        FatalError(QLatin1String(StartupTexts::EngineLoadError));
        return false;
    }
    // The engine draws into the window's container: the window is made now,
    // and shown only once the whole start-up has held.
    view_ = viewFactory_(*this);
    return InitializeEngine();
}

TEngineBinding TShellSession::EngineBinding()
{
    TEngineBinding binding;
    binding.AppHandle = 0; // the native window exists only once the window is shown
    binding.ContainerPanel = view_->ContainerPanel();
    binding.OnPanel = [this](bool ShowWelcome, bool ShowContainer) {
        if (view_)
            view_->ShowPanels(ShowWelcome, ShowContainer);
    };
    return binding;
}

bool TShellSession::InitializeEngine()
{
    if (!engine_.IsEngineLoaded() && !engine_.LoadEngine()) {
        FatalError(QLatin1String(StartupTexts::EngineLoadError));
        return false;
    }
    if (!engine_.InitializeEngine(GlobalSetupData, EngineBinding(), InstalledVersion)) {
        FatalError(QLatin1String(StartupTexts::EngineInitError));
        return false;
    }
    return true;
}

void TShellSession::FatalError(const QString& AText)
{
    fatalError_ = true;
    ShowErrorMessage(QLatin1String(ProductCaption),
                     AText + QStringLiteral("\r\n") + QLatin1String(StartupTexts::ImpossibleToContinue), false);
    if (view_)
        view_->Close();
}

void TShellSession::LoadCaptions()
{
    TItemsCaption captions;
    captions.UpsSelBase = GetText(QStringLiteral("IDS_WIZ_BASE_01"));
    captions.UpsSelAdvanced = GetText(QStringLiteral("IDS_WIZ_ADVANCED_01"));
    captions.UpsSelModular = GetText(QStringLiteral("IDS_WIZ_MODULAR_01"));
    captions.UpsSelRuntime = GetText(QStringLiteral("IDS_WIZ_RUNTIME_01"));
    captions.Setup = GetText(QStringLiteral("IDS_CONTAINER_02"));
    captions.About = GetText(QStringLiteral("IDS_CONTAINER_03"));
    view_->ShowCaptions(captions);
}

void TShellSession::ApplyOemData()
{
    TOemData oemData;
    if (!engine_.LoadOemData(oemData, false))
        return; // the window keeps its initial caption and shows no logo
    InstalledVersion.Product = oemData.Version;
    titleWindow_ = ComposeTitleWindow(oemData.sName, oemData.sProduct, oemData.Version);
    UpdateTitle();
    view_->ShowBranding(oemData.sProduct, oemData.Logo ? oemData.Logo->readAll() : QByteArray());
    // oemData releases the logo stream and the texts when it goes.
}

void TShellSession::UpdateTitle()
{
    view_->ShowTitle(ComposeTitle(titleWindow_, GetText(QStringLiteral("IDS_CONTAINER_25")),
                                  GetCatalogueName(GlobalSetupData.CatalogueCode), GlobalSetupData));
}

void TShellSession::RunSelector(int AIndex)
{
    if (AIndex < engine_.EngineProcNames.size())
        engine_.ExecuteEngineProc(engine_.EngineProcNames[AIndex]);
}

void TShellSession::ApplySettings()
{
    bool saved = false;
    {
        BusyCursor busy;
        TDM& dataModule = *dataModule_;
        const PricelistCheck check = [&dataModule](const QString& folder, const QString& code, QString& version) {
            return dataModule.CheckPricelistValidity(folder, code, version);
        };
        saved = ApplyConfirmedSettings(GlobalSetupData, programFolder_, check);
        SetTextLanguage(GlobalSetupData.LanguageId);
        LoadCaptions();
        engine_.UninitializeEngine();
        if (!InitializeEngine())
            return;
        UpdateTitle();
    }
    // Told in the new language, once the window shows it.
    if (!saved)
        ShowWarningMessage(
            QString(), FormatPercentS(GetText(QStringLiteral("IDS_MESSAGES_43")), {GlobalSetupData.SetupFile}), false);
}

bool TShellSession::LoadOemData(TOemData& AOemData, bool InfoLogo)
{
    return engine_.LoadOemData(AOemData, InfoLogo);
}

int TShellSession::FindIndexOfInstalledCatalogue(const QString& ACode) const
{
    return vantor::FindIndexOfInstalledCatalogue(InstalledVersion, ACode);
}

bool TShellSession::UnsignedUpdates() const
{
    return CompiledUpdateChannel().Kind == TUpdateChannel::TKind::Unsigned;
}

void TShellSession::MyIdleHandler()
{
    if (GlobalSetupData.AutoCheckUpdates) {
        BusyCursor busy;
        if (updateCheck_)
            updateCheck_();
        else
            CheckForUpdates();
    }
    // Closed during the check (or handed over to the updater): the run is ending.
    if (view_ && view_->IsOpen())
        new TDebugThread(GlobalSetupData.RootPath);
}

void TShellSession::CheckForUpdates()
{
    // Only the keys compiled into the program are trusted.
    const TUpdateChannel& channel = CompiledUpdateChannel();
    if (channel.Kind == TUpdateChannel::TKind::Refused) {
        std::fprintf(stderr, "Vantor: updates are refused: %s\n", qPrintable(channel.Why));
        return;
    }
    vantor::CheckForUpdates(view_->Window(), UpdateServerHost(GlobalSetupData.SetupFile), GlobalSetupData.OemId,
                            InstalledVersion, channel.Keys,
                            {GlobalSetupData.RootPath, GlobalSetupData.LanguageId, GlobalSetupData.LanguageFile});
}

} // namespace vantor
