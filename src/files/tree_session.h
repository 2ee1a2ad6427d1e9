#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/interaction.h"
#include "store/record_store.h"

namespace kinloom::files {

// Where the open tree was read from. It decides where its .cfg and .med are read from; saving
// always writes into the gedcom and config folders.
enum class TreeOrigin { kGedcomFolder, kBackupFolder, kOther };

// SaveState values: below 0 a new tree never saved, 0 opened but not yet saved in this session,
// above 0 saved at least once in this session. Every save of all files adds kSaveStateStep.
inline constexpr int kNewTreeSaveState = -1;
inline constexpr int kOpenedSaveState = 0;
inline constexpr int kSaveStateStep = 2;

// What has changed since the files were last written.
struct ChangedFlags {
  bool tree_modified = false;  // the records (the store's TreeModified)
  bool albums_changed = false;
  bool web_settings_changed = false;  // WebSettingsChanged
  bool sources_changed = false;       // SourcesChanged

  // Changes that only a save keeps: closing writes the .cfg and sources.web anyway, but not
  // the records or the albums, so these are what the save-changes question is about.
  bool TreeChanged() const { return tree_modified || albums_changed; }
  bool Any() const { return TreeChanged() || web_settings_changed || sources_changed; }
};

inline constexpr int kDefaultAutoSaveMinutes = 10;
inline constexpr int kMinAutoSaveMinutes = 5;
inline constexpr int kMaxAutoSaveMinutes = 240;
inline constexpr int kBusyRetryMs = 2000;

struct AutoSaveSettings {
  bool enabled = true;
  int minutes = kDefaultAutoSaveMinutes;  // kept in 5..240 when used
  platform::DateTime period_start;        // when the running period began
};

// The side files that exist but could not be read when they were last read, by path (empty for
// none). Each was reported once, when it was found so, and is not written over while it stays
// so: defaults never replace what the user's file holds.
struct UnreadableSideFiles {
  std::string config;   // the tree's .cfg
  std::string albums;   // the tree's .med
  std::string sources;  // sources.web
  bool Holds(const std::string& path) const {
    return !path.empty() && (path == config || path == albums || path == sources);
  }
};

// The state of the window's open tree.
struct TreeSession {
  std::string tree_name;  // the .ged file name without its extension
  TreeOrigin origin = TreeOrigin::kGedcomFolder;
  std::string opened_folder;  // the folder the .ged was read from
  int save_state = kNewTreeSaveState;
  bool backup_needed = false;  // the chosen name's files become a backup set before saving
  int backup_counter = 0;      // program-wide; kept in sources.web
  int copy_number = 0;         // above 0 in a window opened for a second tree
  bool read_only = false;      // the "Read Only File" option; never stored
  AutoSaveSettings auto_save;
  ChangedFlags changed;
  UnreadableSideFiles unreadable;
};

// Takes the store's TreeModified into the session. The flag is only ever added here: the
// session's flag is cleared by a save that wrote the .ged, never by the store.
void TakeStoreChanges(TreeSession& session, const store::RecordStore& store);

// Title, " - Copy Number: n" in a second window, " - " + tree name.
std::string WindowCaption(const TreeSession& session, std::string_view program_title);

// The counter's four lowest base-36 digits, "0"-"9" then "A"-"Z", most significant first.
std::string BackupPrefix(long long counter);
// backup folder + "/" + prefix + "_" + tree + extension.
std::string BackupName(std::string_view backup_folder, long long counter, std::string_view tree,
                       std::string_view extension);

// Cuts a trailing ".ged" (in any case) from a typed name.
std::string WithoutGedExtension(std::string_view name);
// The open dialog's new-tree field: empty when it begins with a blank (the hint), else the
// text before its first ".".
std::string NewTreeNameFromField(std::string_view field);

// The save dialog's explanation for the name typed.
struct SaveExplanation {
  std::string name;  // the name as it will be saved, without ".ged"
  bool save_enabled = false;
  bool backup_needed = false;
  std::vector<std::string> lines;
};
// tree_exists tells whether a name's .ged is in the gedcom folder; startup_name is the tree
// name when the dialog opened.
SaveExplanation ExplainSave(const TreeSession& session, std::string_view startup_name,
                            std::string_view typed,
                            const std::function<bool(const std::string&)>& tree_exists);

// The answer to the save-changes question.
struct SaveChangesAnswer {
  bool save_first = false;
  bool proceed = false;
};
// Asks whether to save before another tree is opened (switching) or the program ends.
SaveChangesAnswer ConfirmSaveChanges(const TreeSession& session, bool switching,
                                     platform::Interaction& ui);

// Shows the read-only message and returns false when the tree may not be saved.
bool CheckWritable(const TreeSession& session, platform::Interaction& ui);
// The message of the window's first activation: that the tree is read-only.
void ShowFirstActivationMessages(const TreeSession& session, platform::Interaction& ui);
// How to start a new tree, in the words of the person page; shown once for each new tree.
void ShowNewTreeInstructions(platform::Interaction& ui);

// The options "Read Only File" and "Automatic Save" exclude each other: switching one on while
// the other is on is refused with a message. Return whether the change was made.
bool SetReadOnlyOption(TreeSession& session, bool on, platform::Interaction& ui);
bool SetAutoSaveOption(TreeSession& session, bool on, platform::Interaction& ui);

// Automatic save. The window's timer calls for a decision at every tick and waits the time it
// returns before the next one.
enum class AutoSaveAction {
  kOff,        // automatic save is switched off: stop the timer
  kWait,       // the period has not run out
  kRetry,      // a save or an open is in progress
  kUnchanged,  // nothing to save
  kSave,       // save all files
};
struct AutoSaveDecision {
  AutoSaveAction action = AutoSaveAction::kOff;
  int next_tick_ms = 0;
};
AutoSaveDecision DecideAutoSave(const TreeSession& session, const platform::DateTime& now,
                                bool busy);
void RestartAutoSavePeriod(TreeSession& session, const platform::DateTime& now);
int AutoSavePeriodMs(const TreeSession& session);

// The reduced copies of the save dialog.
enum class ReducedCopy { kSplit, kHide, kBoth };
// tree + "_Split", "_Hide" or "_Split_Hide" + the counter's prefix.
std::string ReducedCopyName(std::string_view tree, ReducedCopy kind, long long counter);

}  // namespace kinloom::files
