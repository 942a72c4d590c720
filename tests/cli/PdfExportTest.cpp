// The PDF is checked the way a reader sees it: its text read back with
// pdftotext, its pages rasterised with pdftoppm.

#include <gtest/gtest.h>

#include <cairomm/cairomm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "calendar/Holidays.h"
#include "cli/Schichtplan.h"
#include "common/TempFolder.h"
#include "shift/ShiftComputation.h"
#include "shift/CalendarTypes.h"
#include "shift/VacationBlock.h"
#include "view/PaperPages.h"

namespace sk {
namespace {

using testing::TempFolder;

const DayNumber kToday = DayNumberOf(2026, 12, 7);

std::string Pdf(const std::vector<std::string>& args, int* status = nullptr) {
    std::string out, err;
    const int s = RunSchichtplan(args, kToday, out, err);
    if (status) *status = s;
    return out;
}

std::string Command(const std::string& command) {
    std::string output;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) output.append(buf, n);
        pclose(p);
    }
    return output;
}

TEST(PdfExport, PagesCarrySearchableText) {
    TempFolder folder;
    struct Case {
        std::vector<std::string> args;
        int pages;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {{"--format", "pdf", "--type", "5", "--from", "2020-01-01", "--to", "2020-12-31"},
         2,
         {"Januar", "Juni", "Juli", "Dezember", "Frühschicht", "Schicht", "05", "Ostern", "Pfingsten",
          "Schichtplan 2020"}},
        {{"--format", "pdf", "--type", "1", "--from", "2026-03-10", "--to", "2027-04-02"},
         3,
         {"Schichtplan Haldenau Werk März 2026 - August 2026", "Schichtplan Haldenau Werk September 2026 - Februar 2027",
          "April 2027", "Rot", "Blau", "Gelb", "Grün", "Braun"}},
        // A year is two pages, each with the month names, the crews and the shift times.
        {{"--format", "pdf", "--type", "0", "--from", "2027-01-01", "--to", "2027-12-31"},
         2,
         {"Januar 2027", "Februar", "März", "April", "Mai", "Juni", "Juli 2027", "August", "September", "Oktober",
          "November", "Dezember", "Rot", "Blau", "Gelb", "Grün", "Braun", "Frühschicht 6.00 - 14.00 Uhr",
          "Nachtschicht 22.00 - 6.00 Uhr", "Frühschicht 6.00 - 18.00 Uhr", "Nachtschicht 18.00 - 6.00 Uhr"}},
        {{"--format", "pdf", "--type", "7", "--layout", "months", "--from", "2026-01-01", "--to", "2026-01-31"},
         1,
         {"Schichtplan Olmer Karton Januar 2026 - Januar 2026", "31 Sa"}},
        {{"--format", "pdf", "--cycle", "FFSSNN----", "--cycle-start", "2026-01-01", "--from", "2026-01-01", "--to",
          "2026-12-31"},
         2,
         {"Januar 2026 - Juni 2026", "Juli 2026 - Dezember 2026", "31 Sa", "Rot", "Blau", "Gelb", "Grün", "Braun",
          "F = Frühschicht 6.00 - 14.00 Uhr", "N = Nachtschicht 22.00 - 6.00 Uhr"}},
        // The own plan's half-year page, as the window shows and prints it.
        {{"--format", "pdf", "--layout", "halfyear", "--cycle", "FFSSNNTT--", "--cycle-start", "2026-01-01", "--crews",
          "3", "--from", "2026-01-01", "--to", "2026-12-31"},
         2,
         {"Eigener Schichtplan", "T = Tagschicht", "03 Gelb", "Juli", "Dezember"}},
    };
    for (const Case& c : cases) {
        int status = -1;
        const std::string pdf = Pdf(c.args, &status);
        ASSERT_EQ(status, kExitOk);
        ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
        const std::string path = folder.Path() + "/plan.pdf";
        testing::WriteFile(path, pdf);
        EXPECT_NE(Command("pdfinfo " + path + " | tr -s ' '").find("Pages: " + std::to_string(c.pages) + "\n"),
                  std::string::npos) << c.args[3] << " " << c.args.back();
        const std::string text = Command("pdftotext -layout " + path + " - 2>/dev/null");
        for (const std::string& t : c.texts) EXPECT_NE(text.find(t), std::string::npos) << t << " in type " << c.args[3];
    }
}

TEST(PdfExport, HalfYearCellsHaveTheCrewColours) {
    TempFolder folder;
    const std::string pdf = Pdf({"--format", "pdf", "--type", "5", "--from", "2026-01-01", "--to", "2026-06-30"});
    testing::WriteFile(folder.Path() + "/plan.pdf", pdf);
    constexpr int kDpi = 144;
    Command("pdftoppm -r " + std::to_string(kDpi) + " -singlefile -png " + folder.Path() + "/plan.pdf " +
            folder.Path() + "/page");
    const auto image = Cairo::ImageSurface::create_from_png(folder.Path() + "/page.png");
    ASSERT_GT(image->get_width(), 1000);

    // Where the page lies on the sheet, in points, as the painter fits it.
    const HalfYearGeometry g = HalfYearPaperGeometry();
    const double areaW = kA4LandscapeWidth - 2 * kPdfMargin, areaH = kA4LandscapeHeight - 2 * kPdfMargin;
    const double s = std::min(areaW / g.imageWidth, areaH / g.imageHeight);
    const double left = kPdfMargin + (areaW - g.imageWidth * s) / 2, top = kPdfMargin;
    auto pixel = [&](double x, double y) {
        const double px = (left + x * s) * kDpi / 72.0, py = (top + y * s) * kDpi / 72.0;
        image->flush();
        const unsigned char* row = image->get_data() + static_cast<int>(py) * image->get_stride();
        const auto v = reinterpret_cast<const std::uint32_t*>(row)[static_cast<int>(px)];
        return PackRgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    };

    const VacationBlock block =
        ComputeVacationBlock(2026, kDefaultVacationStartMonth, kDefaultVacationStartDay, MakeDefaultVacationOrderTables());
    int checked = 0;
    for (int month = 0; month < 6; ++month) {
        for (int day : {3, 11, 19, 27}) {
            const DayContext ctx = MakeDayContext(DayNumberOf(2026, month + 1, day));
            const CrewShiftResult shifts = ComputeCrewShifts(5, ctx.dayNumber, &block);
            for (int crew = 0; crew < 5; ++crew) {
                const int code = shifts.table.Code(crew);
                if (code < kShiftEarly || code > kShiftNight || IsHighHoliday(ctx, code)) continue;
                // Near the cell's top left corner: inside the fill, clear of the letter.
                const double x = g.x0 + 8 * g.cw * month + (3 + crew) * g.cw + 0.12 * g.cw;
                const double y = g.y0 + std::nearbyint(2.5 * g.ch) + day * g.ch + 0.5 * g.ch;
                EXPECT_EQ(pixel(x, y), static_cast<Rgb>(kCrewColours[crew]))
                    << "crew " << crew << " on " << day << "." << month + 1 << ".";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 50);
}

// A word of `pdftotext -bbox` on one page.
struct Word {
    int page;
    double x0, y0, x1, y1;
    std::string text;
};

std::vector<Word> WordsOf(const std::string& pdfPath) {
    const std::string html = Command("pdftotext -bbox " + pdfPath + " - 2>/dev/null");
    std::vector<Word> words;
    int page = -1;
    for (std::size_t at = 0; at < html.size();) {
        const std::size_t pageAt = html.find("<page ", at), wordAt = html.find("<word ", at);
        if (wordAt == std::string::npos) break;
        if (pageAt < wordAt) {
            ++page;
            at = pageAt + 1;
            continue;
        }
        Word w{page, 0, 0, 0, 0, ""};
        auto number = [&](const char* name) {
            const std::size_t p = html.find(name, wordAt) + std::strlen(name);
            return std::strtod(html.c_str() + p, nullptr);
        };
        w.x0 = number("xMin=\"");
        w.y0 = number("yMin=\"");
        w.x1 = number("xMax=\"");
        w.y1 = number("yMax=\"");
        const std::size_t textAt = html.find('>', wordAt) + 1;
        w.text = html.substr(textAt, html.find("</word>", textAt) - textAt);
        words.push_back(w);
        at = textAt;
    }
    return words;
}

// Sheets of month columns for ranges of a day to two years: every month on
// a page, no two words on a page drawn over each other (title, legend and
// columns each keep their place), text of at least 8 points, and the page's
// width used.
TEST(PdfExport, MonthPagesOfEveryLengthKeepTitleAndLegendApart) {
    TempFolder folder;
    struct Case {
        const char* type;
        const char* from;
        const char* to;
        int pages;
    };
    const Case cases[] = {{"0", "2027-01-15", "2027-01-15", 1}, {"0", "2027-01-15", "2027-02-23", 1},
                          {"1", "2027-03-01", "2027-05-31", 1}, {"2", "2027-01-01", "2027-06-30", 1},
                          {"0", "2027-01-01", "2027-07-31", 2}, {"6", "2027-01-01", "2027-12-31", 2},
                          {"3", "2027-01-01", "2028-01-31", 3}, {"0", "2027-01-01", "2028-12-31", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("type ") + c.type + " " + c.from + " - " + c.to);
        int status = -1;
        const std::string pdf = Pdf({"--format", "pdf", "--type", c.type, "--from", c.from, "--to", c.to}, &status);
        ASSERT_EQ(status, kExitOk);
        const std::string path = folder.Path() + "/plan.pdf";
        testing::WriteFile(path, pdf);
        const std::vector<Word> words = WordsOf(path);
        ASSERT_FALSE(words.empty());
        EXPECT_EQ(words.back().page + 1, c.pages);
        double left = kA4LandscapeWidth, right = 0, smallest = 100;
        for (std::size_t i = 0; i < words.size(); ++i) {
            const Word& a = words[i];
            left = std::min(left, a.x0);
            right = std::max(right, a.x1);
            smallest = std::min(smallest, a.y1 - a.y0);
            for (std::size_t j = i + 1; j < words.size() && words[j].page == a.page; ++j) {
                const Word& b = words[j];
                const double overlapX = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
                const double overlapY = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
                EXPECT_FALSE(overlapX > 0.5 && overlapY > 2) << "\"" << a.text << "\" over \"" << b.text << "\"";
            }
        }
        // A word's box is its font's ascent and descent: about 1.15 times the size.
        EXPECT_GT(smallest / 1.15, 8.0);
        // The legend's lines reach across the page even for a single column.
        EXPECT_LT(left, kPdfMargin + 40);
        EXPECT_GT(right, kA4LandscapeWidth / 2);
    }
}

// On the sheet of month columns the legend's square before each crew name
// has that crew's colour.
TEST(PdfExport, LegendSquaresHaveTheCrewColours) {
    TempFolder folder;
    const std::string pdf = Pdf({"--format", "pdf", "--type", "4", "--from", "2027-01-01", "--to", "2027-06-30"});
    const std::string path = folder.Path() + "/plan.pdf";
    testing::WriteFile(path, pdf);
    constexpr int kDpi = 144;
    Command("pdftoppm -r " + std::to_string(kDpi) + " -singlefile -png " + path + " " + folder.Path() + "/page");
    const auto image = Cairo::ImageSurface::create_from_png(folder.Path() + "/page.png");
    image->flush();
    auto pixel = [&](double x, double y) {
        const unsigned char* row = image->get_data() + static_cast<int>(y * kDpi / 72.0) * image->get_stride();
        const auto v = reinterpret_cast<const std::uint32_t*>(row)[static_cast<int>(x * kDpi / 72.0)];
        return PackRgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    };
    const std::vector<Word> words = WordsOf(path);
    const double legendTop = words.back().y0 - 60;  // the legend's lines are the last on the page
    int found = 0;
    for (int crew = 0; crew < 5; ++crew) {
        for (const Word& w : words) {
            if (w.text != CrewNameOf(4, crew) || w.y0 < legendTop) continue;
            // Half a character left of the name lies the square's right part.
            const double h = w.y1 - w.y0;
            EXPECT_EQ(pixel(w.x0 - 0.6 * h, (w.y0 + w.y1) / 2), static_cast<Rgb>(kCrewColours[crew])) << w.text;
            ++found;
        }
    }
    EXPECT_EQ(found, 5);
}

TEST(PdfExport, RefusesWhatHasNoPages) {
    const std::vector<std::vector<std::string>> bad = {
        {"--format", "pdf", "--type", "1", "--layout", "halfyear"},
        {"--format", "pdf", "--layout", "weeks"},
        {"--format", "csv", "--layout", "months"},
        // Type 5 has no month columns: its pages would show dates without shifts.
        {"--format", "pdf", "--type", "5", "--layout", "months"},
    };
    for (const auto& args : bad) {
        int status = -1;
        EXPECT_TRUE(Pdf(args, &status).empty());
        EXPECT_EQ(status, kExitBadInput) << args[1] << " " << args[3] << " " << args.back();
    }
}

}  // namespace
}  // namespace sk
