#include "ui/person/person_page_edit.h"

#include <QCheckBox>

#include "core/dates.h"
#include "core/living_status.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/search_lists.h"
#include "store/stamp.h"
#include "ui/main/fam_tree.h"
#include "ui/person/event_row.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

PageEdit::PageEdit(TFamTree& tree, int& updating) : tree_(tree), updating_(updating) {
  ++updating_;
  scope_.emplace(tree.store());
}

PageEdit::~PageEdit() {
  scope_.reset();
  --updating_;
  if (changed_) tree_.TreeEdited();
}

store::RecordStore& PageEdit::store() {
  return tree_.store();
}
void PageEdit::TouchPerson(int individual) {
  scope_->TouchPerson(individual);
}
void PageEdit::TouchFamily(int family) {
  scope_->TouchFamily(family);
}

store::LineNode* PersonFirst(const store::RecordStore& store, int individual) {
  return individual > 0 ? core::family_ops::PersonLines(store, individual) : nullptr;
}

store::LineNode* FamilyFirst(const store::RecordStore& store, int family) {
  return family > 0 ? core::family_ops::FamilyLines(store, family) : nullptr;
}

store::LineNode* EventOwner::first(const store::RecordStore& store) const {
  return family ? FamilyFirst(store, number) : PersonFirst(store, number);
}

void EventOwner::Touch(PageEdit& edit) const {
  if (family) {
    edit.TouchFamily(number);
  } else {
    edit.TouchPerson(number);
  }
}

void EventDetailLeft(TFamTree& tree, int& updating, EventOwner owner, std::string_view tag,
                     std::string_view sub_tag, const QString& text) {
  if (updating > 0) return;
  store::LineNode* first = owner.first(tree.store());
  if (first == nullptr) return;
  const bool capitals = sub_tag == "2 DATE" && tree.work().program_settings().date_capitals;
  PageEdit edit(tree, updating);
  edit.Changed(core::WriteEventDetail(edit.store(), first, tag, sub_tag,
                                      core::EnteredText(ToAnsi(text), capitals)));
  owner.Touch(edit);
}

void EventBoxClicked(TFamTree& tree, int& updating, EventRow& row, EventOwner owner,
                     std::string_view tag, std::string_view caption, bool checked) {
  if (updating > 0) return;
  PageEdit edit(tree, updating);
  const core::EventSwitch::State state = row.event_switch.SetEventIncluded(
      edit.store(), owner.first(edit.store()), checked, tag, caption);
  row.box->setChecked(state.checked);
  row.box->setText(FromAnsi(state.caption));
  edit.Changed();
}

namespace {

void ShowMustStayDeceased(TFamTree& tree) {
  tree.ui().Message(core::kCannotChangeToLivingCaption, core::kCannotChangeToLivingText,
                    platform::Icon::kExclamation);
  tree.TreeEdited();  // the rule may have written a bare "1 DEAT"; the boxes go back
}

// Whether the person must stay deceased; the warning is shown when so.
bool MustStayDeceased(TFamTree& tree, int individual) {
  if (!core::IsDeceased(tree.store(), individual, true)) return false;
  ShowMustStayDeceased(tree);
  return true;
}

}  // namespace

void DeathBoxClicked(TFamTree& tree, int& updating, EventRow& row, int individual, bool checked) {
  if (updating > 0) return;
  store::LineNode* first = PersonFirst(tree.store(), individual);
  if (first == nullptr) return;
  if (!checked && MustStayDeceased(tree, individual)) return;
  PageEdit edit(tree, updating);
  const core::EventSwitch::State state =
      row.event_switch.SetEventIncluded(edit.store(), first, checked, "1 DEAT", "Death Included");
  core::MarkLiving(edit.store(), individual, !state.checked);
  edit.Changed();
}

void LivingBoxClicked(TFamTree& tree, int& updating, int individual, bool living) {
  if (updating > 0 || PersonFirst(tree.store(), individual) == nullptr) return;
  core::LivingChange change;
  {
    PageEdit edit(tree, updating);
    change = core::SetLivingStatus(edit.store(), individual, living);
    if (change == core::LivingChange::kDone) {
      edit.TouchPerson(individual);
      edit.Changed();
    }
  }
  if (change == core::LivingChange::kMustStayDeceased) ShowMustStayDeceased(tree);
}

void SlotBoxClicked(TFamTree& tree, int& updating, EventRow& row, core::SlotKind kind, bool second,
                    bool checked) {
  if (updating > 0) return;
  const int individual = tree.shown().individual;
  store::LineNode* first = PersonFirst(tree.store(), individual);
  if (first == nullptr) return;
  const int state = core::SlotState(first, kind);
  if (!checked && kind == core::SlotKind::kBaptism) {
    PageEdit edit(tree, updating);
    if (core::OfferBaptismExchange(edit.store(), first, state)) {
      edit.TouchPerson(individual);
      edit.Changed();
      return;
    }
  }
  const int event_state = state == 0 && second ? 2 : state;
  const core::SlotEvent event =
      core::SlotEventOf(first, kind, event_state, core::SexOf(tree.store(), individual));
  EventBoxClicked(tree, updating, row, EventOwner{false, individual}, event.tag, event.caption,
                  checked);
}

void CheckAgeForDeath(TFamTree& tree, int& updating, int individual) {
  store::LineNode* first = PersonFirst(tree.store(), individual);
  if (first == nullptr || store::FindTagLine(first, "1 DEAT") != nullptr) return;
  const core::Vitals v = core::VitalsOf(tree.store(), individual);
  const core::AgeResult age =
      core::AgeFromDates(v.birth.date, v.christening.date, v.baptism.date, v.death.date,
                         v.burial.date, v.cremation.date, tree.ui().clock().Now());
  if (!age.death_included) return;
  PageEdit edit(tree, updating);
  core::EventSwitch death;
  death.SetEventIncluded(edit.store(), first, true, "1 DEAT", "Death Included");
  core::MarkLiving(edit.store(), individual, false);
  edit.Changed();
}

namespace {

// Files the person under the new name in the individual list and its marriages in the
// family list.
void RefileName(PageEdit& edit, int individual) {
  store::SearchList& people = edit.store().individual_search_list();
  people.Remove(individual);
  people.Insert(store::IndividualKey(edit.store(), individual), individual);
  edit.TouchPerson(individual);
  store::LineNode* first = PersonFirst(edit.store(), individual);
  for (int family : core::family_ops::LinkedNumbers(first, "1 FAMS")) edit.TouchFamily(family);
}

}  // namespace

void WriteName(TFamTree& tree, int& updating, int individual, const QString& given,
               const QString& surname) {
  if (updating > 0) return;
  store::LineNode* first = PersonFirst(tree.store(), individual);
  if (first == nullptr) return;
  const files::ProgramSettings& options = tree.work().program_settings();
  const std::string given_text = core::EnteredText(ToAnsi(given), options.given_name_capitals);
  std::string name = given_text.empty() ? std::string() : given_text + " ";
  name += "/" + core::EnteredText(ToAnsi(surname), options.surname_capitals) + "/";
  store::LineNode* line = store::FindTagLine(first, "1 NAME");
  if (line != nullptr && store::LineValue(line->text(), "1 NAME") == name) return;
  PageEdit edit(tree, updating);
  store::SetLineValue(edit.store(), first, "1 NAME", 1, name);
  RefileName(edit, individual);
  edit.Changed();
}

void WriteNameLine(TFamTree& tree, int& updating, int individual, std::string_view tag,
                   const QString& text) {
  if (updating > 0) return;
  store::LineNode* first = PersonFirst(tree.store(), individual);
  if (first == nullptr) return;
  const std::string value = core::EnteredText(ToAnsi(text), false);
  store::LineNode* line = store::FindTagLine(first, tag);
  if (line == nullptr ? value.empty() : store::LineValue(line->text(), tag) == value) return;
  PageEdit edit(tree, updating);
  store::SetLineValue(edit.store(), first, tag, 1, value);
  if (tag == "1 TITL") RefileName(edit, individual);
  edit.TouchPerson(individual);
  edit.Changed();
}

}  // namespace kinloom::ui
