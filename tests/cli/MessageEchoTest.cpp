// What schichtplan says stays short and clean: a value is quoted at most 60
// characters long with bad bytes as "?", no byte of a file it was pointed at
// appears, an option given twice is refused, and a data file linked out of
// its folder is named instead of read.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/Latin1.h"
#include "cli/Schichtplan.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

const DayNumber kToday = DayNumberOf(2026, 12, 7);

std::string ErrorOf(const std::vector<std::string>& args) {
    std::string out, err;
    EXPECT_NE(RunSchichtplan(args, kToday, out, err), 0);
    EXPECT_TRUE(out.empty());
    return err;
}

// Everything between German quotation marks in a message.
std::vector<std::string> QuotedPieces(const std::string& text) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; (at = text.find("„", at)) != std::string::npos;) {
        const std::size_t begin = at + std::string("„").size();
        const std::size_t end = text.find("“", begin);
        if (end == std::string::npos) break;
        pieces.push_back(text.substr(begin, end - begin));
        at = end;
    }
    return pieces;
}

TEST(SchichtplanEcho, LongAndBrokenValuesAreQuotedShortAndClean) {
    const std::string huge(100 * 1024, 'x');
    const std::string broken = "ab\xff\xfe\x1b[31m\xc3";
    const std::vector<std::vector<std::string>> cases = {
        {"--" + huge},
        {"--type", huge},
        {"--format", huge},
        {"--from", huge},
        {"--lat", huge},
        {"--plan", "/nicht/da/" + huge},
        {"--data", "/nicht/da/" + huge},
        {"--school-holidays", "/nicht/da/" + huge + ".ics"},
        {"--format", "ics", "--crew", huge},
        {"extra" + huge},
        {"--type", broken},
        {"--format", broken},
        {"--data", "/nicht/da/" + broken},
        {"--crews", broken, "--cycle", "FSN-", "--cycle-start", "2027-01-04"},
    };
    for (const auto& args : cases) {
        const std::string err = ErrorOf(args);
        SCOPED_TRACE(err.substr(0, 200));
        EXPECT_LT(err.size(), 400u);
        EXPECT_EQ(err.find('\x1b'), std::string::npos);
        for (std::string_view rest = err; !rest.empty();) {
            const std::size_t n = ValidUtf8SequenceLength(rest);
            ASSERT_GT(n, 0u) << "raw invalid byte";
            rest.remove_prefix(n);
        }
        const std::vector<std::string> pieces = QuotedPieces(err);
        ASSERT_FALSE(pieces.empty());
        for (const std::string& p : pieces) EXPECT_LE(Utf8CharacterCount(p), kQuotedPieceCharacters);
    }
}

TEST(SchichtplanEcho, NoByteOfAFileThatIsNoPlanAppears) {
    testing::TempFolder dir;
    const std::string secret = "root:$y$j9T$geheimesPasswortHash:19000:0:99999:7:::";
    for (const std::string& content : {secret + "\n", "Version = 1\n" + secret + "\n", "# Kommentar\n" + secret}) {
        dir.Put("schatten", content);
        const std::string err = ErrorOf({"--plan", dir.File("schatten"), "--format", "text"});
        EXPECT_EQ(err.find("geheim"), std::string::npos) << err;
        EXPECT_EQ(err.find("root"), std::string::npos) << err;
        EXPECT_NE(err.find("Zeile"), std::string::npos) << err;  // still says where
    }
}

TEST(SchichtplanEcho, AnOptionGivenTwiceIsRefused) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--type", "1", "--type", "2"},
             {"--type=1", "--type", "1"},
             {"--from", "2027-01-01", "--to", "2027-02-01", "--from", "2027-01-05"},
             {"--format", "csv", "--format=text"},
         }) {
        const std::string err = ErrorOf(args);
        const std::string name = args[0].substr(0, args[0].find('='));
        EXPECT_NE(err.find("Die Option " + name + " ist zweimal angegeben."), std::string::npos) << err;
    }
}

TEST(SchichtplanEcho, LinksLeavingTheDataFolderAreNamedAndNotRead) {
    testing::TempFolder linked, copied, elsewhere;
    // A "Lehrgang" mark of 3 March 2027 (day 20880): read, it is an all-day entry more.
    const std::string mark("\x90\x51\x00\x00\x01\x03", 6);
    elsewhere.Put("marken", mark);
    copied.Put("Schichtmarkierung.dat", mark);
    std::filesystem::create_symlink(elsewhere.File("marken"), linked.File("Schichtmarkierung.dat"));
    std::filesystem::create_symlink(elsewhere.File("marken"), linked.File("fremd.bin"));  // never read anyway
    const auto events = [](const std::string& folder, std::string& err) {
        std::string out;
        EXPECT_EQ(RunSchichtplan({"--format", "ics", "--crew", "1", "--from", "2027-03-01", "--to", "2027-03-05",
                                  "--data", folder},
                                 kToday, out, err),
                  0)
            << err;
        std::size_t n = 0;
        for (std::size_t at = 0; (at = out.find("BEGIN:VEVENT", at)) != std::string::npos; ++at) ++n;
        return n;
    };
    std::string err, copiedErr;
    const std::size_t withLink = events(linked.Path(), err);
    EXPECT_EQ(withLink + 1, events(copied.Path(), copiedErr));  // the same file, not linked, is read
    EXPECT_EQ(copiedErr, "");
    EXPECT_EQ(err, "schichtplan: Die Datei " + QuotedPathPiece(linked.File("Schichtmarkierung.dat")) +
                       " verweist aus dem Datenordner hinaus und wurde nicht gelesen.\n");
}

}  // namespace
}  // namespace sk
