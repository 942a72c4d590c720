#pragma once
// The answer of a CalDAV server to a REPORT: one entry per resource, read
// with libxml2. A server's answer is outside input: entities are never
// expanded and nothing is fetched from the network while reading.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sk {

struct MultistatusEntry {
    std::string href;          // as the server wrote it (a path or a whole URL)
    std::string etag;          // with its quotes, as it goes back in If-Match
    std::string calendarData;  // the resource's iCalendar text, when asked for
    int status = 200;          // of the resource: 404 for one that is gone
};

// The entries of a DAV multistatus body; nothing when the body is no
// multistatus document.
std::optional<std::vector<MultistatusEntry>> ReadMultistatus(std::string_view body);

}  // namespace sk
