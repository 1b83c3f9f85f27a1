// Build step: renders every logo of every branding into a folder, with the
// resource file that embeds them into the engine and a header naming the
// resource folder.
//
// The folder's name carries a digest of the pictures, so that two different
// builds of the engine loaded into one process never read each other's logos
// from the application-wide resource tree.
//
// Usage: RenderLogos <output folder>   (needs a QGuiApplication: run it on
// the offscreen platform)
#include "dev/core/Branding.h"
#include "dev/core/EmbeddedLogos.h"
#include "dev/core/LogoPainter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace vantor::devengine;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "RenderLogos: cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
        return false;
    }
    return file.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: RenderLogos <output folder>\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "RenderLogos: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    QCryptographicHash digest(QCryptographicHash::Sha256);
    QStringList files;
    for (int index = 0; index < UsageTypeCount; ++index) {
        const Branding& branding = BrandingFor(index);
        for (LogoKind kind : {LogoKind::Wide, LogoKind::Square}) {
            const QImage image = kind == LogoKind::Wide ? PaintWideLogo(branding) : PaintSquareLogo(branding);
            const QByteArray png = EncodePng(image);
            const QString name = LogoFileName(index, kind);
            if (png.isEmpty()) {
                std::fprintf(stderr, "RenderLogos: cannot encode %s\n", qPrintable(name));
                return 1;
            }
            if (!WriteFile(folder.filePath(name), png))
                return 1;
            digest.addData(name.toUtf8());
            digest.addData(png);
            files.append(name);
        }
    }

    const QString root =
        QStringLiteral("vantor-devengine-%1").arg(QString::fromLatin1(digest.result().toHex().left(16)));
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/" + root.toUtf8() + "\">\n";
    for (const QString& name : std::as_const(files))
        qrc += "  <file>" + name.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    const QByteArray header = "// Written by RenderLogos: the resource folder of this build's logos.\n"
                              "#pragma once\n"
                              "#define VANTOR_DEVENGINE_LOGO_ROOT \":/" +
                              root.toUtf8() + "/\"\n";
    if (!WriteFile(folder.filePath(QStringLiteral("logos.qrc")), qrc) ||
        !WriteFile(folder.filePath(QStringLiteral("EmbeddedLogoRoot.h")), header))
        return 1;
    return 0;
}
