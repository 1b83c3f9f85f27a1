#include "support/FileVersion.h"

#include <QFile>

#include <cstring>

namespace vantor::platform {

namespace {

constexpr std::uint32_t SectionTypeNote = 7;
constexpr std::uint32_t VersionNoteType = 1;
constexpr char VersionNoteOwner[] = "Vantor"; // with its terminating zero: 7 bytes
// Notes are small; a larger note section is not ours and is not read.
constexpr std::uint64_t MaxNoteSectionSize = 1u << 20;
constexpr std::uint32_t MaxSectionCount = 1u << 16;

// Random access to the bytes of a file or of a buffer.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual bool Read(std::uint64_t offset, std::uint64_t size, QByteArray& out) = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(const QByteArray& bytes) : bytes_(bytes) {}
    bool Read(std::uint64_t offset, std::uint64_t size, QByteArray& out) override
    {
        const auto total = static_cast<std::uint64_t>(bytes_.size());
        if (offset > total || size > total - offset)
            return false;
        out = bytes_.mid(static_cast<qsizetype>(offset), static_cast<qsizetype>(size));
        return true;
    }

private:
    const QByteArray& bytes_;
};

class FileSource final : public ByteSource {
public:
    explicit FileSource(QFile& file) : file_(file) {}
    bool Read(std::uint64_t offset, std::uint64_t size, QByteArray& out) override
    {
        const auto total = static_cast<std::uint64_t>(file_.size());
        if (offset > total || size > total - offset)
            return false;
        if (!file_.seek(static_cast<qint64>(offset)))
            return false;
        out = file_.read(static_cast<qint64>(size));
        return static_cast<std::uint64_t>(out.size()) == size;
    }

private:
    QFile& file_;
};

class Decoder {
public:
    explicit Decoder(bool bigEndian) : bigEndian_(bigEndian) {}
    std::uint64_t Get(const QByteArray& bytes, std::size_t offset, std::size_t width) const
    {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const std::size_t index = bigEndian_ ? offset + i : offset + width - 1 - i;
            value = (value << 8) | static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(index)]);
        }
        return value;
    }

private:
    bool bigEndian_;
};

std::optional<FileVersionWords> FindVersionNote(const QByteArray& notes, const Decoder& d)
{
    std::size_t pos = 0;
    const auto size = static_cast<std::size_t>(notes.size());
    auto padded = [](std::uint64_t n) { return (n + 3) & ~std::uint64_t{3}; };
    while (size - pos >= 12) {
        const std::uint64_t nameSize = d.Get(notes, pos, 4);
        const std::uint64_t descSize = d.Get(notes, pos + 4, 4);
        const std::uint64_t type = d.Get(notes, pos + 8, 4);
        pos += 12;
        const std::uint64_t nameSpan = padded(nameSize);
        const std::uint64_t descSpan = padded(descSize);
        if (nameSpan > size - pos || descSpan > size - pos - nameSpan)
            return std::nullopt;
        const bool ours = type == VersionNoteType && nameSize == sizeof(VersionNoteOwner) &&
                          std::memcmp(notes.constData() + pos, VersionNoteOwner, sizeof(VersionNoteOwner)) == 0;
        pos += static_cast<std::size_t>(nameSpan);
        if (ours && descSize == 8) {
            FileVersionWords words;
            words.mostSignificant = static_cast<std::uint32_t>(d.Get(notes, pos, 4));
            words.leastSignificant = static_cast<std::uint32_t>(d.Get(notes, pos + 4, 4));
            return words;
        }
        pos += static_cast<std::size_t>(descSpan);
    }
    return std::nullopt;
}

std::optional<FileVersionWords> ReadFrom(ByteSource& source)
{
    QByteArray ident;
    if (!source.Read(0, 16, ident) || !ident.startsWith("\x7f"
                                                        "ELF"))
        return std::nullopt;
    const char elfClass = ident[4];
    const char elfData = ident[5];
    if ((elfClass != 1 && elfClass != 2) || (elfData != 1 && elfData != 2))
        return std::nullopt;
    const bool is64 = elfClass == 2;
    const Decoder d(elfData == 2);

    QByteArray header;
    if (!source.Read(0, is64 ? 64 : 52, header))
        return std::nullopt;
    const std::uint64_t sectionOffset = is64 ? d.Get(header, 40, 8) : d.Get(header, 32, 4);
    const std::uint64_t entrySize = d.Get(header, is64 ? 58 : 46, 2);
    const std::uint64_t sectionCount = d.Get(header, is64 ? 60 : 48, 2);
    const std::uint64_t minEntrySize = is64 ? 64 : 40;
    if (sectionOffset == 0 || entrySize < minEntrySize || sectionCount == 0 || sectionCount > MaxSectionCount)
        return std::nullopt;

    QByteArray table;
    if (!source.Read(sectionOffset, entrySize * sectionCount, table))
        return std::nullopt;
    for (std::uint64_t i = 0; i < sectionCount; ++i) {
        const auto base = static_cast<std::size_t>(i * entrySize);
        if (d.Get(table, base + 4, 4) != SectionTypeNote)
            continue;
        const std::uint64_t offset = is64 ? d.Get(table, base + 24, 8) : d.Get(table, base + 16, 4);
        const std::uint64_t size = is64 ? d.Get(table, base + 32, 8) : d.Get(table, base + 20, 4);
        if (size > MaxNoteSectionSize)
            continue;
        QByteArray notes;
        if (!source.Read(offset, size, notes))
            continue;
        if (auto words = FindVersionNote(notes, d))
            return words;
    }
    return std::nullopt;
}

} // namespace

std::optional<FileVersionWords> ReadFileVersion(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    FileSource source(file);
    return ReadFrom(source);
}

std::optional<FileVersionWords> ParseFileVersion(const QByteArray& bytes)
{
    MemorySource source(bytes);
    return ReadFrom(source);
}

} // namespace vantor::platform
