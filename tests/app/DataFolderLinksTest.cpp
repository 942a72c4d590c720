// A link planted in a data folder that leads out of it: the file it points
// to is never read into the program, never changed, and the person is told.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "accounting/HoursAccount.h"
#include "accounting/RemainingVacation.h"
#include "app/StartUp.h"
#include "calendar/SchoolHolidayStore.h"
#include "common/TempFolder.h"
#include "notes/NoteNames.h"
#include "notes/NoteRecovery.h"
#include "shift/OwnShiftPlanFile.h"
#include "ui/SessionSave.h"

namespace sk {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr int kYear = 2027;
const DayNumber kDay = DayNumberOf(2027, 3, 15);

OwnShiftPlan SomePlan() { return MakeOwnShiftPlan("FFSSNN----", DayNumberOf(2027, 1, 4), 5); }

// One file the program keeps in a user's folder: content that the loader
// would visibly take in, how to see that it did, and a save of it.
struct DataFile {
    std::string name;
    std::function<std::string()> secret;
    std::function<bool(AppState&)> tookIn;  // after the user's data were loaded
    std::function<void(AppState&)> save;
};

// A note of any kind: in the index or readable, it was taken in.
DataFile NoteFile(const std::string& name) {
    return {name, [] { return std::string("geheime Notiz"); },
            [name](AppState& s) {
                const std::optional<NoteFileName> n = ParseNoteFileName(name);
                const auto listed = [&n](const std::vector<std::int32_t>& index) {
                    return std::find(index.begin(), index.end(), n->code) != index.end();
                };
                const bool inIndex = n && (n->kind == NoteKind::Day       ? listed(s.notes.DayNoteIndex())
                                           : n->kind == NoteKind::Yearly  ? listed(s.notes.YearlyNoteIndex())
                                           : n->kind == NoteKind::Weekday ? listed(s.notes.WeekdayNoteIndex())
                                                                          : s.notes.HasPeriodicNote(n->code, n->period));
                return inIndex || !s.notes.ReadNoteFile(name).empty();
            },
            [name](AppState& s) { s.notes.WriteNoteFile(name, "eigene Notiz"); }};
}

const std::vector<DataFile>& DataFiles() {
    static const std::vector<DataFile> files{
        {kSettingsFileName, [] { return std::string("\xEF\xBB\xBF\n[Programmeinstellungen]\nSchichtspalten = 11\n"); },
         [](AppState& s) { return s.settings.lastColumn == 11; },
         [](AppState& s) { SaveSessionData(s); }},
        {kCalendarMarkFileName, [] { return FormatCalendarMarks({{kDay, kDay + 3, 0x0000ff}}); },
         [](AppState& s) { return !s.calendarMarks.Marks().empty(); },
         [](AppState& s) {
             s.calendarMarks.SaveMarkEntry(kDay + 10, kDay + 11, 0x00ff00);
             SaveSessionData(s);
         }},
        {kShiftMarkFileName, [] { return FormatShiftMarks({{kDay, 1, 2}}); },
         [](AppState& s) { return !s.shiftMarks.Marks().empty(); },
         [](AppState& s) {
             s.shiftMarks.ApplyChoice(0, kDay + 10, 1, 1);
             SaveSessionData(s);
         }},
        {kVacationDaysFileName, [] { return FormatVacationDays({DayNumberOf(kYear, 1, 1), 17}); },
         [](AppState& s) {
             VacationDays days;
             LoadVacationDays(s.userDataFolder, days, kYear);
             return days.vacationDaysLeft == 17;
         },
         [](AppState& s) { SaveVacationDays(s.userDataFolder, {DayNumberOf(kYear, 1, 1), 3}); }},
        {kHoursFileName,
         [] {
             HoursRecord r;
             r.hoursCountStart = kDay;
             r.hoursAtStart = 42.0f;
             return FormatHoursRecord(r);
         },
         [](AppState& s) {
             HoursRecord r;
             LoadHours(s.userDataFolder, r);
             return r.hoursAtStart == 42.0f;
         },
         [](AppState& s) { SaveHours(s.userDataFolder, HoursRecord{kDay, 1.0f, 0, 0, false}); }},
        {kOwnPlanFileName, [] { return FormatOwnShiftPlan(SomePlan()); },
         [](AppState& s) { return s.ownPlan.has_value() || LoadOwnShiftPlan(s.userDataFolder).plan.has_value(); },
         [](AppState& s) {
             std::string error;
             SaveOwnShiftPlan(s.userDataFolder, MakeOwnShiftPlan("FFNN--", DayNumberOf(2027, 1, 4), 3), error);
         }},
        {kSchoolHolidayFileName, [] { return std::string("2030-08-01 2030-09-10 Sommer\n"); },
         [](AppState& s) { return !LoadStoredSchoolHolidays(s.userDataFolder).empty(); },
         [](AppState& s) {
             SaveStoredSchoolHolidays(s.userDataFolder, ParseStoredSchoolHolidays("2031-08-01 2031-09-10 Sommer\n"));
         }},
        {kNoteRecoveryFileName, [] { return FormatNoteRecovery({"20270214.txt", 1, "geheim"}); },
         [](AppState& s) { return ReadNoteRecovery(s.userDataFolder).has_value(); },
         [](AppState& s) { WriteNoteRecovery(s.userDataFolder, {"20270215.txt", 2, "eigene Notiz"}); }},
        NoteFile(DayNoteFileName(20270215)),
        NoteFile(PeriodicNoteFileName(PeriodicAnchor(kDay, 14), 14)),
        NoteFile(YearlyNoteFileName(215)),
        NoteFile(WeekdayNoteFileName(kFirstWeekdayNoteCode + 123)),
    };
    return files;
}

class DataFolderLink : public ::testing::TestWithParam<std::size_t> {};

std::vector<std::string> RegularFilesHolding(const std::string& folder, const std::string& bytes) {
    std::vector<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        const std::string path = e.path().string();
        if (e.is_regular_file() && !e.is_symlink() && testing::ReadFile(path).find(bytes) != std::string::npos) {
            found.push_back(path);
        }
    }
    return found;
}

void LoadEverything(AppState& state) {
    LoadUserSettings(state, kYear);
    LoadOwnPlan(state);
    LoadUserData(state);
}

TEST_P(DataFolderLink, OutsideFileIsNeitherReadNorChangedAndNamed) {
    const DataFile& f = DataFiles()[GetParam()];
    TempFolder work, elsewhere;
    const std::string secret = elsewhere.File("geheim");
    const std::string secretBytes = f.secret();
    elsewhere.Put("geheim", secretBytes);
    ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
    AppState state;
    ASSERT_TRUE(EnterDataDirectory(state, work.Path()));
    const std::string folder = state.session.baseDataDirectory + "Programm/";
    fs::create_symlink(secret, folder + f.name);

    {
        // Without the link the same file is taken in: the check can see a read.
        AppState control;
        TempFolder plain;
        ASSERT_TRUE(EnterDataDirectory(control, plain.Path()));
        testing::WriteFile(control.session.baseDataDirectory + "Programm/" + f.name, secretBytes);
        LoadEverything(control);
        ASSERT_TRUE(f.tookIn(control)) << f.name;
    }

    LoadEverything(state);
    // Asked before the account check below, whose new-year rule may save.
    const std::optional<std::string> message = RefusedLinksMessage(state);
    ASSERT_TRUE(message) << f.name;
    EXPECT_NE(message->find(folder + f.name), std::string::npos) << *message;
    EXPECT_FALSE(f.tookIn(state)) << f.name;

    // Another instance changing the outside file is not picked up either.
    testing::WriteFile(secret, secretBytes + secretBytes);
    RereadChangedData(state);
    EXPECT_FALSE(f.tookIn(state)) << f.name;
    testing::WriteFile(secret, secretBytes);

    f.save(state);
    EXPECT_EQ(testing::ReadFile(secret), secretBytes) << f.name;
    struct stat st {};
    ASSERT_EQ(::stat(secret.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(RegularFilesHolding(work.Path(), secretBytes), std::vector<std::string>{}) << f.name;
    // The save put a file of the folder's own in place of the link.
    EXPECT_FALSE(fs::is_symlink(folder + f.name)) << f.name;
}

INSTANTIATE_TEST_SUITE_P(EveryDataFile, DataFolderLink, ::testing::Range<std::size_t>(0, DataFiles().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             std::string n;
                             for (char c : DataFiles()[info.param].name)
                                 if (std::isalnum(static_cast<unsigned char>(c))) n += c;
                             return n;
                         });

TEST(DataFolderLinks, LinksInsideTheFolderAreFollowedAndNotReported) {
    TempFolder work;
    AppState state;
    ASSERT_TRUE(EnterDataDirectory(state, work.Path()));
    const std::string folder = state.session.baseDataDirectory + "Programm/";
    fs::create_directory(folder + "Sicherung");
    testing::WriteFile(folder + "Sicherung/Marken", FormatShiftMarks({{kDay, 1, 2}}));
    fs::create_symlink("Sicherung/Marken", folder + kShiftMarkFileName);
    // A link that points at nothing is a missing file, not a refused one.
    fs::create_symlink("/nirgends/da", folder + kHoursFileName);
    // Names the program never reads are none of its business.
    fs::create_symlink("/etc/passwd", folder + "Passwort-Verweis");
    LoadEverything(state);
    EXPECT_EQ(state.shiftMarks.Marks().size(), 1u);
    EXPECT_EQ(RefusedLinksMessage(state), std::nullopt);
}

TEST(DataFolderLinks, ALinkedOwnPlanIsReportedOnlyWithTheLinks) {
    TempFolder work, elsewhere;
    elsewhere.Put("plan", FormatOwnShiftPlan(SomePlan()));
    AppState state;
    ASSERT_TRUE(EnterDataDirectory(state, work.Path()));
    const std::string folder = state.session.baseDataDirectory + "Programm/";
    testing::WriteFile(folder + kSettingsFileName, "\xEF\xBB\xBF\n[Programmeinstellungen]\nSchichtart = 8\n");
    fs::create_symlink(elsewhere.File("plan"), folder + kOwnPlanFileName);
    LoadUserSettings(state, kYear);
    EXPECT_EQ(LoadOwnPlan(state), std::nullopt);
    EXPECT_EQ(state.settings.calendarType, 0);  // the plan was not taken
    LoadUserData(state);
    const std::optional<std::string> message = RefusedLinksMessage(state);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find(folder + kOwnPlanFileName), std::string::npos) << *message;
}

TEST(DataFolderLinks, SeveralRefusedLinksAreNamedInOneMessage) {
    TempFolder work, elsewhere;
    elsewhere.Put("a", "x");
    AppState state;
    ASSERT_TRUE(EnterDataDirectory(state, work.Path()));
    const std::string folder = state.session.baseDataDirectory + "Programm/";
    fs::create_symlink(elsewhere.File("a"), folder + kShiftMarkFileName);
    fs::create_symlink("../../../" + fs::path(elsewhere.Path()).filename().string() + "/a", folder + kSettingsFileName);
    fs::create_symlink(kCalendarMarkFileName, folder + kCalendarMarkFileName);  // loops
    LoadEverything(state);
    const std::optional<std::string> message = RefusedLinksMessage(state);
    ASSERT_TRUE(message);
    for (const char* name : {kShiftMarkFileName, kSettingsFileName, kCalendarMarkFileName}) {
        EXPECT_NE(message->find(folder + name), std::string::npos) << *message;
    }
    EXPECT_EQ(message->rfind("Diese Dateien", 0), 0u) << *message;
}

}  // namespace
}  // namespace sk
