// The look of the engine's screens in the branding colours. The style sheet
// is set on the screen only, so the host's own widgets keep their look.
#pragma once

#include "dev/core/Branding.h"

#include <QString>

namespace vantor::devengine {

QString ScreenStyleSheet(const Branding& branding);

// A colour as "#rrggbb" or, with alpha, "rgba(...)" for style sheets.
QString CssColour(const QColor& colour);

} // namespace vantor::devengine
