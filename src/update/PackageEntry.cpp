#include "update/PackageEntry.h"

#include <QIODevice>
#include <QRegularExpression>

namespace vantor::package {

namespace {

Result<QByteArray> ReadExactly(QIODevice& stream, qint64 count, const char* what)
{
    QByteArray bytes = stream.read(count);
    if (bytes.size() != count)
        return Failure(QStringLiteral("the package ends inside an entry's %1 at offset %2")
                           .arg(QLatin1String(what))
                           .arg(stream.pos()));
    return bytes;
}

Result<QString> ReadText(QIODevice& stream, const char* what)
{
    const auto length = ReadExactly(stream, 1, what);
    if (!length)
        return length.error();
    const auto text = ReadExactly(stream, static_cast<unsigned char>(length->at(0)), what);
    if (!text)
        return text.error();
    return QString::fromLatin1(*text);
}

Result<qint64> ReadSize(QIODevice& stream, const char* what)
{
    const auto bytes = ReadExactly(stream, 4, what);
    if (!bytes)
        return bytes.error();
    const auto byte = [&](int i) { return static_cast<quint32>(static_cast<unsigned char>(bytes->at(i))); };
    const quint32 value = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    // Written as signed 32-bit numbers: the top bit set means a negative size.
    if (value > 0x7FFFFFFFu)
        return Failure(
            QStringLiteral("an entry's %1 is negative at offset %2").arg(QLatin1String(what)).arg(stream.pos() - 4));
    return qint64{value};
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

Error Refused(const EntryHeader& header, const char* reason)
{
    return Failure(QStringLiteral("refused entry \"%1\": %2").arg(StoredRelativePath(header), QLatin1String(reason)));
}

Result<void> CheckPart(const EntryHeader& header, const QString& part)
{
    if (part.contains(QChar(u'\0')))
        return Refused(header, "its path contains a NUL byte");
    if (!part.isEmpty() && IsSeparator(part.front()))
        return Refused(header, "its path is absolute");
    for (const QString& component : part.split(Separators())) {
        if (component == u"..")
            return Refused(header, "its path leads out of the destination folder");
        if (IsDriveComponent(component))
            return Refused(header, "its path names a drive");
    }
    return Ok();
}

} // namespace

Result<EntryHeader> ReadEntryHeader(QIODevice& stream)
{
    EntryHeader header;
    const auto directory = ReadText(stream, "directory");
    if (!directory)
        return directory.error();
    const auto name = ReadText(stream, "name");
    if (!name)
        return name.error();
    const auto uncompressed = ReadSize(stream, "uncompressed size");
    if (!uncompressed)
        return uncompressed.error();
    const auto compressed = ReadSize(stream, "compressed size");
    if (!compressed)
        return compressed.error();
    header.Directory = *directory;
    header.Name = *name;
    header.UncompressedSize = *uncompressed;
    header.CompressedSize = *compressed;
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

Result<void> CheckEntryPath(const EntryHeader& header)
{
    if (auto directory = CheckPart(header, header.Directory); !directory)
        return directory;
    if (auto name = CheckPart(header, header.Name); !name)
        return name;
    // A name that is empty or ends with a separator would make the target a
    // folder, and "." is the folder itself.
    const QString last = header.Name.section(Separators(), -1);
    if (last.isEmpty() || last == u".")
        return Refused(header, "it names no file");
    return Ok();
}

QString ToLocalSeparators(const QString& storedPath)
{
    QString path = storedPath;
    path.replace(u'\\', u'/');
    return path;
}

} // namespace vantor::package
