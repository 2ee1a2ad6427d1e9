#pragma once

#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/interaction.h"

namespace kinloom::platform {

// The interaction layer without a screen. Questions are answered from a script (a queue of
// answers, taken in order) and, when the script is empty, by the default for their buttons.
// Every message and question is recorded so tests can check the exact texts. With an echo
// stream, each one is also printed there as "caption: text".
class HeadlessInteraction final : public Interaction {
 public:
  struct Record {
    enum class Kind { kMessage, kQuestion, kChoice } kind;
    std::string caption;
    std::string text;
    Icon icon;
    Answer answer;  // the answer given to a question; kOk for a message
  };

  // Without a clock, the system clock is used.
  explicit HeadlessInteraction(const Clock* clock = nullptr);

  void Message(std::string_view caption, std::string_view text, Icon icon) override;
  Answer Ask(std::string_view caption, std::string_view text, Icon icon, Buttons buttons) override;

  // Choices come from their own scripts; without one, the kind offered and the person.
  std::optional<int> ChooseParentType(std::string_view father, std::string_view mother,
                                      std::string_view child, int offered) override;
  std::optional<int> ChooseRemainingParent(std::string_view person,
                                           std::string_view spouse) override;

  // Link problems are answered from their script; without one, auto-fix.
  LinkFixAnswer FixLink(const LinkProblem& problem) override;

  void ProgressShow(std::string_view caption, std::string_view label) override;
  void ProgressRange(int maximum) override { progress_maximum_ = maximum; }
  void ProgressPosition(int position) override { progress_position_ = position; }
  void ProgressText(std::string_view text) override;
  void ProgressHide() override { progress_visible_ = false; }

  // Headless measure: a fixed width per character.
  int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 7; }

  const Clock& clock() const override { return *clock_; }

  // Script and defaults.
  void QueueAnswer(Answer answer) { script_.push_back(answer); }
  // A parent kind, or nothing for Cancel.
  void QueueParentType(std::optional<int> kind) { parent_type_script_.push_back(kind); }
  // 0 the person, 1 the spouse, or nothing for Cancel.
  void QueueRemainingParent(std::optional<int> choice) { remaining_script_.push_back(choice); }
  void QueueLinkFix(LinkFixAnswer answer) { link_fix_script_.push_back(answer); }
  const std::vector<LinkProblem>& link_problems() const { return link_problems_; }
  void SetDefault(Buttons buttons, Answer answer);
  void EchoTo(std::ostream* out) { echo_ = out; }

  // What happened.
  const std::vector<Record>& records() const { return records_; }
  std::vector<std::string> Captions() const;
  void ClearRecords() { records_.clear(); }
  const std::vector<std::string>& progress_captions() const { return progress_captions_; }
  const std::vector<std::string>& progress_labels() const { return progress_labels_; }
  const std::vector<std::string>& progress_texts() const { return progress_texts_; }
  bool progress_visible() const { return progress_visible_; }
  int progress_maximum() const { return progress_maximum_; }
  int progress_position() const { return progress_position_; }

 private:
  std::unique_ptr<Clock> own_clock_;
  const Clock* clock_;
  std::deque<Answer> script_;
  std::deque<std::optional<int>> parent_type_script_;
  std::deque<std::optional<int>> remaining_script_;
  std::deque<LinkFixAnswer> link_fix_script_;
  std::vector<LinkProblem> link_problems_;
  Answer default_yes_no_ = Answer::kYes;
  Answer default_yes_no_cancel_ = Answer::kYes;
  std::ostream* echo_ = nullptr;
  std::vector<Record> records_;
  std::vector<std::string> progress_captions_;
  std::vector<std::string> progress_labels_;
  std::vector<std::string> progress_texts_;
  bool progress_visible_ = false;
  int progress_maximum_ = 0;
  int progress_position_ = 0;
};

}  // namespace kinloom::platform
