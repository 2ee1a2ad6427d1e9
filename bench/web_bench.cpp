// Times the web-site generator on a whole tree: the static HTML site and the data files of the
// script-driven site, each into a fresh folder, with the peak memory of the process. Everyone is
// published (living people too), the heaviest case.
//
//   kinloom-bench-web TREE.ged OUT_DIR
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "files/media_albums.h"
#include "files/web_settings.h"
#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"
#include "web/make_web_pages.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double Time(Work work) {
  auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kinloom-bench-web TREE.ged OUT_DIR\n");
    return 1;
  }
  using namespace kinloom;
  platform::HeadlessInteraction ui;
  store::RecordStore tree(ui);
  reports::LinkCheckSession links;
  double read = Time([&] {
    if (reports::ReadTreeChecked(tree, argv[1], false, links).read.outcome !=
        store::ReadOutcome::kRead) {
      std::fprintf(stderr, "cannot read %s\n", argv[1]);
      std::exit(2);
    }
  });
  std::printf("read %s: %.2f s, peak %ld MB\n", argv[1], read, PeakMegabytes());
  files::WebSiteSettings settings;
  settings.hide_living = false;
  files::MediaAlbums albums;
  web::WebSiteFolders folders;
  folders.web_root = argv[2];
  folders.out_folder = argv[2];
  folders.script_folder = std::string(KINLOOM_SOURCE_SYSTEM) + "/web/php";
  for (files::WebSiteType type : {files::WebSiteType::kHtml, files::WebSiteType::kPhp}) {
    web::WebPagesOptions options;
    options.site_type = type;
    web::WebPagesResult result;
    double seconds =
        Time([&] { result = web::MakeWebPages(tree, settings, albums, folders, options, ui); });
    std::printf("%s site: %d people, %.2f s, %s, peak %ld MB\n",
                type == files::WebSiteType::kHtml ? "HTML" : "PHP", result.people, seconds,
                result.completed ? "complete" : result.status.message().c_str(), PeakMegabytes());
  }
  return 0;
}
