// The static site and what both kinds of site share: who and what they show, page names,
// escaping, the settings switched off before the pages are made, and the files they replace.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/records.h"
#include "web_test_support.h"

namespace kinloom::web {
namespace {

using files::WebSiteType;
using kinloom::testing::ReadFileBytes;
using kinloom::testing::WriteFileBytes;
using testing::SiteFixture;

bool Has(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

// Not a picture or one of the site's scripts.
bool IsText(const std::string& path) {
  return !path.starts_with("med/") && !path.starts_with("tmb/") &&
         !(path.starts_with("kln_") && path.ends_with(".php"));
}

// Adds an album item for a file of the media folder (made when `present`), showing one person.
void AddPicture(SiteFixture& f, const std::string& file, const std::string& title, int person,
                bool present = true) {
  if (present) WriteFileBytes(f.folders.media_folder + "/" + file, "JPEG bytes");
  files::ItemRef ref = f.albums.AddItem(0, file);
  files::MediaItem fields = *f.albums.item(ref);
  fields.title = title;
  f.albums.EditItem(ref, fields);
  f.albums.LinkIndividual(ref, person);
}

TEST(WebSite, ExcludedPeopleAppearNowhereInEitherSite) {
  SiteFixture f;
  f.LoadFamily();
  AddPicture(f, "farm.jpg", "The farm", testing::kJohn);
  AddPicture(f, "mill.jpg", "Zed at the mill", testing::kZed);
  AddPicture(f, "gone.jpg", "Lost picture", testing::kJohn, /*present=*/false);
  for (WebSiteType type : {WebSiteType::kHtml, WebSiteType::kPhp}) {
    const WebPagesResult made = f.Make(type);
    ASSERT_TRUE(made.completed) << made.status.message();
    EXPECT_EQ(made.people, 3);  // Lena is living, Zed hidden
    EXPECT_EQ(made.pictures, 1);
    int pages = 0;
    for (const auto& [path, bytes] : f.Files(made.folder)) {
      if (!IsText(path)) continue;
      ++pages;
      for (std::string_view gone : {"Zed", "Secret", "secret", "Lena", "lena", "mill"}) {
        EXPECT_FALSE(Has(bytes, gone)) << path << " shows " << gone;
      }
    }
    EXPECT_GT(pages, 10);
    EXPECT_TRUE(std::filesystem::exists(made.folder + "/med/kln_m0001.jpg"));
  }
  // Where a link to them would stand, both sites say "Private".
  const std::string john = ReadFileBytes(f.Site("htm") + "/ind/kln_ind000001.html");
  EXPECT_TRUE(Has(john, "<span class=\"private\">Private</span>"));
  EXPECT_TRUE(Has(ReadFileBytes(f.Site("php") + "/famdata"), "c\tP\tPrivate\t"));
}

TEST(WebSite, TextsOfTheTreeAndSettingsAreEscapedEverywhere) {
  SiteFixture f;
  f.LoadFamily();
  f.settings.title1 = "<b>T1</b>";
  f.settings.message_title = "<em>Welcome</em>";
  f.settings.message = {"<script>msg()</script>", "", "second"};
  f.settings.links[0] = {"javascript:alert(3)", "<i>L0</i>"};
  f.settings.links[1] = {"https://example.org/?a=1&b=2", "Cousins"};
  f.settings.copyright_owner = "<u>Owner</u>";
  f.settings.title1_font.name = "Verdana;}body{display:none";
  f.albums.RenameAlbum(0, "<i>Album</i>");
  AddPicture(f, "farm.jpg", "<script>t()</script>", testing::kHostile);
  const std::vector<std::string_view> raw = {
      testing::kHostileName, testing::kHostilePlace, testing::kHostileNote, "<b>T1</b>",
      "<em>Welcome</em>",    "<script>msg",          "<i>L0</i>",           "javascript:",
      "<u>Owner</u>",        "display:none",         "<i>Album</i>",        "<script>t()"};
  for (WebSiteType type : {WebSiteType::kHtml, WebSiteType::kPhp}) {
    const WebPagesResult made = f.Make(type);
    ASSERT_TRUE(made.completed);
    for (const auto& [path, bytes] : f.Files(made.folder)) {
      if (!IsText(path) || path.find("data") != std::string::npos) continue;
      for (std::string_view text : raw) EXPECT_FALSE(Has(bytes, text)) << path << ": " << text;
    }
  }
  const std::string page = ReadFileBytes(f.Site("htm") + "/ind/kln_ind000005.html");
  EXPECT_TRUE(Has(page, "<h2 class=\"personname\">&lt;script&gt;alert(1)&lt;"));
  EXPECT_TRUE(Has(page, "&quot;&gt;&lt;img src=x onerror=alert(2)&gt;"));
  const std::string home = ReadFileBytes(f.Site("htm") + "/index.html");
  EXPECT_TRUE(Has(home, "href=\"https://example.org/?a=1&amp;b=2\">Cousins</a>"));
  EXPECT_TRUE(Has(ReadFileBytes(f.Site("htm") + "/sys/kln_style.css"),
                  "font-family: \"Verdanabodydisplaynone\""));
}

TEST(WebSite, SourcesAndCitationsCanBeHidden) {
  SiteFixture f;
  f.LoadFamily();
  for (bool hide : {false, true}) {
    f.settings.hide_sources = hide;
    ASSERT_TRUE(f.Make(WebSiteType::kHtml).completed);
    ASSERT_TRUE(f.Make(WebSiteType::kPhp).completed);
    const std::string john = ReadFileBytes(f.Site("htm") + "/ind/kln_ind000001.html");
    EXPECT_EQ(Has(john, "<h3>Sources</h3>"), !hide);
    EXPECT_EQ(Has(john, "Author: Vicar &amp; Sons<br>Page: p. 5"), !hide);
    EXPECT_EQ(Has(ReadFileBytes(f.Site("php") + "/srcdata"), "Parish"), !hide);
  }
}

TEST(WebSite, OwnPagesUpTo250PeopleSharedPagesWithAnchorsAbove) {
  for (int people : {250, 251}) {
    SiteFixture f;
    kinloom::testing::LoadOwnTree(f.tree, testing::PeopleLines(people));
    const WebPagesResult made = f.Make(WebSiteType::kHtml);
    ASSERT_TRUE(made.completed);
    EXPECT_EQ(made.people, people);
    const std::string htm = f.Site("htm");
    const bool shared = people > 250;
    for (const char* kind : {"ind", "anc", "des"}) {
      const std::string prefix = htm + "/" + kind + "/kln_" + kind;
      EXPECT_EQ(std::filesystem::exists(prefix + "000250.html"), !shared) << kind;
      EXPECT_EQ(std::filesystem::exists(prefix + "0001.html"), shared) << kind;
      EXPECT_EQ(std::filesystem::exists(prefix + "0011.html"), shared) << kind;
      EXPECT_FALSE(std::filesystem::exists(prefix + "0012.html")) << kind;
    }
    // The index links each person to their page, through an anchor on a shared one.
    const std::string index = ReadFileBytes(htm + "/idx/kln_idx0001.html");
    EXPECT_TRUE(Has(index, shared ? "href=\"../ind/kln_ind0001.html#000001\""
                                  : "href=\"../ind/kln_ind000001.html\""));
    if (shared) {
      EXPECT_TRUE(Has(ReadFileBytes(htm + "/ind/kln_ind0001.html"), "id=\"000001\""));
    }
    // Three index pages of 100; the row shows "---" for the numbers past the last.
    EXPECT_TRUE(Has(index,
                    "<span class=\"current\">1</span><a href=\"kln_idx0002.html\">2</a>"
                    "<a href=\"kln_idx0003.html\">3</a><span>---</span>"));
  }
}

TEST(WebSite, SplitSelectionWithNobodyMarkedHasNoIndividualPages) {
  SiteFixture f;
  f.LoadFamily();
  f.settings.use_split_tree = true;
  const WebPagesResult made = f.Make(WebSiteType::kHtml);
  ASSERT_TRUE(made.completed);
  EXPECT_EQ(made.people, 0);
  for (const char* folder : {"ind", "anc", "des", "idx"}) {
    EXPECT_TRUE(std::filesystem::is_empty(made.folder + "/" + folder)) << folder;
  }
  EXPECT_TRUE(Has(ReadFileBytes(made.folder + "/index.html"), "This site holds 0 individuals."));
}

TEST(WebSite, SettingsNamingTooShortAFileAreSwitchedOffFirst) {
  SiteFixture f;
  f.LoadFamily();
  f.settings.title_background = files::TitleBackground::kPattern;
  f.settings.title_pattern_file = "a.jp";  // four characters
  f.settings.title_as_text = false;
  f.settings.title_image_file = "b.gi";
  f.settings.use_page_pattern = true;
  f.settings.page_pattern_file = "c.jp";
  WebPagesResult made = f.Make(WebSiteType::kHtml);
  EXPECT_TRUE(made.settings_changed);
  EXPECT_EQ(f.settings.title_background, files::TitleBackground::kNone);
  EXPECT_TRUE(f.settings.title_as_text);
  EXPECT_FALSE(f.settings.use_page_pattern);
  EXPECT_TRUE(Has(ReadFileBytes(made.folder + "/sys/kln_style.css"),
                  ".toptable {\n  background: transparent;"));

  // Five characters name a file: it is copied under the site's name and used.
  WriteFileBytes(f.folders.image_folder + "/a.gif", "GIF89a");
  WriteFileBytes(f.folders.image_folder + "/t.gif", "GIF89a");
  f.settings.title_background = files::TitleBackground::kPattern;
  f.settings.title_pattern_file = "a.gif";
  f.settings.title_as_text = false;
  f.settings.title_image_file = "t.gif";
  made = f.Make(WebSiteType::kHtml);
  EXPECT_FALSE(made.settings_changed);
  EXPECT_TRUE(Has(ReadFileBytes(made.folder + "/sys/kln_style.css"),
                  "background: url(\"kln_pattern.gif\") no-repeat center;"));
  EXPECT_TRUE(std::filesystem::exists(made.folder + "/sys/title.gif"));
  EXPECT_TRUE(Has(ReadFileBytes(made.folder + "/index.html"), "<img src=\"sys/title.gif\""));
}

TEST(WebSite, MoreThan100000PeopleCannotBeAStaticSite) {
  SiteFixture f;
  kinloom::testing::LoadOwnTree(f.tree, testing::PeopleLines(100001));
  const WebPagesResult made = f.Make(WebSiteType::kHtml);
  EXPECT_FALSE(made.completed);
  EXPECT_TRUE(made.status.ok());
  ASSERT_FALSE(f.tree.ui.records().empty());
  EXPECT_EQ(f.tree.ui.records().back().caption, "Cannot Complete");
  EXPECT_EQ(f.tree.ui.records().back().text,
            "This family tree exceeds the maximum number\nof individuals permitted in an HTML "
            "format.");
  EXPECT_TRUE(std::filesystem::is_empty(made.folder + "/ind"));
}

TEST(WebSite, ProgressTextsAndCompletion) {
  SiteFixture f;
  f.LoadFamily();
  const WebPagesResult made = f.Make(WebSiteType::kHtml);
  ASSERT_TRUE(made.completed);
  const auto& ui = f.tree.ui;
  EXPECT_EQ(ui.progress_captions().back(), "Removing Old Web Pages");
  EXPECT_EQ(ui.progress_labels().back(), "This May Take Several Minutes");
  for (std::string_view text :
       {"Creating Sequence Index..: 000000", "Creating Links for Individual..: 000002",
        "Creating Pages for Individual..: 000002"}) {
    EXPECT_NE(std::find(ui.progress_texts().begin(), ui.progress_texts().end(), text),
              ui.progress_texts().end())
        << text;
  }
  EXPECT_FALSE(ui.progress_visible());
  EXPECT_EQ(ui.records().back().caption, "Complete");
  EXPECT_EQ(ui.records().back().text, "Web pages creation completed.");
  ASSERT_TRUE(f.Make(WebSiteType::kPhp).completed);
  EXPECT_EQ(f.tree.ui.records().back().caption, "*** Complete ***");
}

TEST(WebSite, ContactAddressIsNeverPlainText) {
  SiteFixture f;
  f.LoadFamily();
  f.settings.email = "me@example.org";
  WebPagesResult made = f.Make(WebSiteType::kHtml);
  const std::string contact = ReadFileBytes(made.folder + "/kln_contact.html");
  EXPECT_FALSE(Has(contact, "example"));
  EXPECT_TRUE(Has(contact, "var m = '&#109;&#101;&#64;&#101;"));
  EXPECT_TRUE(Has(ReadFileBytes(made.folder + "/index.html"), ">Contact Us</a>"));
  f.settings.contact_page = false;
  made = f.Make(WebSiteType::kHtml);
  EXPECT_FALSE(std::filesystem::exists(made.folder + "/kln_contact.html"));
  EXPECT_FALSE(Has(ReadFileBytes(made.folder + "/index.html"), "Contact Us"));
}

TEST(WebSite, OnlyTheSitesOwnOldFilesAreRemoved) {
  SiteFixture f;
  f.LoadFamily();
  const std::string htm = f.Site("htm");
  const std::string outside = f.dir.path() + "/outside";
  std::filesystem::create_directories(htm + "/ind");
  std::filesystem::create_directories(outside);
  WriteFileBytes(htm + "/ind/kln_ind999999.html", "old page");
  WriteFileBytes(htm + "/ind/notes.txt", "the user's own");
  WriteFileBytes(outside + "/kln_ind000001.html", "not the site's");
  std::filesystem::create_symlink(outside + "/kln_ind000001.html", htm + "/kln_link.html");
  ASSERT_TRUE(f.Make(WebSiteType::kHtml).completed);
  EXPECT_FALSE(std::filesystem::exists(htm + "/ind/kln_ind999999.html"));
  EXPECT_TRUE(std::filesystem::exists(htm + "/ind/notes.txt"));
  EXPECT_FALSE(std::filesystem::is_symlink(htm + "/kln_link.html"));
  EXPECT_EQ(ReadFileBytes(outside + "/kln_ind000001.html"), "not the site's");

  // A sub-folder that leads elsewhere is neither emptied nor written into.
  std::filesystem::remove_all(htm + "/pic");
  std::filesystem::create_directory_symlink(outside, htm + "/pic");
  const WebPagesResult made = f.Make(WebSiteType::kHtml);
  EXPECT_FALSE(made.completed);
  EXPECT_FALSE(made.status.ok());
  EXPECT_EQ(f.tree.ui.records().back().caption, "*** Critical Error ***");
  EXPECT_EQ(ReadFileBytes(outside + "/kln_ind000001.html"), "not the site's");
}

TEST(WebSite, FailedWriteIsReported) {
  SiteFixture f;
  f.LoadFamily();
  std::filesystem::create_directories(f.Site("htm") + "/index.html/blocked");
  const WebPagesResult made = f.Make(WebSiteType::kHtml);
  EXPECT_FALSE(made.completed);
  EXPECT_FALSE(made.status.ok());
  EXPECT_TRUE(Has(f.tree.ui.records().back().text, "index.html"));
}

}  // namespace
}  // namespace kinloom::web
