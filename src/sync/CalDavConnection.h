#pragma once
// The requests of a calendar sync, made with libcurl over one kept-alive
// connection to the server. Every request has a time limit, certificates are
// checked, and no text this class makes holds the password.

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace sk {

struct CalDavAccount {
    std::string collectionUrl;  // the calendar collection, e.g. https://host/dav/anna/schicht/
    std::string user;
    std::string password;
    // Plain http sends the password readable on the way: only to this machine
    // itself, or when the person said yes to it.
    bool allowPlainHttp = false;
};

inline constexpr std::chrono::seconds kCalDavConnectTimeout{10};
inline constexpr std::chrono::seconds kCalDavRequestTimeout{30};

struct CalDavTimeouts {
    std::chrono::milliseconds connect = kCalDavConnectTimeout;
    std::chrono::milliseconds request = kCalDavRequestTimeout;
};

struct HttpResponse {
    long status = 0;            // 0: no answer (see transportError)
    std::string body;
    std::string etag;           // of a GET or PUT answer, with its quotes
    std::string transportError; // German, when the request got no answer
};

// Whether plain http to this address keeps the password on the machine:
// localhost, 127.0.0.0/8 and ::1.
bool IsLoopbackUrl(std::string_view url);
// Why the address cannot be used, in German; empty when it can.
std::string CalDavUrlProblem(const CalDavAccount& account);

class CalDavConnection {
public:
    explicit CalDavConnection(CalDavAccount account, CalDavTimeouts timeouts = {});
    ~CalDavConnection();
    CalDavConnection(const CalDavConnection&) = delete;
    CalDavConnection& operator=(const CalDavConnection&) = delete;

    const std::string& CollectionUrl() const { return collectionUrl_; }
    // The whole URL of an href of a server answer (a path, or a whole URL),
    // or empty when it does not lie inside the collection: nothing outside
    // the calendar is ever written or deleted.
    std::string ResourceUrl(std::string_view href) const;

    HttpResponse Report(const std::string& body);
    // PUT of a calendar object: with an ETag only over that version of it,
    // without one only when nothing is there yet.
    HttpResponse Put(const std::string& url, const std::string& ics, const std::string& ifMatch);
    HttpResponse Delete(const std::string& url, const std::string& ifMatch);
    HttpResponse Get(const std::string& url);
    int RequestCount() const { return requests_; }
    void AddRequests(int n) { requests_ += n; }
    // Another connection to the same calendar, with the same limits and
    // cancel flag, for requests made side by side.
    std::unique_ptr<CalDavConnection> Clone() const;
    // A request in flight ends soon after the flag is set (the program is
    // closing); it then fails as cancelled.
    void SetCancelFlag(const std::atomic<bool>* flag) { cancel_ = flag; }

private:
    HttpResponse Perform(const char* method, const std::string& url, const std::string* body,
                         const std::string& contentType, const std::string& precondition, const char* depth);

    struct Curl;
    std::unique_ptr<Curl> curl_;
    CalDavAccount account_;
    std::string collectionUrl_;  // with a final slash
    std::string origin_;         // scheme://host[:port]
    CalDavTimeouts timeouts_;
    int requests_ = 0;
    const std::atomic<bool>* cancel_ = nullptr;
};

}  // namespace sk
