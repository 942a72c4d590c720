// Any command line of schichtplan (arguments separated by NUL bytes): the
// parser never crashes, an error says something, and a run it accepts
// has a range that does not end before it starts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/PlanOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty() && args.size() < 32) {
        const std::size_t end = std::min(text.find('\0'), text.size());
        args.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    const sk::ParsedArguments parsed = sk::ParsePlanArguments(args, sk::DayNumberOf(2026, 12, 7));
    using Outcome = sk::ParsedArguments::Outcome;
    if (parsed.outcome == Outcome::Error) {
        if (parsed.error.empty()) std::abort();
        return 0;
    }
    if (parsed.outcome != Outcome::Run) return 0;
    if (parsed.options.from > parsed.options.to) std::abort();
    return 0;
}
