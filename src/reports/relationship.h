#pragma once

#include <string>
#include <vector>

#include "reports/report_job.h"
#include "reports/report_text.h"
#include "store/record_store.h"

namespace kinloom::reports {

// The relationship calculator's note on which parents count.
inline constexpr std::string_view kRelationshipNote =
    "Adopted parents are used if the Birth parents are not included. Step, Foster and Sealing "
    "parents are not used. ";

inline constexpr std::string_view kSamePerson = "Same Person";
inline constexpr std::string_view kNoBloodRelationship = "No Blood Relationship";

// One row of the calculator's grid: person 1's line of descent in column 0, person 2's in
// column 1 (a single line of descent always stands in column 0).
struct RelateRow {
  std::string column0;
  std::string column1;
};

// What the calculator shows for two people.
struct Relationship {
  int person1 = 0;
  int person2 = 0;
  std::string name1;  // the name boxes (full names)
  std::string name2;
  std::string label1;  // the display names with their numbers
  std::string label2;
  std::string relation1;        // what person 1 is to person 2
  std::string relation2;        // what person 2 is to person 1
  std::string memo;             // the common ancestor or couple
  std::vector<RelateRow> rows;  // from the child of the common ancestry down to the people
  bool shown = false;           // a relationship was found: printing and saving are offered
};

// Names the blood relationship of two individuals through their nearest common ancestry and
// gives the two lines of descent from it. Both ancestries are searched breadth first over the
// preferred parent family of each person (step parents only reach the natural parent; foster
// and sealing families are not followed).
Relationship FindRelationship(store::RecordStore& store, int person1, int person2);

// "" for 1, "Grand " for 2, "Great Grand " for 3, "2nd Great Grand " for 4, ...
std::string GenerationPrefix(int distance);
// 1 "1st", 2 "2nd", 11 "11th", 22 "22nd".
std::string Ordinal(int number);

// The printed relationship (one document, its pages continued under a shorter heading).
ReportJob RelationshipJob(const Relationship& relationship);

// The relationship as its text file holds it.
TextReport RelationshipText(const Relationship& relationship);

}  // namespace kinloom::reports
