#pragma once

#include <QFontMetrics>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/clock.h"
#include "platform/interaction.h"

namespace kinloom::store {
class RecordStore;
}

namespace kinloom::ui {

class ProgressWindow;

// The interaction layer with real dialogs: message boxes with the program's captions and
// icons, the Parent Types, Remove Spouse and link fixer dialogs, and the shared progress
// window. Dialogs are centred on the window set with SetParent.
class QtInteraction final : public platform::Interaction {
 public:
  explicit QtInteraction(const platform::Clock* clock = nullptr);
  ~QtInteraction() override;

  void SetParent(QWidget* parent);
  // The tree the link fixer describes records from; without one it shows their numbers.
  void SetStore(const store::RecordStore* store) { store_ = store; }

  void Message(std::string_view caption, std::string_view text, platform::Icon icon) override;
  platform::Answer Ask(std::string_view caption, std::string_view text, platform::Icon icon,
                       platform::Buttons buttons) override;
  platform::Answer AskWithCheck(std::string_view caption, std::string_view text,
                                platform::Icon icon, platform::Buttons buttons,
                                std::string_view check_text, bool* checked) override;

  std::optional<int> ChooseParentType(std::string_view father, std::string_view mother,
                                      std::string_view child, int offered) override;
  std::optional<int> ChooseRemainingParent(std::string_view person,
                                           std::string_view spouse) override;
  platform::LinkFixAnswer FixLink(const platform::LinkProblem& problem) override;

  void ProgressShow(std::string_view caption, std::string_view label) override;
  void ProgressRange(int maximum) override;
  void ProgressPosition(int position) override;
  void ProgressText(std::string_view text) override;
  void ProgressHide() override;
  // The Cancel button of the progress window; asking also keeps the window painted.
  bool ProgressCancelRequested() override;

  int TextWidth(std::string_view text) override;

  const platform::Clock& clock() const override { return *clock_; }

 private:
  ProgressWindow& progress();
  platform::Answer ShowBox(std::string_view caption, std::string_view text, platform::Icon icon,
                           platform::Buttons buttons, std::string_view check_text, bool* checked);

  std::unique_ptr<platform::Clock> own_clock_;
  const platform::Clock* clock_;
  QPointer<QWidget> parent_;
  const store::RecordStore* store_ = nullptr;
  // Owned by the parent window when there is one, which may go first.
  QPointer<ProgressWindow> progress_;
  std::unique_ptr<QFontMetrics> chart_metrics_;
};

}  // namespace kinloom::ui
