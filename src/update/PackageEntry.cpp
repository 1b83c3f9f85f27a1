#include "update/PackageEntry.h"

#include "update/PackageError.h"

#include <QIODevice>
#include <QRegularExpression>

namespace vantor::package {

namespace {

QByteArray ReadExactly(QIODevice& stream, qint64 count, const char* what)
{
    QByteArray bytes = stream.read(count);
    if (bytes.size() != count)
        throw PackageError(QStringLiteral("the package ends inside an entry's %1 at offset %2")
                               .arg(QLatin1String(what))
                               .arg(stream.pos()));
    return bytes;
}

QString ReadText(QIODevice& stream, const char* what)
{
    const auto length = static_cast<unsigned char>(ReadExactly(stream, 1, what).at(0));
    return QString::fromLatin1(ReadExactly(stream, length, what));
}

qint64 ReadSize(QIODevice& stream, const char* what)
{
    const QByteArray bytes = ReadExactly(stream, 4, what);
    const auto byte = [&](int i) { return static_cast<quint32>(static_cast<unsigned char>(bytes.at(i))); };
    const quint32 value = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    // Written as signed 32-bit numbers: the top bit set means a negative size.
    if (value > 0x7FFFFFFFu)
        throw PackageError(
            QStringLiteral("an entry's %1 is negative at offset %2").arg(QLatin1String(what)).arg(stream.pos() - 4));
    return value;
}

const QRegularExpression& Separators()
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    return separators;
}

bool IsSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

bool IsDriveComponent(const QString& component)
{
    return component.size() >= 2 && component.at(1) == u':' && component.at(0).unicode() < 128 &&
           component.at(0).isLetter();
}

void Refuse(const EntryHeader& header, const char* reason)
{
    throw PackageError(
        QStringLiteral("refused entry \"%1\": %2").arg(StoredRelativePath(header), QLatin1String(reason)));
}

void CheckPart(const EntryHeader& header, const QString& part)
{
    if (part.contains(QChar(u'\0')))
        Refuse(header, "its path contains a NUL byte");
    if (!part.isEmpty() && IsSeparator(part.front()))
        Refuse(header, "its path is absolute");
    for (const QString& component : part.split(Separators())) {
        if (component == u"..")
            Refuse(header, "its path leads out of the destination folder");
        if (IsDriveComponent(component))
            Refuse(header, "its path names a drive");
    }
}

} // namespace

EntryHeader ReadEntryHeader(QIODevice& stream)
{
    EntryHeader header;
    header.Directory = ReadText(stream, "directory");
    header.Name = ReadText(stream, "name");
    header.UncompressedSize = ReadSize(stream, "uncompressed size");
    header.CompressedSize = ReadSize(stream, "compressed size");
    header.DataOffset = stream.pos();
    return header;
}

QString StoredDirectory(const EntryHeader& header)
{
    if (header.Directory.isEmpty() || header.Directory.endsWith(u'\\'))
        return header.Directory;
    return header.Directory + u'\\';
}

QString StoredRelativePath(const EntryHeader& header)
{
    return StoredDirectory(header) + header.Name;
}

void CheckEntryPath(const EntryHeader& header)
{
    CheckPart(header, header.Directory);
    CheckPart(header, header.Name);
    // A name that is empty or ends with a separator would make the target a
    // folder, and "." is the folder itself.
    const QString last = header.Name.section(Separators(), -1);
    if (last.isEmpty() || last == u".")
        Refuse(header, "it names no file");
}

QString ToLocalSeparators(const QString& storedPath)
{
    QString path = storedPath;
    path.replace(u'\\', u'/');
    return path;
}

} // namespace vantor::package
