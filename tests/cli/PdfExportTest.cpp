// The PDF is checked the way a reader sees it: its text read back with
// pdftotext, its pages rasterised with pdftoppm.

#include <gtest/gtest.h>

#include <cairomm/cairomm.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/Holidays.h"
#include "cli/Schichtplan.h"
#include "common/TempFolder.h"
#include "shift/ShiftComputation.h"
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
         2,
         {"Schichtplan Haldenau Werk März 2026 - Februar 2027", "April 2027", "Rot", "Blau", "Gelb", "Grün", "Braun"}},
        {{"--format", "pdf", "--type", "7", "--layout", "months", "--from", "2026-01-01", "--to", "2026-01-31"},
         1,
         {"Schichtplan Olmer Karton Januar 2026 - Januar 2026", "31 Sa"}},
        {{"--format", "pdf", "--cycle", "FFSSNN----", "--cycle-start", "2026-01-01", "--from", "2026-01-01", "--to",
          "2026-01-31"},
         1,
         {"Januar 2026 - Januar 2026", "31 Sa"}},
    };
    for (const Case& c : cases) {
        int status = -1;
        const std::string pdf = Pdf(c.args, &status);
        ASSERT_EQ(status, kExitOk);
        ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
        const std::string path = folder.Path() + "/plan.pdf";
        testing::WriteFile(path, pdf);
        EXPECT_NE(Command("pdfinfo " + path + " | tr -s ' '").find("Pages: " + std::to_string(c.pages) + "\n"),
                  std::string::npos) << c.args[3];
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

TEST(PdfExport, RefusesWhatHasNoPages) {
    const std::vector<std::vector<std::string>> bad = {
        {"--format", "pdf", "--type", "1", "--layout", "halfyear"},
        {"--format", "pdf", "--layout", "weeks"},
        {"--format", "csv", "--layout", "months"},
        {"--format", "pdf", "--type", "8", "--layout", "halfyear", "--cycle", "FFSSNN----", "--cycle-start", "2026-01-01"},
    };
    for (const auto& args : bad) {
        int status = -1;
        EXPECT_TRUE(Pdf(args, &status).empty());
        EXPECT_EQ(status, kExitBadInput) << args[1] << " " << args[3];
    }
}

}  // namespace
}  // namespace sk
