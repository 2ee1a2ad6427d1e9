#include "cli/stats_command.h"

#include <charconv>
#include <optional>

#include "cli/commands.h"
#include "files/album_file.h"
#include "files/data_folders.h"
#include "files/tree_session.h"
#include "platform/file_io.h"
#include "reports/statistics_pages.h"
#include "store/charsets.h"
#include "store/line_conversion.h"

namespace kinloom::cli {
namespace {

bool ParseNumber(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

struct StatsRequest {
  std::string tree;
  reports::StatsPage page = reports::StatsPage::kOldestMen;
  int start = 0;
  bool ancestors = false;
  bool descendants = false;
  bool siblings = false;
  bool spouses = false;
  int ancestor_generations = reports::kStatsDefaultGenerations;
  int descendant_generations = reports::kStatsDefaultGenerations;
};

// The subtree options; a message (empty when they are sound).
std::string ParseSubtree(const std::vector<std::string>& args, size_t from, StatsRequest* r) {
  int* generations = nullptr;  // of the subtree named last
  for (size_t i = from; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool has_value = i + 1 < args.size();
    int value = 0;
    if (option == "--ancestors" || option == "--descendants") {
      if (!has_value || !ParseNumber(args[i + 1], &value)) return option + " takes a number";
      if (r->start != 0 && r->start != value) return "the subtrees take one start person";
      r->start = value;
      const bool ancestors = option == "--ancestors";
      (ancestors ? r->ancestors : r->descendants) = true;
      generations = ancestors ? &r->ancestor_generations : &r->descendant_generations;
      ++i;
    } else if (option == "--generations") {
      if (generations == nullptr) return "--generations follows --ancestors or --descendants";
      if (!has_value || !ParseNumber(args[i + 1], &value) ||
          value < reports::kStatsMinGenerations || value > reports::kStatsMaxGenerations) {
        return "--generations takes a number from 1 to 500";
      }
      *generations = value;
      ++i;
    } else if (option == "--siblings") {
      r->siblings = true;
    } else if (option == "--spouses") {
      r->spouses = true;
    } else {
      return "unknown stats option '" + option + "'";
    }
  }
  if (r->siblings && !r->ancestors) return "--siblings needs --ancestors";
  if (r->spouses && !r->descendants) return "--spouses needs --descendants";
  return {};
}

}  // namespace

std::string ShownText(std::string_view text) {
  return store::InternalToUtf8(text);
}

TreeAlbums ReadTreeAlbums(Context& c, const std::string& tree) {
  TreeAlbums albums;
  if (files::FileExists(tree) || tree.find('/') != std::string::npos) return albums;
  const std::string home = files::DataHome(c.home_option, files::Environment::FromProcess());
  const std::string path = files::TreeFile(files::DataFoldersAt(home, "").config,
                                           files::WithoutGedExtension(tree), ".med");
  platform::LocalFileSystem file_system;
  albums.read =
      files::ReadAlbumFile(file_system, path, c.tree, &albums.albums, &albums.settings).ok();
  return albums;
}

int Stats(Context& c, const std::vector<std::string>& args) {
  if (args.size() < 3) return UsageError(c, "stats takes a tree and a page");
  StatsRequest request;
  request.tree = args[1];
  const std::optional<reports::StatsPage> page = reports::StatsPageFromName(args[2]);
  if (!page) {
    std::string pages;
    for (int i = 0; i < reports::kStatsPageCount; ++i) {
      pages += std::string(i > 0 ? " " : "") +
               std::string(reports::StatsPageName(static_cast<reports::StatsPage>(i)));
    }
    return UsageError(c, "unknown statistics page '" + args[2] + "' (pages: " + pages + ")");
  }
  request.page = *page;
  if (const std::string why = ParseSubtree(args, 3, &request); !why.empty()) {
    return UsageError(c, why);
  }
  if (int status = ReadInput(c, request.tree, nullptr); status != kExitOk) return status;

  reports::StatsRestraints restraints;
  if (request.ancestors || request.descendants) {
    if (!restraints.SetStart(c.tree, request.start)) {
      c.err << "kinloom-cli: no individual " << request.start << "\n";
      return kExitBadInput;
    }
    restraints.SetAncestors(request.ancestors);
    restraints.SetSiblings(request.siblings);
    restraints.SetAncestorGenerations(request.ancestor_generations);
    restraints.SetDescendants(request.descendants);
    restraints.SetSpouses(request.spouses);
    restraints.SetDescendantGenerations(request.descendant_generations);
  }
  const int albums = ReadTreeAlbums(c, request.tree).albums.album_count();
  const reports::StatsPageResult result =
      reports::UpdateStatistics(c.tree, restraints, request.page, albums);

  c.out << reports::RecordsCheckedText(result.records_checked) << "\n";
  for (const reports::StatsGrid& grid : result.grids) {
    for (const std::vector<std::string>& row : grid.rows) {
      for (size_t i = 0; i < row.size(); ++i) c.out << (i > 0 ? "\t" : "") << ShownText(row[i]);
      c.out << "\n";
    }
  }
  return kExitOk;
}

}  // namespace kinloom::cli
