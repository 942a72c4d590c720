#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "notes/DayNoteModel.h"
#include "notes/NoteClosing.h"
#include "notes/PeriodicNoteModel.h"
#include "notes/WeekdayNoteModel.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;

// Monday, 15 January 2024 (day number 19737: anchors 11 for period 7, 25 for 14).
const DayNumber kMonday = DayNumberOf(2024, 1, 15);
const std::int32_t kMondayCode = 20240015;

// The dialogs a user answers: the answers in order, what was asked and
// reported, and a termination signal arriving at a given question.
struct ScriptedUser {
    explicit ScriptedUser(std::vector<bool> a, int quitAt = -1, bool quitNow = false)
        : answers(std::move(a)), quitAtQuestion(quitAt), quitting(quitNow) {}
    std::vector<bool> answers;
    int quitAtQuestion;  // the signal comes while this question (from 0) is open
    bool quitting;
    std::vector<std::string> asked, reported;

    NoteDialogs Dialogs() {
        return {
            [this](const std::string& q) {
                if (static_cast<int>(asked.size()) == quitAtQuestion) quitting = true;
                asked.push_back(q);
                if (quitting) return false;  // the signal closes the box as Esc does
                EXPECT_LT(asked.size(), answers.size() + 1) << "unexpected question: " << q;
                return asked.size() <= answers.size() && answers[asked.size() - 1];
            },
            [this](const std::string& text) { reported.push_back(text); },
            [this] { return quitting; },
        };
    }
};

// The folder's files and their bytes, to see what a closing wrote.
std::map<std::string, std::string> FilesOf(const TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(folder.Path()))
        files[e.path().filename().string()] = e.is_regular_file() ? folder.Get(e.path().filename().string()) : "<dir>";
    return files;
}

using Files = std::map<std::string, std::string>;
const std::string kSaveQ = note_texts::kSaveChangesQuestion;

TEST(CloseNoteWindow, PeriodicAndWeekdayChoicesAreChangesAndNeinWritesNothing) {
    enum class Kind { Periodic, Weekday };
    struct Case {
        const char* what;
        Kind kind;
        NoteExit exit;
        const char* text;  // nullptr: the loaded text stays
        int period;        // periodic: the period chosen; weekday: the occurrence chosen
        int monthItem;     // weekday only
        std::vector<bool> answers;
        std::vector<std::string> asked;
        Files after;
    };
    const Files periodicFiles{{"11.7.tnt", "sieben"}, {"25.14.tnt", "vierzehn"}};
    // Tuesday 26 May 2015: the last Tuesday of May (10424); 11224 is every month's.
    const Files weekdayFiles{{"10424.wmt", "Mai"}};
    const Case cases[] = {
        {"text and period changed, Nein", Kind::Periodic, NoteExit::Close, "neu", 30, 0, {false}, {kSaveQ}, periodicFiles},
        {"only the period changed, Nein", Kind::Periodic, NoteExit::Close, nullptr, 30, 0, {false}, {kSaveQ},
         periodicFiles},
        {"only the period changed, Ja: a copy", Kind::Periodic, NoteExit::Close, nullptr, 30, 0, {true}, {kSaveQ},
         {{"11.7.tnt", "sieben"}, {"25.14.tnt", "vierzehn"}, {"57.30.tnt", "sieben"}}},
        {"onto another note, Ja then Nein", Kind::Periodic, NoteExit::Close, nullptr, 14, 0, {true, false},
         {kSaveQ, periodic_texts::kOverwriteQuestion}, periodicFiles},
        {"Speichern onto another note, Ja", Kind::Periodic, NoteExit::Save, "neu", 14, 0, {true},
         {periodic_texts::kOverwriteQuestion}, {{"11.7.tnt", "sieben"}, {"25.14.tnt", "neu"}}},
        {"Lösche Notiz of another period, Nein", Kind::Periodic, NoteExit::DeleteNote, "", 14, 0, {false},
         {periodic_texts::kDeleteQuestion}, periodicFiles},
        {"Lösche Notiz of another period, Ja", Kind::Periodic, NoteExit::DeleteNote, "", 14, 0, {true},
         {periodic_texts::kDeleteQuestion}, {{"11.7.tnt", "sieben"}}},
        {"Lösche Notiz of the note shown", Kind::Periodic, NoteExit::DeleteNote, "", 7, 0, {}, {},
         {{"25.14.tnt", "vierzehn"}}},
        {"Lösche Notiz of a period without note", Kind::Periodic, NoteExit::DeleteNote, "", 30, 0, {}, {},
         periodicFiles},
        {"Esc without change", Kind::Periodic, NoteExit::Close, nullptr, 7, 0, {}, {}, periodicFiles},
        {"only the occurrence changed, Nein", Kind::Weekday, NoteExit::Close, nullptr, 3, 0, {false}, {kSaveQ},
         weekdayFiles},
        {"only the month changed, Nein", Kind::Weekday, NoteExit::Close, nullptr, 4, 1, {false}, {kSaveQ},
         weekdayFiles},
        {"only the month changed, Ja: a copy", Kind::Weekday, NoteExit::Close, nullptr, 4, 1, {true}, {kSaveQ},
         {{"10424.wmt", "Mai"}, {"11224.wmt", "Mai"}}},
        {"text and occurrence changed, Nein", Kind::Weekday, NoteExit::Close, "neu", 0, 0, {false}, {kSaveQ},
         weekdayFiles},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        for (const auto& [name, bytes] : c.kind == Kind::Periodic ? periodicFiles : weekdayFiles)
            folder.Put(name, bytes);
        NoteStore store(folder.Path());
        store.ScanAll();
        std::unique_ptr<NoteWindowModel> model;
        if (c.kind == Kind::Periodic) {
            auto m = std::make_unique<PeriodicNoteModel>(store, MakeDayContext(kMonday), kMondayCode);
            m->SetPeriod(c.period);
            model = std::move(m);
        } else {
            auto m = std::make_unique<WeekdayNoteModel>(store, MakeDayContext(DayNumberOf(2015, 5, 26)));
            m->ChooseOccurrence(c.period);
            m->ChooseMonthItem(c.monthItem);
            model = std::move(m);
        }
        if (c.text) model->Edit().SetWorking(c.text);
        ScriptedUser user{c.answers};
        EXPECT_EQ(CloseNoteWindow(*model, store, c.exit, user.Dialogs()), NoteClosing::Close);
        EXPECT_EQ(user.asked, c.asked);
        EXPECT_TRUE(user.reported.empty());
        EXPECT_EQ(FilesOf(folder), c.after);
    }
}

TEST(CloseNoteWindow, FailuresAndSignalsNeverKeepTheWindow) {
    struct Case {
        const char* what;
        bool folderAsNote;  // a folder stands under the day note's name
        bool brokenFolder;  // the notes folder is a file: nothing can be written
        const char* text;
        NoteExit exit;
        std::vector<bool> answers;
        int quitAtQuestion;
        bool quitFirst;
        NoteClosing want;
        std::size_t questions, reports;
        bool noteWritten;
    };
    const Case cases[] = {
        {"the folder is a file, Esc: reported, closed", false, true, "", NoteExit::Close, {}, -1, false, NoteClosing::Close,
         0, 1, false},
        {"folder under the name, Esc", true, false, "", NoteExit::Close, {}, -1, false, NoteClosing::Close, 0, 0, false},
        {"folder under the name, Lösche Notiz", true, false, "", NoteExit::DeleteNote, {}, -1, false,
         NoteClosing::Close, 0, 0, false},
        {"text cannot be written, back to it", true, false, "Text", NoteExit::Save, {false}, -1, false,
         NoteClosing::KeepOpen, 1, 0, false},
        {"text cannot be written, leave", false, true, "Text", NoteExit::Save, {true}, -1, false, NoteClosing::Close,
         1, 0, false},
        {"a character the file cannot hold", false, false, "5 \u20AC", NoteExit::Save, {}, -1, false,
         NoteClosing::KeepOpen, 0, 1, false},
        {"signal while the save question is open", false, false, "Text", NoteExit::Close, {}, 0, false,
         NoteClosing::Close, 1, 0, false},
        {"signal while leaving unsaved is asked", false, true, "Text", NoteExit::Save, {}, 0, false,
         NoteClosing::Close, 1, 0, false},
        {"signal before closing: nothing asked", false, false, "Text", NoteExit::Close, {}, -1, true,
         NoteClosing::Close, 0, 0, false},
        {"the ordinary save", false, false, "Text", NoteExit::Save, {}, -1, false, NoteClosing::Close, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        std::string notesFolder = folder.Path();
        if (c.folderAsNote) std::filesystem::create_directory(folder.File("20240015.txt"));
        if (c.brokenFolder) {
            folder.Put("kein-ordner", "");
            notesFolder = folder.File("kein-ordner");
        }
        NoteStore store(notesFolder);
        DayNoteModel model(store, kMondayCode);
        model.Edit().SetWorking(c.text);
        ScriptedUser user{c.answers, c.quitAtQuestion, c.quitFirst};
        EXPECT_EQ(CloseNoteWindow(model, store, c.exit, user.Dialogs()), c.want);
        EXPECT_EQ(user.asked.size(), c.questions);
        EXPECT_EQ(user.reported.size(), c.reports);
        EXPECT_EQ(testing::ReadFile(folder.File("20240015.txt")) == "Text", c.noteWritten);
        if (c.folderAsNote) {
            EXPECT_TRUE(std::filesystem::is_directory(folder.File("20240015.txt")));
        }
    }
}

}  // namespace
}  // namespace sk
