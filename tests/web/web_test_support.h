#pragma once

#include <map>
#include <string>
#include <vector>

#include "files/media_albums.h"
#include "files/web_settings.h"
#include "support/test_support.h"
#include "web/make_web_pages.h"

namespace kinloom::web::testing {

using kinloom::testing::TempDir;
using kinloom::testing::TestTree;

// A family of five in the program's own format: John Smith (1) and Mary Jones (2) married in
// 1875 (family 1) with three children: Lena (3), born 1990 and so living by the dates; Zed
// Secret (4), hidden entirely once the test sets his flag; and a child whose name, place and note
// are markup (5). Source 1 is cited by John, source 2 by nobody.
std::vector<std::string> FamilyLines();
inline constexpr int kJohn = 1, kMary = 2, kLena = 3, kZed = 4, kHostile = 5;
inline constexpr std::string_view kHostileName = "<script>alert(1)</script>";
inline constexpr std::string_view kHostilePlace = "\"><img src=x onerror=alert(2)>";
inline constexpr std::string_view kHostileNote = "</td></tr><b>bold</b>";

// A tree, its settings and albums, and folders for the site, its pictures and its scripts.
struct SiteFixture {
  SiteFixture();
  // Loads the tree and gives Zed the everything bit.
  void LoadFamily();
  WebPagesResult Make(files::WebSiteType type, WebPagesOptions options = {});
  // Every file under the site folder ("htm" or "php"), by path relative to it.
  std::map<std::string, std::string> Files(const std::string& site) const;
  std::string Site(const std::string& kind) const { return dir.path() + "/web/" + kind; }

  TestTree tree;
  TempDir dir;
  files::WebSiteSettings settings;
  files::MediaAlbums albums;
  WebSiteFolders folders;
};

// Individuals "P1 /Test/" ... each with a death line.
std::vector<std::string> PeopleLines(int count);

// Whether a program can be run ("tidy", "php", "chromium").
bool HaveTool(const std::string& name);
// Runs a command line; its exit status, and what it printed (stdout and stderr) in *output.
int RunTool(const std::string& command, std::string* output);

// A PHP development server on a free port of 127.0.0.1 over a folder, stopped when destroyed.
class PhpServer {
 public:
  explicit PhpServer(const std::string& folder);
  ~PhpServer();
  bool running() const { return port_ > 0; }
  // The status code and body of a GET request for a path ("/kln_indpage.php?idno=000001").
  int Get(const std::string& path, std::string* body) const;

 private:
  int pid_ = -1;
  int port_ = 0;
};

}  // namespace kinloom::web::testing
