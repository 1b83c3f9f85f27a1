#include "dev/core/EmbeddedLogos.h"

#include "dev/core/Branding.h"

#include <QResource>

namespace vantor::devengine {

QString LogoFileName(int brandingIndex, LogoKind kind)
{
    return QStringLiteral("logo-%1-%2.png")
        .arg(brandingIndex)
        .arg(kind == LogoKind::Wide ? QStringLiteral("wide") : QStringLiteral("square"));
}

QByteArray ReadEmbeddedLogo(const QString& root, int usageType, LogoKind kind)
{
    // QResource reads straight from the data compiled into the library; no
    // application object is needed.
    const QResource resource(root + LogoFileName(BrandingIndex(usageType), kind));
    if (!resource.isValid())
        return {};
    return resource.uncompressedData();
}

} // namespace vantor::devengine
