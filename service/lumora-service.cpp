// The maker's service on loopback: the service script, the online library page and the
// wallpaper site, enough for the program to run against it.
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>
#include <thread>

#include "service/DemoPictures.h"
#include "service/LumoraService.h"
#include "service/ServiceOptions.h"

using namespace lumora::service;

namespace {

// Written beside and renamed into place, so a reader never sees a partly written number.
bool WritePortFile(const std::string& path, int port) {
    std::string temporary = path + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary);
        out << port << '\n';
        if (!out) return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help") {
            std::cout << ServiceOptions::Usage();
            return 0;
        }
    }
    // Blocked before any thread starts, so that only the stopper below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::string error;
    std::optional<ServiceOptions> options = ServiceOptions::Parse({argv + 1, argv + argc}, error);
    if (!options) {
        std::cerr << "lumora-service: " << error << '\n' << ServiceOptions::Usage();
        return 2;
    }

    std::filesystem::path cacheRoot =
        options->cacheDir.empty() ? DefaultCacheRoot() : std::filesystem::path(options->cacheDir);
    std::filesystem::path pictures = options->picturesDir;
    if (pictures.empty()) {
        pictures = EnsureDemoPictures(cacheRoot);
        if (pictures.empty()) {
            std::cerr << "lumora-service: cannot write the demo pictures\n";
            return 1;
        }
    } else if (!std::filesystem::is_directory(pictures)) {
        std::cerr << "lumora-service: no such folder: " << pictures.string() << '\n';
        return 1;
    }

    RequestLog log(options->logPath);
    if (!log.IsOpen()) {
        std::cerr << "lumora-service: cannot open the log " << options->logPath << '\n';
        return 1;
    }

    std::filesystem::path dbPath = options->dbPath;
    if (dbPath.empty()) {
        dbPath = UsageReports::DefaultPath(options->logPath, cacheRoot);
        // The cache folder may not exist yet when the demo library is not drawn into it.
        std::error_code ignored;
        if (options->logPath.empty()) std::filesystem::create_directories(cacheRoot, ignored);
    }
    UsageReports reports(dbPath.string());
    if (!reports.IsOpen()) {
        std::cerr << "lumora-service: cannot open the database " << dbPath.string() << ": "
                  << reports.Error() << '\n';
        return 1;
    }

    httplib::Server server;
    // The library's default also sets SO_REUSEPORT, which would let a second service share a
    // taken port; a port in use must be an error instead.
    server.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    int port = options->port;
    if (port == 0) {
        port = server.bind_to_any_port(options->host);
    } else if (!server.bind_to_port(options->host, port)) {
        port = -1;
    }
    if (port <= 0) {
        std::cerr << "lumora-service: cannot listen on " << options->host << ':' << options->port
                  << '\n';
        return 1;
    }

    std::string adHost = options->host == "0.0.0.0" ? "127.0.0.1" : options->host;
    std::string ad =
        options->ad.value_or(std::string(LumoraService::kDefaultAdCaption) + ",http://" + adHost +
                             ":" + std::to_string(port) + "/desk/");
    LumoraService service(PictureLibrary::Load(pictures), log, reports, options->version, ad,
                          options->dripMs);
    service.Install(server);

    std::printf("%d\n", port);
    std::fflush(stdout);
    if (!options->portFile.empty() && !WritePortFile(options->portFile, port)) {
        std::cerr << "lumora-service: cannot write " << options->portFile << '\n';
        return 1;
    }
    // Ctrl+C or a kill ends the service cleanly: the report database is closed, which folds its
    // write-ahead log back into the one file the maker copies.
    std::thread([&server, stopSignals] {
        int received = 0;
        sigwait(&stopSignals, &received);
        // A signal right at the start must not be lost before the server runs.
        while (!server.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        server.stop();
    }).detach();
    return server.listen_after_bind() ? 0 : 1;
}
