// The wall chart on the command line, drawn on the offscreen platform: no display is needed.
#include "cli/wallchart_command.h"

#include <QGuiApplication>
#include <charconv>
#include <memory>

#include "charts/report_printing.h"
#include "charts/wall_chart_maker.h"
#include "cli/commands.h"
#include "cli/home_tree.h"
#include "files/data_folders.h"
#include "files/media_profile.h"
#include "files/tree_files.h"
#include "files/tree_workspace.h"
#include "platform/file_io.h"
#include "reports/tree_opening.h"
#include "store/charsets.h"

namespace kinloom::cli {
namespace {

struct WallChartArguments {
  std::string tree;
  std::string id;
  std::string pdf;
  bool title_given = false;
  reports::WallChartOptions options;
};

bool ParseGenerations(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() &&
         *value >= reports::kWallChartGenerationsMin && *value <= reports::kWallChartGenerationsMax;
}

// A flag without a value; false when `flag` is none of them.
bool TakeFlag(const std::string& flag, reports::WallChartOptions& o) {
  if (flag == "--ancestors") {
    o.ancestors = true;
  } else if (flag == "--no-places") {
    o.show_places = false;
  } else if (flag == "--ids") {
    o.show_id_numbers = true;
  } else if (flag == "--bold-members") {
    o.bold_members = true;
  } else if (flag == "--bold-spouses") {
    o.bold_spouses = true;
  } else if (flag == "--roman") {
    reports::ChooseBodyFont(o, true);
  } else if (flag == "--pictures") {
    o.show_pictures = true;
  } else {
    return false;
  }
  return true;
}

// Reads the arguments after "wallchart"; false (with the usage message) when they do not fit.
bool ParseWallChart(Context& c, const std::vector<std::string>& args, WallChartArguments* a) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (TakeFlag(arg, a->options)) continue;
    if (arg == "--generations") {
      if (!has_value || !ParseGenerations(args[i + 1], &a->options.generations)) {
        return UsageError(c, "--generations takes a number from 2 to 12"), false;
      }
      ++i;
    } else if (arg == "--title" && has_value) {
      a->options.title = store::Utf8TextToInternal(args[++i]);
      a->title_given = true;
    } else if (arg == "--pdf" && has_value && !args[i + 1].empty()) {
      a->pdf = args[++i];
    } else if (!arg.starts_with("--") && a->tree.empty()) {
      a->tree = arg;
    } else if (!arg.starts_with("--") && a->id.empty()) {
      a->id = arg;
    } else {
      return UsageError(c, "unknown wallchart option '" + arg + "'"), false;
    }
  }
  if (a->id.empty()) return UsageError(c, "wallchart takes a tree and a person's number"), false;
  return true;
}

int Root(Context& c, const std::string& text) {
  int id = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size() || id < 1 ||
      c.tree.individual(id) == nullptr) {
    c.err << "kinloom-cli: no individual " << text << "\n";
    return 0;
  }
  return id;
}

}  // namespace

int WallChart(Context& c, const std::vector<std::string>& args) {
  WallChartArguments a;
  if (!ParseWallChart(c, args, &a)) return kExitUsage;
  HomeTree home(c);
  if (int status = home.Open(a.tree); status != kExitOk) return status;
  const files::DataFolders& folders = home.folders();
  charts::WallChartRequest request;
  request.root = Root(c, a.id);
  if (request.root == 0) return kExitBadInput;
  request.options = a.options;
  if (!a.title_given) {
    request.options.title =
        reports::DefaultWallChartTitle(c.tree, request.root, request.options.ancestors);
  }
  if (request.options.show_pictures) files::FillChartPictures(c.tree, folders.media);
  // Fonts and painting need an application; it goes with the chart.
  const std::unique_ptr<QGuiApplication> application = charts::MakeOffscreenApplication();
  const charts::WallChartSaving saving{folders.my_files, home.work().file_system(), a.pdf};
  const charts::WallChartResult made = charts::CreateWallChart(c.tree, request, saving);
  switch (made.outcome) {
    case charts::WallChartOutcome::kSaved:
      break;
    case charts::WallChartOutcome::kNotSaved:
      return kExitCannotWrite;
    default:
      return kExitBadInput;
  }
  c.out << "file: " << made.path << "\n"
        << "size: " << made.width << "x" << made.height << "\n";
  return kExitOk;
}

}  // namespace kinloom::cli
