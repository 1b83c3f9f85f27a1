// What puts Vantor in the desktop's application menu: a desktop entry, the
// icons in the hicolor theme (drawn here, nothing downloaded) and an
// AppStream metainfo file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vantor::installer {

// The application's id: names the desktop entry, the icon and the metainfo.
inline constexpr const char* ApplicationId = "io.vantor.Vantor";

struct TDesktopFile {
    QString RelativePath; // below the user's data folder ("applications/….desktop")
    QByteArray Content;
};

// Every file, for a program at AProgramFile of version AVersion ("1.0.0.1").
QList<TDesktopFile> MakeDesktopFiles(const QString& AProgramFile, const QString& AVersion);

// The icon drawn at ASize × ASize pixels, as PNG.
[[nodiscard]] QByteArray DrawIconPng(int ASize);

// The same icon as SVG text.
[[nodiscard]] QByteArray IconSvg();

} // namespace vantor::installer
