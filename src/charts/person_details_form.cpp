// The person details form: every event, note and citation of one person, and their families.
#include <string>
#include <vector>

#include "charts/form_layout.h"
#include "charts/forms.h"
#include "reports/forms.h"

namespace kinloom::charts {
namespace {

using reports::FormEvent;

constexpr reports::FontStyle kNoteFont{.points = 8, .italic = true};
constexpr reports::FontStyle kSourceFont{.points = 8, .grey = 64};

std::string SexWord(char sex) {
  return sex == 'M' ? "Male" : sex == 'F' ? "Female" : "Unknown";
}

void EventRows(FormWriter& form, const std::vector<FormEvent>& events) {
  const int w = form.width();
  const int date = w * 20 / 100;
  const int place = w * 44 / 100;
  for (const FormEvent& event : events) {
    std::string where = event.value;
    if (!event.when.place.empty()) where += (where.empty() ? "" : ", ") + event.when.place;
    form.Row(event.name, {{date, place - date, event.when.date}, {place, w - place, where}});
    for (const std::string& note : event.notes) form.Paragraph("Note: " + note, date, kNoteFont);
    for (const std::string& citation : event.citations) {
      form.Paragraph("Source: " + citation, date, kSourceFont);
    }
  }
}

int DrawDetails(reports::ReportOutput& out, const reports::PersonDetails& details) {
  const reports::FormPerson& p = details.person;
  FormWriter form(out, "Person Details");
  form.Begin();
  const int w = form.width();
  const int column = w * 20 / 100;
  form.SectionBar("Person", p.label);
  form.Row("Sex", {{column, w - column, SexWord(p.sex)}});
  form.Row("Father", {{column, w - column, p.father}});
  form.Row("Mother", {{column, w - column, p.mother}});
  form.Skip(form.line_height() / 2);
  if (!p.events.empty()) {
    form.SectionBar("Events and Facts");
    form.Captions({{column, 0, "Date"}, {w * 44 / 100, 0, "Place or description"}});
    EventRows(form, p.events);
    form.Skip(form.line_height() / 2);
  }
  for (const reports::FormFamily& family : details.families) {
    form.SectionBar("Family", family.spouse.empty() ? "Spouse not recorded" : family.spouse);
    EventRows(form, family.events);
    std::string children;
    for (const std::string& child : family.children) {
      children += (children.empty() ? "" : "\n") + child;
    }
    form.Row("Children", {{column, w - column, children.empty() ? "None recorded" : children}});
    form.Skip(form.line_height() / 2);
  }
  if (!p.notes.empty()) {
    form.SectionBar("Notes");
    for (const std::string& note : p.notes) {
      form.Paragraph(note, form.line_height());
      form.Skip(form.line_height() / 2);
    }
  }
  if (!p.citations.empty()) {
    form.SectionBar("Sources");
    for (const std::string& citation : p.citations) form.Paragraph(citation, form.line_height());
  }
  return form.page();
}

}  // namespace

reports::ReportJob PersonDetailsJob(const store::RecordStore& store, int individual) {
  reports::PersonDetails details = reports::ReadPersonDetails(store, individual);
  std::string name = "Person Details: " + details.person.label;
  return reports::ReportJob{std::move(name), false,
                            [details = std::move(details)](reports::ReportOutput& out) {
                              return DrawDetails(out, details);
                            }};
}

}  // namespace kinloom::charts
