// The main window's rules that need no widgets: its title, its size by
// screen density, and the fonts of its item labels.
#pragma once

#include "common/uGlobals.h"

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

namespace vantor {

// Captions of the six entries, kept so that the hover effect can restore them.
struct TItemsCaption {
    QString UpsSelModular;
    QString UpsSelAdvanced;
    QString UpsSelBase;
    QString UpsSelRuntime;
    QString Setup;
    QString About;
};

// "%s  [%s : %s]" of the branding part, the catalogue label and the catalogue
// name (letters a to z upper-cased), then the markers of the options that have one.
[[nodiscard]] QString ComposeTitle(const QString& titleWindow, const QString& catalogueLabel,
                                   const QString& catalogueName, const TGlobalSetupData& settings);

// "%s %s - %d.%d.%d" of the branding: the build number is not shown.
[[nodiscard]] QString ComposeTitleWindow(const QString& name, const QString& product, const TInfoVersion& version);

inline constexpr QSize DesignedClientSize{672, 467};

// The title band at the top of the client area.
inline constexpr int TitleBandHeight = 45;
inline constexpr int TitleBandTopMargin = 3;

// The screen as the window is planned on it: its density in device pixels per
// inch (Qt's logical DPI times the device pixel ratio), that ratio, and the
// work area in Qt's logical pixels.
struct TScreenFacts {
    int dotsPerInch = 96;
    qreal devicePixelRatio = 1.0;
    QRect workArea;
};

// The main window's client size. Sizes are device pixels at the density:
// 96 dpi: a client area of 1020 by the title band and 582; 120 dpi: 1146 by
// 758 with the frame; 144 dpi: the whole work area; any other density: the
// designed client size. The window, frame included, is then reduced to the
// work area, so that none of it lies off the screen.
QSize MainWindowClientSize(const TScreenFacts& screen, const QMargins& frame, int titleBandHeight);

// Point sizes of an item label while hovered and after it: 16 for the
// selector entries, 12 for setup and about.
inline int ItemPointSize(bool main)
{
    return main ? 16 : 12;
}

// Left edge that centres a child of width inner in a parent of width outer,
// truncated toward zero.
inline int CentredLeft(int outer, int inner)
{
    return (outer - inner) / 2;
}

} // namespace vantor
