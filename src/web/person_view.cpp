#include "web/person_view.h"

#include <cctype>

#include "core/queries.h"
#include "files/media_albums.h"
#include "store/line_search.h"
#include "web/detail_groups.h"

namespace kinloom::web {
namespace {

using store::LineNode;

// The value of a line after its level and tag.
std::string_view ValueOf(std::string_view text) {
  size_t tag_end = text.find(' ', 2);
  return tag_end == std::string_view::npos ? std::string_view() : text.substr(tag_end + 1);
}

std::string_view TagOf(std::string_view text) {
  if (text.size() < 3) return {};
  std::string_view tag = text.substr(2);
  return tag.substr(0, tag.find(' '));
}

// A value with the CONT (new line) and CONC lines one level below it.
std::string Continued(const LineNode* line) {
  std::string value(ValueOf(line->text()));
  const char below = static_cast<char>(line->level() + 1);
  for (const LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
       sub = sub->next) {
    if (sub->level() != below) continue;
    const std::string_view tag = TagOf(sub->text());
    if (tag == "CONT") value += '\n';
    if (tag == "CONT" || tag == "CONC") value += ValueOf(sub->text());
  }
  return value;
}

// "Name /Surname/" as it reads.
std::string WithoutSlashes(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '/') continue;
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string FirstYear(std::string_view date) {
  for (size_t i = 0; i < date.size(); ++i) {
    size_t j = i;
    while (j < date.size() && std::isdigit(static_cast<unsigned char>(date[j]))) ++j;
    if (j - i >= 3 && j - i <= 4) return std::string(date.substr(i, j - i));
    i = j;
  }
  return {};
}

// Numbers the citations of one person: the same source and page keep one number.
class CitationList {
 public:
  explicit CitationList(std::vector<Citation>* list) : list_(list) {}

  // The citation of a "SOUR" line (its page from the "PAGE" line below it); 0 when there is
  // nothing to cite.
  int Add(const LineNode* line) {
    std::string_view value = ValueOf(line->text());
    Citation citation;
    if (!value.empty() && value.front() == '@') {
      citation.source = store::XrefNumber(value);
      if (citation.source <= 0) return 0;
    } else {
      citation.text = Continued(line);
      if (citation.text.empty()) return 0;
    }
    const char below = static_cast<char>(line->level() + 1);
    for (const LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
         sub = sub->next) {
      if (sub->level() == below && TagOf(sub->text()) == "PAGE" && citation.source > 0) {
        citation.text = ValueOf(sub->text());
      }
    }
    for (size_t i = 0; i < list_->size(); ++i) {
      if ((*list_)[i].source == citation.source && (*list_)[i].text == citation.text) {
        return static_cast<int>(i) + 1;
      }
    }
    list_->push_back(std::move(citation));
    return static_cast<int>(list_->size());
  }

 private:
  std::vector<Citation>* list_;
};

// An event line with its sub-lines, leaving out what the hide bits cover.
WebEvent ReadEvent(const LineNode* line, uint8_t hide, bool sources, CitationList& citations) {
  WebEvent event;
  event.value = Continued(line);
  for (const LineNode* sub = line->next; sub != nullptr && sub->level() > '1'; sub = sub->next) {
    if (sub->level() != '2') continue;
    const std::string_view tag = TagOf(sub->text());
    if (tag == "DATE") event.date = ValueOf(sub->text());
    if (tag == "PLAC" && !(hide & store::kHidePlaces)) event.place = ValueOf(sub->text());
    if (tag == "NOTE" && !(hide & store::kHideNotes)) {
      if (!event.note.empty()) event.note += '\n';
      event.note += Continued(sub);
    }
    if (tag == "SOUR" && sources) {
      if (int number = citations.Add(sub)) event.citations.push_back(number);
    }
  }
  return event;
}

}  // namespace

std::string_view ParentKindText(int kind) {
  switch (kind) {
    case core::kAdopted:
    case core::kAdoptFather:
    case core::kAdoptMother:
      return " (Adopt)";
    case core::kStepFather:
    case core::kStepMother:
      return " (Step)";
    case core::kFoster:
      return " (Foster)";
    case core::kSealing:
      return " (Sealing)";
    default:
      return {};
  }
}

std::string LifeYears(std::string_view birth, std::string_view death) {
  const std::string born = FirstYear(birth), died = FirstYear(death);
  if (!born.empty() && !died.empty()) return born + " - " + died;
  if (!born.empty()) return "b. " + born;
  if (!died.empty()) return "d. " + died;
  return {};
}

PersonViews::PersonViews(store::RecordStore& store, const PublishRule& rule)
    : store_(store), rule_(rule) {}

std::string PersonViews::ShownSurname(int individual) const {
  std::string surname = core::SurnameAndTitle(store_, individual);
  if ((rule_.HiddenDetails(individual) & store::kHideSurname) && !surname.empty()) {
    surname = surname.substr(0, 1) + ".";
  }
  return surname;
}

const std::string& PersonViews::Name(int individual) const {
  static const std::string kNone;
  if (individual < 0 || individual > store_.highest_individual()) return kNone;
  if (names_.empty()) names_.resize(static_cast<size_t>(store_.highest_individual()) + 1);
  NameAndYears& cached = names_[static_cast<size_t>(individual)];
  if (!cached.known) {
    std::string given = core::GivenNames(store_, individual);
    std::string surname = ShownSurname(individual);
    cached.name = surname.empty() ? given : given + " " + surname;
    cached.years = LifeYears(BirthDate(individual), DeathDate(individual));
    cached.known = true;
  }
  return cached.name;
}

std::string PersonViews::IndexName(int individual) const {
  std::string surname = ShownSurname(individual);
  std::string given = core::GivenNames(store_, individual);
  return surname.empty() ? given : surname + ", " + given;
}

std::string PersonViews::BirthDate(int individual) const {
  const store::IndividualRecord* record = store_.individual(individual);
  if (record == nullptr) return {};
  return core::EventDate(record->lines, core::EventKind::kBirth).date;
}

std::string PersonViews::DeathDate(int individual) const {
  const store::IndividualRecord* record = store_.individual(individual);
  if (record == nullptr) return {};
  return core::EventDate(record->lines, core::EventKind::kDeath).date;
}

PersonLink PersonViews::Link(int individual) const {
  PersonLink link;
  link.individual = individual;
  if (!rule_.IsPublished(individual)) {
    link.name = "Private";
    return link;
  }
  link.published = true;
  link.name = Name(individual);
  link.dates = names_[static_cast<size_t>(individual)].years;
  return link;
}

std::vector<PersonLink> PersonViews::Children(int family, int except) const {
  std::vector<PersonLink> children;
  const store::FamilyRecord* record = store_.family(family);
  if (record == nullptr) return children;
  for (const LineNode* line = record->lines; line != nullptr; line = line->next) {
    if (!store::HasTag(line->text(), "1 CHIL")) continue;
    const int child = store::XrefNumber(line->text());
    if (child <= 0 || child == except || store_.individual(child) == nullptr) continue;
    PersonLink link = Link(child);
    link.kind = ParentKindText(core::PediKindOf(core::FindFamcLine(store_, child, family)));
    children.push_back(std::move(link));
  }
  return children;
}

void PersonViews::AddParents(PersonView& view) const {
  const core::ParentFamily parents = core::FindParentFamily(store_, view.individual);
  if (!rule_.IsFamilyShown(parents.family)) return;
  view.parent_family = parents.family;
  const std::string kind(ParentKindText(parents.kind));
  if (int father = core::FamilyMember(store_, parents.family, "1 HUSB"); father > 0) {
    view.father = Link(father);
    view.father.kind = kind;
  }
  if (int mother = core::FamilyMember(store_, parents.family, "1 WIFE"); mother > 0) {
    view.mother = Link(mother);
    view.mother.kind = kind;
  }
  view.siblings = Children(parents.family, view.individual);
}

void PersonViews::AddFamilies(PersonView& view) const {
  const store::IndividualRecord* record = store_.individual(view.individual);
  for (const LineNode* line = record->lines; line != nullptr; line = line->next) {
    if (!store::HasTag(line->text(), "1 FAMS")) continue;
    const int family = store::XrefNumber(line->text());
    if (!rule_.IsFamilyShown(family)) continue;
    SpouseFamily shown;
    shown.family = family;
    if (int spouse = core::OtherSpouse(store_, family, view.individual);
        spouse > 0 && spouse != view.individual) {
      shown.spouse = Link(spouse);
    }
    shown.events = FamilyEvents(family, &view.citations);
    shown.children = Children(family, 0);
    view.families.push_back(std::move(shown));
  }
}

std::vector<WebEvent> PersonViews::FamilyEvents(int family,
                                                std::vector<Citation>* citations) const {
  std::vector<WebEvent> events;
  const store::FamilyRecord* record = store_.family(family);
  if (record == nullptr || !rule_.IsFamilyShown(family)) return events;
  const bool hides = rule_.settings().mode == store::WriteMode::kHide ||
                     rule_.settings().mode == store::WriteMode::kBoth;
  const uint8_t hide = hides ? record->hideFlags : 0;
  CitationList numbered(citations);
  for (const FamilyEventTag& tag : kFamilyEventTags) {
    for (const LineNode* line = record->lines; line != nullptr; line = line->next) {
      if (!store::HasTag(line->text(), tag.prefix)) continue;
      WebEvent event = ReadEvent(line, hide, rule_.ShowsSources(), numbered);
      event.caption = tag.caption;
      events.push_back(std::move(event));
    }
  }
  return events;
}

PersonView PersonViews::Build(int individual) const {
  PersonView view;
  view.individual = individual;
  const store::IndividualRecord* record = store_.individual(individual);
  if (record == nullptr || record->lines == nullptr) return view;
  const uint8_t hide = rule_.HiddenDetails(individual);
  view.name = Name(individual);
  view.index_name = IndexName(individual);
  view.sex = "UMF"[core::SexOf(store_, individual)];
  view.birth = BirthDate(individual);
  view.death = DeathDate(individual);
  view.picture = files::ProfilePictureFile(record->lines);
  CitationList citations(&view.citations);
  for (const LineNode* line = record->lines->next; line != nullptr; line = line->next) {
    if (line->level() != '1') continue;
    const int group = DetailGroupOf(line->text());
    if (group < kFirstPublishedGroup || GroupHidden(group, hide)) continue;
    if (group == kSourceGroup) {
      if (!rule_.ShowsSources()) continue;
      if (int number = citations.Add(line)) view.own_citations.push_back(number);
    } else if (group == kNoteGroup) {
      std::string note = Continued(line);
      if (!note.empty() && note.front() != '@') view.notes.push_back(std::move(note));
    } else if (group != kParentFamilyGroup && group != kSpouseFamilyGroup) {
      WebEvent event = ReadEvent(line, hide, rule_.ShowsSources(), citations);
      event.group = group;
      event.caption = GroupCaption(group);
      if (group == 4) event.value = WithoutSlashes(event.value);  // an alias is a name
      view.events.push_back(std::move(event));
    }
  }
  AddParents(view);
  AddFamilies(view);
  return view;
}

}  // namespace kinloom::web
