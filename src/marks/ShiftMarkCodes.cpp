#include "marks/ShiftMarkCodes.h"

#include "shift/CalendarTypes.h"

namespace sk {
namespace {

bool FourCrewType(int t) { return t == 6 || t == 7; }

constexpr std::string_view kFiveCrewOptions[] = {
    "Arbeitseinsatz (X)", "Freizeit", "Urlaub", "Lehrgang", "Krank", "Ausfallbezahlung, kurzer Wechsel",
    "Schichtmarkierung löschen (Entf)"};
constexpr std::string_view kFourCrewOptions[] = {
    "Früh", "Spät", "Nacht", "Freizeit", "Urlaub", "Lehrgang", "Krank", "Ausfallbezahlung, kurzer Wechsel",
    "Schichtmarkierung löschen (Entf)"};
constexpr std::string_view kLettersType0To4[] = {"X", "F", "U", "L", "K", "A", " "};
constexpr std::string_view kLettersType6[] = {"1", "2", "3", "f", "U", "L", "K", "A", " "};
constexpr std::string_view kLettersType7[] = {"F", "S", "N", "-", "U", "L", "K", "A", " "};
constexpr std::string_view kFourCrewColumnNames[] = {"Schicht A", "Schicht B", "Schicht C", "Schicht D"};
constexpr std::string_view kFiveCrewNames[] = {"Verfügung", "Frühschicht", "Spätschicht", "Nachtschicht"};
// The own plan keeps its day shift in the column of the standby crew.
constexpr std::string_view kOwnPlanNames[] = {"Tagschicht", "Frühschicht", "Spätschicht", "Nachtschicht"};
constexpr std::string_view kOwnPlanMarkNames[] = {" Tagschicht", " Frühschicht", " Spätschicht", " Nachtschicht"};
constexpr std::string_view kFourCrewMarkNames[] = {" Schicht A", " Schicht B", " Schicht C", " Schicht D"};
constexpr std::string_view kFiveCrewMarkNames[] = {" Verfügung", " Frühschicht", " Spätschicht", " Nachtschicht"};

}  // namespace

int ShiftMarkDeleteCode(int calendarType) { return FourCrewType(calendarType) ? 8 : 6; }

std::vector<std::string_view> ShiftMarkOptionTexts(int calendarType) {
    if (FourCrewType(calendarType)) return {std::begin(kFourCrewOptions), std::end(kFourCrewOptions)};
    return {std::begin(kFiveCrewOptions), std::end(kFiveCrewOptions)};
}

std::string_view ShiftMarkLetter(int calendarType, int code) {
    if (code < 0 || code > ShiftMarkDeleteCode(calendarType)) return {};
    if (calendarType == 6) return kLettersType6[code];
    if (calendarType == 7) return kLettersType7[code];
    if ((calendarType >= 0 && calendarType <= 4) || calendarType == kOwnPlanCalendarType) return kLettersType0To4[code];
    return {};
}

int ShiftMarkCodeOfKey(int calendarType, char key) {
    const bool four = FourCrewType(calendarType);
    const int shift = four ? 2 : 0;  // the four-crew layout has three shift options before "Freizeit"
    switch (key) {
        case 'X': case 'x': return four ? -1 : 0;
        case 'F': case 'f': return 1 + shift;
        case 'U': case 'u': return 2 + shift;
        case 'L': case 'l': return 3 + shift;
        case 'K': case 'k': return 4 + shift;
        case 'A': case 'a': return 5 + shift;
        case '\x7f': return ShiftMarkDeleteCode(calendarType);
        default: return -1;
    }
}

std::string_view CrewColumnName(int calendarType, int crew, bool markWindow) {
    if (crew < 1 || crew > 4) return {};
    if (FourCrewType(calendarType)) return (markWindow ? kFourCrewMarkNames : kFourCrewColumnNames)[crew - 1];
    if (calendarType == kOwnPlanCalendarType) return (markWindow ? kOwnPlanMarkNames : kOwnPlanNames)[crew - 1];
    return (markWindow ? kFiveCrewMarkNames : kFiveCrewNames)[crew - 1];
}

}  // namespace sk
