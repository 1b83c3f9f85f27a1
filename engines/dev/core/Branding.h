// Branding of each usage type: the texts the host shows and the colours of
// the engine's logos and screens.
#pragma once

#include "engine/EngineApi.h"

#include <QColor>
#include <QString>

namespace vantor::devengine {

enum class MarkShape { RoundedSquare, Hexagon, Circle, Shield, Diamond };

struct Branding {
    QString Name; // the maker
    QString Product;
    QString Copyright;
    QString HomePage;
    QString Tagline;  // the small line under the product name in the logos
    QColor Primary;   // dark brand colour: header bands, product name
    QColor Secondary; // lighter companion of Primary
    QColor Accent;    // highlights: the mark's bolt, buttons, suggestions
    MarkShape Mark = MarkShape::RoundedSquare;
    // The window colour of the host's skin for this usage type: the
    // main-window logo lies on it, so its text must stand out against it.
    QColor HostBackground;
};

// Usage types 0 to 6 (utMaronel ... utWebMaronel); any other value gets the
// neutral branding of utGeneric.
const Branding& BrandingFor(int usageType);

inline constexpr int UsageTypeCount = 7;

// The branding's place among the usage types 0 to 6 (utGeneric's for any
// other value).
int BrandingIndex(int usageType);

} // namespace vantor::devengine
