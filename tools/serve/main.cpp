// vantor-serve FOLDER [--port N] [--port-file FILE] [--rate BYTES_PER_SECOND]
//
// Serves the files of FOLDER over HTTP on 127.0.0.1 (HEAD and GET, with
// Content-Length), so that the demo and the whole-program tests can stand in
// for the update server. Port 0 or no --port takes any free port; the port
// is written to FILE when given. --rate sends every body at most that many
// bytes a second, to try a slow network. Each request is logged to stderr as
// "METHOD PATH STATUS". Ends on SIGTERM or SIGINT.
#include <httplib.h>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t ChunkSize = 1024 * 1024;

int Usage()
{
    std::cerr << "usage: vantor-serve FOLDER [--port N] [--port-file FILE] [--rate BYTES_PER_SECOND]\n";
    return 2;
}

// An open file shared by the pieces of one response.
class OpenFile {
public:
    explicit OpenFile(const std::string& APath) : fd_(::open(APath.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // Size of a regular file; -1 otherwise.
    long long Size() const
    {
        struct stat info {};
        if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))
            return -1;
        return info.st_size;
    }
    ssize_t Read(char* ABuffer, std::size_t ALength, off_t AOffset) const
    {
        return ::pread(fd_, ABuffer, ALength, AOffset);
    }

private:
    int fd_;
};

// Request paths are taken relative to the folder; none may climb out of it.
bool IsSafePath(const std::string& APath)
{
    if (APath.empty() || APath.front() != '/')
        return false;
    for (const auto& part : fs::path(APath).relative_path()) {
        if (part == "..")
            return false;
    }
    return true;
}

void Serve(const fs::path& AFolder, std::size_t ARate, const httplib::Request& ARequest, httplib::Response& AResponse)
{
    if (!IsSafePath(ARequest.path)) {
        AResponse.status = 404;
        return;
    }
    auto file = std::make_shared<OpenFile>((AFolder / fs::path(ARequest.path).relative_path()).string());
    const long long size = file->Size();
    if (size < 0) {
        AResponse.status = 404;
        AResponse.set_content("Not found\n", "text/plain");
        return;
    }
    AResponse.status = 200;
    auto buffer = std::make_shared<std::string>();
    AResponse.set_content_provider(
        static_cast<std::size_t>(size), "application/octet-stream",
        [file, buffer, ARate](std::size_t AOffset, std::size_t ALength, httplib::DataSink& ASink) {
            if (ARate > 0 && AOffset > 0)
                std::this_thread::sleep_for(std::chrono::seconds(1));
            buffer->resize(std::min({ALength, ChunkSize, ARate > 0 ? ARate : ChunkSize}));
            const ssize_t read = file->Read(buffer->data(), buffer->size(), static_cast<off_t>(AOffset));
            return read > 0 && ASink.write(buffer->data(), static_cast<std::size_t>(read));
        });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    fs::path folder;
    int port = 0;
    std::string portFile;
    std::size_t rate = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--port" && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 0 || value > 65535)
                return Usage();
            port = static_cast<int>(value);
        } else if (argument == "--rate" && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value <= 0)
                return Usage();
            rate = static_cast<std::size_t>(value);
        } else if (argument == "--port-file" && i + 1 < argc) {
            portFile = argv[++i];
        } else if (folder.empty() && argument.rfind("--", 0) != 0) {
            folder = argument;
        } else {
            return Usage();
        }
    }
    std::error_code error;
    if (folder.empty() || !fs::is_directory(folder, error)) {
        std::cerr << "vantor-serve: not a folder: " << folder.string() << "\n";
        return 1;
    }
    folder = fs::absolute(folder, error);

    // Signals are taken by one thread that stops the server; the others never see them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    httplib::Server server;
    server.Get(".*", [&folder, rate](const httplib::Request& ARequest, httplib::Response& AResponse) {
        Serve(folder, rate, ARequest, AResponse);
    });
    server.set_logger([](const httplib::Request& ARequest, const httplib::Response& AResponse) {
        std::fprintf(stderr, "%s %s %d\n", ARequest.method.c_str(), ARequest.path.c_str(), AResponse.status);
    });

    if (port == 0) {
        port = server.bind_to_any_port("127.0.0.1");
    } else if (!server.bind_to_port("127.0.0.1", port)) {
        port = -1;
    }
    if (port <= 0) {
        std::cerr << "vantor-serve: cannot listen on 127.0.0.1\n";
        return 1;
    }
    if (!portFile.empty()) {
        std::ofstream out(portFile, std::ios::trunc);
        out << port << "\n";
        if (!out) {
            std::cerr << "vantor-serve: cannot write " << portFile << "\n";
            return 1;
        }
    }
    std::cout << "Serving " << folder.string() << " on http://127.0.0.1:" << port << "/" << std::endl;

    std::atomic<bool> listenEnded{false};
    std::thread stopper([&server, &stopSignals, &listenEnded] {
        int received = 0;
        sigwait(&stopSignals, &received);
        // stop() reaches the server only once its loop runs.
        while (!listenEnded && !server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!listenEnded)
            server.stop();
    });
    server.listen_after_bind();
    listenEnded = true;
    pthread_kill(stopper.native_handle(), SIGTERM); // wakes the stopper if no signal came
    stopper.join();
    return 0;
}
