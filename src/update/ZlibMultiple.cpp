#include "update/ZlibMultiple.h"

#include "update/PackageEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <vector>

namespace vantor {

using package::EntryHeader;

namespace {

// Entries are streamed through fixed buffers, so memory does not grow with
// their size.
constexpr qint64 InputChunk = qint64{256} * 1024;
constexpr qint64 OutputChunk = qint64{256} * 1024;

Result<void> OpenForReading(QFile& file)
{
    if (!file.open(QIODevice::ReadOnly))
        return Failure(QStringLiteral("cannot open the package %1: %2").arg(file.fileName(), file.errorString()));
    return Ok();
}

Result<void> SeekTo(QIODevice& stream, qint64 position)
{
    if (!stream.seek(position))
        return Failure(QStringLiteral("cannot move to offset %1 of the package").arg(position));
    return Ok();
}

qint64 BytesLeft(const QIODevice& stream)
{
    return stream.size() - stream.pos();
}

class Inflater {
public:
    // Window bits 15: the zlib wrapper only; raw deflate and gzip fail.
    Inflater() : started_(inflateInit2(&stream_, 15) == Z_OK) {}
    ~Inflater()
    {
        if (started_)
            inflateEnd(&stream_);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool started() const { return started_; }
    z_stream& stream() { return stream_; }

private:
    z_stream stream_{};
    bool started_ = false;
};

struct Buffers {
    std::vector<char> input = std::vector<char>(InputChunk);
    std::vector<char> output = std::vector<char>(OutputChunk);
};

// Inflates the entry's stream from the package into the target, chunk by
// chunk, and returns the number of bytes written. The stream must end within
// the entry's data: a stream cut short is corrupt, not a shorter file; and it
// may not inflate to more than the entry's recorded size.
Result<qint64> InflateEntry(QIODevice& package, const EntryHeader& header, QFile& target, Buffers& buffers,
                            const std::function<void(qint64, qint64)>& onProgress)
{
    const QString path = package::StoredRelativePath(header);
    Inflater inflater;
    if (!inflater.started())
        return Failure(QStringLiteral("cannot start the decompressor"));
    z_stream& z = inflater.stream();
    qint64 compressedLeft = header.CompressedSize;
    qint64 written = 0;
    for (;;) {
        if (z.avail_in == 0 && compressedLeft > 0) {
            const qint64 count = std::min(compressedLeft, InputChunk);
            if (package.read(buffers.input.data(), count) != count)
                return Failure(QStringLiteral("cannot read the data of \"%1\"").arg(path));
            compressedLeft -= count;
            z.next_in = reinterpret_cast<Bytef*>(buffers.input.data());
            z.avail_in = static_cast<uInt>(count);
        }
        z.next_out = reinterpret_cast<Bytef*>(buffers.output.data());
        z.avail_out = static_cast<uInt>(OutputChunk);
        const int result = inflate(&z, Z_NO_FLUSH);
        // Z_BUF_ERROR only means no progress was possible without more input.
        const bool failed = result != Z_OK && result != Z_STREAM_END && !(result == Z_BUF_ERROR && z.avail_in == 0);
        if (failed) {
            const QString reason = result == Z_NEED_DICT ? QStringLiteral("needs a preset dictionary")
                                   : z.msg               ? QString::fromLatin1(z.msg)
                                                         : QStringLiteral("zlib error %1").arg(result);
            return Failure(QStringLiteral("the compressed data of \"%1\" is corrupt: %2").arg(path, reason));
        }
        const qint64 produced = OutputChunk - z.avail_out;
        // A small entry could otherwise fill the disk: the recorded size is a limit.
        if (produced > header.UncompressedSize - written)
            return Failure(QStringLiteral("\"%1\" inflates to more than its recorded %2 bytes")
                               .arg(path)
                               .arg(header.UncompressedSize));
        if (produced > 0) {
            if (target.write(buffers.output.data(), produced) != produced)
                return Failure(QStringLiteral("cannot write %1: %2").arg(target.fileName(), target.errorString()));
            written += produced;
            if (onProgress)
                onProgress(written, header.UncompressedSize);
        }
        if (result == Z_STREAM_END)
            return written;
        if (produced == 0 && z.avail_in == 0 && compressedLeft == 0)
            return Failure(QStringLiteral("the data of \"%1\" ends before its compressed stream").arg(path));
    }
}

} // namespace

Result<void> TZlibMultiple::ListStoredFiles(const QString& FileName, QStringList& FileList) const
{
    QFile file(FileName);
    if (auto opened = OpenForReading(file); !opened)
        return opened;
    while (BytesLeft(file) > 0) {
        const auto header = package::ReadEntryHeader(file);
        if (!header)
            return header.error();
        FileList.append(package::StoredRelativePath(*header));
        // A final entry cut short is listed all the same; nothing follows it.
        if (header->CompressedSize >= BytesLeft(file))
            break;
        if (auto next = SeekTo(file, header->DataOffset + header->CompressedSize); !next)
            return next;
    }
    return Ok();
}

Result<void> TZlibMultiple::DecompressFile(const QString& FileName, const QString& Directory, bool Overwrite,
                                           bool RelativePaths)
{
    QFile file(FileName);
    if (auto opened = OpenForReading(file); !opened)
        return opened;
    if (auto unpacked = DecompressStream(file, Directory, Overwrite, RelativePaths); !unpacked)
        return unpacked;
    if (OnCompletedAction)
        OnCompletedAction();
    return Ok();
}

Result<void> TZlibMultiple::DecompressStream(QIODevice& Stream, const QString& Directory, bool Overwrite,
                                             bool RelativePaths)
{
    if (Stream.isSequential())
        return Failure(QStringLiteral("a package must be read from a file or a buffer"));
    QString destination = Directory;
    if (!destination.isEmpty() && !destination.endsWith(u'/'))
        destination += u'/';

    Buffers buffers;
    while (BytesLeft(Stream) > 0) {
        const auto read = package::ReadEntryHeader(Stream);
        if (!read)
            return read.error();
        const EntryHeader& header = *read;
        const QString relative = package::StoredRelativePath(header);
        // Everything that can be known about the entry is checked before
        // anything of it is written.
        if (header.CompressedSize > BytesLeft(Stream))
            return Failure(QStringLiteral("the data of \"%1\" is cut short by the end of the package").arg(relative));
        if (auto path = package::CheckEntryPath(header); !path)
            return path;

        const QString directory = package::ToLocalSeparators(package::StoredDirectory(header));
        const QString target = destination + package::ToLocalSeparators(RelativePaths ? relative : header.Name);
        const qint64 dataEnd = header.DataOffset + header.CompressedSize;

        if (ForceDirectoriesFlag) {
            // The entry's folder is made even when paths are dropped; a name
            // with separators in it needs the folders before the file.
            const QString folders[] = {destination + directory, QFileInfo(target).path()};
            for (const QString& folder : folders) {
                if (!folder.isEmpty() && !QDir().mkpath(folder))
                    return Failure(QStringLiteral("cannot create the folder %1").arg(folder));
            }
        }
        if ((!Overwrite && QFileInfo::exists(target)) ||
            (OnDecompressingFile && !OnDecompressingFile(target, header.UncompressedSize))) {
            if (auto next = SeekTo(Stream, dataEnd); !next)
                return next;
            continue;
        }

        QFile output(target);
        if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return Failure(QStringLiteral("cannot create %1: %2").arg(target, output.errorString()));
        const auto written = InflateEntry(Stream, header, output, buffers, OnProgress);
        if (!written)
            return written.error();
        output.close();
        if (output.error() != QFileDevice::NoError)
            return Failure(QStringLiteral("cannot write %1: %2").arg(target, output.errorString()));
        // Bytes after the end of the zlib stream belong to no file.
        if (auto next = SeekTo(Stream, dataEnd); !next)
            return next;
        if (OnDecompressedFile)
            OnDecompressedFile(target, *written);
    }
    return Ok();
}

} // namespace vantor
