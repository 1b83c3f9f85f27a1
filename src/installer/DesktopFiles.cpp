#include "installer/DesktopFiles.h"

#include <QBuffer>
#include <QDate>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace vantor::installer {

namespace {

// The icon: a rounded dark-blue tile with a lightning bolt over a battery
// bar, on a 256-unit grid that both the PNG and the SVG follow.
constexpr const char* TileColour = "#1d3f72";
constexpr const char* BoltColour = "#ffc629";
constexpr const char* BarColour = "#7fd46b";
const QList<QPointF> BoltPoints = {{146, 28}, {70, 142}, {122, 142}, {102, 228}, {186, 106}, {134, 106}, {162, 28}};

// Quoted for a desktop entry's Exec key: inside double quotes, the
// characters ", `, $ and \ take a backslash; a "%" is written twice.
QString QuotedExec(const QString& AProgram)
{
    QString quoted;
    for (const QChar c : AProgram) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray DesktopEntry(const QString& AProgramFile)
{
    const QString id = QLatin1String(ApplicationId);
    // Backslashes in a desktop entry's string values are escapes of their own.
    QString exec = QuotedExec(AProgramFile);
    exec.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.4\n"
                          "Name=Vantor\n"
                          "GenericName=UPS Selection\n"
                          "Comment=Choose uninterruptible power supplies from the maker's catalogues\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "Categories=Office;Engineering;\n"
                          "Keywords=UPS;power;battery;catalogue;pricelist;\n"
                          "StartupWMClass=Vantor\n")
        .arg(exec, id)
        .toUtf8();
}

QByteArray Metainfo(const QString& AVersion)
{
    const QString id = QLatin1String(ApplicationId);
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<component type=\"desktop-application\">\n"
                          "  <id>%1</id>\n"
                          "  <metadata_license>CC0-1.0</metadata_license>\n"
                          "  <project_license>LicenseRef-proprietary</project_license>\n"
                          "  <name>Vantor</name>\n"
                          "  <summary>Choose uninterruptible power supplies</summary>\n"
                          "  <description>\n"
                          "    <p>Vantor helps sales people pick UPS systems from the maker's product catalogues and "
                          "pricelists, and keeps catalogues and program up to date from the maker's server.</p>\n"
                          "  </description>\n"
                          "  <launchable type=\"desktop-id\">%1.desktop</launchable>\n"
                          "  <developer_name>Vantor</developer_name>\n"
                          "  <content_rating type=\"oars-1.1\"/>\n"
                          "  <releases>\n"
                          "    <release version=\"%2\" date=\"%3\"/>\n"
                          "  </releases>\n"
                          "</component>\n")
        .arg(id, AVersion.toHtmlEscaped(), QDate::currentDate().toString(Qt::ISODate))
        .toUtf8();
}

} // namespace

QByteArray IconSvg()
{
    QString bolt;
    for (const QPointF& point : BoltPoints)
        bolt += QStringLiteral("%1,%2 ").arg(point.x()).arg(point.y());
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
               "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"44\" fill=\"%1\"/>\n"
               "  <rect x=\"48\" y=\"196\" width=\"160\" height=\"20\" rx=\"6\" fill=\"%2\"/>\n"
               "  <polygon points=\"%3\" fill=\"%4\"/>\n"
               "</svg>\n")
        .arg(QLatin1String(TileColour), QLatin1String(BarColour), bolt.trimmed(), QLatin1String(BoltColour))
        .toUtf8();
}

QByteArray DrawIconPng(int ASize)
{
    QImage image(ASize, ASize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ASize / 256.0, ASize / 256.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(QLatin1String(TileColour)));
        painter.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
        painter.setBrush(QColor(QLatin1String(BarColour)));
        painter.drawRoundedRect(QRectF(48, 196, 160, 20), 6, 6);
        painter.setBrush(QColor(QLatin1String(BoltColour)));
        painter.drawPolygon(QPolygonF(BoltPoints));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QList<TDesktopFile> MakeDesktopFiles(const QString& AProgramFile, const QString& AVersion)
{
    const QString id = QLatin1String(ApplicationId);
    QList<TDesktopFile> files;
    files.append({QStringLiteral("applications/%1.desktop").arg(id), DesktopEntry(AProgramFile)});
    files.append({QStringLiteral("metainfo/%1.metainfo.xml").arg(id), Metainfo(AVersion)});
    for (const int size : {48, 64, 128, 256})
        files.append({QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id), DrawIconPng(size)});
    files.append({QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(id), IconSvg()});
    return files;
}

} // namespace vantor::installer
