#include "dev/EngineSession.h"

#include "dev/core/Branding.h"
#include "dev/core/DatabaseVersion.h"
#include "dev/core/EmbeddedLogos.h"
#include "dev/core/EngineVersion.h"
#include "dev/core/HandOver.h"
#include "dev/core/ProgramFolder.h"
#include "dev/ui/SelectorScreen.h"

#include "EmbeddedLogoRoot.h"

#include <QApplication>

namespace vantor::devengine {

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

void EngineSession::OpenSelector(SelectorKind kind)
{
    if (!initialized_ || container_.isNull() || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    RemoveScreen();
    if (!products_)
        products_ = ReadEngineProducts(ProgramFolder() + QStringLiteral("Data/"), settings_.Password);
    auto* screen = new SelectorScreen(kind, settings_, products_, container_.data());
    QObject::connect(screen, &SelectorScreen::BackRequested, screen, [this] { GoBack(); });
    QObject::connect(screen, &SelectorScreen::SelectorRequested, screen, [this](SelectorKind AKind) {
        RetireScreen();
        OpenSelector(AKind);
    });
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
