#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"
#include "store/line_node.h"
#include "store/records.h"
#include "store/search_list.h"

namespace kinloom::store {

// The family tree in memory: tables of individuals, families and sources indexed by record
// number, the highest number in use of each kind, the search lists, the side lists of records
// kept for display, and the state of the tree as a whole. Number 0 of the individual and family
// tables is a placeholder that lines pointing at number 0 resolve to.
//
// Lookups of a number outside 0..highest, or of an empty slot, return nullptr.
class RecordStore {
 public:
  explicit RecordStore(platform::Interaction& ui);
  RecordStore(const RecordStore&) = delete;
  RecordStore& operator=(const RecordStore&) = delete;

  platform::Interaction& ui() const { return ui_; }
  LineArena& arena() { return arena_; }

  // Records.
  IndividualRecord* individual(int n) const;
  FamilyRecord* family(int n) const;
  LineNode* source(int n) const;
  int highest_individual() const { return highest_individual_; }
  int highest_family() const { return highest_family_; }
  int highest_source() const { return highest_source_; }
  void set_highest_individual(int n) { highest_individual_ = n; }
  void set_highest_family(int n) { highest_family_ = n; }
  void set_highest_source(int n) { highest_source_ = n; }

  // Makes an empty record block in slot n (0..kMax*), replacing nothing: REQUIRES the slot is
  // empty. Does not change the highest numbers.
  IndividualRecord* CreateIndividual(int n);
  FamilyRecord* CreateFamily(int n);
  // Sets the first line of source n (the slot holds the line list directly).
  void SetSource(int n, LineNode* first);
  // Empties a slot, freeing the record's lines.
  void DeleteIndividual(int n);
  void DeleteFamily(int n);
  void DeleteSource(int n);

  // Lines (owned by the tree).
  LineNode* NewLine(std::string_view text, LineNode* next = nullptr) {
    return arena_.NewNode(text, next);
  }
  // Appends a line behind `*last` (or starts the list when *last is null); *last becomes it.
  LineNode* AppendLine(LineNode** last, std::string_view text);
  LineNode* LastLine(LineNode* first) const;

  // Side lists.
  LineNode* other_records() const { return other_records_; }
  LineNode** other_records_tail() { return &other_records_tail_; }
  std::vector<LineNode*>& note_records() { return note_records_; }
  const std::vector<LineNode*>& note_records() const { return note_records_; }

  SearchList& individual_search_list() { return individual_search_list_; }
  SearchList& family_search_list() { return family_search_list_; }
  const SearchList& individual_search_list() const { return individual_search_list_; }
  const SearchList& family_search_list() const { return family_search_list_; }

  // Tree state.
  int current_individual() const { return current_individual_; }
  void set_current_individual(int n) { current_individual_ = n; }
  int home_person() const { return home_person_; }
  void set_home_person(int n) { home_person_ = n; }
  bool tree_modified() const { return tree_modified_; }
  void set_tree_modified(bool modified) { tree_modified_ = modified; }
  int busy_depth() const { return busy_depth_; }
  void RaiseBusy() { ++busy_depth_; }
  void LowerBusy() {
    if (busy_depth_ > 0) --busy_depth_;
  }
  // A fresh walk number: records reached by a walk carry it in walkStamp, so a walk needs no
  // visited set. When the counter wraps, every stamp is cleared first.
  uint16_t NewWalkNumber();

  // The change-stamp lines ("2 DATE ...", "3 TIME ...") for the clock's present second; made
  // once per second, since an import stamps hundreds of thousands of records.
  struct StampLines {
    platform::DateTime at;
    std::string date;
    std::string time;
  };
  const StampLines& StampLinesNow();

  // Whether the tree view shows profile pictures (the chart's box heights depend on it).
  bool show_chart_pictures() const { return show_chart_pictures_; }
  void set_show_chart_pictures(bool show) { show_chart_pictures_ = show; }

  std::array<int, kHistorySize>& history() { return history_; }
  int history_index() const { return history_index_; }
  void set_history_index(int index) { history_index_ = index; }
  void ClearHistory();

  // Frees every record, line, side list and search list; the highest numbers become 0.
  void FreeTree();
  // Exchanges the trees of two stores: records, lines, side lists, search lists and the tree's
  // state. What belongs to the program rather than to a tree (the interaction layer, BusyDepth
  // and the chart-picture option) stays. A tree read into a store of its own replaces the open
  // tree only once it is read whole.
  void SwapTree(RecordStore& other) noexcept;
  // Empties the tree and makes the two placeholders and a fresh other-records list. With the
  // starter it also makes individual 1 "First Name /Last Name/", the marker family and the
  // search lists, as a brand-new tree. The caller makes the data folders and the chart caches.
  void NewEmptyTree(bool with_starter);
  // Makes the marker family 1 ("1 SEX Z") that a tree without families carries.
  void AddPlaceholderFamily();
  bool IsMarkerFamily(int n) const;

  // A new individual with the lowest free number, lines "0 @I..@ INDI", "1 NAME //",
  // "1 SEX <sex>" and a change stamp; 0 with a message when every number is taken. The caller
  // puts it into the search list and refreshes its chart texts.
  int NewIndividual(char sex);
  // A new family (number 0: the lowest free one) with its first line and a change stamp, after
  // removing the marker family; 0 with a message when every number is taken. A number other
  // than 0 names an existing family, used unchanged apart from the stamp.
  int NewFamily(int number);

 private:
  platform::Interaction& ui_;
  LineArena arena_;
  std::vector<std::unique_ptr<IndividualRecord>> individuals_;
  std::vector<std::unique_ptr<FamilyRecord>> families_;
  std::vector<LineNode*> sources_;
  int highest_individual_ = 0;
  int highest_family_ = 0;
  int highest_source_ = 0;

  LineNode* other_records_ = nullptr;
  LineNode* other_records_tail_ = nullptr;
  std::vector<LineNode*> note_records_;
  SearchList individual_search_list_;
  SearchList family_search_list_;

  int current_individual_ = 0;
  int home_person_ = 0;
  bool tree_modified_ = false;
  int busy_depth_ = 0;
  std::array<int, kHistorySize> history_{};
  uint16_t walk_number_ = 0;
  StampLines stamp_lines_;
  bool show_chart_pictures_ = false;
  int history_index_ = 0;
};

// Keeps BusyDepth raised for a scope.
class BusyScope {
 public:
  explicit BusyScope(RecordStore& store) : store_(store) { store_.RaiseBusy(); }
  ~BusyScope() { store_.LowerBusy(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  RecordStore& store_;
};

}  // namespace kinloom::store
