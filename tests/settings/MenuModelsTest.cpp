#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

#include "settings/DataDirectoryModel.h"
#include "settings/ProgramMenu.h"
#include "common/TempFolder.h"
#include "shift/CalendarChooser.h"
#include "shift/CalendarTypes.h"

namespace sk {
namespace {

TEST(ProgramMenuModel, EveryEntryHasItsOwnKeyInEitherCase) {
    const std::pair<char, ProgramMenuAction> keys[] = {
        {'K', ProgramMenuAction::kCalendarType}, {'G', ProgramMenuAction::kOwnPlan},
        {'S', ProgramMenuAction::kFont},
        {'H', ProgramMenuAction::kBackground},   {'P', ProgramMenuAction::kHours},
        {'U', ProgramMenuAction::kVacation},     {'V', ProgramMenuAction::kDataDirectory},
        {'E', ProgramMenuAction::kSettings},     {'I', ProgramMenuAction::kInfo},
        {'D', ProgramMenuAction::kPrint},        {'X', ProgramMenuAction::kPhoneExport},
        {'R', ProgramMenuAction::kReminders},
        {'A', ProgramMenuAction::kCalDavSync},
    };
    static_assert(std::size(keys) == kProgramMenuEntryCount);
    for (int k = 0; k < kProgramMenuEntryCount; ++k) {
        EXPECT_EQ(kProgramMenuEntries[k].key, keys[k].first) << "position " << k;
        EXPECT_EQ(kProgramMenuEntries[k].action, keys[k].second) << "position " << k;
        EXPECT_EQ(ProgramMenuActionForKey(static_cast<unsigned>(keys[k].first)), keys[k].second);
        EXPECT_EQ(ProgramMenuActionForKey(static_cast<unsigned>(keys[k].first - 'A' + 'a')), keys[k].second);
    }
    for (unsigned other : {unsigned('Q'), unsigned('z'), unsigned('1'), 0xff1bu /* Escape */}) {
        EXPECT_FALSE(ProgramMenuActionForKey(other).has_value()) << other;
    }
}

TEST(ProgramMenuModel, BackgroundButtonIsGreyedOnTheHalfYearPage) {
    for (int type = 0; type < 8; ++type) {
        for (const ProgramMenuEntry& e : kProgramMenuEntries) {
            const bool expected = !(type == 5 && e.action == ProgramMenuAction::kBackground);
            EXPECT_EQ(ProgramMenuEntryEnabled(e.action, type), expected) << e.label << " in type " << type;
        }
    }
}

TEST(ProgramMenuModel, ButtonColumnGeometry) {
    struct Case {
        int u, r;
        int frameW, frameH, buttonH, y0, y7;
    };
    // frame 22.5u x (17.5r - r/3), buttons 1.8r high at (2k+1)r - r/3.
    const Case cases[] = {
        {7, 12, 158, 206, 22, 8, 176},   // 157.5 -> 158 (half to even), 210 - 4
        {8, 13, 180, 223, 23, 9, 191},   // 227.5 - 4.33 = 223.17; 23.4 -> 23
        {9, 15, 202, 258, 27, 10, 220},  // 202.5 -> 202 (half to even); 27
    };
    for (const Case& c : cases) {
        const ButtonColumnGeometry g = EightButtonColumn(c.u, c.r);
        EXPECT_EQ(g.frameX, c.u);
        EXPECT_EQ(g.frameY, c.r);
        EXPECT_EQ(g.frameWidth, c.frameW) << c.u;
        EXPECT_EQ(g.frameHeight, c.frameH) << c.r;
        EXPECT_EQ(g.buttonWidth, 21 * c.u);
        EXPECT_EQ(g.buttonHeight, c.buttonH) << c.r;
        EXPECT_EQ(g.ButtonY(0, c.r), c.y0);
        EXPECT_EQ(g.ButtonY(7, c.r), c.y7);
    }
}

// Buttons grow only for a label longer than the column: the program menu's
// "Für Kalender-App exportieren..." is shown whole, the chooser keeps 21 widths.
TEST(ProgramMenuModel, ButtonsGrowForLongLabels) {
    std::vector<std::string_view> program, chooser;
    for (const ProgramMenuEntry& e : kProgramMenuEntries) program.push_back(e.label);
    for (int type : kCalendarChooserTypes) chooser.push_back(CalendarTypeInfoOf(type).label);
    EXPECT_EQ(ButtonColumnExtraUnits(chooser), 0);
    const int extra = ButtonColumnExtraUnits(program);
    EXPECT_EQ(extra, 11);  // 31 characters and one unit to spare
    EXPECT_EQ(ButtonColumn(8, 13, 11, extra).buttonWidth, 32 * 8);
    EXPECT_EQ(ButtonColumn(8, 13, 11, extra).frameWidth - ButtonColumn(8, 13, 11).frameWidth, extra * 8);
}

TEST(CalendarChooserModel, ButtonsNameEveryTypeOnceInTheirOrder) {
    const char* labels[] = {"Haldenau PM 1", "Haldenau Werk", "Haldenau Standard", "Haldenau Zweischicht",
                            "PM 1 mit 2er Block", "Werk mit 2er Block", "Velmo Kessbach", "Olmer Karton"};
    std::set<int> seen;
    for (std::size_t k = 0; k < kCalendarChooserTypes.size(); ++k) {
        EXPECT_STREQ(CalendarTypeInfoOf(kCalendarChooserTypes[k]).label, labels[k]);
        seen.insert(kCalendarChooserTypes[k]);
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST(DataDirectoryModel, TreeListsVisibleFoldersInReadingOrder) {
    testing::TempFolder tmp;
    const std::string p = tmp.Dir();
    for (const char* name : {"beta", "Alpha", ".versteckt", "SKDaten", "gamma"}) ::mkdir((p + name).c_str(), 0755);
    testing::WriteFile(p + "datei.txt", "x");
    ::symlink((p + "gamma").c_str(), (p + "link").c_str());
    ::symlink((p + "datei.txt").c_str(), (p + "dateilink").c_str());
    const std::vector<std::string> want = {"Alpha", "beta", "gamma", "link", "SKDaten"};
    EXPECT_EQ(ListSubfolders(p), want);
    EXPECT_TRUE(ListSubfolders(p + "fehlt/").empty());
}

// A share mounted outside the working folder can be reached from the tree's
// tops; the local folder comes first so the way back is one step.
TEST(DataDirectoryModel, TreeStartsAtTheLocalFolderAndReachesEveryPlace) {
    testing::TempFolder tmp;
    const std::string local = tmp.Dir() + "arbeit/", home = tmp.Dir() + "home";
    ::mkdir(local.c_str(), 0755);
    ::mkdir(home.c_str(), 0755);
    std::vector<std::string> paths;
    for (const FolderRoot& r : DataDirectoryRoots(local, home, "anna")) paths.push_back(r.path);
    ASSERT_GE(paths.size(), 3u);
    EXPECT_EQ(paths.front(), local);
    EXPECT_EQ(paths[1], home + "/");
    EXPECT_EQ(paths.back(), "/");
    // A missing home and a local folder that is the home are listed once or not at all.
    const auto roots = DataDirectoryRoots(local, tmp.Dir() + "fehlt", "anna");
    EXPECT_EQ(roots.size(), paths.size() - 1);
    EXPECT_EQ(DataDirectoryRoots(local, local, "anna").size(), paths.size() - 1);
}

TEST(DataDirectoryModel, PathsAsShownAndJoined) {
    EXPECT_EQ(DisplayedFolderPath("C:\\Daten\\SK\\"), "C:/Daten/SK/");
    EXPECT_EQ(DisplayedFolderPath("/home/anna/"), "/home/anna/");
    EXPECT_EQ(ChildFolder("/home/", "anna"), "/home/anna/");
    EXPECT_EQ(ChildFolder("/home", "anna"), "/home/anna/");
}

}  // namespace
}  // namespace sk
