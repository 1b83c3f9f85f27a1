#include "pack/PackageWriter.h"

#include "support/Result.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <zlib.h>

#include <vector>

namespace vantor::pack {

namespace {

constexpr qint64 Chunk = 256 * 1024;

class Deflater {
public:
    Deflater() : started_(deflateInit(&stream_, Z_DEFAULT_COMPRESSION) == Z_OK) {}
    ~Deflater()
    {
        if (started_)
            deflateEnd(&stream_);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    bool started() const { return started_; }
    z_stream& stream() { return stream_; }

private:
    z_stream stream_{};
    bool started_ = false;
};

QByteArray SizeBytes(qint64 size)
{
    const auto value = static_cast<quint32>(size);
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

class Writer {
public:
    explicit Writer(const QString& packagePath) : package_(packagePath) {}

    Result<void> open()
    {
        if (!package_.open(QIODevice::WriteOnly))
            return Failure(QStringLiteral("cannot create %1: %2").arg(package_.fileName(), package_.errorString()));
        return Ok();
    }

    Result<void> add(const PackageInput& input)
    {
        QFile source(input.SourcePath);
        if (!source.open(QIODevice::ReadOnly))
            return Failure(QStringLiteral("cannot read %1: %2").arg(input.SourcePath, source.errorString()));

        QByteArray header;
        header.append(static_cast<char>(input.Directory.size())).append(input.Directory);
        header.append(static_cast<char>(input.Name.size())).append(input.Name);
        if (const Result<void> put = write(header); !put)
            return put;
        // Both sizes are known only once the file has been read; they are
        // filled in afterwards.
        const qint64 sizesAt = package_.pos();
        if (const Result<void> put = write(QByteArray(8, '\0')); !put)
            return put;

        Deflater deflater;
        if (!deflater.started())
            return Failure(QStringLiteral("cannot start the compressor"));
        z_stream& z = deflater.stream();
        qint64 read = 0;
        qint64 compressed = 0;
        int flush = Z_NO_FLUSH;
        while (flush != Z_FINISH) {
            const qint64 count = source.read(input_.data(), Chunk);
            if (count < 0)
                return Failure(QStringLiteral("cannot read %1: %2").arg(input.SourcePath, source.errorString()));
            read += count;
            if (read > MaxStoredSize)
                return Failure(QStringLiteral("%1 is 2 GiB or larger; a package cannot hold it").arg(input.SourcePath));
            flush = count == 0 ? Z_FINISH : Z_NO_FLUSH;
            z.next_in = reinterpret_cast<Bytef*>(input_.data());
            z.avail_in = static_cast<uInt>(count);
            do {
                z.next_out = reinterpret_cast<Bytef*>(output_.data());
                z.avail_out = static_cast<uInt>(Chunk);
                deflate(&z, flush);
                const qint64 produced = Chunk - z.avail_out;
                if (const Result<void> put = write(output_.data(), produced); !put)
                    return put;
                compressed += produced;
            } while (z.avail_out == 0);
        }
        if (compressed > MaxStoredSize)
            return Failure(
                QStringLiteral("%1 compresses to 2 GiB or more; a package cannot hold it").arg(input.SourcePath));

        const qint64 end = package_.pos();
        if (!package_.seek(sizesAt))
            return Failure(QStringLiteral("cannot write %1").arg(package_.fileName()));
        if (const Result<void> put = write(SizeBytes(read) + SizeBytes(compressed)); !put)
            return put;
        if (!package_.seek(end))
            return Failure(QStringLiteral("cannot write %1").arg(package_.fileName()));
        return Ok();
    }

    Result<void> commit()
    {
        if (!package_.commit())
            return Failure(QStringLiteral("cannot write %1: %2").arg(package_.fileName(), package_.errorString()));
        return Ok();
    }

private:
    Result<void> write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }

    Result<void> write(const char* data, qint64 size)
    {
        if (package_.write(data, size) != size)
            return Failure(QStringLiteral("cannot write %1: %2").arg(package_.fileName(), package_.errorString()));
        return Ok();
    }

    QSaveFile package_;
    std::vector<char> input_ = std::vector<char>(Chunk);
    std::vector<char> output_ = std::vector<char>(Chunk);
};

} // namespace

namespace {

Result<void> WriteInto(const QString& packagePath, const QList<PackageInput>& inputs)
{
    // Unless commit() is reached, QSaveFile removes its temporary file.
    Writer writer(packagePath);
    if (const Result<void> opened = writer.open(); !opened)
        return opened;
    for (const PackageInput& input : inputs) {
        if (const Result<void> added = writer.add(input); !added)
            return added;
    }
    return writer.commit();
}

} // namespace

Result<void> WritePackage(const QString& packagePath, const QList<PackageInput>& inputs)
{
    // The package's folder is made when missing, and removed again when the
    // package cannot be written.
    QStringList madeFolders;
    for (QString folder = QFileInfo(packagePath).absolutePath(); !QFileInfo::exists(folder);
         folder = QFileInfo(folder).path())
        madeFolders.prepend(folder);
    const Result<void> written =
        !madeFolders.isEmpty() && !QDir().mkpath(madeFolders.back())
            ? Result<void>(Failure(QStringLiteral("cannot create the folder %1").arg(madeFolders.back())))
            : WriteInto(packagePath, inputs);
    if (!written) {
        for (auto folder = madeFolders.crbegin(); folder != madeFolders.crend(); ++folder)
            QDir().rmdir(*folder);
    }
    return written;
}

} // namespace vantor::pack
