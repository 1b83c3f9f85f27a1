// Unpacking an update package of ~200 MB of mixed files with the package
// reader against a reference that inflates each entry in one call from and
// into whole-entry buffers. Also the peak memory of the reader for a package
// with one 50 MB entry and one with a 200 MB entry, each in a fresh process:
// it should not grow with the entry.
//
// Run: build/bench/bench_unpack   (writes and removes /tmp/bench_unpack.*)
#include "pack/PackageInputs.h"
#include "pack/PackageWriter.h"
#include "update/PackageEntry.h"
#include "update/ZlibMultiple.h"

#include <QDir>
#include <QFile>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace vantor;
namespace fs = std::filesystem;

namespace {

constexpr double MB = 1000.0 * 1000.0;

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "bench_unpack: %s\n", what);
        std::exit(1);
    }
}

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }

private:
    std::uint64_t state_;
};

// Words picked at random, like a database dump or a text document: zlib
// packs it to about a third.
void WriteTextLike(const fs::path& path, std::size_t size, Random& random)
{
    static const char* words[] = {"UPS",       "1000",      "VA",     "tower",  "rack",       "battery",
                                  "runtime",   "minutes",   "online", "double", "conversion", "380",
                                  "pricelist", "catalogue", "model",  "Vantor", "phase",      "output",
                                  "input",     "kW",        "\n",     ";",      "2024",       "module"};
    std::string text;
    text.reserve(size + 32);
    while (text.size() < size) {
        text += words[random.next() % std::size(words)];
        text += ' ';
        if (random.next() % 5 == 0)
            text += std::to_string(random.next() % 100000);
    }
    text.resize(size);
    FILE* file = std::fopen(path.c_str(), "wb");
    Require(file && std::fwrite(text.data(), 1, size, file) == size && std::fclose(file) == 0, "cannot write");
}

void WriteRandom(const fs::path& path, std::size_t size, Random& random)
{
    std::vector<std::uint64_t> words(size / 8 + 1);
    for (auto& word : words)
        word = random.next();
    FILE* file = std::fopen(path.c_str(), "wb");
    Require(file && std::fwrite(words.data(), 1, size, file) == size && std::fclose(file) == 0, "cannot write");
}

// About 200 MB: a few large files of both kinds and many small ones.
std::uint64_t MakeMixedTree(const fs::path& root)
{
    Random random(0x5eed);
    const std::size_t large[] = {50'000'000, 40'000'000, 30'000'000, 20'000'000, 15'000'000,
                                 10'000'000, 8'000'000,  5'000'000,  3'000'000,  2'000'000};
    std::uint64_t total = 0;
    fs::create_directories(root / "Data");
    for (std::size_t i = 0; i < std::size(large); ++i) {
        const fs::path path = root / "Data" / ("large" + std::to_string(i) + (i % 2 ? ".bin" : ".txt"));
        i % 2 ? WriteRandom(path, large[i], random) : WriteTextLike(path, large[i], random);
        total += large[i];
    }
    for (int i = 0; i < 200; ++i) {
        const fs::path folder = root / "Catalogues" / std::to_string(100 + i % 40);
        fs::create_directories(folder);
        const std::size_t size = 4'000 + random.next() % 80'000;
        const fs::path path = folder / ("file" + std::to_string(i));
        i % 3 ? WriteTextLike(path, size, random) : WriteRandom(path, size, random);
        total += size;
    }
    return total;
}

// Packs the folder's files; returns their number.
qsizetype Pack(const fs::path& root, const fs::path& package)
{
    const QString rootText = QString::fromStdString(root.string());
    const QString packageText = QString::fromStdString(package.string());
    const Result<QList<pack::PackageInput>> inputs = pack::CollectInputs(rootText, {rootText}, packageText);
    Require(inputs.has_value(), "cannot collect the files to pack");
    Require(pack::WritePackage(packageText, *inputs).ok(), "cannot write the package");
    return inputs->size();
}

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void UnpackWithReader(const fs::path& package, const fs::path& destination)
{
    Require(TZlibMultiple()
                .DecompressFile(QString::fromStdString(package.string()), QString::fromStdString(destination.string()),
                                true, true)
                .ok(),
            "the reader failed");
}

// The reference: each entry read whole, inflated in one call into a buffer of
// its known size, written with one fwrite.
void UnpackWithWholeBuffers(const fs::path& package, const fs::path& destination)
{
    QFile file(QString::fromStdString(package.string()));
    Require(file.open(QIODevice::ReadOnly), "cannot open the package");
    std::vector<unsigned char> compressed;
    std::vector<unsigned char> plain;
    while (file.pos() < file.size()) {
        const auto read = package::ReadEntryHeader(file);
        Require(read.ok(), "cannot read an entry's header");
        const package::EntryHeader& header = *read;
        compressed.resize(std::size_t(header.CompressedSize));
        Require(file.read(reinterpret_cast<char*>(compressed.data()), header.CompressedSize) == header.CompressedSize,
                "cannot read an entry");
        plain.resize(std::size_t(header.UncompressedSize));
        uLongf plainSize = plain.size();
        Require(uncompress(plain.data(), &plainSize, compressed.data(), compressed.size()) == Z_OK, "corrupt entry");
        const fs::path target =
            destination / package::ToLocalSeparators(package::StoredRelativePath(header)).toStdString();
        fs::create_directories(target.parent_path());
        FILE* out = std::fopen(target.c_str(), "wb");
        Require(out && std::fwrite(plain.data(), 1, plainSize, out) == plainSize && std::fclose(out) == 0,
                "cannot write an entry");
    }
}

template <typename Unpack>
double TimedRun(Unpack unpack, const fs::path& package, const fs::path& destination)
{
    fs::remove_all(destination);
    const auto start = std::chrono::steady_clock::now();
    unpack(package, destination);
    const double seconds = Seconds(start);
    fs::remove_all(destination);
    return seconds;
}

// Peak resident memory in KiB of this program run as a fresh process with
// the given mode.
long ChildMaxRss(const char* self, const char* mode, const fs::path& package, const fs::path& destination)
{
    const pid_t child = fork();
    Require(child >= 0, "cannot fork");
    if (child == 0) {
        execl(self, self, mode, package.c_str(), destination.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    Require(wait4(child, &status, 0, &usage) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0,
            "the child run failed");
    fs::remove_all(destination);
    return usage.ru_maxrss;
}

int RunChild(const std::string& mode, const fs::path& package, const fs::path& destination)
{
    if (mode == "--reader")
        UnpackWithReader(package, destination);
    else
        UnpackWithWholeBuffers(package, destination);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4)
        return RunChild(argv[1], argv[2], argv[3]);
    const char* self = "/proc/self/exe";
    char selfPath[4096] = {};
    Require(readlink(self, selfPath, sizeof selfPath - 1) > 0, "cannot find this program");

    std::string pattern = "/tmp/bench_unpack.XXXXXX";
    Require(mkdtemp(pattern.data()) != nullptr, "cannot create a temporary folder");
    const fs::path work = pattern;

    std::printf("Creating ~200 MB of mixed files in %s ...\n", work.c_str());
    const std::uint64_t total = MakeMixedTree(work / "mixed");
    const qsizetype files = Pack(work / "mixed", work / "mixed.Z");
    fs::remove_all(work / "mixed");
    const auto packageSize = fs::file_size(work / "mixed.Z");
    std::printf("  %lld files, %.1f MB, package %.1f MB\n", static_cast<long long>(files), double(total) / MB,
                double(packageSize) / MB);

    constexpr int runs = 3;
    // Alternating rounds, best of each, so that neither side profits from a
    // warmer cache.
    double reader = 1e9;
    double reference = 1e9;
    for (int round = 0; round < runs; ++round) {
        reference = std::min(reference, TimedRun(UnpackWithWholeBuffers, work / "mixed.Z", work / "out"));
        reader = std::min(reader, TimedRun(UnpackWithReader, work / "mixed.Z", work / "out"));
    }
    const double readerRate = double(total) / MB / reader;
    const double referenceRate = double(total) / MB / reference;
    std::printf("Unpacking, best of %d (MB/s of unpacked data):\n", runs);
    std::printf("  package reader (256 KiB chunks):   %8.1f MB/s  (%.3f s)\n", readerRate, reader);
    std::printf("  reference (whole-entry buffers):   %8.1f MB/s  (%.3f s)\n", referenceRate, reference);
    std::printf("  ratio reader / reference:          %8.2f  (goal >= 0.90)\n", readerRate / referenceRate);
    fs::remove(work / "mixed.Z");

    std::printf("Peak memory of one unpack in a fresh process (ru_maxrss):\n");
    Random random(42);
    for (const std::size_t size : {std::size_t(50'000'000), std::size_t(200'000'000)}) {
        const fs::path source = work / "single";
        fs::create_directories(source);
        WriteTextLike(source / "entry.txt", size, random);
        Pack(source, work / "single.Z");
        fs::remove_all(source);
        const long readerRss = ChildMaxRss(selfPath, "--reader", work / "single.Z", work / "out");
        const long referenceRss = ChildMaxRss(selfPath, "--reference", work / "single.Z", work / "out");
        std::printf("  one %3zu MB entry: reader %7.1f MB, reference %7.1f MB\n", size / 1'000'000,
                    double(readerRss) * 1024 / MB, double(referenceRss) * 1024 / MB);
        fs::remove(work / "single.Z");
    }
    fs::remove_all(work);
    return 0;
}
