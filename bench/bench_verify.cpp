// Checking a staged update against its signed listing: 200 MB in the files of
// a typical release (a program package, two databases, catalogues and
// pricelists), size and SHA-256 of each with the hashing the downloads use,
// against the sha256sum program over the same files. Both read from the page cache (a warm-up pass runs first).
// Prints MB/s (10^6 bytes per second) and the ratio of the two.
//
// Run: build/bench/bench_verify [size in MB, default 200]
#include "update/FileDigest.h"
#include "update/ManifestListing.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Rounds = 5;

struct StagedFile {
    QString path;
    vantor::TListedFile listed;
};

double BestSeconds(const std::function<bool()>& AWork)
{
    double best = -1;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!AWork())
            return -1;
        const double seconds = timer.nsecsElapsed() / 1e9;
        best = best < 0 ? seconds : std::min(best, seconds);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 200;
    const qint64 total = megabytes * 1000 * 1000;
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/vantor-bench-verify-XXXXXX"));
    if (!work.isValid())
        return 1;

    // Shares of the whole, as a release spreads them.
    const std::vector<std::pair<const char*, int>> shares = {{"Setup.Z", 30},
                                                             {"Data/Data.Z", 25},
                                                             {"Data/Devices.vt4", 5},
                                                             {"Catalogues/380/Catalogue.Z", 12},
                                                             {"Catalogues/380/Pricelist.Z", 8},
                                                             {"Catalogues/250/Catalogue.Z", 12},
                                                             {"Catalogues/250/Pricelist.Z", 8}};
    std::vector<StagedFile> files;
    QRandomGenerator generator(20261209);
    QByteArray block(1024 * 1024, '\0');
    for (const auto& [name, percent] : shares) {
        const QString path = work.filePath(QString::fromLatin1(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        const qint64 size = total * percent / 100;
        for (qint64 written = 0; written < size;) {
            generator.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
            const qint64 length = std::min<qint64>(block.size(), size - written);
            file.write(block.constData(), length);
            written += length;
        }
        files.push_back({path, {}});
    }
    QStringList paths;
    for (StagedFile& file : files) {
        file.listed = {vantor::Sha256OfFile(file.path), QFileInfo(file.path).size()};
        paths << file.path;
    }

    const double ours = BestSeconds([&] {
        for (const StagedFile& file : files) {
            if (QFileInfo(file.path).size() != file.listed.Size ||
                vantor::Sha256OfFile(file.path) != file.listed.Sha256)
                return false;
        }
        return true;
    });
    const double tool = BestSeconds([&] {
        QProcess sha256sum;
        sha256sum.setStandardOutputFile(QProcess::nullDevice());
        sha256sum.start(QStringLiteral("sha256sum"), paths);
        return sha256sum.waitForFinished(-1) && sha256sum.exitCode() == 0;
    });
    if (ours <= 0 || tool <= 0)
        return 1;
    const auto rate = [&](double ASeconds) { return total / 1e6 / ASeconds; };
    std::printf("%lld MB in %zu staged files, best of %d rounds each\n", static_cast<long long>(megabytes),
                files.size(), Rounds);
    std::printf("  (a) size and SHA-256 against the listing  %8.1f MB/s  %6.3f s\n", rate(ours), ours);
    std::printf("  (b) sha256sum                             %8.1f MB/s  %6.3f s\n", rate(tool), tool);
    std::printf("  ratio (a)/(b): %.2f (goal >= 0.90)\n", rate(ours) / rate(tool));
    return 0;
}
