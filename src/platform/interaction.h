#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace kinloom::platform {

enum class Icon { kNone, kInformation, kQuestion, kExclamation, kStop };
enum class Buttons { kOk, kYesNo, kYesNoCancel };
enum class Answer { kOk, kYes, kNo, kCancel };

// Everything the program says to the user, or asks, in the middle of an operation. The desktop
// program answers with real dialogs; the command-line tool and the tests with a headless
// implementation. Nothing below the user interface talks to the user any other way.
// A broken link found by the link checker, as the link fixer shows it.
struct LinkProblem {
  char kind = 'A';                 // 'A' to 'F'
  std::string title;               // "Missing Family Record - Number: 12", ...
  std::vector<std::string> texts;  // the explanation, line by line
  std::string fix_a_label;         // the repair
  std::string fix_b_label;         // the removal
  bool fix_a_possible = false;
  int individual = 0;  // the person the problem concerns (0 for none)
  int family = 0;      // the family it concerns (0 for none)
};

// What the user chose in the link fixer: repair (Fix A), remove (Fix B), leave the link,
// repair everything from here on, or stop checking.
enum class LinkFixAnswer { kRepair, kRemove, kIgnore, kAutoFix, kStop };

class Interaction {
 public:
  virtual ~Interaction() = default;

  // A modal message box.
  virtual void Message(std::string_view caption, std::string_view text, Icon icon) = 0;
  // A modal question; returns the button chosen.
  virtual Answer Ask(std::string_view caption, std::string_view text, Icon icon,
                     Buttons buttons) = 0;

  // A question with a check box below it (such as "do not ask again for this group");
  // *checked holds the box's state going in and coming out. Without a screen to show the box
  // on, it is asked as a plain question and the box keeps its state.
  virtual Answer AskWithCheck(std::string_view caption, std::string_view text, Icon icon,
                              Buttons buttons, std::string_view check_text, bool* checked) {
    (void)check_text;
    (void)checked;
    return Ask(caption, text, icon, buttons);
  }

  // The Parent Types dialog: the labels of the father, mother and child, and the kind offered
  // first (0 birth ... 7 sealing). Returns the kind chosen, or nothing when cancelled.
  virtual std::optional<int> ChooseParentType(std::string_view father, std::string_view mother,
                                              std::string_view child, int offered) = 0;
  // The "Remove Spouse From Family" dialog: with whom the children remain. Returns 0 for the
  // person, 1 for the spouse, or nothing when cancelled.
  virtual std::optional<int> ChooseRemainingParent(std::string_view person,
                                                   std::string_view spouse) = 0;

  // The link fixer dialog for one problem.
  virtual LinkFixAnswer FixLink(const LinkProblem& problem) = 0;

  // The shared progress window: a caption, a label for the current step, a bar and a text.
  virtual void ProgressShow(std::string_view caption, std::string_view label) = 0;
  virtual void ProgressRange(int maximum) = 0;
  virtual void ProgressPosition(int position) = 0;
  virtual void ProgressText(std::string_view text) = 0;
  virtual void ProgressHide() = 0;
  // Whether the user has asked the operation behind the progress window to stop. Long loops
  // that can stop part way ask now and then; without a Cancel button the answer is no.
  virtual bool ProgressCancelRequested() { return false; }

  // Width in pixels of a text in the font of the tree view's chart, for the cached chart texts.
  virtual int TextWidth(std::string_view text) = 0;

  virtual const Clock& clock() const = 0;
};

}  // namespace kinloom::platform
