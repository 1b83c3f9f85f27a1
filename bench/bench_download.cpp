// Download throughput: a 500 MB file from vantor-serve on the loopback,
// fetched (a) through the download dialog as the unsigned update does, (b) by
// the curl program, (c) by the HTTP client alone, without the dialog's
// per-chunk painting, and (d) through the dialog as the signed update does,
// with the file's size and SHA-256 checked against its listing. Prints MB/s
// (10^6 bytes per second) and the ratios of (a) and (d) to (b). All data
// lives in a temporary folder that is deleted again.
//
// Run: build/bench/bench_download [size in MB, default 500]
#include "update/FileDigest.h"
#include "update/HttpClient.h"
#include "update_ui/dlgDownloader.h"
#include "widgets/MessagePresenter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Rounds = 3;

// A failed download must not wait for a box nobody can see.
class ConsolePresenter final : public vantor::MessagePresenter {
public:
    void Beep() override {}
    int ShowMessage(const vantor::MessageBoxRequest& ARequest) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(ARequest.Text));
        return vantor::mrOk;
    }
};

bool WriteSourceFile(const QString& AFileName, qint64 ASize)
{
    QFile file(AFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    // Incompressible data, so no layer can take a short cut.
    QByteArray block(4 * 1024 * 1024, '\0');
    QRandomGenerator generator(20241109);
    generator.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
    for (qint64 written = 0; written < ASize;) {
        const qint64 length = std::min<qint64>(block.size(), ASize - written);
        if (file.write(block.constData(), length) != length)
            return false;
        written += length;
    }
    return true;
}

// Best of the rounds, in seconds; each round starts without the target file.
double BestSeconds(const QString& ATarget, const std::function<bool()>& ADownload, qint64 AExpected)
{
    double best = 0;
    for (int round = 0; round < Rounds; ++round) {
        QFile::remove(ATarget);
        QElapsedTimer timer;
        timer.start();
        const bool ok = ADownload();
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!ok || QFileInfo(ATarget).size() != AExpected) {
            std::fprintf(stderr, "download failed (%lld of %lld bytes)\n",
                         static_cast<long long>(QFileInfo(ATarget).size()), static_cast<long long>(AExpected));
            return -1;
        }
        best = round == 0 ? seconds : std::min(best, seconds);
    }
    QFile::remove(ATarget);
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ConsolePresenter presenter;
    vantor::SetMessagePresenter(&presenter);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 500;
    const qint64 size = megabytes * 1000 * 1000;

    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/vantor-bench-download-XXXXXX"));
    if (!work.isValid())
        return 1;
    const QString served = work.filePath(QStringLiteral("served"));
    QDir().mkpath(served);
    std::printf("Writing a %lld MB file ...\n", static_cast<long long>(megabytes));
    std::fflush(stdout);
    if (!WriteSourceFile(served + QStringLiteral("/big.bin"), size))
        return 1;

    QProcess server;
    const QString portFile = work.filePath(QStringLiteral("port"));
    server.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    server.start(QStringLiteral(VANTOR_SERVE), {served, QStringLiteral("--port-file"), portFile});
    if (!server.waitForStarted())
        return 1;
    QByteArray port;
    for (int i = 0; i < 500 && port.isEmpty(); ++i) {
        QThread::msleep(10);
        QFile file(portFile);
        if (file.open(QIODevice::ReadOnly))
            port = file.readAll().trimmed();
    }
    if (port.isEmpty())
        return 1;
    const QString url = QStringLiteral("http://127.0.0.1:%1/big.bin").arg(QString::fromLatin1(port));
    const QString target = work.filePath(QStringLiteral("downloads/big.bin"));
    QDir().mkpath(QFileInfo(target).absolutePath());

    const double dialog = BestSeconds(
        target, [&] { return vantor::RunDownloader({url}, {target}); }, size);
    // The listing a signed manifest would carry for the file.
    const vantor::TListedFiles listed = {
        {url, vantor::TListedFile{vantor::Sha256OfFile(served + QStringLiteral("/big.bin")), size}}};
    const double verified = BestSeconds(
        target, [&] { return vantor::RunDownloader({url}, {target}, nullptr, listed); }, size);
    const double curl = BestSeconds(
        target,
        [&] {
            return QProcess::execute(QStringLiteral("curl"),
                                     {QStringLiteral("-s"), QStringLiteral("-o"), target, url}) == 0;
        },
        size);
    const double client = BestSeconds(
        target,
        [&] {
            QFile file(target);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
                return false;
            vantor::HttpClient http;
            return http.Get(url, file).ok();
        },
        size);

    server.terminate();
    server.waitForFinished();
    if (dialog <= 0 || verified <= 0 || curl <= 0 || client <= 0)
        return 1;

    const auto rate = [&](double ASeconds) { return size / 1e6 / ASeconds; };
    std::printf("%lld MB over the loopback, best of %d rounds each\n", static_cast<long long>(megabytes), Rounds);
    std::printf("  (a) download dialog (RunDownloader)  %8.1f MB/s  %6.3f s\n", rate(dialog), dialog);
    std::printf("  (b) curl -s -o                       %8.1f MB/s  %6.3f s\n", rate(curl), curl);
    std::printf("  (c) HTTP client alone, no dialog     %8.1f MB/s  %6.3f s\n", rate(client), client);
    std::printf("  (d) dialog, size and SHA-256 checked %8.1f MB/s  %6.3f s\n", rate(verified), verified);
    std::printf("  ratio (a)/(b): %.2f (goal >= 0.80)\n", rate(dialog) / rate(curl));
    std::printf("  ratio (d)/(b): %.2f (goal >= 0.80)\n", rate(verified) / rate(curl));
    return 0;
}
