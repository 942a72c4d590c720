#pragma once
// Real CalDAV servers for the sync tests, started on 127.0.0.1 at a free
// port with a temporary storage folder and stopped by their process id.

#include <string>
#include <sys/types.h>

namespace sk::test {

enum class DavServerKind { Radicale, Xandikos, FaultStandIn };

class DavServer {
public:
    // `fault` is handed to the stand-in server ("fail-put-5", "stall", "race-412").
    explicit DavServer(DavServerKind kind, const std::string& fault = "");
    ~DavServer();
    DavServer(const DavServer&) = delete;
    DavServer& operator=(const DavServer&) = delete;

    bool Running() const { return pid_ > 0 && ready_; }
    // The calendar collection, with a final slash.
    const std::string& CollectionUrl() const { return collectionUrl_; }
    static constexpr const char* kUser = "anna";
    static constexpr const char* kPassword = "Schicht-Geheim-42";

private:
    std::string folder_;
    std::string collectionUrl_;
    pid_t pid_ = -1;
    bool ready_ = false;
};

// Whether the program is installed (a missing one fails the test with this name).
bool HaveProgram(const char* name);

}  // namespace sk::test
