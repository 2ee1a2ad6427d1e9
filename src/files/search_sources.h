#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/program_settings.h"
#include "platform/file_io.h"
#include "platform/status.h"

namespace kinloom::files {

// "sources.web", shared by all trees, keeps the program's options and counters and the list of
// internet search sites as lines of Windows-1252 text with CR LF line ends, each a one-character
// key, a blank and the value: "0 <site name>", "1 <site address>", "7 90", "$ 1 10". A first line
// beginning "CHAR UTF-8" marks the values as UTF-8; the writer never writes it.

inline constexpr std::string_view kSourcesFileName = "sources.web";

// The heading row of the search grid, and the captions of its add and modify dialogs.
inline constexpr std::string_view kSearchNameHeading = "  Source Name";
inline constexpr std::string_view kSearchAddressHeading =
    "  Source Address - Double Click to Access";
inline constexpr std::string_view kAddSearchSiteCaption = "Add New Internet Search Source";
inline constexpr std::string_view kModifySearchSiteCaption = "Modify Existing Source";
// The grid shows at least this many site rows, empty ones included.
inline constexpr size_t kSearchGridMinimumRows = 32;
// No site is added or modified beyond this row.
inline constexpr size_t kSearchGridRowLimit = 100000;

// Applies a file's bytes to *settings. The search sites become the rows of the file; settings
// the file does not name keep their values, except that the verifier's kept values always go
// in force. Over-long values are cut, out-of-range numbers are brought into range. The changed
// flag is cleared.
void ApplySourcesText(std::string_view bytes, ProgramSettings* settings);

// Reads the file through the file system and applies it as above. NotFound when there is no
// file; IoError, naming the file and saying why, when it exists but cannot be read. Unless the
// file was read, everything is unchanged.
[[nodiscard]] Status ReadSourcesWeb(platform::FileSystem& file_system, const std::string& path,
                                    ProgramSettings* settings);

// The same through the real file system, for the places that only show the settings.
enum class SourcesReadResult {
  kRead,        // the file was read; its keys replaced the settings they name
  kMissing,     // there is no file: everything is unchanged
  kUnreadable,  // the file exists but cannot be read: everything is unchanged
};
SourcesReadResult ReadSourcesWeb(const std::string& path, ProgramSettings* settings);

// The whole file as it is written, without a line end after the last line. The verifier's
// values are those in force.
std::string SourcesWebText(const ProgramSettings& settings);

// Writes the file anew through a temporary file; on failure the old file stays as it was and
// the error names the file.
[[nodiscard]] Status WriteSourcesWeb(platform::FileSystem& file_system, const std::string& path,
                                     const ProgramSettings& settings);

// What saving the settings does: the verifier's values in force become the kept ones, the file
// is written, and the changed flag is cleared once the file is safely written.
[[nodiscard]] Status SaveSourcesWeb(platform::FileSystem& file_system, const std::string& path,
                                    ProgramSettings* settings);

// ---- The search grid ------------------------------------------------------------------------
// Rows are counted from 0, the first row below the heading. Every change sets the changed flag.
// Names and addresses are cut to their length, line breaks become blanks and trailing blanks
// go, so what is shown is what the file gives back.

// Puts a new site at the selected row: the rows from there down to the last row in use move
// down by one, taking up the empty row after it when there is one. A selected row after the
// last one in use simply takes the site. False when the row is beyond the limit.
bool AddSearchSite(ProgramSettings* settings, size_t selected, const SearchSite& site);
// Replaces the name and address of a row. False when the row is beyond the limit.
bool ModifySearchSite(ProgramSettings* settings, size_t row, const SearchSite& site);
// Removes a row; the following rows move up. False when there is no such row.
bool DeleteSearchSite(ProgramSettings* settings, size_t row);
// The question asked before a row is removed.
std::string DeleteSearchSiteQuestion(const SearchSite& site);
// Swaps a row with its neighbour; the first row does not move up and the last does not move
// down. Returns the row where the moved site now stands, for the selection to follow.
size_t MoveSearchSiteUp(ProgramSettings* settings, size_t row);
size_t MoveSearchSiteDown(ProgramSettings* settings, size_t row);

// The web address a row opens: its address, with "http://" put before it unless it already
// begins with "http" (in any case). Empty when the row has no address.
std::string SearchSiteLink(std::string_view address);

// Every option as "name: value" ("backup-days: 90"), then each search site in use as
// "search-site-<row>-name" and "search-site-<row>-address", rows counted from 1 as the grid
// shows them.
std::vector<std::string> ProgramSettingLines(const ProgramSettings& settings);

}  // namespace kinloom::files
