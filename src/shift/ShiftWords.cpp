#include "shift/ShiftWords.h"

namespace sk {

namespace {

std::string ShiftText(const char* shift, const std::string& names) {
    return std::string(shift) + ": " + (names.empty() ? "-" : names);
}

}  // namespace

std::vector<std::string> ShiftCrewTexts(int calendarType, std::span<const ShiftCode> codes) {
    const int shifts = calendarType == 2 ? 2 : 3;  // the two-shift plan has no night shift
    std::vector<std::string> texts;
    for (int s = 0; s < shifts; ++s) {
        std::string names;
        for (std::size_t k = 0; k < codes.size(); ++k) {
            if (codes[k] != s + 1) continue;
            if (!names.empty()) names += ", ";
            names += CrewNameOf(calendarType, static_cast<int>(k));
        }
        texts.push_back(ShiftText(kShiftKindNames[static_cast<std::size_t>(s)], names));
    }
    return texts;
}

std::vector<std::string> OwnPlanShiftCrewTexts(const OwnShiftPlan& plan, const OwnPlanDay& day) {
    std::vector<std::string> texts;
    for (const OwnPlanSubColumn& c : OwnPlanSubColumns(plan)) {
        std::string names;
        for (int k : day.CrewsOn(c.kind)) {
            if (!names.empty()) names += ", ";
            names += plan.crews[static_cast<std::size_t>(k)].name;
        }
        texts.push_back(ShiftText(kShiftKindNames[static_cast<std::size_t>(c.kind)], names));
    }
    return texts;
}

const char* ShiftNameOfCode(ShiftCode code) {
    switch (code) {
        case kShiftEarly: return kShiftKindNames[0];
        case kShiftLate: return kShiftKindNames[1];
        case kShiftNight: return kShiftKindNames[2];
        case kShiftDay: return kShiftKindNames[3];
        default: return "";
    }
}

}  // namespace sk
