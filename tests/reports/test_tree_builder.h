#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::testing {

// Builds a small tree in the program's own form for report tests: people with their events,
// families with their children and each child's parent type, both sides of every link.
class TestTreeBuilder {
 public:
  struct Child {
    int person;
    std::string pedigree = {};  // the "2 PEDI" value; empty for birth parents
  };

  // A person "1 NAME given /surname/" with "1 SEX" when `sex` is not blank, and the given
  // event lines ("1 BIRT", "2 DATE 1900", ...). Numbers count from 1.
  int Person(const std::string& name, char sex = 'M', std::vector<std::string> events = {}) {
    people_.push_back({name, sex, std::move(events)});
    return static_cast<int>(people_.size());
  }
  int Family(int husband, int wife, const std::vector<Child>& children = {}) {
    families_.push_back({husband, wife, children});
    const int number = static_cast<int>(families_.size());
    if (husband != 0) fams_[husband].push_back(number);
    if (wife != 0) fams_[wife].push_back(number);
    for (const Child& child : children) famc_[child.person].push_back({number, child.pedigree});
    return number;
  }
  // A line of `count` generations above `person` through fathers; returns the top ancestor.
  int FatherLine(int person, int count, const std::string& surname) {
    for (int g = 1; g <= count; ++g) {
      const int father = Person("Gen" + std::to_string(g) + " /" + surname + "/");
      Family(father, 0, {{person}});
      person = father;
    }
    return person;
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (size_t i = 0; i < people_.size(); ++i) {
      const int n = static_cast<int>(i + 1);
      lines.push_back("0 " + store::MakeXref('I', n) + " INDI");
      lines.push_back("1 NAME " + people_[i].name);
      if (people_[i].sex != ' ') lines.push_back(std::string("1 SEX ") + people_[i].sex);
      lines.insert(lines.end(), people_[i].events.begin(), people_[i].events.end());
      if (auto it = famc_.find(n); it != famc_.end()) {
        for (const auto& [family, pedigree] : it->second) {
          lines.push_back("1 FAMC " + store::MakeXref('F', family));
          if (!pedigree.empty()) lines.push_back("2 PEDI " + pedigree);
        }
      }
      if (auto it = fams_.find(n); it != fams_.end()) {
        for (int family : it->second) lines.push_back("1 FAMS " + store::MakeXref('F', family));
      }
    }
    for (size_t i = 0; i < families_.size(); ++i) {
      lines.push_back("0 " + store::MakeXref('F', static_cast<int>(i + 1)) + " FAM");
      if (families_[i].husband != 0)
        lines.push_back("1 HUSB " + store::MakeXref('I', families_[i].husband));
      if (families_[i].wife != 0)
        lines.push_back("1 WIFE " + store::MakeXref('I', families_[i].wife));
      for (const Child& child : families_[i].children)
        lines.push_back("1 CHIL " + store::MakeXref('I', child.person));
    }
    return lines;
  }

  void LoadInto(TestTree& tree) const { LoadOwnTree(tree, Lines()); }

 private:
  struct PersonSpec {
    std::string name;
    char sex;
    std::vector<std::string> events;
  };
  struct FamilySpec {
    int husband;
    int wife;
    std::vector<Child> children;
  };
  std::vector<PersonSpec> people_;
  std::vector<FamilySpec> families_;
  std::map<int, std::vector<int>> fams_;
  std::map<int, std::vector<std::pair<int, std::string>>> famc_;
};

}  // namespace kinloom::testing
