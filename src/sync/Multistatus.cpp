#include "sync/Multistatus.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>
#include <memory>

namespace sk {

namespace {

constexpr const char* kDavNs = "DAV:";
constexpr const char* kCalDavNs = "urn:ietf:params:xml:ns:caldav";
// A year of events with their data is well under a megabyte; a body far
// larger than any calendar is refused rather than parsed.
constexpr std::size_t kMaxBodyBytes = 64u << 20;

struct DocDeleter {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};

bool Is(const xmlNode* n, const char* ns, const char* name) {
    return n->type == XML_ELEMENT_NODE && n->ns != nullptr && n->ns->href != nullptr &&
           std::strcmp(reinterpret_cast<const char*>(n->ns->href), ns) == 0 &&
           std::strcmp(reinterpret_cast<const char*>(n->name), name) == 0;
}

const xmlNode* Child(const xmlNode* parent, const char* ns, const char* name) {
    for (const xmlNode* c = parent->children; c != nullptr; c = c->next)
        if (Is(c, ns, name)) return c;
    return nullptr;
}

std::string TextOf(const xmlNode* n) {
    if (n == nullptr) return {};
    xmlChar* content = xmlNodeGetContent(n);
    std::string text = content != nullptr ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

std::string Trimmed(std::string s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

// "HTTP/1.1 404 Not Found" -> 404; 0 when unreadable.
int StatusCodeOf(const std::string& line) {
    const auto space = line.find(' ');
    if (space == std::string::npos || space + 4 > line.size()) return 0;
    int code = 0;
    for (std::size_t i = space + 1; i < space + 4; ++i) {
        if (line[i] < '0' || line[i] > '9') return 0;
        code = code * 10 + (line[i] - '0');
    }
    return code;
}

MultistatusEntry EntryOf(const xmlNode* response) {
    MultistatusEntry entry;
    entry.href = Trimmed(TextOf(Child(response, kDavNs, "href")));
    if (const xmlNode* status = Child(response, kDavNs, "status")) entry.status = StatusCodeOf(Trimmed(TextOf(status)));
    for (const xmlNode* c = response->children; c != nullptr; c = c->next) {
        if (!Is(c, kDavNs, "propstat")) continue;
        const xmlNode* status = Child(c, kDavNs, "status");
        if (status != nullptr && StatusCodeOf(Trimmed(TextOf(status))) / 100 != 2) continue;
        const xmlNode* prop = Child(c, kDavNs, "prop");
        if (prop == nullptr) continue;
        if (const xmlNode* etag = Child(prop, kDavNs, "getetag")) entry.etag = Trimmed(TextOf(etag));
        if (const xmlNode* data = Child(prop, kCalDavNs, "calendar-data")) entry.calendarData = TextOf(data);
    }
    return entry;
}

void IgnoreMessage(void*, const char*, ...) {}
void IgnoreError(void*, xmlErrorPtr) {}

}  // namespace

std::optional<std::vector<MultistatusEntry>> ReadMultistatus(std::string_view body) {
    if (body.size() > kMaxBodyBytes) return std::nullopt;
    // A broken answer is told as "unreadable" by the caller; libxml2 would
    // also write its own English lines to the terminal (its handlers are
    // per thread, and the sync runs on threads of its own).
    xmlSetGenericErrorFunc(nullptr, IgnoreMessage);
    xmlSetStructuredErrorFunc(nullptr, IgnoreError);
    // No entity expansion, no DTD loading, no network: a hostile answer
    // cannot make the reader fetch or grow anything.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;
    const std::unique_ptr<xmlDoc, DocDeleter> doc(
        xmlReadMemory(body.data(), static_cast<int>(body.size()), "multistatus.xml", nullptr, options));
    if (!doc) return std::nullopt;
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (root == nullptr || !Is(root, kDavNs, "multistatus")) return std::nullopt;
    std::vector<MultistatusEntry> entries;
    for (const xmlNode* c = root->children; c != nullptr; c = c->next)
        if (Is(c, kDavNs, "response")) entries.push_back(EntryOf(c));
    return entries;
}

}  // namespace sk
