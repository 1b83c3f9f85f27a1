// The main window's rules that need no widgets: its title, its size by
// screen density, and the fonts of its item labels.
#pragma once

#include "common/uGlobals.h"

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

extern TItemsCaption ItemsCaption;

// "%s  [%s : %s]" of the branding part, the catalogue label and the catalogue
// name (letters a to z upper-cased), then the markers of the options that have one.
QString ComposeTitle(const QString& titleWindow, const QString& catalogueLabel, const QString& catalogueName,
                     const TGlobalSetupData& settings);

// "%s %s - %d.%d.%d" of the branding: the build number is not shown.
QString ComposeTitleWindow(const QString& name, const QString& product, const TInfoVersion& version);

// Where the window goes and how large it is at a screen density.
struct TWindowSizing {
    enum class Kind { ClientSize, OuterSize, WorkArea, Designed } kind = Kind::Designed;
    QSize size; // client size for ClientSize, outer size for OuterSize
};

inline constexpr QSize DesignedClientSize{672, 467};

// 96 dpi: a client area of 1020 by the title band and 582; 120 dpi: 1146 by
// 758 outside, each reduced to the work area; 144 dpi: the whole work area;
// any other density: the designed size.
TWindowSizing WindowSizingFor(int dotsPerInch, const QRect& workArea, int titleBandHeight);

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
