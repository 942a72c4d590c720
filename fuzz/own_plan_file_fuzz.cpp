// Any bytes as "Eigener Schichtplan.txt": the reader must not crash; a plan
// it accepts must pass the plan check, give every crew a shift on any day,
// and survive a write and a second read unchanged; a refusal must say why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shift/OwnShiftPlanFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const sk::OwnPlanReadResult r = sk::ParseOwnShiftPlan(bytes);
    if (!r.plan) {
        if (r.error.empty()) std::abort();
        return 0;
    }
    const sk::OwnShiftPlan& plan = *r.plan;
    if (sk::HasPlanErrors(sk::CheckOwnShiftPlan(plan))) std::abort();
    for (const sk::DayNumber d : {sk::kFirstDay - 1, plan.cycleStart, sk::kLastDay}) {
        const sk::OwnPlanDay day = sk::OwnPlanDayOf(plan, d);
        if (day.crewCount != plan.CrewCount()) std::abort();
        for (int k = 0; k < day.crewCount; ++k)
            if (day.Code(k) != sk::kShiftOff && sk::KindOfShiftCode(day.Code(k)) < 0) std::abort();
    }
    const sk::OwnPlanReadResult again = sk::ParseOwnShiftPlan(sk::FormatOwnShiftPlan(plan));
    if (!again.plan || !(*again.plan == plan)) std::abort();
    return 0;
}
