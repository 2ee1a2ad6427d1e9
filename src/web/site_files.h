#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace kinloom::web {

// The folders of the two kinds of site under the tree's web folder.
inline constexpr std::string_view kHtmlSubfolders[] = {"sys", "med", "tmb", "ind",
                                                       "anc", "des", "idx", "pic"};
inline constexpr std::string_view kPhpSubfolders[] = {"sys", "med", "tmb"};

// Makes the site folder and its sub-folders where missing. A folder that exists as a symbolic
// link (or as a file) is refused, so a site is never written outside the web folder.
[[nodiscard]] Status MakeSiteFolders(const std::string& site,
                                     std::span<const std::string_view> subfolders);

// Whether a file name is one the generator writes: "index.html", names beginning "kln_",
// "title.jpg" and "title.gif", "contact.php", the data files and leftovers of an interrupted
// write.
bool IsSiteFileName(std::string_view name);

// Removes the files an earlier run wrote in the site folder and its sub-folders. Files of other
// names stay, links are removed as links (never followed), and a sub-folder that is a link is
// not entered. Returns the number of files removed.
int RemoveOldSiteFiles(const std::string& site, std::span<const std::string_view> subfolders);

// Writes one file of the site: the bytes go to a temporary file beside it that is renamed over
// the name once every byte is written, so a failed run never leaves half a page.
[[nodiscard]] Status WriteSiteFile(const std::string& path, std::string_view bytes);

// Reads a whole file; false when it cannot be read (a missing picture is skipped).
bool ReadWholeFile(const std::string& path, std::string* bytes);

// The file name part of a path written with "/" or "\" (a picture named by another program may
// carry a Windows path).
std::string_view BaseName(std::string_view path);

// The lower-case extension of a picture file with a known picture or document type ("jpg",
// "png", "gif", "bmp", "webp", "pdf", "txt", ...); empty for any other, such as a page that
// would run in the site's name.
std::string PublishedExtension(std::string_view file);

}  // namespace kinloom::web
