// The finished logos that the build renders with LogoPainter and embeds into
// the engine as resources, so that handing them out draws nothing.
#pragma once

#include <QByteArray>
#include <QString>

namespace vantor::devengine {

enum class LogoKind { Wide, Square };

// The file name of a logo among the rendered ones: logo-<index>-wide.png or
// logo-<index>-square.png, index being the branding's (BrandingIndex).
QString LogoFileName(int brandingIndex, LogoKind kind);

// The PNG bytes of the usage type's logo from the resource folder root (for
// example ":/some-root/"); empty when it is not there.
QByteArray ReadEmbeddedLogo(const QString& root, int usageType, LogoKind kind);

} // namespace vantor::devengine
