#include "reports/problems_file.h"

#include <algorithm>
#include <cstdio>

namespace kinloom::reports {
namespace {

constexpr std::string_view kTitle = "Potential Problems";
constexpr size_t kTreeNameWidth = 47;
constexpr std::string_view kHeadings =
    "Line ID No. S D    Event            Description of Potential Problem";
constexpr std::string_view kDashes =
    "---- ------ - - ---------------- -----------------------------------------------";
constexpr std::string_view kLegend = "                S = Skip Record  D = Done - Problem Resolved";

std::string Centred(std::string_view text, size_t width) {
  if (text.size() >= width) return std::string(text);
  const size_t left = (width - text.size()) / 2;
  std::string out(left, ' ');
  out += text;
  out.append(width - text.size() - left, ' ');
  return out;
}

}  // namespace

std::string ProblemsFileName(std::string_view tree, int counter) {
  return "Problems_" + std::string(tree) + "_" + std::to_string(counter) + ".txt";
}

std::string SaveProblemsQuestion(std::string_view file_name, std::string_view folder) {
  std::string text = "This creates a Potential Problems list file in the \"My Files\" directory\n";
  text += "New file name:  ";
  text += file_name;
  text += "\n\nThis file is saved in the \"My_Files\" directory.\n";
  text += folder;
  text += "\n\nTo view the \"My_Files\" directory:\n";
  text += "1. First:  Close this \"Reports\" window.\n";
  text += "2. Next:  Select \"Folders\" on the main display window.\n";
  text += "3. Last:  Select \"My Files\" on the \"Open Folder\" window.\n\n";
  text += "Do you want to proceed?";
  return text;
}

std::string ProblemLine(const ProblemList& list, size_t position) {
  const ProblemRow& row = list.row(position);
  const std::string event(list.Event(row));
  std::string line(48 + event.size(), '\0');
  const int length = std::snprintf(line.data(), line.size(), "%4i %6i %c %c %-16s ",
                                   static_cast<int>(position + 1), row.record, row.skip ? 'x' : ' ',
                                   row.done ? 'x' : ' ', event.c_str());
  line.resize(static_cast<size_t>(std::max(length, 0)));
  line += list.Description(row);
  return line;
}

std::vector<std::string> ProblemsFileLines(const ProblemList& list, std::string_view tree,
                                           std::string_view date) {
  std::vector<std::string> lines;
  lines.reserve(list.size() + 6);
  lines.push_back(std::string(kTitle) + Centred(tree, kTreeNameWidth) + std::string(date));
  lines.emplace_back();
  lines.emplace_back(kHeadings);
  lines.emplace_back(kDashes);
  for (size_t i = 0; i < list.size(); ++i) lines.push_back(ProblemLine(list, i));
  lines.emplace_back(kDashes);
  lines.emplace_back(kLegend);
  return lines;
}

std::vector<std::vector<std::string>> ProblemsPrintPages(const ProblemList& list,
                                                         std::string_view tree,
                                                         std::string_view date, int rows_per_page) {
  const size_t per_page = static_cast<size_t>(std::max(rows_per_page, 1));
  std::vector<std::vector<std::string>> pages;
  size_t next = 0;
  do {
    std::vector<std::string> page;
    page.push_back("Family: " + std::string(tree));
    page.push_back(std::string(date) + "  --  Page: " + std::to_string(pages.size() + 1));
    page.emplace_back();
    page.emplace_back(kHeadings);
    page.emplace_back(kDashes);
    for (size_t taken = 0; taken < per_page && next < list.size(); ++taken, ++next) {
      page.push_back(ProblemLine(list, next));
    }
    pages.push_back(std::move(page));
  } while (next < list.size());
  pages.back().emplace_back(kDashes);
  pages.back().emplace_back(kLegend);
  return pages;
}

}  // namespace kinloom::reports
