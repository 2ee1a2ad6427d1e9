#include "platform/headless_interaction.h"

namespace kinloom::platform {

HeadlessInteraction::HeadlessInteraction(const Clock* clock) : clock_(clock) {
  if (clock_ == nullptr) {
    own_clock_ = std::make_unique<SystemClock>();
    clock_ = own_clock_.get();
  }
}

void HeadlessInteraction::Message(std::string_view caption, std::string_view text, Icon icon) {
  records_.push_back(
      {Record::Kind::kMessage, std::string(caption), std::string(text), icon, Answer::kOk});
  if (echo_) *echo_ << caption << ": " << text << '\n';
}

Answer HeadlessInteraction::Ask(std::string_view caption, std::string_view text, Icon icon,
                                Buttons buttons) {
  Answer answer = Answer::kOk;
  if (!script_.empty()) {
    answer = script_.front();
    script_.pop_front();
  } else if (buttons == Buttons::kYesNo) {
    answer = default_yes_no_;
  } else if (buttons == Buttons::kYesNoCancel) {
    answer = default_yes_no_cancel_;
  }
  records_.push_back(
      {Record::Kind::kQuestion, std::string(caption), std::string(text), icon, answer});
  if (echo_) *echo_ << caption << ": " << text << '\n';
  return answer;
}

std::optional<int> HeadlessInteraction::ChooseParentType(std::string_view father,
                                                         std::string_view mother,
                                                         std::string_view child, int offered) {
  std::optional<int> kind = offered;
  if (!parent_type_script_.empty()) {
    kind = parent_type_script_.front();
    parent_type_script_.pop_front();
  }
  std::string text = "Father: " + std::string(father) + "\nMother: " + std::string(mother) +
                     "\nChild: " + std::string(child);
  records_.push_back({Record::Kind::kChoice, "Parent Types", text, Icon::kNone,
                      kind ? Answer::kOk : Answer::kCancel});
  return kind;
}

std::optional<int> HeadlessInteraction::ChooseRemainingParent(std::string_view person,
                                                              std::string_view spouse) {
  std::optional<int> choice = 0;
  if (!remaining_script_.empty()) {
    choice = remaining_script_.front();
    remaining_script_.pop_front();
  }
  std::string text = "Person: " + std::string(person) + "\nSpouse: " + std::string(spouse);
  records_.push_back({Record::Kind::kChoice, "Remove Spouse From Family", text, Icon::kNone,
                      choice ? Answer::kOk : Answer::kCancel});
  return choice;
}

LinkFixAnswer HeadlessInteraction::FixLink(const LinkProblem& problem) {
  link_problems_.push_back(problem);
  if (link_fix_script_.empty()) return LinkFixAnswer::kAutoFix;
  LinkFixAnswer answer = link_fix_script_.front();
  link_fix_script_.pop_front();
  return answer;
}

void HeadlessInteraction::ProgressShow(std::string_view caption, std::string_view label) {
  progress_visible_ = true;
  progress_captions_.emplace_back(caption);
  progress_labels_.emplace_back(label);
}

void HeadlessInteraction::ProgressText(std::string_view text) {
  progress_texts_.emplace_back(text);
}

void HeadlessInteraction::SetDefault(Buttons buttons, Answer answer) {
  if (buttons == Buttons::kYesNo) default_yes_no_ = answer;
  if (buttons == Buttons::kYesNoCancel) default_yes_no_cancel_ = answer;
}

std::vector<std::string> HeadlessInteraction::Captions() const {
  std::vector<std::string> captions;
  for (const Record& r : records_) captions.push_back(r.caption);
  return captions;
}

}  // namespace kinloom::platform
