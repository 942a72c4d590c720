#include "settings/SettingsDialogModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sk {
namespace {

TEST(SettingsDialogModel, CoordinateFieldsAreReadFoldedAndWrittenBack) {
    struct Case {
        const char* typed;
        double limit;
        const char* shown;  // the field after leaving it
    };
    const Case cases[] = {
        {"12,42", kLongitudeLimit, "12.42"},  // separators: ",", blank, "'"
        {"12 42", kLongitudeLimit, "12.42"},
        {"12'42", kLongitudeLimit, "12.42"},
        {"12,7", kLongitudeLimit, "12.42"},   // decimal fraction becomes minutes
        {"48.599", kLatitudeLimit, "48.36"},  // .599 is the first fraction taken as decimal
        {"48.598", kLatitudeLimit, "48.60"},  // just below: read as minutes
        {"120", kLatitudeLimit, "30.00"},     // folded at the limit
        {"210", kLongitudeLimit, "30.00"},
        {"180", kLongitudeLimit, "180.00"},   // the limit itself stays
        {"95.30", kLatitudeLimit, "5.30"},    // minutes survive the fold
        {"-12,7", kLongitudeLimit, "-12.42"},
        {"-200", kLongitudeLimit, "-20.00"},
        {"Ost", kLongitudeLimit, "0.00"},     // not a number
        {"", kLatitudeLimit, "0.00"},
        {"inf", kLatitudeLimit, "0.00"},
        {"1e999", kLatitudeLimit, "0.00"},
        {" 12,5 ", kLatitudeLimit, "12.50"},  // outer blanks are no separators
        {"+7.8abc", kLatitudeLimit, "7.48"},  // the leading number counts
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormalizeCoordinateField(c.typed, c.limit), c.shown) << c.typed;
    }
}

TEST(SettingsDialogModel, TimeZoneIsHeldToItsRange) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1.0"}, {"5,5", "5.5"}, {"15", "14.0"}, {"-13", "-12.0"}, {"14", "14.0"},
        {"-12", "-12.0"}, {"x", "0.0"}, {"3 75", "3.8"},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(NormalizeTimeZoneField(typed), shown) << typed;
}

TEST(SettingsDialogModel, HoursUseCommaAndTwoDecimals) {
    EXPECT_EQ(FormatHoursField(1982.76f), "1982,76");
    EXPECT_EQ(FormatHoursField(2088.0f), "2088,00");
    EXPECT_DOUBLE_EQ(ParseHoursField("1700,5"), 1700.5);
    EXPECT_DOUBLE_EQ(ParseHoursField("1700.25"), 1700.25);
    EXPECT_DOUBLE_EQ(ParseHoursField("viel"), 0.0);
}

TEST(SettingsDialogModel, PlaceNameIsCutAtFiftyCharacters) {
    const std::string fifty(50, 'a');
    EXPECT_FALSE(CheckPlaceNameEdit(fifty).cut);
    const PlaceNameEdit cut = CheckPlaceNameEdit(fifty + "b");
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(cut.text, fifty);
    // Characters, not bytes: 51 umlauts are cut to 50 whole ones.
    std::string umlauts;
    for (int i = 0; i < 51; ++i) umlauts += "ä";
    const PlaceNameEdit u = CheckPlaceNameEdit(umlauts);
    EXPECT_TRUE(u.cut);
    EXPECT_EQ(u.text.size(), 100u);
    EXPECT_EQ(PlaceNameCounterText("Mühlheim"), "8 von max. 50 Zeichen.");
    EXPECT_EQ(PlaceNameCounterText(""), "0 von max. 50 Zeichen.");
}

TEST(SettingsDialogModel, OrderEntriesFollowTheEraOfTheYear) {
    const std::array<std::string, 5> eraA = {
        "Rot, Blau, Gelb, Grün, Braun", "Blau, Gelb, Grün, Braun, Rot", "Gelb, Grün, Braun, Rot, Blau",
        "Grün, Braun, Rot, Blau, Gelb", "Braun, Rot, Blau, Gelb, Grün"};
    const std::array<std::string, 5> eraB = {
        "Grün, Braun, Rot, Blau, Gelb", "Braun, Rot, Blau, Gelb, Grün", "Rot, Blau, Gelb, Grün, Braun",
        "Blau, Gelb, Grün, Braun, Rot", "Gelb, Grün, Braun, Rot, Blau"};
    const std::array<std::string, 5> eraC = {
        "Blau, Gelb, Grün, Braun, Rot", "Gelb, Grün, Braun, Rot, Blau", "Grün, Braun, Rot, Blau, Gelb",
        "Braun, Rot, Blau, Gelb, Grün", "Rot, Blau, Gelb, Grün, Braun"};
    const std::pair<int, const std::array<std::string, 5>*> years[] = {
        {1970, &eraA}, {2016, &eraA}, {2017, &eraB}, {2027, &eraB}, {2028, &eraC}, {2037, &eraC}, {0, &eraC},
    };
    for (const auto& [year, entries] : years) EXPECT_EQ(VacationOrderEntries(year), *entries) << year;
}

TEST(SettingsDialogModel, FormShowsSettingsWithTheirSides) {
    Settings s;  // 48.47 north, 12.52 east (negative), zone 1 east
    SettingsForm f = MakeSettingsForm(s);
    EXPECT_EQ(f.longitudeText, "12.52");
    EXPECT_TRUE(f.longitudeEast);
    EXPECT_EQ(f.latitudeText, "48.47");
    EXPECT_TRUE(f.latitudeNorth);
    EXPECT_EQ(f.timeZoneText, "1.0");
    EXPECT_TRUE(f.timeZoneEast);
    EXPECT_EQ(f.hours38Text, "1982,76");

    s.longitude = 0.5;    // west
    s.latitude = -33.55;  // south
    s.timeZone = 0;       // 0 shows "West"
    s.vacationCycle = 7;  // seven rotations are two
    s.twilightKind = 9;
    f = MakeSettingsForm(s);
    EXPECT_FALSE(f.longitudeEast);
    EXPECT_FALSE(f.latitudeNorth);
    EXPECT_EQ(f.latitudeText, "33.55");
    EXPECT_FALSE(f.timeZoneEast);
    EXPECT_EQ(f.vacationOrderIndex, 2);
    EXPECT_EQ(f.twilightKind, 0);
    // A negative count rotates nothing in the calendar, so the dialog shows the first entry.
    s.vacationCycle = -7;
    EXPECT_EQ(MakeSettingsForm(s).vacationOrderIndex, 0);
}

TEST(SettingsDialogModel, SavingAppliesSignRules) {
    struct Case {
        const char* lon;
        bool east;
        const char* lat;
        bool north;
        const char* zone;
        bool zoneEast;
        double wantLon, wantLat, wantZone;
    };
    const Case cases[] = {
        {"12,7", true, "120", true, "15", true, -12.42, 30.0, 14.0},
        {"12,7", false, "48.47", false, "-13", false, 12.42, -48.47, -12.0},
        {"-8", true, "-10", true, "-13", true, -8.0, 10.0, 12.0},    // a typed sign follows the option
        {"-8", false, "-10", false, "5", false, 8.0, -10.0, -5.0},
        {"0", true, "0", false, "0", true, 0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        Settings s;
        VacationOrderTables tables = MakeDefaultVacationOrderTables();
        SettingsForm f = MakeSettingsForm(s);
        f.longitudeText = c.lon;
        f.longitudeEast = c.east;
        f.latitudeText = c.lat;
        f.latitudeNorth = c.north;
        f.timeZoneText = c.zone;
        f.timeZoneEast = c.zoneEast;
        ApplySettingsForm(f, 2024, s, tables);
        EXPECT_DOUBLE_EQ(s.longitude, c.wantLon) << c.lon;
        EXPECT_DOUBLE_EQ(s.latitude, c.wantLat) << c.lat;
        EXPECT_DOUBLE_EQ(s.timeZone, c.wantZone) << c.zone;
        EXPECT_FALSE(std::signbit(s.longitude) && s.longitude == 0) << "no negative zero";
    }
}

TEST(SettingsDialogModel, SavingSetsTheOrderAbsolutelyForTheEraOfTheYear) {
    VacationOrderTables tables = MakeDefaultVacationOrderTables();
    RotateVacationOrder(tables, 2024, 3);  // key Y pressed three times
    RotateVacationOrder(tables, 2010, 1);  // another era
    Settings s;
    SettingsForm f = MakeSettingsForm(s);
    f.vacationOrderIndex = 2;
    ApplySettingsForm(f, 2024, s, tables);
    EXPECT_EQ(s.vacationCycle, 2);
    VacationOrderTables expected = MakeDefaultVacationOrderTables();
    RotateVacationOrder(expected, 2024, 2);
    RotateVacationOrder(expected, 2010, 1);  // untouched by the dialog
    EXPECT_EQ(tables, expected);
    // The entry chosen names the order row 0 of the table now has.
    EXPECT_EQ(VacationOrderEntries(2024)[2].substr(0, 3), "Rot");
    EXPECT_EQ(tables.eras[VacationEra(2024)][0][0], 0);
}

TEST(SettingsDialogModel, ResetThenSaveGivesTheDefaults) {
    Settings s;
    s.vacationStartMonth = 6;
    s.vacationStartDay = 3;
    s.vacationCycle = 4;
    s.showMoonPhases = true;
    VacationOrderTables tables = MakeDefaultVacationOrderTables();
    RotateVacationOrder(tables, 2024, 4);
    SettingsForm f = MakeSettingsForm(s);
    ResetVacationControls(f);
    f.hours38Text = "1700,5";
    f.twilightKind = 2;
    ApplySettingsForm(f, 2024, s, tables);
    EXPECT_EQ(s.vacationStartMonth, 4);
    EXPECT_EQ(s.vacationStartDay, 25);
    EXPECT_EQ(s.vacationCycle, 0);
    EXPECT_EQ(tables, MakeDefaultVacationOrderTables());
    EXPECT_FLOAT_EQ(s.targetHours38, 1700.5f);
    EXPECT_FLOAT_EQ(s.targetHours40, 2088.0f);
    EXPECT_EQ(s.twilightKind, 2);
    EXPECT_TRUE(s.showMoonPhases);  // untouched values stay
}

}  // namespace
}  // namespace sk
