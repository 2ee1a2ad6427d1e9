// The source list: every source of the tree with its author, publication and text, and the
// people and families that cite it.
#include <string>
#include <vector>

#include "charts/form_layout.h"
#include "charts/forms.h"
#include "reports/forms.h"

namespace kinloom::charts {
namespace {

constexpr reports::FontStyle kCitedFont{.points = 8};

int DrawSources(reports::ReportOutput& out, const std::vector<reports::SourceListEntry>& list) {
  FormWriter form(out, "Source List");
  form.Begin();
  const int w = form.width();
  const int column = w * 20 / 100;
  if (list.empty()) form.Paragraph("The tree has no sources.", 0);
  for (const reports::SourceListEntry& entry : list) {
    form.SectionBar("Source", entry.label);
    if (!entry.author.empty()) form.Row("Author", {{column, w - column, entry.author}});
    if (!entry.publication.empty()) {
      form.Row("Publication", {{column, w - column, entry.publication}});
    }
    if (!entry.text.empty()) form.Row("Text", {{column, w - column, entry.text}});
    std::string cited;
    for (const std::string& by : entry.cited_by) cited += (cited.empty() ? "" : "\n") + by;
    form.Row("Cited by", {{column, w - column, cited.empty() ? "Not cited" : cited, kCitedFont}});
    form.Skip(form.line_height() / 2);
  }
  return form.page();
}

}  // namespace

reports::ReportJob SourceListJob(const store::RecordStore& store) {
  return reports::ReportJob{"Source List", false,
                            [list = reports::ReadSourceList(store)](reports::ReportOutput& out) {
                              return DrawSources(out, list);
                            }};
}

}  // namespace kinloom::charts
