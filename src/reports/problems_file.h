#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/problems_list.h"

namespace kinloom::reports {

// The saved and printed forms of the potential problems list.

// "Problems_%s_%d.txt" with the tree's name and the report file counter.
std::string ProblemsFileName(std::string_view tree, int counter);

// The question asked before the file is written into the "My Files" folder.
inline constexpr std::string_view kSaveProblemsCaption =
    " Copy Potential Problems List to Computer File ";
std::string SaveProblemsQuestion(std::string_view file_name, std::string_view folder);

// The file's lines, without line ends: the title ("Potential Problems", the tree's name centred
// in 47 characters, the date in the report date format), an empty line, the column headings and
// a dash line, one line per row ("%4i %6i %c %c %-16s %s"), the dash line again and the legend.
std::vector<std::string> ProblemsFileLines(const ProblemList& list, std::string_view tree,
                                           std::string_view date);

// One row as the file and the printout show it.
std::string ProblemLine(const ProblemList& list, size_t position);

// The printout as lines per page: every page starts with "Family: %s" and "%s  --  Page: %i",
// then the column headings and as many rows as `rows_per_page` allows; the last page ends with
// the dash line and the legend. The printing lays the lines out in a fixed-pitch font.
std::vector<std::vector<std::string>> ProblemsPrintPages(const ProblemList& list,
                                                         std::string_view tree,
                                                         std::string_view date, int rows_per_page);

}  // namespace kinloom::reports
