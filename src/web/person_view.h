#pragma once

#include <string>
#include <vector>

#include "store/record_store.h"
#include "web/publish_rule.h"

namespace kinloom::web {

// What the pages and data files show of a person, gathered once under the exclusion rule and
// the hide bits. Texts are the tree's own (Windows-1252, not escaped): every writer escapes them
// where they enter a page.

// A relative as a link: a published person with name and dates, or "Private".
struct PersonLink {
  int individual = 0;
  bool published = false;
  std::string name;   // the full name, or "Private"
  std::string kind;   // " (Adopt)", " (Step)", " (Foster)", " (Sealing)"; empty for birth
  std::string dates;  // "1850 - 1921"
};

struct Citation {
  int source = 0;    // 0 for a source named only by text
  std::string text;  // the page, or the text of such a source
};

// One event or fact: a level-1 line with its date, place, note and citations.
struct WebEvent {
  int group = -1;  // position in the detail tag list; -1 for family events
  std::string caption;
  std::string value;
  std::string date;
  std::string place;
  std::string note;
  std::vector<int> citations;  // citation numbers, from 1
};

struct SpouseFamily {
  int family = 0;
  PersonLink spouse;  // individual 0 with an empty name when the family has no partner
  std::vector<WebEvent> events;
  std::vector<PersonLink> children;
};

struct PersonView {
  int individual = 0;
  std::string name;        // "Given Surname"
  std::string index_name;  // "Surname, Given"
  char sex = 'U';
  std::string birth;    // the birth date (or baptism, christening), "" when none
  std::string death;    // the death date (or burial, cremation)
  std::string picture;  // the profile picture's file, "" when none
  int parent_family = 0;
  PersonLink father, mother;
  std::vector<PersonLink> siblings;
  std::vector<SpouseFamily> families;
  std::vector<WebEvent> events;  // in record order
  std::vector<std::string> notes;
  std::vector<int> own_citations;  // citations of the person as a whole
  std::vector<Citation> citations;
};

// " (Adopt)", " (Step)", " (Foster)", " (Sealing)" for a parent kind; empty for birth.
std::string_view ParentKindText(int kind);
// "1850 - 1921", "b. 1850", "d. 1921" or "" from the dates' years.
std::string LifeYears(std::string_view birth, std::string_view death);

// Builds the views of published people. Surnames a person hides show as their initial.
class PersonViews {
 public:
  PersonViews(store::RecordStore& store, const PublishRule& rule);

  PersonView Build(int individual) const;
  // A relative as a link ("Private" when excluded).
  PersonLink Link(int individual) const;
  // "Given Surname" and "Surname, Given" with the person's hidden surname shortened.
  const std::string& Name(int individual) const;
  std::string IndexName(int individual) const;
  // The main dates of a published person.
  std::string BirthDate(int individual) const;
  std::string DeathDate(int individual) const;
  // The events of a shown family (marriage, divorce, ...), their citations numbered into
  // `citations`.
  std::vector<WebEvent> FamilyEvents(int family, std::vector<Citation>* citations) const;

  const PublishRule& rule() const { return rule_; }
  store::RecordStore& store() const { return store_; }

 private:
  std::string ShownSurname(int individual) const;
  void AddParents(PersonView& view) const;
  void AddFamilies(PersonView& view) const;
  std::vector<PersonLink> Children(int family, int except) const;

  store::RecordStore& store_;
  const PublishRule& rule_;
  // Every page names its people's relatives, and each person's charts name up to fifteen
  // others: names and years are worked out once per person.
  struct NameAndYears {
    bool known = false;
    std::string name;
    std::string years;
  };
  mutable std::vector<NameAndYears> names_;
};

}  // namespace kinloom::web
