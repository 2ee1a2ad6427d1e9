#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"

namespace kinloom::testing {

// Writes small trees as the lines of their records, each link with its partner line: people
// with a name, a sex and their events, and families with their spouses and children.
class TreeBuilder {
 public:
  // Individual n with "Given /Surname/" and a sex letter ("M", "F", "U"; empty for no SEX line).
  TreeBuilder& Person(int n, const std::string& name, const std::string& sex);
  // An event of individual n: "1 <tag>" with "2 DATE" and "2 PLAC" lines when given.
  TreeBuilder& Event(int n, const std::string& tag, const std::string& date,
                     const std::string& place = "");
  // Family f; the husband or the wife may be 0. The spouses get "1 FAMS", the children "1 FAMC"
  // in the order the families are made.
  TreeBuilder& Family(int f, int husband, int wife, const std::vector<int>& children,
                      const std::string& marriage_date = "");
  // Any line of an individual or a family.
  TreeBuilder& PersonLine(int n, const std::string& line);
  TreeBuilder& FamilyLine(int f, const std::string& line);

  std::vector<std::string> Lines() const;
  void Load(TestTree& tree) const { LoadOwnTree(tree, Lines()); }

 private:
  struct Record {
    std::vector<std::string> lines;  // after the level-0 line
    std::vector<std::string> links;  // FAMC, then FAMS, lines
  };
  std::map<int, Record> people_;
  std::map<int, Record> families_;
};

// A problem expected of the verifier: its error number and individual.
using Expected = std::pair<int, int>;

// A tree with faults planted for every error the verifier knows: a clean, linked family line of
// six generations (individuals 1 to 18), then for each error a small group of its own that has
// exactly that fault.
struct PlantedTree {
  TreeBuilder builder;
  // Found with the capitalization choices at "all capitals" (errors 1, 3, 5 and 7 to 37).
  std::set<Expected> expected;
  // Found with the choices at "some lower case" (errors 2, 4, 6), among others.
  std::set<Expected> lower_case;
  // The lowest-numbered individual of each group: as the tree is not one linked whole, each
  // of them heads an unlinked tree.
  std::set<int> group_heads;
};
PlantedTree MakePlantedTree();

}  // namespace kinloom::testing
