#pragma once
// The plan as a PDF for paper: one A4 landscape page per half year (the
// half-year plan page) or twelve month columns a page, painted by the
// calendar's own painters, with real, searchable text.

#include <string>

namespace sk {

struct PlanOptions;

// The pdf run of schichtplan: the pages covering the options' range, with
// the shift and calendar marks of `options.dataFolder` when given. A German
// error line in `err` and exit status 2 for a type or layout without pages.
int RunPdfExport(const PlanOptions& options, std::string& out, std::string& err);

}  // namespace sk
