#include "dev/EngineSession.h"

#include "dev/core/Branding.h"
#include "dev/core/DatabaseVersion.h"
#include "dev/core/EmbeddedLogos.h"
#include "dev/core/EngineVersion.h"
#include "dev/core/HandOver.h"
#include "dev/core/ProgramFolder.h"
#include "dev/core/ProjectRecovery.h"
#include "dev/core/RecentProjects.h"
#include "dev/ui/ProjectHub.h"
#include "dev/ui/ProjectScreen.h"
#include "dev/ui/SelectorScreen.h"

#include "EmbeddedLogoRoot.h"

#include <QApplication>
#include <QTimer>

namespace vantor::devengine {

EngineSession::EngineSession() = default;
EngineSession::~EngineSession() = default;

EngineSession& EngineSession::Instance()
{
    static EngineSession session;
    return session;
}

int32_t EngineSession::Initialize(const TEngineInitData& record, TInfoVersion* engine, TInfoVersion* dbMain,
                                  TInfoVersion* dbDevices)
{
    // A second initialisation without uninitialising in between starts over.
    if (initialized_)
        Uninitialize();

    settings_ = SettingsFromRecord(record);
    products_.reset();
    lastUsageType_ = settings_.UsageType;
    container_ = static_cast<QWidget*>(record.ContainerPanel);
    callback_ = record.CallBack;

    const QString dataFolder = ProgramFolder() + QStringLiteral("Data/");
    const std::optional<TInfoVersion> main =
        ReadDatabaseVersion(dataFolder + QStringLiteral("Data.vt4"), settings_.Password);
    const std::optional<TInfoVersion> devices =
        ReadDatabaseVersion(dataFolder + QStringLiteral("Devices.vt4"), settings_.Password);
    if (engine != nullptr)
        *engine = EngineVersion();
    if (dbMain != nullptr)
        *dbMain = main.value_or(TInfoVersion{});
    if (dbDevices != nullptr)
        *dbDevices = devices.value_or(TInfoVersion{});

    initialized_ = true;
    return main && devices ? ENGINE_INIT_OK : ENGINE_INIT_OK_WITH_NOTICE;
}

void EngineSession::Uninitialize()
{
    RemoveScreen();
    EndProject();
    for (const QPointer<QWidget>& screen : std::as_const(leaving_))
        delete screen.data();
    leaving_.clear();
    settings_ = EngineSettings();
    products_.reset();
    container_ = nullptr;
    callback_ = nullptr;
    initialized_ = false;
}

int32_t EngineSession::FillOemData(TOemData& data, bool aboutLogo) const
{
    const Branding& branding = BrandingFor(lastUsageType_);
    data.sName = NewEngineString(branding.Name);
    data.sProduct = NewEngineString(branding.Product);
    data.sCopyright = NewEngineString(branding.Copyright);
    data.sHomePage = NewEngineString(branding.HomePage);
    data.Version = EngineVersion();
    // The logos were rendered when the engine was built; handing one out
    // copies its bytes, which needs no application object.
    data.Logo = NewEngineStream(ReadEmbeddedLogo(QStringLiteral(VANTOR_DEVENGINE_LOGO_ROOT), lastUsageType_,
                                                 aboutLogo ? LogoKind::Square : LogoKind::Wide));
    return 0;
}

ProjectHub& EngineSession::Hub()
{
    if (!hub_)
        hub_ = std::make_unique<ProjectHub>(EngineTexts(settings_.LanguageId), RecoveryFolder(), RecentProjectsFile());
    return *hub_;
}

void EngineSession::EndProject()
{
    if (!hub_)
        return;
    hub_->Flush();
    // The host may be closing, so nothing is asked: what is not saved stays
    // recoverable rather than lost.
    if (!hub_->Session().IsModified())
        hub_->Session().Close();
    hub_.reset();
}

void EngineSession::OpenSelector(SelectorKind kind)
{
    if (!initialized_ || container_.isNull() || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    RemoveScreen();
    if (!products_)
        products_ = ReadEngineProducts(ProgramFolder() + QStringLiteral("Data/"), settings_.Password);
    lastKind_ = kind;
    auto* screen = new SelectorScreen(kind, settings_, products_, Hub(), container_.data());
    QObject::connect(screen, &SelectorScreen::BackRequested, screen, [this] {
        Hub().Session().CancelReopen();
        GoBack();
    });
    QObject::connect(screen, &SelectorScreen::SelectorRequested, screen, [this](SelectorKind AKind) {
        RetireScreen();
        OpenSelector(AKind);
    });
    QObject::connect(screen, &SelectorScreen::ProjectViewRequested, screen, [this] {
        RetireScreen();
        OpenProjectView();
    });
    ShowScreen(screen);
    // Asked once the screen is up, so that the question has it behind.
    QTimer::singleShot(0, screen, &SelectorScreen::OfferLeftWork);
}

void EngineSession::OpenProjectView()
{
    if (!initialized_ || container_.isNull() || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    RemoveScreen();
    if (!products_)
        products_ = ReadEngineProducts(ProgramFolder() + QStringLiteral("Data/"), settings_.Password);
    Hub().Session().CancelReopen();
    auto* screen = new ProjectScreen(settings_, products_, Hub(), container_.data());
    QObject::connect(screen, &ProjectScreen::BackRequested, screen, [this] {
        RetireScreen();
        OpenSelector(lastKind_);
    });
    QObject::connect(screen, &ProjectScreen::ReopenRequested, screen, [this](int ASystem) {
        const QList<ProjectSystem>& systems = Hub().Session().Current().Systems;
        if (ASystem < 0 || ASystem >= systems.size())
            return;
        const SelectorKind kind = systems.at(ASystem).Kind;
        RetireScreen();
        Hub().Session().Reopen(ASystem);
        OpenSelector(kind);
    });
    ShowScreen(screen);
}

void EngineSession::ShowScreen(QWidget* screen)
{
    screen_ = screen;
    screen->show();
    screen->raise();
    CallHost(false, true);
}

void EngineSession::GoBack()
{
    if (screen_.isNull())
        return;
    RetireScreen();
    CallHost(true, false);
}

void EngineSession::RetireScreen()
{
    QWidget* screen = screen_.data();
    if (screen == nullptr)
        return;
    screen_ = nullptr;
    screen->hide();
    screen->setParent(nullptr);
    screen->deleteLater();
    leaving_.removeIf([](const QPointer<QWidget>& gone) { return gone.isNull(); });
    leaving_.append(screen);
}

void EngineSession::RemoveScreen()
{
    delete screen_.data();
    screen_ = nullptr;
}

void EngineSession::CallHost(bool showWelcome, bool showContainer) const
{
    if (callback_ != nullptr)
        callback_(showWelcome ? 1 : 0, showContainer ? 1 : 0);
}

} // namespace vantor::devengine
