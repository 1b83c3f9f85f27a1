#include "dev/core/Branding.h"

#include <array>

namespace vantor::devengine {

namespace {

Branding Make(const char* name, const char* product, const char* homePage, const char* tagline, QColor primary,
              QColor secondary, QColor accent, MarkShape mark, QColor hostBackground)
{
    Branding branding;
    branding.Name = QString::fromUtf8(name);
    branding.Product = QString::fromUtf8(product);
    branding.Copyright = QStringLiteral("Copyright \u00A9 2024 %1. All rights reserved.").arg(branding.Name);
    branding.HomePage = QString::fromUtf8(homePage);
    branding.Tagline = QString::fromUtf8(tagline);
    branding.Primary = primary;
    branding.Secondary = secondary;
    branding.Accent = accent;
    branding.Mark = mark;
    branding.HostBackground = hostBackground;
    return branding;
}

const std::array<Branding, UsageTypeCount>& AllBrandings()
{
    // The shell's skins: Kelvra's is dark graphite; Maronel's is light
    // grey-blue, and the usage types without a skin of their own get the
    // light default.
    const QColor lightSkin(0xEE, 0xF2, 0xF7);
    const QColor darkSkin(0x24, 0x28, 0x2C);
    static const std::array<Branding, UsageTypeCount> brandings = {
        // utMaronel: navy and blue with an orange accent.
        Make("Maronel", "Vantorix UPS Selector", "http://www.maronel.example/", "POWER PROTECTION SYSTEMS",
             QColor(0x0B, 0x25, 0x45), QColor(0x1F, 0x5F, 0xAE), QColor(0xF2, 0x8C, 0x28), MarkShape::RoundedSquare,
             lightSkin),
        // utKelvra: graphite with teal.
        Make("Kelvra", "Kelvra PowerPlan", "http://www.kelvra.example/", "UPS SIZING AND CONFIGURATION",
             QColor(0x2B, 0x2F, 0x36), QColor(0x4A, 0x52, 0x5E), QColor(0x14, 0xB8, 0xA6), MarkShape::Hexagon,
             darkSkin),
        // utPorvik: deep red with gold.
        Make("Porvik", "Porvik UPS Configurator", "http://www.porvik.example/", "CRITICAL POWER SOLUTIONS",
             QColor(0x6B, 0x0F, 0x1A), QColor(0xA3, 0x1D, 0x2E), QColor(0xE8, 0xB9, 0x3A), MarkShape::Circle,
             lightSkin),
        // utSandel: forest green with lime.
        Make("Sandel", "Sandel Power Selector", "http://www.sandel.example/", "ENERGY CONTINUITY",
             QColor(0x12, 0x3D, 0x2E), QColor(0x1E, 0x6B, 0x4F), QColor(0x9B, 0xD1, 0x3C), MarkShape::Shield,
             lightSkin),
        // utQuillon: indigo with magenta.
        Make("Quillon", "Quillon UPS Advisor", "http://www.quillon.example/", "POWER QUALITY EXPERTS",
             QColor(0x2A, 0x1B, 0x5C), QColor(0x4B, 0x3A, 0x9E), QColor(0xE0, 0x4F, 0x9A), MarkShape::Diamond,
             lightSkin),
        // utGeneric: neutral slate with sky blue.
        Make("UPS Selector", "UPS Selector", "http://www.ups-selector.example/", "SIZING AND PRICING",
             QColor(0x33, 0x41, 0x55), QColor(0x47, 0x55, 0x69), QColor(0x38, 0xBD, 0xF8), MarkShape::RoundedSquare,
             lightSkin),
        // utWebMaronel: Maronel's colours, web edition.
        Make("Maronel", "Vantorix UPS Selector Web", "http://www.maronel.example/web/", "POWER PROTECTION SYSTEMS",
             QColor(0x0B, 0x25, 0x45), QColor(0x1F, 0x5F, 0xAE), QColor(0xF2, 0x8C, 0x28), MarkShape::RoundedSquare,
             lightSkin),
    };
    return brandings;
}

} // namespace

int BrandingIndex(int usageType)
{
    constexpr int Generic = 5;
    return usageType < 0 || usageType >= UsageTypeCount ? Generic : usageType;
}

const Branding& BrandingFor(int usageType)
{
    return AllBrandings()[static_cast<size_t>(BrandingIndex(usageType))];
}

} // namespace vantor::devengine
