#include "cli/web_command.h"

#include "cli/commands.h"
#include "cli/home_tree.h"
#include "cli/picture_scaler.h"
#include "files/data_folders.h"
#include "files/tree_files.h"
#include "files/tree_workspace.h"
#include "platform/file_io.h"
#include "reports/tree_opening.h"
#include "web/make_web_pages.h"

namespace kinloom::cli {
namespace {

struct WebRequest {
  std::string tree;
  web::WebPagesOptions options;
};

bool ParseWebMode(const std::string& text, store::WriteMode* mode) {
  if (text != "N" && text != "S" && text != "H" && text != "B") return false;
  *mode = static_cast<store::WriteMode>(text[0]);
  return true;
}

// Reads the options of web; false (with the usage message) when they do not make sense.
bool ParseWebRequest(Context& c, const std::vector<std::string>& args, WebRequest* r) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    store::WriteMode mode;
    if (a == "--html" || a == "--php") {
      r->options.site_type = a == "--html" ? files::WebSiteType::kHtml : files::WebSiteType::kPhp;
    } else if (a == "--hide-living") {
      r->options.hide_living = true;
    } else if (a == "--mode" && i + 1 < args.size() && ParseWebMode(args[i + 1], &mode)) {
      r->options.mode = mode;
      ++i;
    } else if (a == "--out" && i + 1 < args.size() && !args[i + 1].empty()) {
      r->options.out_folder = args[++i];
    } else if (r->tree.empty() && !a.starts_with("--")) {
      r->tree = a;
    } else {
      UsageError(c, "unknown web option '" + a + "'");
      return false;
    }
  }
  if (r->tree.empty()) return UsageError(c, "web takes a tree"), false;
  return true;
}

}  // namespace

int Web(Context& c, const std::vector<std::string>& args) {
  WebRequest request;
  if (!ParseWebRequest(c, args, &request)) return kExitUsage;
  HomeTree home(c);
  if (int status = home.Open(request.tree); status != kExitOk) return status;
  request.options.scaler = WebPictureScaler();
  const web::WebPagesResult made = web::MakeWebPages(home.work(), request.options, c.ui);
  if (!made.status.ok()) return kExitCannotWrite;
  if (!made.completed) return kExitBadInput;
  c.out << "folder: " << made.folder << "\n"
        << "people: " << made.people << "\n";
  return kExitOk;
}

}  // namespace kinloom::cli
