#include <algorithm>
#include <cstdio>

#include "web/html_pages.h"
#include "web/html_text.h"

namespace kinloom::web {
namespace {

constexpr int kPageLinksPerRow = 20;

std::string Number6(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", n);
  return text;
}

// The row of page numbers: the block of twenty pages around this one, with "---" for a number
// past the last page, and steps to the blocks before and after.
std::string PageRow(int page, int pages) {
  const int block_start = (page - 1) / kPageLinksPerRow * kPageLinksPerRow + 1;
  std::string row = "<div class=\"pager\">";
  if (block_start > 1) {
    row += "<a href=\"" + HtmlAddresses::IndexPageName(block_start - 1) + "\">&lt;&lt;</a>";
  }
  for (int p = block_start; p < block_start + kPageLinksPerRow; ++p) {
    if (p > pages) {
      row += "<span>---</span>";
    } else if (p == page) {
      row += "<span class=\"current\">" + std::to_string(p) + "</span>";
    } else {
      row += "<a href=\"" + HtmlAddresses::IndexPageName(p) + "\">" + std::to_string(p) + "</a>";
    }
  }
  if (block_start + kPageLinksPerRow <= pages) {
    row += "<a href=\"" + HtmlAddresses::IndexPageName(block_start + kPageLinksPerRow) +
           "\">&gt;&gt;</a>";
  }
  return row + "</div>\n";
}

}  // namespace

std::string IndexPageFile(const HtmlContext& context, int page) {
  const HtmlAddresses& addresses = *context.addresses;
  const SequenceIndex& index = addresses.index();
  const int first = (page - 1) * kPeoplePerIndexPage;
  const int last = std::min(index.size(), first + kPeoplePerIndexPage);
  const int first_person = first < last ? index.people[static_cast<size_t>(first)] : 0;
  std::string out = PageStart(
      context.look, "../", "Index", "Page " + std::to_string(page), "Index of Individuals",
      HtmlMenu(context, "../", first_person, MenuEntry::kIndex), {kIndexStyleFile});
  const std::string row = PageRow(page, addresses.index_pages());
  out += row;
  out +=
      "<table class=\"index\">\n<tr><th>Name</th><th>Born</th><th>Died</th><th>Number</th></tr>\n";
  for (int sequence = first; sequence < last; ++sequence) {
    const int individual = index.people[static_cast<size_t>(sequence)];
    out += "<tr><td><a href=\"" + addresses.Person("ind", individual) + "\">";
    AppendEscaped(out, context.views->IndexName(individual));
    out += "</a></td><td>";
    AppendEscaped(out, context.views->BirthDate(individual));
    out += "</td><td>";
    AppendEscaped(out, context.views->DeathDate(individual));
    out += "</td><td>" + Number6(individual) + "</td></tr>\n";
  }
  out += "</table>\n" + row;
  out += PageEnd(context.look);
  return out;
}

}  // namespace kinloom::web
