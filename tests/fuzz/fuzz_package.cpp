// Arbitrary bytes as an update package: listing and unpacking must fail only
// with a failure, and every file written must lie below the destination.
#include "update/ZlibMultiple.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

using vantor::TZlibMultiple;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Inputs are small; these caps keep a highly compressed entry from costing time.
constexpr std::size_t MaxInput = 64 * 1024;
constexpr qint64 MaxDeclaredSize = 1024 * 1024;
constexpr qint64 MaxInflated = 2 * 1024 * 1024;

struct TooLarge {};

class PrivateFolder {
public:
    PrivateFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz_package.XXXXXX").string();
        check(mkdtemp(pattern.data()) != nullptr);
        path_ = pattern;
    }
    ~PrivateFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

bool IsBelow(const std::filesystem::path& folder, const QString& file)
{
    const auto canonicalFolder = std::filesystem::weakly_canonical(folder).string() + "/";
    const auto canonicalFile = std::filesystem::weakly_canonical(file.toStdString()).string();
    return canonicalFile.compare(0, canonicalFolder.size(), canonicalFolder) == 0;
}

void Unpack(TZlibMultiple& reader, const QString& package, const std::filesystem::path& destination, bool overwrite)
{
    try {
        // A failure is a fine outcome for random bytes; only a crash or a file outside is not.
        (void)reader.DecompressFile(package, QString::fromStdString(destination.string()), overwrite, true);
    } catch (const TooLarge&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > MaxInput)
        return 0;
    PrivateFolder folder;
    const QString package = QString::fromStdString((folder.path() / "p.Z").string());
    {
        QFile file(package);
        check(file.open(QIODevice::WriteOnly));
        check(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == static_cast<qint64>(size));
    }

    TZlibMultiple reader;
    QStringList listed;
    (void)reader.ListStoredFiles(package, listed);

    const std::filesystem::path destination = folder.path() / "out";
    reader.OnDecompressingFile = [](const QString&, qint64 declared) { return declared <= MaxDeclaredSize; };
    reader.OnProgress = [](qint64 done, qint64) {
        if (done > MaxInflated)
            throw TooLarge{};
    };
    int written = 0;
    reader.OnDecompressedFile = [&](const QString& target, qint64) {
        check(IsBelow(destination, target));
        ++written;
    };
    Unpack(reader, package, destination, true);
    // Every file written was listed first.
    check(written <= listed.size());
    // Again over what is there: existing files are passed over.
    Unpack(reader, package, destination, false);

    // Nothing beside the package and the destination.
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        check(entry.path() == destination || entry.path().filename() == "p.Z");
    return 0;
}
