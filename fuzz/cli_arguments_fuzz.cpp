// Any command line of schichtplan (arguments separated by NUL bytes): the
// parser never crashes, an error is one German line, and a run it accepts
// asks for a range and plan the exporters can serve.
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
        if (parsed.error.empty() || parsed.error.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    if (parsed.outcome != Outcome::Run) return 0;
    const sk::PlanOptions& o = parsed.options;
    if (o.from > o.to || o.from < sk::kFirstDay || o.to > sk::kLastDay) std::abort();
    if (o.calendarType < 0 || o.calendarType > 7) std::abort();
    if (o.format == sk::PlanFormat::Ics && (o.crew < 0 || o.crew > 4)) std::abort();
    return 0;
}
