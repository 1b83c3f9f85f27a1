// Hand-made update packages for the tests, byte by byte.
#pragma once

#include <QByteArray>
#include <QDirIterator>
#include <QString>
#include <QStringList>

namespace vantor::test {

inline QByteArray LittleEndian32(quint32 value)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>(value >> (8 * i) & 0xFF));
    return bytes;
}

// A zlib stream (header, deflate data, Adler-32) of the content.
inline QByteArray ZlibStream(const QByteArray& content)
{
    // qCompress puts the length, big-endian, in front of a zlib stream.
    return qCompress(content).mid(4);
}

// The zlib stream of no bytes at all.
inline QByteArray EmptyZlibStream()
{
    return QByteArray::fromHex("789c030000000001");
}

// An entry with the sizes given as they are.
inline QByteArray RawEntry(const QByteArray& directory, const QByteArray& name, quint32 uncompressedSize,
                           quint32 compressedSize, const QByteArray& data)
{
    return char(directory.size()) + directory + char(name.size()) + name + LittleEndian32(uncompressedSize) +
           LittleEndian32(compressedSize) + data;
}

inline QByteArray Entry(const QByteArray& directory, const QByteArray& name, const QByteArray& content)
{
    const QByteArray stream = ZlibStream(content);
    return RawEntry(directory, name, quint32(content.size()), quint32(stream.size()), stream);
}

// Every file and folder below a folder, relative to it, folders ending in "/".
inline QStringList EverythingBelow(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        found << QDir(folder).relativeFilePath(it.filePath()) + (it.fileInfo().isDir() ? "/" : "");
    }
    found.sort();
    return found;
}

} // namespace vantor::test
