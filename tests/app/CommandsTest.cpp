#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/Commands.h"
#include "app/StartUp.h"

namespace sk {
namespace {

// Records what the commands ask of the window.
class RecordingHost : public CommandHost {
public:
    bool fits = true;
    int redraws = 0;
    std::vector<std::string> messages;
    std::vector<int> subsystem;
    int enterDate = 0, font = 0, background = 0, earliest = 0, relayouts = 0;
    std::optional<bool> toggleVisible;

    int moves = 0;  // of the redraws, those after the view alone moved
    void Redraw() override { ++redraws; }
    void RedrawMoved() override {
        ++redraws;
        ++moves;
    }
    bool FitWindow() override { return fits; }
    void RelayoutControls() override { ++relayouts; }
    void ShowMessage(const std::string&, const std::string& text) override { messages.push_back(text); }
    void SetVacationToggleVisible(bool visible) override { toggleVisible = visible; }
    void EnterDate() override { ++enterDate; }
    void ChangeFont() override { ++font; }
    void ChangeBackground() override { ++background; }
    void EditEarliestVacationStart() override { ++earliest; }
    bool OpenSubsystemWindow(int id) override {
        subsystem.push_back(id);
        return false;
    }
    void TakeNewUser() override {}
    void ReloadUserData() override {}
};

AppState StateAt(int year, int month, int type = 0) {
    AppState s;
    s.view.firstYear = year;
    s.view.firstMonth = month;
    s.settings.calendarType = type;
    s.view.cursorDay = 10;
    return s;
}

TEST(KeyTable, MapsKeysToMenuIds) {
    struct Case { unsigned key; int id; };
    const Case cases[] = {
        {GDK_KEY_Escape, 99}, {GDK_KEY_Home, 101}, {GDK_KEY_Right, 102}, {GDK_KEY_Left, 103},
        {GDK_KEY_Up, 104}, {GDK_KEY_Down, 105}, {GDK_KEY_F1, 106}, {GDK_KEY_F2, 111},
        {GDK_KEY_F3, 110}, {GDK_KEY_F4, 107}, {GDK_KEY_F5, 112}, {GDK_KEY_Page_Up, 112},
        {GDK_KEY_F6, 116}, {GDK_KEY_F7, 113}, {GDK_KEY_Page_Down, 113}, {GDK_KEY_F8, 115},
        {GDK_KEY_F9, 114}, {GDK_KEY_F10, 123}, {GDK_KEY_F11, 118}, {GDK_KEY_F12, 119},
        {GDK_KEY_KP_Add, 120}, {GDK_KEY_KP_Subtract, 121}, {GDK_KEY_1, 2}, {GDK_KEY_2, 3},
        {GDK_KEY_3, 4}, {GDK_KEY_4, 1}, {GDK_KEY_t, 124}, {GDK_KEY_T, 124}, {GDK_KEY_p, 125},
        {GDK_KEY_j, 126}, {GDK_KEY_w, 127}, {GDK_KEY_u, 128}, {GDK_KEY_k, 130}, {GDK_KEY_l, 131},
        {GDK_KEY_i, 132}, {GDK_KEY_a, 133}, {GDK_KEY_d, 134}, {GDK_KEY_s, 135}, {GDK_KEY_e, 136},
        {GDK_KEY_h, 117}, {GDK_KEY_n, 137}, {GDK_KEY_m, 139}, {GDK_KEY_b, 138}, {GDK_KEY_x, 143},
        {GDK_KEY_v, 140}, {GDK_KEY_c, 141}, {GDK_KEY_z, 142}, {GDK_KEY_y, 144}, {GDK_KEY_f, 145},
    };
    for (const Case& c : cases) EXPECT_EQ(MenuIdForKey(c.key), c.id) << c.key;
    for (unsigned key : {GDK_KEY_plus, GDK_KEY_minus, GDK_KEY_q, GDK_KEY_5, GDK_KEY_space, GDK_KEY_Return}) {
        EXPECT_FALSE(MenuIdForKey(key).has_value()) << key;
    }
}

TEST(CalendarTypeKeys, ToggleAndSelect) {
    struct Case { int menu; int from; int to; };
    const Case cases[] = {
        {menu::kTypeN, 2, 0}, {menu::kTypeN, 0, 3}, {menu::kTypeN, 3, 0}, {menu::kTypeN, 1, 0},
        {menu::kTypeM, 4, 1}, {menu::kTypeM, 1, 4}, {menu::kTypeM, 0, 1}, {menu::kTypeB, 5, 2},
        {menu::kTypeX, 0, 5}, {menu::kTypeV, 0, 6}, {menu::kTypeC, 6, 7},
    };
    for (const Case& c : cases) {
        AppState state = StateAt(2024, 0, c.from);
        RecordingHost host;
        DispatchMenu(state, host, c.menu);
        EXPECT_EQ(state.settings.calendarType, c.to) << c.menu << " from " << c.from;
        EXPECT_EQ(host.toggleVisible, c.to == 0 || c.to == 1 || c.to == 3 || c.to == 4);
        EXPECT_EQ(host.redraws, 1);
    }
}

TEST(HalfYearView, IgnoresMovesAndDayKeysAndPagesByHalfYears) {
    // The page shows no cursor: keys that act on a day do nothing.
    for (int id : {menu::kRight, menu::kLeft, menu::kUp, menu::kDown, menu::kMonthBack, menu::kMonthForward,
                   menu::kMoreColumns, menu::kFewerColumns, menu::kBackground, menu::kDayNote,
                   menu::kPeriodicNote, menu::kYearlyNote, menu::kWeekdayNote, menu::kCalendarMark,
                   menu::kShiftMark1, menu::kShiftMark2, menu::kShiftMark3, menu::kShiftMark4}) {
        AppState state = StateAt(2025, 0, 5);
        RecordingHost host;
        DispatchMenu(state, host, id);
        EXPECT_EQ(host.redraws, 0) << id;
        EXPECT_TRUE(host.subsystem.empty()) << id;
        EXPECT_EQ(host.background, 0);
        EXPECT_EQ(state.view.firstMonth, 0);
        EXPECT_EQ(state.settings.lastColumn, 6);
    }
    struct Case { int id; int type; int year; int month; };
    const Case cases[] = {
        {menu::kPageForward, 5, 2025, 6}, {menu::kPageBack, 5, 2024, 6},
        {menu::kYearForward, 5, 2026, 0}, {menu::kYearBack, 5, 2024, 0},
        {menu::kPageForward, 0, 2025, 7}, {menu::kPageBack, 0, 2024, 5},
        {menu::kMonthForward, 0, 2025, 1}, {menu::kMonthBack, 0, 2024, 11},
    };
    for (const Case& c : cases) {
        AppState state = StateAt(2025, 0, c.type);
        RecordingHost host;
        DispatchMenu(state, host, c.id);
        EXPECT_EQ(state.view.firstYear, c.year) << c.id << " type " << c.type;
        EXPECT_EQ(state.view.firstMonth, c.month) << c.id << " type " << c.type;
        EXPECT_EQ(host.redraws, 1);
    }
}

TEST(Dispatch, OnlyMovesMayKeepThePixelsOfShownMonths) {
    using namespace menu;
    struct Case { int id; bool moves; };
    const Case cases[] = {
        {kRight, true}, {kLeft, true}, {kUp, true}, {kDown, true}, {kYearBack, true}, {kYearForward, true},
        {kMonthBack, true}, {kMonthForward, true}, {kPageBack, true}, {kPageForward, true}, {kToday, true},
        {kRotateVacation, false}, {kTypeN, false}, {kMoreColumns, false}, {kFont, false},
    };
    for (const Case& c : cases) {
        AppState state = StateAt(2025, 3);
        RecordingHost host;
        DispatchMenu(state, host, c.id);
        EXPECT_EQ(host.redraws, 1) << c.id;
        EXPECT_EQ(host.moves, c.moves ? 1 : 0) << c.id;
    }
}

TEST(Dispatch, CursorKeysQuitAndLaterWindows) {
    AppState state = StateAt(2025, 0);
    RecordingHost host;
    state.view.cursorColumn = 1;  // 10 February 2025
    DispatchMenu(state, host, menu::kDown);
    DispatchMenu(state, host, menu::kLeft);
    EXPECT_EQ(host.redraws, 2);
    EXPECT_EQ(SelectedDay(state.view, state.Grid()), DayNumberOf(2025, 1, 11));  // moved before the repaint
    for (int id : {menu::kDayNote, menu::kNotesMenu, menu::kCopyImage, menu::kLogin, 2, 1}) {
        DispatchMenu(state, host, id);
    }
    EXPECT_EQ(host.subsystem, (std::vector<int>{124, 114, 142, 133, 2, 1}));
    EXPECT_EQ(host.redraws, 2);  // nothing opened, nothing repainted
    DispatchMenu(state, host, menu::kEnterDateD);
    DispatchMenu(state, host, menu::kEnterDate);
    EXPECT_EQ(host.enterDate, 2);
    EXPECT_FALSE(state.view.quitRequested);
    DispatchMenu(state, host, menu::kQuit);
    EXPECT_TRUE(state.view.quitRequested);
}

TEST(ChangeColumns, GrowsWhenItFitsAndComplainsOtherwise) {
    struct Case { int last; int delta; bool fits; int want; bool message; };
    const Case cases[] = {
        {6, +1, true, 7, false}, {7, -1, true, 6, false}, {6, -1, true, 6, false},
        {23, +1, true, 23, false}, {6, +1, false, 6, true}, {12, +1, false, 12, true},
    };
    for (const Case& c : cases) {
        AppState state = StateAt(2025, 0);
        state.settings.lastColumn = c.last;
        RecordingHost host;
        host.fits = c.fits;
        ChangeColumns(state, host, c.delta);
        EXPECT_EQ(state.settings.lastColumn, c.want) << c.last << " " << c.delta;
        EXPECT_EQ(host.messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(host.messages[0], texts::kTooManyColumns);
        }
        EXPECT_EQ(host.redraws, (!c.message && c.want != c.last) ? 1 : 0);
    }
}

TEST(GoToToday, PutsTodayFirstWithTheCursorOnIt) {
    AppState state = StateAt(2030, 5);
    state.view.cursorColumn = 4;
    RecordingHost host;
    GoToToday(state, host, MakeDayContext(DayNumberOf(2026, 12, 31)));
    EXPECT_EQ(state.view.firstYear, 2026);
    EXPECT_EQ(state.view.firstMonth, 11);
    EXPECT_EQ(SelectedDay(state.view, state.Grid()), DayNumberOf(2026, 12, 31));
    EXPECT_EQ(host.redraws, 1);
}

// A clock past the calendar's end shows July 2037 first, as every other way
// of moving the view does, with the cursor column on the day's month.
TEST(GoToToday, NeverShowsAFirstMonthAfterJuly2037) {
    struct Case { int y, m, d; int wantFirstYear, wantFirstMonth, wantColumn; };
    const Case cases[] = {
        {2037, 7, 31, 2037, 6, 0},
        {2037, 8, 1, 2037, 6, 1},
        {2037, 12, 31, 2037, 6, 5},
        {2030, 1, 1, 2030, 0, 0},
    };
    for (const Case& c : cases) {
        AppState state = StateAt(2024, 0);
        RecordingHost host;
        GoToToday(state, host, MakeDayContext(DayNumberOf(c.y, c.m, c.d)));
        EXPECT_EQ(state.view.firstYear, c.wantFirstYear) << c.y << "-" << c.m;
        EXPECT_EQ(state.view.firstMonth, c.wantFirstMonth) << c.y << "-" << c.m;
        EXPECT_EQ(state.view.cursorColumn, c.wantColumn) << c.y << "-" << c.m;
        PlaceCursorOnToday(state, MakeDayContext(DayNumberOf(c.y, c.m, c.d)));
        EXPECT_EQ(state.view.firstYear, c.wantFirstYear) << "start " << c.y << "-" << c.m;
        EXPECT_EQ(state.view.cursorColumn, c.wantColumn) << "start " << c.y << "-" << c.m;
        EXPECT_EQ(state.view.cursorDay, c.d) << "start " << c.y << "-" << c.m;
    }
}

TEST(EnterDate, StartsOnTheCursorDateAndTakesTheChosenOne) {
    struct Case { int year, month, column, day; int wantY, wantM, wantD; };
    const Case cases[] = {
        {2024, 8, 5, 10, 2025, 2, 10},   // September 2024, sixth column: 10.02.2025
        {2025, 0, 0, 31, 2025, 1, 31},
        {2037, 6, 0, 31, 2037, 7, 31},   // capped at 1 July 2037 + 30 days
        {2037, 6, 3, 5, 2037, 7, 5},
    };
    for (const Case& c : cases) {
        ViewState v;
        v.firstYear = c.year;
        v.firstMonth = c.month;
        v.cursorColumn = c.column;
        v.cursorDay = c.day;
        const CivilDate d = CivilOf(EnterDateInitialDay(v));
        EXPECT_EQ(d.year, c.wantY);
        EXPECT_EQ(d.month, c.wantM);
        EXPECT_EQ(d.day, c.wantD);
    }
    AppState state = StateAt(2024, 8);
    state.view.cursorColumn = 3;
    RecordingHost host;
    TakeEnteredDate(state, host, DayNumberOf(2019, 3, 17));
    EXPECT_EQ(state.view.firstYear, 2019);
    EXPECT_EQ(state.view.firstMonth, 2);
    EXPECT_EQ(state.view.cursorColumn, 0);
    EXPECT_EQ(state.view.cursorDay, 17);
}

// Keypad "-" with the cursor in a column that goes: the cursor moves into
// the last remaining column, so the frame, the status line and T, P, J, W,
// 1-4 and K all name the same shown day.
TEST(ChangeColumns, FewerColumnsKeepTheCursorOnAShownDay) {
    AppState state = StateAt(2027, 2);  // March 2027 ...
    state.settings.lastColumn = 10;
    state.view.cursorColumn = 10;  // 11 January 2028
    state.view.cursorDay = 11;
    ASSERT_EQ(SelectedDay(state.view, state.Grid()), DayNumberOf(2028, 1, 11));
    RecordingHost host;
    for (int i = 0; i < 4; ++i) DispatchMenu(state, host, menu::kFewerColumns);
    EXPECT_EQ(state.settings.lastColumn, 6);
    EXPECT_EQ(state.view.cursorColumn, 6);
    EXPECT_EQ(SelectedDay(state.view, state.Grid()), DayNumberOf(2027, 9, 11));

    // Paging onto a shorter month keeps the cursor on a day as well.
    state.view.cursorColumn = 0;
    state.view.cursorDay = 31;  // 31 March 2027
    DispatchMenu(state, host, menu::kMonthBack);
    EXPECT_EQ(SelectedDay(state.view, state.Grid()), DayNumberOf(2027, 2, 28));
}

TEST(VacationYear, IsTheRightmostColumnsOrThePagesYear) {
    AppState state = StateAt(2024, 8);  // September 2024, 7 columns up to March 2025
    EXPECT_EQ(state.ShownVacationYear(), 2025);
    state.settings.lastColumn = 2;
    EXPECT_EQ(state.ShownVacationYear(), 2024);
    state.settings.calendarType = kHalfYearViewType;
    state.settings.lastColumn = 6;
    EXPECT_EQ(state.ShownVacationYear(), 2024);
}

TEST(SanitizeSettings, BringsDamagedValuesIntoRange) {
    struct Case { const char* what; void (*damage)(Settings&); void (*check)(const Settings&); };
    const Case cases[] = {
        {"200 columns", [](Settings& s) { s.lastColumn = 200; }, [](const Settings& s) { EXPECT_EQ(s.lastColumn, 23); }},
        {"-5 columns", [](Settings& s) { s.lastColumn = -5; }, [](const Settings& s) { EXPECT_EQ(s.lastColumn, 6); }},
        {"type 99", [](Settings& s) { s.calendarType = 99; }, [](const Settings& s) { EXPECT_EQ(s.calendarType, 0); }},
        {"font 0", [](Settings& s) { s.fontSize = 0; }, [](const Settings& s) { EXPECT_EQ(s.fontSize, 10); }},
        {"font 5000", [](Settings& s) { s.fontSize = 5000; }, [](const Settings& s) { EXPECT_EQ(s.fontSize, 10); }},
        {"font 14", [](Settings& s) { s.fontSize = 14; }, [](const Settings& s) { EXPECT_EQ(s.fontSize, 14); }},
        {"style", [](Settings& s) { s.fontStyle = 255; }, [](const Settings& s) { EXPECT_EQ(s.fontStyle, 3); }},
        {"NaN place", [](Settings& s) { s.latitude = std::nan(""); s.longitude = 1e300; s.timeZone = -INFINITY; },
         [](const Settings& s) {
             EXPECT_DOUBLE_EQ(s.latitude, 48.47);
             EXPECT_DOUBLE_EQ(s.longitude, -12.52);
             EXPECT_DOUBLE_EQ(s.timeZone, 1.0);
         }},
        {"target hours", [](Settings& s) { s.targetHours38 = INFINITY; s.targetHours40 = 1e9f; },
         [](const Settings& s) {
             EXPECT_EQ(s.targetHours38, 1982.76f);
             EXPECT_EQ(s.targetHours40, 2088.0f);
         }},
    };
    for (const Case& c : cases) {
        Settings s;
        c.damage(s);
        SanitizeSettings(s);
        SCOPED_TRACE(c.what);
        c.check(s);
    }
}

}  // namespace
}  // namespace sk
