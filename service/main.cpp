// lyravox-service: the demo service for Lyravox on 127.0.0.1.
//   --port N     port to listen on (default 8930; 0 picks a free one)
//   --data DIR   data folder (default: service-data next to the executable)
//   --log FILE   also append one line per request to FILE
//   --quiet      do not echo requests on standard output
#include "service.h"

#include <QString>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <pthread.h>
#include <time.h>
#include <string>
#include <thread>

namespace {

int usage(const char* why) {
    std::fprintf(stderr, "lyravox-service: %s\nusage: lyravox-service [--port N] [--data DIR] [--log FILE] [--quiet]\n", why);
    return 2;
}

std::string defaultDataDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("service-data") : (exe.parent_path() / "service-data").string();
}

}  // namespace

int main(int argc, char** argv) {
    int port = 8930;
    std::string dataDir = defaultDataDir();
    std::string logFile;
    bool echo = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--port" && hasValue) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 0 || value > 65535) return usage("bad port");
            port = static_cast<int>(value);
        } else if (arg == "--data" && hasValue) {
            dataDir = argv[++i];
        } else if (arg == "--log" && hasValue) {
            logFile = argv[++i];
        } else if (arg == "--quiet") {
            echo = false;
        } else {
            return usage(("unknown option " + arg).c_str());
        }
    }

    // SIGINT and SIGTERM are taken by one waiting thread; the server threads never see them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    service::Service svc;
    QString error;
    if (!svc.load(QString::fromStdString(dataDir), &error)) {
        std::fprintf(stderr, "lyravox-service: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    if (!logFile.empty() && !svc.log().openFile(logFile)) {
        std::fprintf(stderr, "lyravox-service: cannot open log %s\n", logFile.c_str());
        return 1;
    }
    svc.log().setEcho(echo);
    const int bound = svc.bind("127.0.0.1", port);
    if (bound < 0) {
        std::fprintf(stderr, "lyravox-service: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("listening on 127.0.0.1:%d\n", bound);
    std::fflush(stdout);

    // The server may also end by itself (a failed listen); the waiter then notices done.
    std::atomic<bool> done{false};
    std::thread waiter([&svc, &done, stopSignals] {
        const timespec tick{0, 200 * 1000 * 1000};
        while (!done) {
            if (sigtimedwait(&stopSignals, nullptr, &tick) > 0) {
                svc.stop();
                return;
            }
        }
    });
    const bool ok = svc.run();
    done = true;
    waiter.join();
    return ok ? 0 : 1;
}
