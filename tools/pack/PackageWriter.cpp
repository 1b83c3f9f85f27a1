#include "pack/PackageWriter.h"

#include "pack/PackError.h"

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
    Deflater()
    {
        if (deflateInit(&stream_, Z_DEFAULT_COMPRESSION) != Z_OK)
            throw PackError(QStringLiteral("cannot start the compressor"));
    }
    ~Deflater() { deflateEnd(&stream_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    z_stream& stream() { return stream_; }

private:
    z_stream stream_{};
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
    explicit Writer(const QString& packagePath) : package_(packagePath)
    {
        if (!package_.open(QIODevice::WriteOnly))
            throw PackError(QStringLiteral("cannot create %1: %2").arg(packagePath, package_.errorString()));
    }

    void add(const PackageInput& input)
    {
        QFile source(input.SourcePath);
        if (!source.open(QIODevice::ReadOnly))
            throw PackError(QStringLiteral("cannot read %1: %2").arg(input.SourcePath, source.errorString()));

        QByteArray header;
        header.append(static_cast<char>(input.Directory.size())).append(input.Directory);
        header.append(static_cast<char>(input.Name.size())).append(input.Name);
        put(header);
        // Both sizes are known only once the file has been read; they are
        // filled in afterwards.
        const qint64 sizesAt = package_.pos();
        put(QByteArray(8, '\0'));

        Deflater deflater;
        z_stream& z = deflater.stream();
        qint64 read = 0;
        qint64 compressed = 0;
        int flush = Z_NO_FLUSH;
        while (flush != Z_FINISH) {
            const qint64 count = source.read(input_.data(), Chunk);
            if (count < 0)
                throw PackError(QStringLiteral("cannot read %1: %2").arg(input.SourcePath, source.errorString()));
            read += count;
            if (read > MaxStoredSize)
                throw PackError(
                    QStringLiteral("%1 is 2 GiB or larger; a package cannot hold it").arg(input.SourcePath));
            flush = count == 0 ? Z_FINISH : Z_NO_FLUSH;
            z.next_in = reinterpret_cast<Bytef*>(input_.data());
            z.avail_in = static_cast<uInt>(count);
            do {
                z.next_out = reinterpret_cast<Bytef*>(output_.data());
                z.avail_out = static_cast<uInt>(Chunk);
                deflate(&z, flush);
                const qint64 produced = Chunk - z.avail_out;
                put(output_.data(), produced);
                compressed += produced;
            } while (z.avail_out == 0);
        }
        if (compressed > MaxStoredSize)
            throw PackError(
                QStringLiteral("%1 compresses to 2 GiB or more; a package cannot hold it").arg(input.SourcePath));

        const qint64 end = package_.pos();
        if (!package_.seek(sizesAt))
            throw PackError(QStringLiteral("cannot write %1").arg(package_.fileName()));
        put(SizeBytes(read) + SizeBytes(compressed));
        if (!package_.seek(end))
            throw PackError(QStringLiteral("cannot write %1").arg(package_.fileName()));
    }

    void commit()
    {
        if (!package_.commit())
            throw PackError(QStringLiteral("cannot write %1: %2").arg(package_.fileName(), package_.errorString()));
    }

private:
    void put(const QByteArray& bytes) { put(bytes.constData(), bytes.size()); }

    void put(const char* data, qint64 size)
    {
        if (package_.write(data, size) != size)
            throw PackError(QStringLiteral("cannot write %1: %2").arg(package_.fileName(), package_.errorString()));
    }

    QSaveFile package_;
    std::vector<char> input_ = std::vector<char>(Chunk);
    std::vector<char> output_ = std::vector<char>(Chunk);
};

} // namespace

void WritePackage(const QString& packagePath, const QList<PackageInput>& inputs)
{
    // The package's folder is made when missing, and removed again when the
    // package cannot be written.
    QStringList madeFolders;
    for (QString folder = QFileInfo(packagePath).absolutePath(); !QFileInfo::exists(folder);
         folder = QFileInfo(folder).path())
        madeFolders.prepend(folder);
    try {
        if (!madeFolders.isEmpty() && !QDir().mkpath(madeFolders.back()))
            throw PackError(QStringLiteral("cannot create the folder %1").arg(madeFolders.back()));
        // Unless commit() is reached, QSaveFile removes its temporary file.
        Writer writer(packagePath);
        for (const PackageInput& input : inputs)
            writer.add(input);
        writer.commit();
    } catch (...) {
        for (auto folder = madeFolders.crbegin(); folder != madeFolders.crend(); ++folder)
            QDir().rmdir(*folder);
        throw;
    }
}

} // namespace vantor::pack
