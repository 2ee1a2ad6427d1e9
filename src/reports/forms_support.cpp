#include "reports/forms_support.h"

#include <algorithm>
#include <utility>

#include "core/source_records.h"
#include "store/line_search.h"

namespace kinloom::reports {
namespace {

using store::LineNode;

// The events and facts the forms name; other level-1 tags are not printed.
constexpr std::pair<std::string_view, std::string_view> kEventNames[] = {
    {"BIRT", "Birth"},
    {"CHR", "Christening"},
    {"BAPM", "Baptism"},
    {"DEAT", "Death"},
    {"BURI", "Burial"},
    {"CREM", "Cremation"},
    {"ADOP", "Adoption"},
    {"BAPL", "LDS Baptism"},
    {"CONL", "LDS Confirmation"},
    {"ENDL", "LDS Endowment"},
    {"SLGC", "LDS Sealing to Parents"},
    {"SLGS", "LDS Sealing to Spouse"},
    {"TITL", "Title"},
    {"OCCU", "Occupation"},
    {"RESI", "Residence"},
    {"ADDR", "Address"},
    {"PHON", "Phone"},
    {"EMAIL", "E-mail"},
    {"MAIL", "E-mail"},
    {"EDUC", "Education"},
    {"GRAD", "Graduation"},
    {"RETI", "Retirement"},
    {"IMMI", "Immigration"},
    {"EMIG", "Emigration"},
    {"NATI", "Nationality"},
    {"NATU", "Naturalization"},
    {"CENS", "Census"},
    {"PROP", "Property"},
    {"PROB", "Probate"},
    {"WILL", "Will"},
    {"RELI", "Religion"},
    {"CHRA", "Adult Christening"},
    {"FCOM", "First Communion"},
    {"CONF", "Confirmation"},
    {"BARM", "Bar Mitzvah"},
    {"BASM", "Bat Mitzvah"},
    {"ORDN", "Ordination"},
    {"ORDL", "Ordination"},
    {"SSN", "Social Security Number"},
    {"AFN", "Ancestral File Number"},
    {"EVEN", "Event"},
    {"FACT", "Fact"},
    {"ENGA", "Engagement"},
    {"MARB", "Marriage Banns"},
    {"MARC", "Marriage Contract"},
    {"MARL", "Marriage Licence"},
    {"MARR", "Marriage"},
    {"MARS", "Marriage Settlement"},
    {"ANUL", "Annulment"},
    {"DIVF", "Divorce Filed"},
    {"DIV", "Divorce"},
};

}  // namespace

std::string EventName(std::string_view line_text) {
  if (line_text.size() < 3 || line_text[0] != '1') return {};
  const std::string_view tag = forms_support::TagOf(line_text);
  for (const auto& [event_tag, name] : kEventNames) {
    if (tag == event_tag) return std::string(name);
  }
  return {};
}

namespace forms_support {

std::string_view TagOf(std::string_view text) {
  if (text.size() < 3 || text[1] != ' ') return {};
  const std::string_view rest = text.substr(2);
  return rest.substr(0, rest.find(' '));
}

std::string ContinuedValue(const LineNode* line) {
  const std::string_view text = line->text();
  const size_t value_at = 2 + TagOf(text).size() + 1;
  std::string value(value_at < text.size() ? text.substr(value_at) : std::string_view());
  const char deeper = static_cast<char>(line->level() + 1);
  for (const LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
       sub = sub->next) {
    if (sub->level() != deeper) continue;
    const std::string_view tag = TagOf(sub->text());
    const std::string_view sub_text = sub->text();
    const std::string_view sub_value =
        sub_text.size() > 7 ? sub_text.substr(7) : std::string_view();
    if (tag == "CONT") value += '\n';
    if (tag == "CONT" || tag == "CONC") value += sub_value;
  }
  return value;
}

std::string Citation(const store::RecordStore& store, const LineNode* line) {
  const std::string value = ContinuedValue(line);
  const int source = store::XrefNumber(line->text());
  if (value.empty() || value[0] != '@') return value;
  std::string citation = core::SourceLabel(store, source);
  const char deeper = static_cast<char>(line->level() + 1);
  for (const LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
       sub = sub->next) {
    if (sub->level() == deeper && TagOf(sub->text()) == "PAGE") {
      citation += ", " + ContinuedValue(sub);
    }
  }
  return citation;
}

FormEvent ReadEvent(const store::RecordStore& store, const LineNode* line) {
  FormEvent event;
  event.name = EventName(line->text());
  event.value = ContinuedValue(line);
  const char deeper = static_cast<char>(line->level() + 1);
  for (const LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
       sub = sub->next) {
    if (sub->level() != deeper) continue;
    const std::string_view tag = TagOf(sub->text());
    if (tag == "DATE") event.when.date = ContinuedValue(sub);
    if (tag == "PLAC") event.when.place = ContinuedValue(sub);
    if (tag == "NOTE") event.notes.push_back(ContinuedValue(sub));
    if (tag == "SOUR") event.citations.push_back(Citation(store, sub));
    // A custom event or fact is named by its type.
    if (tag == "TYPE" && (event.name == "Event" || event.name == "Fact")) {
      event.name = ContinuedValue(sub);
    }
  }
  return event;
}

void ReadRecordFacts(const store::RecordStore& store, const LineNode* first,
                     std::vector<FormEvent>* events, std::vector<std::string>* notes,
                     std::vector<std::string>* citations) {
  if (first == nullptr) return;
  for (const LineNode* line = first->next; line != nullptr; line = line->next) {
    if (line->level() != '1') continue;
    const std::string_view tag = TagOf(line->text());
    if (tag == "NOTE") {
      notes->push_back(ContinuedValue(line));
    } else if (tag == "SOUR") {
      citations->push_back(Citation(store, line));
    } else if (!EventName(line->text()).empty()) {
      events->push_back(ReadEvent(store, line));
    }
  }
}

DatePlace FirstDatePlace(const std::vector<FormEvent>& events,
                         std::initializer_list<std::string_view> names) {
  for (const FormEvent& event : events) {
    if (std::find(names.begin(), names.end(), event.name) != names.end() && !event.when.empty()) {
      return event.when;
    }
  }
  return {};
}

}  // namespace forms_support
}  // namespace kinloom::reports
