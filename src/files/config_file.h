#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/web_settings.h"
#include "platform/file_io.h"
#include "platform/status.h"

namespace kinloom::files {

// A tree's configuration file ("<tree>.cfg") keeps its web-site settings as numbered-key
// lines of Windows-1252 text with CR LF line ends: "149 Ancestors and Descendants of the".
// A first line "CHAR UTF-8" marks the values of keys above 139 as UTF-8. The home-page message
// (key 341) runs over the following lines up to a line holding only the bytes A9 AE.

// What a tree's file starts from before its keys are applied: the copyright owner becomes the
// tree's name and the copyright year the current year, unless the file names them.
struct ConfigFileStart {
  std::string tree_name;
  int current_year = 0;
};

// Applies the keys of a file's bytes to *settings. Settings the file does not name keep their
// values; unknown keys and lines without a key are skipped; over-long values are cut to their
// fields. The changed flag is left to the caller.
void ApplyConfigText(std::string_view bytes, WebSiteSettings* settings);

// Reads the file through the file system and applies it as above; for a tree's own file,
// `start` is applied first. NotFound when there is no file; IoError, naming the file and saying
// why, when it exists but cannot be read. Unless the file was read, the settings are unchanged.
[[nodiscard]] Status ReadConfigFile(platform::FileSystem& file_system, const std::string& path,
                                    WebSiteSettings* settings);
[[nodiscard]] Status ReadConfigFile(platform::FileSystem& file_system, const std::string& path,
                                    const ConfigFileStart& start, WebSiteSettings* settings);

// The whole file as it is written. Blank lines at the end of the message are left out.
std::string ConfigFileText(const WebSiteSettings& settings);

// Writes the file anew through a temporary file; on failure the old file stays as it was and
// the error names the file.
[[nodiscard]] Status WriteConfigFile(platform::FileSystem& file_system, const std::string& path,
                                     const WebSiteSettings& settings);

// Every setting as "name: value" ("page-title-1: Ancestors and Descendants of the"), in key
// order; one "home-page-message" line per line of the message.
std::vector<std::string> WebSettingLines(const WebSiteSettings& settings);

}  // namespace kinloom::files
