#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>

namespace sk {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

const char* const kDefaultFile =
    "\xEF\xBB\xBF\n"
    "[Programmeinstellungen]\n"
    "Fontname = \n"
    "Fontgröße = 10\n"
    "Fontstil = 0\n"
    "Schichtspalten = 6\n"
    "Schulferien anzeigen = 1\n"
    "Wochennummer anzeigen = 1\n"
    "Anwenderverzeichnis = /home/anna/SKDaten/\n"
    "Anwendername = Programm\n"
    "Schichtart = 0\n"
    "UrlaubBlockAnzeige = 1\n"
    "Sollstunden_38 = 1982.760010\n"
    "Sollstunden_40 = 2088.000000\n"
    "UrlaubStartMonat = 4\n"
    "UrlaubStartTag = 25\n"
    "UrlaubZyklus = 0\n"
    "; \n"
    "[Astronomie]\n"
    "Breite = 48.469999999999998863131622783839702606201171875\n"
    "Länge = -12.519999999999999573674358543939888477325439453125\n"
    "Zeitzone = 1\n"
    "Sommerzeit automatisch = 1\n"
    "Ortsname = Haldenau\n"
    "Dämmerung = 0\n"
    "Mondphasen anzeigen = 0\n"
    "Perihel und Aphel anzeigen = 0\n";

Settings DefaultsIn(const std::string& base) {
    Settings s;
    s.userDirectory = base;
    return s;
}

TEST(SettingsFile, DefaultsAreWrittenByteForByte) {
    EXPECT_EQ(FormatSettingsFile(DefaultsIn("/home/anna/SKDaten/")), kDefaultFile);
}

// Bayern writes no line, so files of earlier versions keep their bytes; any
// other state is one line after the vacation cycle. An unknown or misspelt
// state reads as Bayern.
TEST(SettingsFile, StateLineOnlyOutsideBayern) {
    Settings s = DefaultsIn("/home/anna/SKDaten/");
    s.region = Region::kSN;
    std::string expected = kDefaultFile;
    expected.replace(expected.find("; \n"), 0, "Bundesland = SN\n");
    EXPECT_EQ(FormatSettingsFile(s), expected);
    EXPECT_EQ(ParseSettingsFile(expected, Settings{}).region, Region::kSN);
    EXPECT_EQ(ParseSettingsFile(kDefaultFile, Settings{}).region, Region::kBY);
    struct Case {
        const char* line;
        Region region;
    } cases[] = {{"bundesland=th", Region::kTH}, {"Bundesland =  HB ", Region::kHB}, {"Bundesland = Sachsen", Region::kBY},
                 {"Bundesland = ", Region::kBY}};
    for (const Case& c : cases) {
        const std::string text = std::string("[Programmeinstellungen]\n") + c.line + "\n";
        EXPECT_EQ(ParseSettingsFile(text, Settings{}).region, c.region) << c.line;
    }
}

TEST(SettingsFile, WrittenValuesReadBackUnchanged) {
    Settings s;
    s.fontName = "DejaVu Sans Mono";
    s.fontSize = -3;
    s.fontStyle = 3;
    s.lastColumn = 23;
    s.showSchoolHolidays = false;
    s.showWeekNumbers = false;
    s.userDirectory = "/mnt/gemeinsam/Daten mit Blank/SKDaten/";
    s.userName = "Jürgen Öz";
    s.calendarType = 7;
    s.vacationBlockShown = false;
    s.targetHours38 = -0.5f;
    s.targetHours40 = 123456.78f;
    s.vacationStartMonth = 12;
    s.vacationStartDay = 31;
    s.vacationCycle = -2147483647 - 1;
    s.latitude = 1e-300;
    s.longitude = -kInf;
    s.timeZone = std::nextafter(5.75, 10.0);
    s.autoSummerTime = false;
    s.placeName = "Straße am Fluß ½";
    s.twilightKind = 2;
    s.showMoonPhases = true;
    s.showPerihelionAphelion = true;
    const Settings back = ParseSettingsFile(FormatSettingsFile(s), Settings{});
    EXPECT_EQ(FormatSettingsFile(back), FormatSettingsFile(s));
    EXPECT_EQ(back.userName, s.userName);
    EXPECT_EQ(back.placeName, s.placeName);
    EXPECT_EQ(back.vacationCycle, s.vacationCycle);
    EXPECT_EQ(back.latitude, s.latitude);
    EXPECT_EQ(back.longitude, s.longitude);
    EXPECT_EQ(back.timeZone, s.timeZone);
    EXPECT_EQ(back.targetHours40, s.targetHours40);
    EXPECT_FALSE(back.autoSummerTime);
    EXPECT_TRUE(back.showPerihelionAphelion);

    Settings nan;
    nan.timeZone = std::nan("");
    nan.targetHours38 = -std::numeric_limits<float>::infinity();
    const Settings nanBack = ParseSettingsFile(FormatSettingsFile(nan), Settings{});
    EXPECT_TRUE(std::isnan(nanBack.timeZone));
    EXPECT_EQ(nanBack.targetHours38, -std::numeric_limits<float>::infinity());
}

TEST(SettingsFile, DoublesMatchPrintfWithUpToSixtyFourDigits) {
    const double values[] = {48.47, -12.52, 1.0, 0.0, -0.0, 0.1, 1e300, 1e-300, 5e-324, 123456789012345678.0,
                             std::numeric_limits<double>::max()};
    for (double v : values) {
        char expected[512];
        std::snprintf(expected, sizeof expected, "%.64g", v);
        EXPECT_EQ(FormatFloat64(v), expected);
        EXPECT_EQ(ParseFloatValue(FormatFloat64(v)), v) << expected;
    }
    EXPECT_EQ(FormatFloat64(kInf), "+Infinity");
    EXPECT_EQ(FormatFloat64(-kInf), "-Infinity");
    EXPECT_EQ(FormatFloat64(std::nan("")), "NaN");
}

TEST(SettingsFile, FloatsHaveSixDecimals) {
    const struct {
        float v;
        const char* text;
    } cases[] = {{1982.76f, "1982.760010"}, {2088.0f, "2088.000000"}, {-0.25f, "-0.250000"},
                 {0.0f, "0.000000"},        {1e10f, "10000000000.000000"}};
    for (const auto& c : cases) EXPECT_EQ(FormatFloat32(c.v), c.text);
}

TEST(SettingsFile, ValueParsing) {
    const struct {
        const char* text;
        std::int32_t value;
    } ints[] = {{"15", 15},          {" -7\t", -7},  {"+3", 3},         {"abc", 0},
                {"12abc", 0},        {"", 0},        {"-", 0},          {"2147483647", 2147483647},
                {"2147483648", 0},   {"-2147483648", -2147483647 - 1}, {"99999999999999999999", 0},
                {"1 2", 0}};
    for (const auto& c : ints) EXPECT_EQ(ParseIntegerValue(c.text), c.value) << c.text;

    const struct {
        const char* text;
        double value;
    } floats[] = {{"1982.760010", 1982.76001}, {"+Infinity", kInf}, {"-INFINITY", -kInf}, {"infinity", kInf},
                  {"-12.5", -12.5},            {"+2.5", 2.5},       {"1e+300", 1e300},    {"1e999", kInf},
                  {"-1e999", -kInf},           {"1e-999", 0.0},     {"12,5", 0.0},        {"inf", 0.0},
                  {"0x1p3", 0.0},              {"+-1", 0.0},        {"", 0.0},            {"abc", 0.0}};
    for (const auto& c : floats) EXPECT_EQ(ParseFloatValue(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isnan(ParseFloatValue(" nan ")));
}

TEST(SettingsFile, LenientReader) {
    const Settings defaults = DefaultsIn("/base/");
    const struct {
        const char* name;
        std::string file;
        std::function<void(const Settings&)> check;
    } cases[] = {
        {"hand-written ISO 8859-1 without mark",
         "[Astronomie]\r\nOrtsname = M\xFC"
         "nchen \t\r\nL\xE4nge=-11.34\r\n",
         [](const Settings& s) {
             EXPECT_EQ(s.placeName, "München");
             EXPECT_EQ(s.longitude, -11.34);
         }},
        {"lower-case key without blanks, CR line ends, leading tabs",
         "\xEF\xBB\xBF\r[programmeinstellungen]\r\t  fontname=Sans\rSCHICHTSPALTEN\t= 9\r",
         [](const Settings& s) {
             EXPECT_EQ(s.fontName, "Sans");
             EXPECT_EQ(s.lastColumn, 9);
         }},
        {"umlauts do not fold",
         "\xEF\xBB\xBF[Programmeinstellungen]\nFONTGRÖSSE = 20\nFontgrÖße = 21\n",
         [](const Settings& s) { EXPECT_EQ(s.fontSize, 10); }},
        {"key in the wrong group takes its default",
         "\xEF\xBB\xBF[Astronomie]\nSchichtart = 5\n[Programmeinstellungen]\nBreite = 1.5\n",
         [](const Settings& s) {
             EXPECT_EQ(s.calendarType, 0);
             EXPECT_EQ(s.latitude, 48.47);
         }},
        {"a column count that is not a number gives 0",
         "\xEF\xBB\xBF[Programmeinstellungen]\nSchichtspalten = sieben\n",
         [](const Settings& s) { EXPECT_EQ(s.lastColumn, 0); }},
        {"comments, blank lines, missing bracket, first key wins",
         "\xEF\xBB\xBF\n; [Astronomie]\n\n   \n[Astronomie\nZeitzone = 2\nZeitzone = 3\n;Zeitzone = 4\n",
         [](const Settings& s) { EXPECT_EQ(s.timeZone, 2.0); }},
        {"missing group: every key default",
         "\xEF\xBB\xBF[Programmeinstellungen]\nFontname = X\n",
         [](const Settings& s) {
             EXPECT_EQ(s.placeName, "Haldenau");
             EXPECT_EQ(s.userDirectory, "/base/");
         }},
        {"invalid UTF-8 after the mark is read as ISO 8859-1",
         "\xEF\xBB\xBF[Astronomie]\nOrtsname = K\xF6ln\n",
         [](const Settings& s) { EXPECT_EQ(s.placeName, "Köln"); }},
        {"text values lose blanks and tabs around them, keep inner ones",
         "\xEF\xBB\xBF[Astronomie]\nOrtsname =  \t Bad  Tölz \t\n",
         [](const Settings& s) { EXPECT_EQ(s.placeName, "Bad  Tölz"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(ParseSettingsFile(c.file, defaults));
    }
}

TEST(SettingsFile, ReadIso88591ThenWriteUtf8WithMark) {
    const Settings s = ParseSettingsFile("[Astronomie]\nOrtsname = N\xFCrnberg\n", Settings{});
    const std::string written = FormatSettingsFile(s);
    EXPECT_EQ(written.substr(0, 4), "\xEF\xBB\xBF\n");
    EXPECT_NE(written.find("Ortsname = Nürnberg\n"), std::string::npos);
}

TEST(SettingsFile, LineBreaksInTextsCannotForgeKeys) {
    Settings s;
    s.placeName = "Ort\nSchichtart = 5\r[Programmeinstellungen]";
    const Settings back = ParseSettingsFile(FormatSettingsFile(s), Settings{});
    EXPECT_EQ(back.calendarType, 0);
    EXPECT_EQ(back.placeName, "Ort Schichtart = 5 [Programmeinstellungen]");
}

}  // namespace
}  // namespace sk
