// Branding data and logos handed to the host.
#include "EngineHarness.h"

#include <QColor>

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace vantor::test {
namespace {

struct TakenOemData {
    int32_t Result = -2;
    QString Name, Product, Copyright, HomePage;
    TInfoVersion Version{};
    QImage Logo;
    QByteArray LogoBytes;
};

// Calls GetOemData and takes everything over the way the shell does.
TakenOemData TakeOemData(LoadedEngine& engine, int32_t infoLogo)
{
    TOemData data{};
    TakenOemData taken;
    taken.Result = engine.GetOemData(&data, infoLogo);
    taken.Name = TakeEngineString(data.sName);
    taken.Product = TakeEngineString(data.sProduct);
    taken.Copyright = TakeEngineString(data.sCopyright);
    taken.HomePage = TakeEngineString(data.sHomePage);
    taken.Version = data.Version;
    taken.Logo = TakeEngineLogo(data.Logo, &taken.LogoBytes);
    return taken;
}

// Opaque pixels make up a fair share of the picture, and some of them have
// the given colour (give or take antialiasing).
void ExpectDrawnWith(const QImage& logo, const QColor& colour)
{
    const QImage image = logo.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    bool colourFound = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() < 250)
                continue;
            ++opaque;
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <
                24)
                colourFound = true;
        }
    EXPECT_GT(opaque, image.width() * image.height() / 20);
    EXPECT_TRUE(colourFound) << "no pixel of " << colour.name().toStdString();
}

class EngineOem : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine.IsLoaded()); }

    void InitializeAs(uint8_t usageType)
    {
        engine.Uninitialize();
        record.UsageType = usageType;
        TInfoVersion version{};
        engine.Initialize(record.Get(), &version, &version, &version);
    }

    LoadedEngine engine;
    InitRecord record;
};

TEST_F(EngineOem, EveryUsageTypeHasCompleteBrandingAndBothLogos)
{
    QStringList products;
    for (uint8_t usageType = 0; usageType <= 6; ++usageType) {
        SCOPED_TRACE(usageType);
        InitializeAs(usageType);
        for (int32_t infoLogo : {0, 1}) {
            SCOPED_TRACE(infoLogo);
            const TakenOemData data = TakeOemData(engine, infoLogo);
            EXPECT_EQ(data.Result, 0);
            EXPECT_FALSE(data.Name.isEmpty());
            EXPECT_FALSE(data.Product.isEmpty());
            EXPECT_TRUE(data.Copyright.contains(data.Name));
            EXPECT_TRUE(data.HomePage.startsWith(QStringLiteral("http://"))) << data.HomePage.toStdString();
            EXPECT_EQ(data.Version, ProjectVersion);
            ASSERT_FALSE(data.Logo.isNull()) << "the logo stream holds no PNG";
            EXPECT_TRUE(data.LogoBytes.startsWith("\x89PNG\r\n\x1a\n"));
            if (infoLogo == 0) {
                EXPECT_EQ(data.Logo.size(), QSize(560, 70));
            } else {
                EXPECT_EQ(data.Logo.size(), QSize(128, 128));
                products.append(data.Product);
            }
            EXPECT_TRUE(data.Logo.hasAlphaChannel()) << "logos lie on the host's background";
        }
    }
    EXPECT_EQ(products[0], QStringLiteral("Vantorix UPS Selector"));
    EXPECT_NE(products[1], products[0]) << "Kelvra has a product name of its own";
}

TEST_F(EngineOem, LogosAreDrawnInTheBrandingColours)
{
    InitializeAs(0);
    const TakenOemData maronel = TakeOemData(engine, 0);
    EXPECT_EQ(maronel.Name, QStringLiteral("Maronel"));
    ExpectDrawnWith(maronel.Logo, QColor(0x0B, 0x25, 0x45)); // navy
    ExpectDrawnWith(maronel.Logo, QColor(0xF2, 0x8C, 0x28)); // orange

    InitializeAs(1);
    const TakenOemData kelvra = TakeOemData(engine, 1);
    EXPECT_EQ(kelvra.Name, QStringLiteral("Kelvra"));
    ExpectDrawnWith(kelvra.Logo, QColor(0x2B, 0x2F, 0x36)); // graphite
    ExpectDrawnWith(kelvra.Logo, QColor(0x14, 0xB8, 0xA6)); // teal
}

TEST_F(EngineOem, BeforeInitialisationMaronelAfterwardsTheLastUsageType)
{
    // A freshly loaded engine has never been initialised.
    engine.Unload();
    if (void* stillLoaded = dlopen(VANTOR_ENGINE_LIBRARY, RTLD_NOW | RTLD_NOLOAD)) {
        dlclose(stillLoaded);
        GTEST_SKIP() << "the engine stayed loaded from an earlier test in this process";
    }
    LoadedEngine fresh;
    ASSERT_TRUE(fresh.IsLoaded());
    TOemData data{};
    ASSERT_EQ(fresh.GetOemData(&data, 0), 0);
    EXPECT_EQ(TakeEngineString(data.sName), QStringLiteral("Maronel"));
    TakeEngineString(data.sProduct);
    TakeEngineString(data.sCopyright);
    TakeEngineString(data.sHomePage);
    EXPECT_FALSE(TakeEngineLogo(data.Logo).isNull());

    record.UsageType = 1;
    TInfoVersion version{};
    fresh.Initialize(record.Get(), &version, &version, &version);
    fresh.Uninitialize();
    EXPECT_EQ(TakeOemData(fresh, 1).Name, QStringLiteral("Kelvra"));
}

TEST_F(EngineOem, UnknownUsageTypesGetNeutralBranding)
{
    InitializeAs(200);
    const TakenOemData data = TakeOemData(engine, 0);
    EXPECT_EQ(data.Result, 0);
    EXPECT_FALSE(data.Product.isEmpty());
    EXPECT_FALSE(data.Logo.isNull());
    EXPECT_NE(data.Name, QStringLiteral("Maronel"));
}

TEST_F(EngineOem, RefusesAMissingRecord)
{
    EXPECT_NE(engine.GetOemData(nullptr, 0), 0);
}

} // namespace
} // namespace vantor::test
