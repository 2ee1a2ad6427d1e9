#include "files/tree_session.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>

#include "files/data_folders.h"

namespace kinloom::files {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr std::string_view kReadOnlyCaption = " *** Read Only File ***";
constexpr std::string_view kReadOnlyTail =
    "\n\nTo return this file to \"Read and Write\" status\n"
    "Open the \"Options\" window and uncheck the\n"
    "\"Read Only File\" check box";

std::string Format(const char* format, std::string_view a, std::string_view b = "") {
  std::string first(a);
  std::string second(b);
  int size = std::snprintf(nullptr, 0, format, first.c_str(), second.c_str());
  std::string text(static_cast<size_t>(std::max(size, 0)), '\0');
  std::snprintf(text.data(), text.size() + 1, format, first.c_str(), second.c_str());
  return text;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

long long SecondsOf(const platform::DateTime& t) {
  using namespace std::chrono;
  const sys_days day = year{t.year} / month{static_cast<unsigned>(t.month)} /
                       std::chrono::day{static_cast<unsigned>(t.day)};
  return day.time_since_epoch().count() * 86400LL + t.hour * 3600LL + t.minute * 60LL + t.second;
}

// The first line of the explanation: what the session started from.
std::string SessionLine(const TreeSession& session, std::string_view startup_name) {
  if (session.save_state < 0) return "New family tree started. It has not yet been saved.";
  if (session.save_state == 0) {
    return Format("The startup file for this family tree session was.........:  %s.ged",
                  startup_name);
  }
  return Format("Earlier the current family tree was saved to................:  %s.ged",
                startup_name);
}

}  // namespace

void TakeStoreChanges(TreeSession& session, const store::RecordStore& store) {
  if (store.tree_modified()) session.changed.tree_modified = true;
}

std::string WindowCaption(const TreeSession& session, std::string_view program_title) {
  std::string caption(program_title);
  if (session.copy_number > 0) caption += " - Copy Number: " + std::to_string(session.copy_number);
  return caption + " - " + session.tree_name;
}

std::string BackupPrefix(long long counter) {
  constexpr long long kRange = 36LL * 36 * 36 * 36;
  long long value = ((counter % kRange) + kRange) % kRange;
  std::string prefix(4, '0');
  for (int i = 3; i >= 0; --i) {
    prefix[static_cast<size_t>(i)] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[value % 36];
    value /= 36;
  }
  return prefix;
}

std::string BackupName(std::string_view backup_folder, long long counter, std::string_view tree,
                       std::string_view extension) {
  return TreeFile(backup_folder, BackupPrefix(counter) + "_" + std::string(tree), extension);
}

std::string WithoutGedExtension(std::string_view name) {
  if (name.size() >= 4 && EqualNoCase(name.substr(name.size() - 4), ".ged")) {
    name.remove_suffix(4);
  }
  return std::string(name);
}

std::string NewTreeNameFromField(std::string_view field) {
  if (field.empty() || field.front() == ' ') return "";
  return std::string(field.substr(0, field.find('.')));
}

SaveExplanation ExplainSave(const TreeSession& session, std::string_view startup_name,
                            std::string_view typed,
                            const std::function<bool(const std::string&)>& tree_exists) {
  SaveExplanation e;
  e.name = WithoutGedExtension(typed);
  if (e.name.empty()) {
    e.lines.push_back("Family Tree Name Too Short");
    return e;
  }
  if (Status name_ok = CheckTreeName(e.name); !name_ok.ok()) {
    e.lines.push_back(name_ok.message());
    return e;
  }
  e.save_enabled = true;
  e.lines.push_back(SessionLine(session, startup_name));
  if (session.save_state == 0 && session.origin == TreeOrigin::kBackupFolder) {
    e.lines.push_back("This was a backup of another file without the four digit prefix number.");
  }
  const std::string saved_to =
      Format("The current family tree session will be saved to ......:  %s.ged", e.name);
  if (!tree_exists(e.name)) {
    e.lines.push_back(saved_to);
    return e;
  }
  // File names differ by case here, so "smith" is another tree than "Smith".
  const bool same_tree = e.name == session.tree_name;
  if (session.save_state > 0 && same_tree) {
    e.lines.push_back(
        "Saving again will update that file with the current family tree information.");
    return e;
  }
  if (!same_tree) {
    e.lines.push_back(Format(
        "There is already a file named.....................................:  %s.ged", e.name));
  }
  e.lines.push_back(Format(" It will be converted to a backup file and renamed....:  %s_%s.ged",
                           BackupPrefix(session.backup_counter + 1LL), e.name));
  e.lines.push_back(saved_to);
  e.backup_needed = true;
  return e;
}

SaveChangesAnswer ConfirmSaveChanges(const TreeSession& session, bool switching,
                                     platform::Interaction& ui) {
  if (!session.changed.TreeChanged()) return {false, true};
  const char* question = switching
                             ? "Save changes to: %s\n\n"
                               "[  Yes   ]  Save Old Family Tree - Then Open New Family Tree.\n"
                               "[   No   ]  Open New Family Tree - Do Not Save Old Family Tree.\n"
                               "[Cancel]  Do Not Save Old or Open New Family Tree."
                             : "Save changes to: %s\n\n"
                               "[  Yes   ]  Save then Exit program.\n"
                               "[   No   ]  Exit without saving.\n"
                               "[Cancel]  Do Not Exit or Save.";
  Answer answer = ui.Ask("Confirm", Format(question, session.tree_name), Icon::kQuestion,
                         Buttons::kYesNoCancel);
  if (answer == Answer::kNo) return {false, true};
  if (answer != Answer::kYes) return {false, false};
  if (!session.read_only) return {true, true};
  std::string text =
      "To prevent accidentally over writing another\n"
      "family tree this file is \"Read Only\"." +
      std::string(kReadOnlyTail) +
      ".\n\nDo you want to close this without saving first?\n"
      "[ Yes ]  Close this family tree without saving\n"
      "[  No ]  Do not close and return to the program.";
  Answer close = ui.Ask(kReadOnlyCaption, text, Icon::kQuestion, Buttons::kYesNo);
  return {false, close == Answer::kYes};
}

bool CheckWritable(const TreeSession& session, platform::Interaction& ui) {
  if (!session.read_only) return true;
  ui.Message(kReadOnlyCaption,
             "To prevent accidentally over writing another\n"
             "family tree this file is \"Read Only\"." +
                 std::string(kReadOnlyTail),
             Icon::kExclamation);
  return false;
}

void ShowFirstActivationMessages(const TreeSession& session, platform::Interaction& ui) {
  if (!session.read_only) return;
  ui.Message(kReadOnlyCaption,
             "To prevent accidentally over writing another\n"
             "family tree this file will be \"Read Only\"." +
                 std::string(kReadOnlyTail),
             Icon::kInformation);
}

void ShowNewTreeInstructions(platform::Interaction& ui) {
  ui.Message("Start New Family Tree",
             "How to start and add members to a new family tree.\n\n"
             "Change the words \"First Name\" and \"Last Name\"\n"
             "to the first person's name, and choose \"Male\"\n"
             "or \"Female\" in the Sex box.\n\n"
             "Add all other information for this person.\n\n"
             "To add another person click \"Add Father\",\n"
             "\"Add Mother\", \"Add Spouse\" or \"Add Child\".",
             Icon::kInformation);
}

bool SetReadOnlyOption(TreeSession& session, bool on, platform::Interaction& ui) {
  if (on && session.auto_save.enabled) {
    ui.Message(" Configuration Conflict",
               "Uncheck \"Automatic Save\" check box before\n"
               "\"Read Only File\" check box can be enabled.",
               Icon::kExclamation);
    return false;
  }
  session.read_only = on;
  return true;
}

bool SetAutoSaveOption(TreeSession& session, bool on, platform::Interaction& ui) {
  if (on && session.read_only) {
    ui.Message(" Configuration Conflict",
               "Uncheck \"Read Only File\" check box before\n"
               "\"Automatic Save\" check box can be enabled.",
               Icon::kExclamation);
    return false;
  }
  session.auto_save.enabled = on;
  return true;
}

int AutoSavePeriodMs(const TreeSession& session) {
  return std::clamp(session.auto_save.minutes, kMinAutoSaveMinutes, kMaxAutoSaveMinutes) * 60000;
}

AutoSaveDecision DecideAutoSave(const TreeSession& session, const platform::DateTime& now,
                                bool busy) {
  if (!session.auto_save.enabled || session.read_only) return {AutoSaveAction::kOff, 0};
  const long long period = AutoSavePeriodMs(session);
  const long long elapsed = (SecondsOf(now) - SecondsOf(session.auto_save.period_start)) * 1000;
  // A clock set back ends the period rather than holding the save back until it catches up.
  if (elapsed >= 0 && elapsed < period)
    return {AutoSaveAction::kWait, static_cast<int>(period - elapsed)};
  if (busy) return {AutoSaveAction::kRetry, kBusyRetryMs};
  if (!session.changed.Any()) return {AutoSaveAction::kUnchanged, static_cast<int>(period)};
  return {AutoSaveAction::kSave, static_cast<int>(period)};
}

void RestartAutoSavePeriod(TreeSession& session, const platform::DateTime& now) {
  session.auto_save.period_start = now;
}

std::string ReducedCopyName(std::string_view tree, ReducedCopy kind, long long counter) {
  const char* suffix = kind == ReducedCopy::kSplit  ? "_Split"
                       : kind == ReducedCopy::kHide ? "_Hide"
                                                    : "_Split_Hide";
  return std::string(tree) + suffix + BackupPrefix(counter);
}

}  // namespace kinloom::files
