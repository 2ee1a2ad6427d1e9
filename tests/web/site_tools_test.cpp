// The pages as the tools of the web see them: tidy finds no errors in a page of each kind,
// a browser builds the pages without running anything hostile, and the scripts serve the
// script-driven site, refusing every request the data files do not hold.
#include <gtest/gtest.h>

#include "web_test_support.h"

namespace kinloom::web {
namespace {

using kinloom::testing::WriteFileBytes;
using testing::HaveTool;
using testing::RunTool;
using testing::SiteFixture;

bool Has(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

// The family with a picture, two slides, a message and a contact address.
void FullSite(SiteFixture& f) {
  f.LoadFamily();
  WriteFileBytes(f.folders.media_folder + "/farm.jpg", "JPEG");
  files::ItemRef ref = f.albums.AddItem(0, "farm.jpg");
  f.albums.LinkIndividual(ref, testing::kJohn);
  WriteFileBytes(f.folders.web_root + "/sys/kln_home1.jpg", "JPEG");
  WriteFileBytes(f.folders.web_root + "/sys/kln_home2.jpg", "JPEG");
  f.settings.message_title = "Welcome";
  f.settings.message = {"Our family since 1850."};
  f.settings.email = "me@example.org";
}

TEST(SiteTools, TidyFindsNoErrorsInAPageOfEachKind) {
  if (!HaveTool("tidy")) GTEST_SKIP() << "tidy is not installed";
  SiteFixture f;
  FullSite(f);
  const WebPagesResult made = f.Make(files::WebSiteType::kHtml);
  ASSERT_TRUE(made.completed);
  for (const char* page :
       {"index.html", "kln_contact.html", "ind/kln_ind000005.html", "anc/kln_anc000005.html",
        "des/kln_des000001.html", "idx/kln_idx0001.html", "pic/kln_pic0001.html"}) {
    std::string output;
    const int status = RunTool("tidy -errors -q " + made.folder + "/" + page, &output);
    EXPECT_LT(status, 2) << page << "\n" << output;  // 1 warnings, 2 errors
    EXPECT_EQ(output, "") << page;
  }
}

TEST(SiteTools, BrowserBuildsThePagesAndRunsNothingHostile) {
  if (!HaveTool("chromium")) GTEST_SKIP() << "chromium is not installed";
  SiteFixture f;
  FullSite(f);
  const WebPagesResult made = f.Make(files::WebSiteType::kHtml);
  ASSERT_TRUE(made.completed);
  const struct {
    const char* page;
    std::string_view shows;
  } pages[] = {{"index.html", "Our family since 1850."},
               {"ind/kln_ind000005.html", "&lt;script&gt;alert(1)&lt;"},
               {"idx/kln_idx0001.html", "Jones, Mary"}};
  for (const auto& p : pages) {
    std::string dom;
    const int status = RunTool(
        "timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-background-networking "
        "--dump-dom file://" +
            made.folder + "/" + p.page,
        &dom);
    ASSERT_EQ(status, 0) << dom;
    EXPECT_TRUE(Has(dom, p.shows)) << p.page;
    EXPECT_TRUE(Has(dom, "class=\"activepg\"")) << p.page;
    EXPECT_FALSE(Has(dom, "onerror=\"alert")) << p.page;
    EXPECT_FALSE(Has(dom, "<script>alert")) << p.page;
  }
}

TEST(SiteTools, ScriptsServeTheDataFilesAndRefuseEverythingElse) {
  if (!HaveTool("php")) GTEST_SKIP() << "php is not installed";
  SiteFixture f;
  FullSite(f);
  const WebPagesResult made = f.Make(files::WebSiteType::kPhp);
  ASSERT_TRUE(made.completed) << made.status.message();
  testing::PhpServer server(made.folder);
  ASSERT_TRUE(server.running());
  const struct {
    std::string path;
    int status;
    std::string_view shows;
  } requests[] = {
      {"/kln_indpage.php?idno=000001", 200, "<h2 class=\"personname\">John Smith</h2>"},
      {"/kln_indpage.php?idno=000005", 200, "&lt;script&gt;alert(1)&lt;"},
      {"/kln_chart.php?kind=anc&idno=000001", 200, "Ancestors of John Smith"},
      {"/kln_chart.php?kind=des&idno=000001", 200, "Mary Jones"},
      {"/kln_fampage.php?idno=000001", 200, "Private"},
      {"/kln_index.php", 200, "Smith, John"},
      {"/kln_pictures.php", 200, "tmb/kln_m0001.jpg"},
      {"/kln_sources.php?idno=000001", 200, "Parish &lt;Register&gt;"},
      {"/kln_indpage.php?idno=1", 404, "Not Found"},
      {"/kln_indpage.php?idno=0000011", 404, "Not Found"},
      {"/kln_indpage.php?idno=000004", 404, "Not Found"},  // hidden
      {"/kln_indpage.php?idno=000003", 404, "Not Found"},  // living
      {"/kln_indpage.php?idno=999999", 404, "Not Found"},
      {"/kln_indpage.php?idno=../../../../etc/passwd", 404, "Not Found"},
      {"/kln_indpage.php?idno[]=000001", 404, "Not Found"},
      {"/kln_chart.php?kind=../inddata&idno=000001", 404, "Not Found"},
      {"/kln_index.php?page=2", 404, "Not Found"},
      {"/kln_sources.php?idno=000002", 404, "Not Found"},  // cited by nobody
  };
  for (const auto& r : requests) {
    std::string body;
    EXPECT_EQ(server.Get(r.path, &body), r.status) << r.path;
    EXPECT_TRUE(Has(body, r.shows)) << r.path << "\n" << body;
    EXPECT_FALSE(Has(body, "root:")) << r.path;
    EXPECT_FALSE(Has(body, "<script>alert")) << r.path;
    EXPECT_FALSE(Has(body, "Secret")) << r.path;
  }
  if (HaveTool("tidy")) {
    std::string body, output;
    ASSERT_EQ(server.Get("/kln_indpage.php?idno=000005", &body), 200);
    WriteFileBytes(f.dir.File("page.html"), body);
    EXPECT_LT(RunTool("tidy -errors -q " + f.dir.File("page.html"), &output), 2) << output;
  }
}

}  // namespace
}  // namespace kinloom::web
