#include "DavServers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

extern char** environ;

namespace sk::test {

namespace {

int FreePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_t len = sizeof a;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        close(s);
        return 0;
    }
    const int port = ntohs(a.sin_port);
    close(s);
    return port;
}

bool Accepts(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

pid_t Spawn(const std::vector<std::string>& argv, const std::string& log) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void Write(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

}  // namespace

bool HaveProgram(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

DavServer::DavServer(DavServerKind kind, const std::string& fault) {
    char pattern[] = "/tmp/sk-dav-XXXXXX";
    folder_ = mkdtemp(pattern) != nullptr ? pattern : "";
    if (folder_.empty()) return;
    const int port = FreePort();
    const std::string origin = "http://127.0.0.1:" + std::to_string(port);
    const std::filesystem::path dir(folder_);
    std::vector<std::string> argv;
    switch (kind) {
        case DavServerKind::Radicale:
            Write(dir / "users", std::string(kUser) + ":" + kPassword + "\n");
            Write(dir / "config", "[server]\nhosts = 127.0.0.1:" + std::to_string(port) +
                                      "\n[auth]\ntype = htpasswd\nhtpasswd_filename = " + (dir / "users").string() +
                                      "\nhtpasswd_encryption = plain\n[storage]\nfilesystem_folder = " +
                                      (dir / "collections").string() + "\n[logging]\nlevel = warning\n");
            // A calendar collection as Radicale keeps one on disk.
            Write(dir / "collections/collection-root" / kUser / "schicht/.Radicale.props", "{\"tag\": \"VCALENDAR\"}");
            argv = {"radicale", "--config", (dir / "config").string()};
            collectionUrl_ = origin + "/" + kUser + "/schicht/";
            break;
        case DavServerKind::Xandikos:
            argv = {"xandikos", "--defaults", "-d", (dir / "store").string(), "-l", "127.0.0.1", "-p",
                    std::to_string(port)};
            collectionUrl_ = origin + "/user/calendars/calendar/";
            break;
        case DavServerKind::FaultStandIn:
            argv = {"python3", std::string(SK_SOURCE_DIR) + "/tests/sync/fault_server.py", std::to_string(port), fault};
            collectionUrl_ = origin + "/cal/";
            break;
    }
    pid_ = Spawn(argv, (dir / "server.log").string());
    if (pid_ <= 0) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Accepts(port)) {
            ready_ = true;
            break;
        }
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

DavServer::~DavServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (waitpid(pid_, nullptr, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (!folder_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
}

}  // namespace sk::test
