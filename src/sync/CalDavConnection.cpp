#include "sync/CalDavConnection.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <mutex>

namespace sk {

namespace {

struct UrlParts {
    std::string scheme;
    std::string host;
    std::string origin;  // scheme://host[:port]
    bool hasUserInfo = false;
    bool ok = false;
};

std::string PartOf(CURLU* u, CURLUPart part) {
    char* text = nullptr;
    if (curl_url_get(u, part, &text, 0) != CURLUE_OK || text == nullptr) return {};
    std::string result = text;
    curl_free(text);
    return result;
}

UrlParts PartsOf(std::string_view url) {
    UrlParts parts;
    CURLU* u = curl_url();
    if (u == nullptr) return parts;
    if (curl_url_set(u, CURLUPART_URL, std::string(url).c_str(), 0) == CURLUE_OK) {
        parts.scheme = PartOf(u, CURLUPART_SCHEME);
        parts.host = PartOf(u, CURLUPART_HOST);
        const std::string port = PartOf(u, CURLUPART_PORT);
        parts.origin = parts.scheme + "://" + parts.host + (port.empty() ? "" : ":" + port);
        parts.hasUserInfo = !PartOf(u, CURLUPART_USER).empty() || !PartOf(u, CURLUPART_PASSWORD).empty();
        parts.ok = !parts.scheme.empty() && !parts.host.empty();
    }
    curl_url_cleanup(u);
    return parts;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string TransportErrorText(CURLcode code) {
    switch (code) {
        case CURLE_COULDNT_RESOLVE_HOST:
            return "Der Servername lässt sich nicht auflösen.";
        case CURLE_COULDNT_CONNECT:
            return "Keine Verbindung zum Server.";
        case CURLE_OPERATION_TIMEDOUT:
            return "Der Server antwortet nicht (Zeitüberschreitung).";
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CACERT_BADFILE:
            return "Das Zertifikat des Servers ist nicht gültig.";
        case CURLE_SSL_CONNECT_ERROR:
            return "Die verschlüsselte Verbindung zum Server schlug fehl.";
        case CURLE_ABORTED_BY_CALLBACK:
            return "Der Abgleich wurde abgebrochen.";
        case CURLE_GOT_NOTHING:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
            return "Der Server hat die Verbindung abgebrochen.";
        default:
            return std::string("Verbindungsfehler (") + curl_easy_strerror(code) + ").";
    }
}

size_t AppendBody(char* data, size_t size, size_t count, void* out) {
    static_cast<std::string*>(out)->append(data, size * count);
    return size * count;
}

size_t ReadHeader(char* data, size_t size, size_t count, void* out) {
    const std::string_view line(data, size * count);
    constexpr std::string_view kEtag = "etag:";
    if (line.size() > kEtag.size() && Lower(std::string(line.substr(0, kEtag.size()))) == kEtag) {
        std::string value(line.substr(kEtag.size()));
        const auto first = value.find_first_not_of(" \t");
        const auto last = value.find_last_not_of(" \t\r\n");
        *static_cast<std::string*>(out) = first == std::string::npos ? "" : value.substr(first, last - first + 1);
    }
    return size * count;
}

int CheckCancel(void* flag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

}  // namespace

struct CalDavConnection::Curl {
    CURL* handle = nullptr;
    ~Curl() {
        if (handle != nullptr) curl_easy_cleanup(handle);
    }
};

bool IsLoopbackUrl(std::string_view url) {
    const UrlParts parts = PartsOf(url);
    if (!parts.ok) return false;
    const std::string host = Lower(parts.host);
    return host == "localhost" || host == "[::1]" || host == "::1" || host.rfind("127.", 0) == 0;
}

std::string CalDavUrlProblem(const CalDavAccount& account) {
    const UrlParts parts = PartsOf(account.collectionUrl);
    if (!parts.ok) return "Die Serveradresse ist keine gültige Adresse (z. B. https://server/kalender/).";
    const std::string scheme = Lower(parts.scheme);
    if (scheme != "https" && scheme != "http") return "Die Serveradresse muss mit https:// beginnen.";
    if (parts.hasUserInfo)
        return "Die Serveradresse darf keinen Benutzernamen und kein Passwort enthalten; dafür gibt es eigene Felder.";
    if (scheme == "http" && !account.allowPlainHttp && !IsLoopbackUrl(account.collectionUrl))
        return "Unverschlüsselte Verbindungen (http://) sind nur zu diesem Rechner erlaubt; bitte https:// verwenden.";
    return {};
}

CalDavConnection::CalDavConnection(CalDavAccount account, CalDavTimeouts timeouts)
    : curl_(std::make_unique<Curl>()), account_(std::move(account)), timeouts_(timeouts) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    curl_->handle = curl_easy_init();
    collectionUrl_ = account_.collectionUrl;
    if (collectionUrl_.empty() || collectionUrl_.back() != '/') collectionUrl_ += '/';
    origin_ = PartsOf(collectionUrl_).origin;
}

CalDavConnection::~CalDavConnection() = default;

std::unique_ptr<CalDavConnection> CalDavConnection::Clone() const {
    auto copy = std::make_unique<CalDavConnection>(account_, timeouts_);
    copy->SetCancelFlag(cancel_);
    return copy;
}

std::string CalDavConnection::ResourceUrl(std::string_view href) const {
    if (href.empty() || href.find_first_of(" \t\r\n") != std::string_view::npos) return {};
    std::string url;
    if (href.rfind("http://", 0) == 0 || href.rfind("https://", 0) == 0) {
        url = std::string(href);
    } else if (href.front() == '/') {
        url = origin_ + std::string(href);
    } else {
        url = collectionUrl_ + std::string(href);
    }
    // Inside the collection, one level down, and no way back up from there.
    if (url.size() <= collectionUrl_.size() || url.compare(0, collectionUrl_.size(), collectionUrl_) != 0) return {};
    const std::string_view rest = std::string_view(url).substr(collectionUrl_.size());
    if (rest.find('/') != std::string_view::npos || rest == "." || rest == ".." || rest.find("%2f") != std::string_view::npos ||
        rest.find("%2F") != std::string_view::npos)
        return {};
    return url;
}

HttpResponse CalDavConnection::Report(const std::string& body) {
    return Perform("REPORT", collectionUrl_, &body, "application/xml; charset=utf-8", "", "1");
}

HttpResponse CalDavConnection::Put(const std::string& url, const std::string& ics, const std::string& ifMatch) {
    // Never a PUT on the collection itself: some servers replace the whole calendar.
    if (url == collectionUrl_ || ResourceUrl(url).empty()) {
        HttpResponse refused;
        refused.transportError = "Interner Fehler: Adresse außerhalb des Kalenders.";
        return refused;
    }
    return Perform("PUT", url, &ics, "text/calendar; charset=utf-8",
                   ifMatch.empty() ? "If-None-Match: *" : "If-Match: " + ifMatch, nullptr);
}

HttpResponse CalDavConnection::Delete(const std::string& url, const std::string& ifMatch) {
    if (url == collectionUrl_ || ResourceUrl(url).empty()) {
        HttpResponse refused;
        refused.transportError = "Interner Fehler: Adresse außerhalb des Kalenders.";
        return refused;
    }
    return Perform("DELETE", url, nullptr, "", ifMatch.empty() ? "" : "If-Match: " + ifMatch, nullptr);
}

HttpResponse CalDavConnection::Get(const std::string& url) { return Perform("GET", url, nullptr, "", "", nullptr); }

HttpResponse CalDavConnection::Perform(const char* method, const std::string& url, const std::string* body,
                                       const std::string& contentType, const std::string& precondition,
                                       const char* depth) {
    HttpResponse response;
    CURL* h = curl_->handle;
    if (h == nullptr) {
        response.transportError = "Die Netzwerkbibliothek ließ sich nicht starten.";
        return response;
    }
    ++requests_;
    curl_easy_reset(h);
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, method);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts_.connect.count()));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts_.request.count()));
    curl_easy_setopt(h, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
    curl_easy_setopt(h, CURLOPT_USERNAME, account_.user.c_str());
    curl_easy_setopt(h, CURLOPT_PASSWORD, account_.password.c_str());
    curl_easy_setopt(h, CURLOPT_USERAGENT, "Schichtkalender");
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &response.body);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, ReadHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &response.etag);
    if (cancel_ != nullptr) {
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, CheckCancel);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(cancel_));
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    }
    if (method == std::string_view("GET")) curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    if (body != nullptr) {
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, body->data());
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
    }
    curl_slist* headers = nullptr;
    if (!contentType.empty()) headers = curl_slist_append(headers, ("Content-Type: " + contentType).c_str());
    if (!precondition.empty()) headers = curl_slist_append(headers, precondition.c_str());
    if (depth != nullptr) headers = curl_slist_append(headers, (std::string("Depth: ") + depth).c_str());
    // No "Expect: 100-continue" round trip before each body.
    headers = curl_slist_append(headers, "Expect:");
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
    const CURLcode code = curl_easy_perform(h);
    curl_slist_free_all(headers);
    if (code != CURLE_OK) {
        response.transportError = TransportErrorText(code);
        return response;
    }
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &response.status);
    return response;
}

}  // namespace sk
