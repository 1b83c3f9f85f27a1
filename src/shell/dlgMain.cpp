#include "shell/dlgMain.h"

#include "common/FileHelpers.h"
#include "common/TextHelpers.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/DataModule.h"
#include "data/InstalledVersion.h"
#include "dialogs/dlgAbout.h"
#include "dialogs/dlgSetup.h"
#include "i18n/uLanguages.h"
#include "shell/ItemLabel.h"
#include "shell/MainWindowLogic.h"
#include "shell/SetupData.h"
#include "shell/SetupFile.h"
#include "shell/StartupData.h"
#include "shell/StartupTexts.h"
#include "shell/TDebugThread.h"
#include "skins/SkinControls.h"
#include "skins/SkinManager.h"
#include "support/WindowChannel.h"
#include "update/UpdateKeys.h"
#include "update_ui/UpdateCheck.h"
#include "widgets/BusyCursor.h"
#include "widgets/MessageDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace vantor {

namespace {

// The engine calls back through a plain function; it acts on the one main window.
TFrmVantorMain* TheMainWindow = nullptr;
TFrmVantorMain::IdleWork UpdateCheck;

void PanelCallback(int32_t ShowWelcome, int32_t ShowContainer)
{
    if (TheMainWindow != nullptr)
        TheMainWindow->EnginePanelCallback((ShowWelcome & 0xFF) != 0, (ShowContainer & 0xFF) != 0);
}

QFont PixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

TFrmVantorMain::TFrmVantorMain(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent), programFolder_(programFolder), engine_(programFolder)
{
    // The updater finds the running program by this name.
    setObjectName(QStringLiteral("TFrmVantorMain"));
    setWindowTitle(QStringLiteral("Vantor"));
    TheMainWindow = this;
    createControls();
    FormCreate();
}

TFrmVantorMain::~TFrmVantorMain()
{
    // Closing moves the focus off an entry while QWidget tears the window down;
    // by then the entries' handlers would reach a half-destroyed window.
    for (auto* label : findChildren<TItemLabel*>())
        label->disconnect(this);
    FormDestroy();
    if (TheMainWindow == this)
        TheMainWindow = nullptr;
}

void TFrmVantorMain::setUpdateCheck(IdleWork check)
{
    UpdateCheck = std::move(check);
}

void TFrmVantorMain::createControls()
{
    setFont(PixelFont(QStringLiteral("Tahoma"), 11));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* title = new TSkinLabel(client);
    title->setObjectName(QStringLiteral("pnlTitle"));
    title->setFixedHeight(TitleBandHeight);
    title->setFont(PixelFont(QStringLiteral("Arial"), 27, true));
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setTextFormat(Qt::PlainText); // the engine's product name, not markup
    title->setText(QStringLiteral(" Vantor"));
    SetSkinSection(title, QStringLiteral("MENUBTN"));
    pnlTitle = title;
    layout->addSpacing(TitleBandTopMargin);
    layout->addWidget(pnlTitle);

    pnlContainer = new QFrame(client);
    pnlContainer->setObjectName(QStringLiteral("pnlContainer"));
    static_cast<QFrame*>(pnlContainer)->setFrameShape(QFrame::Box);
    static_cast<QFrame*>(pnlContainer)->setLineWidth(1);
    SetSkinSection(pnlContainer, QStringLiteral("CHECKBOX"));
    // Hidden on the welcome view, the container still fills the rest of the window.
    QSizePolicy containerPolicy = pnlContainer->sizePolicy();
    containerPolicy.setRetainSizeWhenHidden(true);
    pnlContainer->setSizePolicy(containerPolicy);
    layout->addWidget(pnlContainer, 1);

    // The welcome panel and the logo lie over the container, placed by hand.
    pnlWelcome = new QFrame(client);
    pnlWelcome->setObjectName(QStringLiteral("pnlWelcome"));
    pnlWelcome->setGeometry(0, 109, 600, 250);
    SetSkinSection(pnlWelcome, QStringLiteral("PANEL"));

    auto makeItem = [this](const char* name, int left, int top, bool main) {
        auto* label = new TItemLabel(pnlWelcome);
        label->setObjectName(QLatin1String(name));
        label->setFont(PixelFont(QStringLiteral("Arial"), main ? 21 : 17));
        label->move(left, top);
        label->resize(500, main ? 34 : 28);
        SetSkinSection(label, main ? QStringLiteral("MAINITEM") : QStringLiteral("MINORITEM"));
        return label;
    };
    lblUpsSelectorBase = makeItem("lblUpsSelectorBase", 60, 42, true);
    lblUpsSelectorAdvanced = makeItem("lblUpsSelectorAdvanced", 60, 94, true);
    lblUpsSelectorModular = makeItem("lblUpsSelectorModular", 284, 141, true);
    lblUpsSelectorRuntime = makeItem("lblUpsSelectorRuntime", 284, 172, true);
    lblSetup = makeItem("lblSetup", 60, 151, false);
    lblAbout = makeItem("lblAbout", 60, 190, false);

    imgLogo = new QLabel(client);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignCenter);
    SetSkinSection(imgLogo, QStringLiteral("CHECKBOX"));
    imgLogo->hide();

    auto makeAction = [this](const char* name, const char* category) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setProperty("category", QLatin1String(category));
        return action;
    };
    actUpsSelectorBase = makeAction("actUpsSelectorBase", "MainItems");
    actUpsSelectorAdvanced = makeAction("actUpsSelectorAdvanced", "MainItems");
    actUpsSelectorModular = makeAction("actUpsSelectorModular", "MainItems");
    actUpsSelectorRuntime = makeAction("actUpsSelectorRuntime", "MainItems");
    actSetup = makeAction("actSetup", "MinorItems");
    actAbout = makeAction("actAbout", "MinorItems");

    const auto runSelector = [this](int index) {
        return [this, index] {
            if (index < engine_.EngineProcNames.size())
                engine_.ExecuteEngineProc(engine_.EngineProcNames[index]);
        };
    };
    connect(actUpsSelectorBase, &QAction::triggered, this, runSelector(2));
    connect(actUpsSelectorAdvanced, &QAction::triggered, this, runSelector(1));
    connect(actUpsSelectorModular, &QAction::triggered, this, runSelector(3));
    connect(actUpsSelectorRuntime, &QAction::triggered, this, runSelector(4));
    connect(actSetup, &QAction::triggered, this, &TFrmVantorMain::actSetupExecute);
    connect(actAbout, &QAction::triggered, this, &TFrmVantorMain::actAboutExecute);

    const struct {
        TItemLabel* label;
        QAction* action;
        bool main;
        QString TItemsCaption::*caption;
    } items[] = {
        {lblUpsSelectorBase, actUpsSelectorBase, true, &TItemsCaption::UpsSelBase},
        {lblUpsSelectorAdvanced, actUpsSelectorAdvanced, true, &TItemsCaption::UpsSelAdvanced},
        {lblUpsSelectorModular, actUpsSelectorModular, true, &TItemsCaption::UpsSelModular},
        {lblUpsSelectorRuntime, actUpsSelectorRuntime, true, &TItemsCaption::UpsSelRuntime},
        {lblSetup, actSetup, false, &TItemsCaption::Setup},
        {lblAbout, actAbout, false, &TItemsCaption::About},
    };
    for (const auto& item : items) {
        connect(item.label, &TItemLabel::Clicked, this, [this, item] { lastItem_ = item.label; });
        connect(item.label, &TItemLabel::Clicked, item.action, &QAction::trigger);
        connect(item.label, &TItemLabel::MouseEnter, this, [this, item] {
            // One entry looks highlighted at a time: the mouse and the keyboard may point at two.
            for (auto* other : pnlWelcome->findChildren<TItemLabel*>())
                if (other != item.label)
                    other->DropHighlight();
            HighlightItem(item.label, item.main);
        });
        connect(item.label, &TItemLabel::MouseLeave, this,
                [this, item] { RestoreItem(item.label, ItemsCaption.*(item.caption), item.main); });
    }

    sSkinManager = new TSkinManager(this);
    windowChannel_ = new platform::WindowChannel(this);
    // A quit request from the updater ends the program as closing the window does.
    connect(windowChannel_, &platform::WindowChannel::QuitRequested, this, &QWidget::close);
}

void TFrmVantorMain::FormCreate()
{
    // The startup steps ran while Qt started (see main); their results decide here.
    TStartupData startup = TakeStartupData(programFolder_);
    dataModule_ = std::move(startup.DataModule);
    DM = dataModule_.get();
    if (!LoadConfiguration(startup))
        return;
    SetupLayout();
    LoadCaptions();
    ApplyOemData();
    // The keyboard starts on the welcome panel itself: no entry shows
    // highlighted before the user moves, and Tab reaches the first one.
    pnlWelcome->setFocus(Qt::OtherFocusReason);
    windowChannel_->Listen(objectName());
    idlePending_ = true;
}

void TFrmVantorMain::FormDestroy()
{
    ReleaseResources();
}

void TFrmVantorMain::DeleteStagingFolder()
{
    DeleteTempWorkFolder();
}

int TFrmVantorMain::FindIndexOfInstalledCatalogue(const QString& ACode) const
{
    return vantor::FindIndexOfInstalledCatalogue(InstalledVersion, ACode);
}

bool TFrmVantorMain::LoadConfiguration(const TStartupData& Data)
{
    if (!Data.SetupRead) {
        FatalError(QLatin1String(StartupTexts::ConfigurationError));
        return false;
    }

    // Never stored: every run starts with them off.
    GlobalSetupData.AdvancedOptions = TAdvancedOptions{};

    if (!Data.TranslationsLoaded) {
        FatalError(QString::fromLatin1(StartupTexts::LanguageFileNotFound).arg(QLatin1String(LanguageFileBareName)));
        return false;
    }

    if (!Data.CataloguesFound) {
        FatalError(QLatin1String(StartupTexts::CatalogueDatabaseError));
        return false;
    }

    engine_.LoadProcNames();
    return LoadEngine(true) && InitializeEngine(true);
}

TEngineBinding TFrmVantorMain::engineBinding()
{
    TEngineBinding binding;
    binding.AppHandle = 0; // the native window exists only once the window is shown
    binding.ContainerPanel = pnlContainer;
    binding.CallBack = PanelCallback;
    return binding;
}

bool TFrmVantorMain::LoadEngine(bool ShowError)
{
    const bool loaded = engine_.LoadEngine();
    if (!loaded && ShowError)
        FatalError(QLatin1String(StartupTexts::EngineLoadError));
    return loaded;
}

bool TFrmVantorMain::InitializeEngine(bool ShowError)
{
    if (!engine_.IsEngineLoaded() && !LoadEngine(true))
        return false;
    const bool ready = engine_.InitializeEngine(GlobalSetupData, engineBinding(), InstalledVersion);
    if (!ready && ShowError)
        FatalError(QLatin1String(StartupTexts::EngineInitError));
    return ready;
}

void TFrmVantorMain::ReinitializeEngine()
{
    engine_.UninitializeEngine();
    InitializeEngine(true);
}

void TFrmVantorMain::FatalError(const QString& Text)
{
    fatalError_ = true;
    ShowErrorMessage(QLatin1String(ProductCaption),
                     Text + QStringLiteral("\r\n") + QLatin1String(StartupTexts::ImpossibleToContinue), false);
    close();
}

void TFrmVantorMain::ReleaseResources()
{
    UnloadTranslations();
    engine_.UnloadEngine();
    if (DM == dataModule_.get())
        DM = nullptr;
}

void TFrmVantorMain::LoadCaptions()
{
    ItemsCaption.UpsSelBase = GetText(QStringLiteral("IDS_WIZ_BASE_01"));
    ItemsCaption.UpsSelAdvanced = GetText(QStringLiteral("IDS_WIZ_ADVANCED_01"));
    ItemsCaption.UpsSelModular = GetText(QStringLiteral("IDS_WIZ_MODULAR_01"));
    ItemsCaption.UpsSelRuntime = GetText(QStringLiteral("IDS_WIZ_RUNTIME_01"));
    ItemsCaption.Setup = GetText(QStringLiteral("IDS_CONTAINER_02"));
    ItemsCaption.About = GetText(QStringLiteral("IDS_CONTAINER_03"));
    lblUpsSelectorBase->setText(ItemsCaption.UpsSelBase);
    lblUpsSelectorAdvanced->setText(ItemsCaption.UpsSelAdvanced);
    lblUpsSelectorModular->setText(ItemsCaption.UpsSelModular);
    lblUpsSelectorRuntime->setText(ItemsCaption.UpsSelRuntime);
    lblSetup->setText(ItemsCaption.Setup);
    lblAbout->setText(ItemsCaption.About);
    // Screen readers name the entries by their captions, also while a
    // highlight shows them in capitals.
    lblUpsSelectorBase->setAccessibleName(ItemsCaption.UpsSelBase);
    lblUpsSelectorAdvanced->setAccessibleName(ItemsCaption.UpsSelAdvanced);
    lblUpsSelectorModular->setAccessibleName(ItemsCaption.UpsSelModular);
    lblUpsSelectorRuntime->setAccessibleName(ItemsCaption.UpsSelRuntime);
    lblSetup->setAccessibleName(ItemsCaption.Setup);
    lblAbout->setAccessibleName(ItemsCaption.About);
}

void TFrmVantorMain::UpdateTitle()
{
    setWindowTitle(ComposeTitle(TitleWindow, GetText(QStringLiteral("IDS_CONTAINER_25")),
                                GetCatalogueName(GlobalSetupData.CatalogueCode), GlobalSetupData));
}

void TFrmVantorMain::HighlightItem(TItemLabel* Control, bool Main)
{
    if (!Control->isEnabled())
        return;
    QFont font = Control->font();
    font.setPointSize(ItemPointSize(Main));
    font.setBold(true);
    Control->setFont(font);
    Control->setText(QLocale().toUpper(Control->text()));
}

void TFrmVantorMain::RestoreItem(TItemLabel* Label, const QString& Caption, bool Main)
{
    if (!Label->isEnabled())
        return;
    QFont font = Label->font();
    font.setPointSize(ItemPointSize(Main));
    font.setBold(false);
    Label->setFont(font);
    Label->setText(Caption);
}

void TFrmVantorMain::EnginePanelCallback(bool ShowWelcome, bool ShowContainer)
{
    pnlContainer->setVisible(ShowContainer);
    pnlWelcome->setVisible(ShowWelcome);
    // Back on the welcome panel, the keyboard is where the user left it.
    if (ShowWelcome && lastItem_ != nullptr && lastItem_->isVisible())
        lastItem_->setFocus(Qt::OtherFocusReason);
    imgLogo->setVisible(ShowWelcome && !imgLogo->pixmap().isNull());
    if (imgLogo->isVisible()) {
        imgLogo->raise();
        imgLogo->repaint();
    }
}

void TFrmVantorMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!pendingLogo_.isEmpty())
        QTimer::singleShot(0, this, &TFrmVantorMain::showLogo);
    if (!frameChecked_) {
        // Sized and centred before the frame existed: once it does, the
        // window is sized and centred again with it.
        frameChecked_ = true;
        QTimer::singleShot(0, this, [this] { adjustToFrame(0); });
    }
    if (idlePending_) {
        // Qt has no application idle event: a zero-time timer queued once the
        // window is shown runs when the event queue is first empty.
        idlePending_ = false;
        QTimer::singleShot(0, this, &TFrmVantorMain::MyIdleHandler);
    }
}

void TFrmVantorMain::MyIdleHandler()
{
    if (GlobalSetupData.AutoCheckUpdates) {
        BusyCursor busy;
        if (UpdateCheck)
            UpdateCheck();
        else
            CheckForUpdates();
    }
    // Closed during the check (or handed over to the updater): the run is ending.
    if (isVisible())
        new TDebugThread(GlobalSetupData.RootPath);
}

void TFrmVantorMain::CheckForUpdates()
{
    // Only the keys compiled into the program are trusted.
    const TUpdateChannel& channel = CompiledUpdateChannel();
    if (channel.Kind == TUpdateChannel::TKind::Refused) {
        std::fprintf(stderr, "Vantor: updates are refused: %s\n", qPrintable(channel.Why));
        return;
    }
    vantor::CheckForUpdates(this, UpdateServerHost(GlobalSetupData.SetupFile), GlobalSetupData.OemId, InstalledVersion,
                            channel.Keys,
                            {GlobalSetupData.RootPath, GlobalSetupData.LanguageId, GlobalSetupData.LanguageFile});
}

void TFrmVantorMain::actSetupExecute()
{
    if (!RunSetupDialog(this))
        return;
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
        ReinitializeEngine();
        if (fatalError_)
            return;
        UpdateTitle();
    }
    // Told in the new language, once the window shows it.
    if (!saved)
        ShowWarningMessage(
            QString(), FormatPercentS(GetText(QStringLiteral("IDS_MESSAGES_43")), {GlobalSetupData.SetupFile}), false);
}

void TFrmVantorMain::actAboutExecute()
{
    RunAboutDialog(
        this, [this](TOemData& AOemData, bool InfoLogo) { return LoadOemData(AOemData, InfoLogo); },
        CompiledUpdateChannel().Kind == TUpdateChannel::TKind::Unsigned);
}

} // namespace vantor
