// The family group sheet, filled in from the tree or blank for writing by hand.
#include <algorithm>
#include <string>
#include <vector>

#include "charts/form_layout.h"
#include "charts/forms.h"
#include "core/queries.h"
#include "reports/forms.h"

namespace kinloom::charts {
namespace {

using reports::DatePlace;
using reports::FormEvent;
using reports::FormPerson;

// Blank sheets offer room for this many children and note lines.
constexpr int kBlankChildren = 6;
constexpr int kBlankNoteLines = 6;

// The columns of the sheet: label, date, place.
struct Columns {
  int date;
  int place;
  int right;
};

Columns ColumnsOf(const FormWriter& form) {
  const int width = form.width();
  return {width * 20 / 100, width * 46 / 100, width};
}

std::vector<FormField> DateAndPlace(const Columns& c, const DatePlace& when,
                                    std::string value = {}) {
  std::string place = std::move(value);
  if (!when.place.empty()) place += (place.empty() ? "" : ", ") + when.place;
  return {{c.date, c.place - c.date, when.date}, {c.place, c.right - c.place, place}};
}

std::vector<FormField> Wide(const Columns& c, std::string text) {
  return {{c.date, c.right - c.date, std::move(text)}};
}

// The citations of the sheet, numbered in the order they are met; a repeated citation keeps
// its number.
class SourceNotes {
 public:
  std::string Mark(const std::vector<std::string>& citations) {
    std::string marks;
    for (const std::string& citation : citations) {
      size_t n = 0;
      while (n < list_.size() && list_[n] != citation) ++n;
      if (n == list_.size()) list_.push_back(citation);
      marks += (marks.empty() ? " [" : ", ") + std::to_string(n + 1);
    }
    return marks.empty() ? marks : marks + "]";
  }
  const std::vector<std::string>& list() const { return list_; }

 private:
  std::vector<std::string> list_;
};

struct SheetNotes {
  SourceNotes sources;
  std::vector<std::string> notes;  // "Husband: ...", "Marriage: ..."

  void Add(const std::string& whose, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) notes.push_back(whose + ": " + text);
  }
};

const FormEvent* FirstOf(const FormPerson& p, std::initializer_list<std::string_view> names) {
  for (const FormEvent& event : p.events) {
    for (std::string_view name : names) {
      if (event.name == name) return &event;
    }
  }
  return nullptr;
}

void EventRow(FormWriter& form, const Columns& c, std::string_view label, const FormEvent* event,
              SheetNotes& notes, const std::string& whose) {
  if (event == nullptr) {
    form.Row(label, DateAndPlace(c, {}));
    return;
  }
  notes.Add(whose + " " + event->name, event->notes);
  std::vector<FormField> fields = DateAndPlace(c, event->when, event->value);
  // The numbers of the event's sources follow its place.
  const std::string marks = notes.sources.Mark(event->citations);
  fields.back().text += fields.back().text.empty() && !marks.empty() ? marks.substr(1) : marks;
  form.Row(label, fields);
}

void PersonSection(FormWriter& form, const Columns& c, std::string_view role, const FormPerson& p,
                   SheetNotes& notes) {
  const std::string marks = notes.sources.Mark(p.citations);
  form.SectionBar(role, p.label + marks);
  form.Captions({{c.date, 0, "Date"}, {c.place, 0, "Place"}});
  const std::string who(role);
  EventRow(form, c, "Born", FirstOf(p, {"Birth"}), notes, who);
  EventRow(form, c, "Christened", FirstOf(p, {"Christening", "Baptism"}), notes, who);
  EventRow(form, c, "Died", FirstOf(p, {"Death"}), notes, who);
  EventRow(form, c, "Buried", FirstOf(p, {"Burial", "Cremation"}), notes, who);
  const FormEvent* shown[] = {FirstOf(p, {"Birth"}), FirstOf(p, {"Christening", "Baptism"}),
                              FirstOf(p, {"Death"}), FirstOf(p, {"Burial", "Cremation"})};
  for (const FormEvent& event : p.events) {
    if (std::find(std::begin(shown), std::end(shown), &event) != std::end(shown)) continue;
    EventRow(form, c, event.name, &event, notes, who);
  }
  form.Row("Father", Wide(c, p.father));
  form.Row("Mother", Wide(c, p.mother));
  notes.Add(who, p.notes);
  form.Skip(form.line_height() / 2);
}

void ChildBlock(FormWriter& form, const Columns& c, int number, const reports::FormChild* child,
                SheetNotes& notes) {
  const FormPerson empty;
  const FormPerson& p = child != nullptr ? child->person : empty;
  std::string name = p.label + notes.sources.Mark(p.citations);
  if (child != nullptr && !child->parent_type.empty()) name += "  (" + child->parent_type + ")";
  const int sex_x = c.date - form.width() * 6 / 100;
  std::vector<FormField> head = {
      {sex_x, c.date - sex_x, std::string(1, p.sex == 'U' ? ' ' : p.sex)},
      {c.date, c.right - c.date, name, kFormBold}};
  if (child == nullptr) {
    // A blank sheet says what goes where.
    head = {{sex_x, c.date - sex_x, "Sex", kFormCaption},
            {c.date, c.right - c.date, "Name", kFormCaption}};
  }
  const std::vector<FormField> married = DateAndPlace(c, child ? child->marriage : DatePlace{});
  form.Need(form.RowHeight(head) + 4 * form.RowHeight(married));
  form.Row("Child " + std::to_string(number), head);
  const std::string whose = p.label.empty() ? "Child" : p.label;
  EventRow(form, c, "Born", FirstOf(p, {"Birth", "Christening", "Baptism"}), notes, whose);
  EventRow(form, c, "Died", FirstOf(p, {"Death", "Burial", "Cremation"}), notes, whose);
  form.Row("Spouse", Wide(c, child ? child->spouse : std::string()));
  form.Row("Married", married);
  notes.Add(whose, p.notes);
}

void DrawSheet(FormWriter& form, const reports::FamilyGroupSheet& sheet, bool blank) {
  const Columns c = ColumnsOf(form);
  // Room to write by hand.
  if (blank) form.set_row_room(form.line_height() * 2 / 3);
  SheetNotes notes;
  PersonSection(form, c, "Husband", sheet.husband, notes);
  PersonSection(form, c, "Wife", sheet.wife, notes);
  form.SectionBar("Marriage", notes.sources.Mark(sheet.citations));
  form.Captions({{c.date, 0, "Date"}, {c.place, 0, "Place"}});
  bool married = false;
  for (const FormEvent& event : sheet.events) {
    married = married || event.name == "Marriage";
    EventRow(form, c, event.name, &event, notes, "Family");
  }
  if (!married) EventRow(form, c, "Marriage", nullptr, notes, "Family");
  notes.Add("Family", sheet.notes);
  form.Skip(form.line_height() / 2);
  form.SectionBar("Children");
  const int children = blank ? kBlankChildren : static_cast<int>(sheet.children.size());
  for (int i = 0; i < children; ++i) {
    ChildBlock(form, c, i + 1, blank ? nullptr : &sheet.children[static_cast<size_t>(i)], notes);
    form.Skip(form.line_height() / 2);
  }
  if (blank || !notes.notes.empty()) {
    form.SectionBar("Notes");
    for (const std::string& note : notes.notes) form.Paragraph(note, form.line_height());
    for (int i = 0; blank && i < kBlankNoteLines; ++i) form.Row("", {});
  }
  if (!notes.sources.list().empty()) {
    form.Skip(form.line_height() / 2);
    form.SectionBar("Sources");
    int n = 0;
    for (const std::string& source : notes.sources.list()) {
      form.Paragraph(std::to_string(++n) + ".  " + source, form.line_height());
    }
  }
}

reports::ReportJob SheetJob(reports::FamilyGroupSheet sheet, bool blank, std::string name) {
  return reports::ReportJob{name, false,
                            [sheet = std::move(sheet), blank](reports::ReportOutput& out) {
                              FormWriter form(out, "Family Group Sheet");
                              form.Begin();
                              DrawSheet(form, sheet, blank);
                              return form.page();
                            }};
}

}  // namespace

reports::ReportJob FamilyGroupSheetJob(const store::RecordStore& store, int family) {
  return SheetJob(reports::ReadFamilyGroupSheet(store, family), false,
                  "Family Group Sheet: " + core::ParentsLabel(store, family, core::FullName));
}

reports::ReportJob BlankFamilyGroupSheetJob() {
  return SheetJob({}, true, "Family Group Sheet");
}

}  // namespace kinloom::charts
