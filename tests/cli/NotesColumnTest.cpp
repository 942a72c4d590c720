#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/PlanExport.h"
#include "cli/Schichtplan.h"
#include "notes/NoteCipher.h"
#include "notes/NoteNames.h"
#include "notes/NoteStore.h"
#include "notes/NotesOfDay.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;

struct PlanRun {
    int status;
    std::string out, err;
};

PlanRun Plan(std::vector<std::string> args) {
    PlanRun r;
    r.status = RunSchichtplan(args, DayNumberOf(2017, 2, 1), r.out, r.err);
    return r;
}

// The line of a day ("2017-02-28;...") without its newline; empty when absent.
std::string LineOf(const std::string& out, const std::string& isoDate) {
    const std::size_t p = out.find("\n" + isoDate + ";");
    if (p == std::string::npos) return {};
    return out.substr(p + 1, out.find('\n', p + 1) - p - 1);
}

std::string NinthField(const std::string& line) {
    std::size_t p = 0;
    for (int i = 0; i < 8; ++i) {
        p = line.find(';', p);
        if (p == std::string::npos) return "<none>";
        ++p;
    }
    return line.substr(p);
}

TEST(NotesColumn, WithoutDataTheOutputStaysAsItWas) {
    const PlanRun r = Plan({"--from", "2017-02-27", "--to", "2017-02-28"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), kCsvHeader);
    EXPECT_EQ(NinthField(LineOf(r.out, "2017-02-28")), "<none>");
}

TEST(NotesColumn, NotesOfEachDayInStatusLineForm) {
    TempFolder dir;
    NoteStore store(dir.Path());
    const DayContext feb28 = MakeDayContext(DayNumberOf(2017, 2, 28));
    ASSERT_TRUE(store.WriteDayNote(feb28, "Arzt\r\nM\xC3\xBCller\nanrufen\rdann\xC2\xA0" "Ende"));
    ASSERT_TRUE(store.WritePeriodicNote(feb28.dayNumber, 7, "Sport"));
    ASSERT_TRUE(store.WriteYearlyNote(feb28, "Max <1980>"));

    const PlanRun r = Plan({"--from", "2017-02-27", "--to", "2017-03-07", "--data", dir.Path()});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), std::string(kCsvHeader) + ";notizen");
    struct Case {
        const char* day;
        const char* notes;
    } cases[] = {
        {"2017-02-28", "Arzt » Müller » anrufen » dann Ende | Sport | Max 37"},
        {"2017-02-27", ""},
        {"2017-03-07", "Sport"},
    };
    for (const auto& c : cases) EXPECT_EQ(NinthField(LineOf(r.out, c.day)), c.notes) << c.day;
}

TEST(NotesColumn, PasswordIsTakenAsCharacters) {
    TempFolder dir;
    NoteStore store(dir.Path(), "p\xC3\xA4");  // "pä": two characters
    ASSERT_TRUE(store.WriteDayNote(MakeDayContext(DayNumberOf(2017, 3, 1)), "geheim"));

    const PlanRun right = Plan({"--from", "2017-03-01", "--to", "2017-03-01", "--data", dir.Path(), "--password", "p\xC3\xA4"});
    ASSERT_EQ(right.status, kExitOk) << right.err;
    EXPECT_EQ(NinthField(LineOf(right.out, "2017-03-01")), "geheim");

    const PlanRun none = Plan({"--from", "2017-03-01", "--to", "2017-03-01", "--data", dir.Path()});
    EXPECT_EQ(NinthField(LineOf(none.out, "2017-03-01")), EncipherNote("geheim", NoteKeyOf("p\xC3\xA4")));
}

TEST(NotesColumn, FieldsThatWouldSplitTheLineAreQuoted) {
    TempFolder dir;
    NoteStore store(dir.Path());
    ASSERT_TRUE(store.WriteDayNote(MakeDayContext(DayNumberOf(2017, 3, 1)), "a;b \"c\""));
    const PlanRun r = Plan({"--from", "2017-03-01", "--to", "2017-03-01", "--data", dir.Path()});
    EXPECT_EQ(NinthField(LineOf(r.out, "2017-03-01")), "\"a;b \"\"c\"\"\"");
}

// The field is the status line's notes text with plain blanks, quoted when
// needed: built in one pass, it must equal those steps one after the other.
TEST(NotesColumn, FieldEqualsTheStatusLineTextWithPlainBlanks) {
    const auto reference = [](const NoteStore& store, const DayContext& ctx) {
        std::string text = ReplaceLineBreaks(NotesOfDay(store, ctx, NotesForm::StatusLine), kStatusLineBreak);
        for (std::size_t p; (p = text.find("\u00A0")) != std::string::npos;) text.replace(p, 2, " ");
        if (text.find_first_of(";\"") == std::string::npos) return text;
        std::string quoted = "\"";
        for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + "\"";
    };
    const char* const texts[] = {
        "\xA0\xA0|\xA0", "a\r\n\r\nb\n\rc\r", "\r\n", "\"", ";", "x\xA0;\r\n\"y\"", "\xC2\xA0\n", "", "\n\xA0", "z\xA0",
    };
    TempFolder dir;
    const DayNumber first = DayNumberOf(2017, 3, 1);
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        dir.Put(DayNoteFileName(NoteDateCodeOf(first + static_cast<DayNumber>(i))), texts[i]);
        dir.Put(std::to_string(i + 2) + "." + std::to_string(i + 2) + ".tnt", texts[(i + 3) % std::size(texts)]);
    }
    NoteStore store(dir.Path());
    store.ScanAll();
    NoteTextCache cache(store);
    NotesColumn column(store);
    for (DayNumber d = first - 1; d < first + 20; ++d) {
        const DayContext ctx = MakeDayContext(d);
        std::string field, columnField;
        AppendNotesField(field, store, ctx, &cache);
        column.AppendField(columnField, ctx);
        EXPECT_EQ(field, reference(store, ctx)) << d;
        EXPECT_EQ(columnField, field) << d;
    }
}

TEST(NotesColumn, BadArguments) {
    TempFolder dir;
    struct Case {
        std::vector<std::string> args;
    } cases[] = {
        {{"--password", "x"}},                                  // no data folder
        {{"--data", dir.File("missing")}},
        {{"--data", dir.Path(), "--password", std::string(33, 'x')}},  // longer than a login accepts
    };
    for (const auto& c : cases) {
        const PlanRun r = Plan(c.args);
        EXPECT_EQ(r.status, kExitBadInput) << c.args[0];
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace sk
