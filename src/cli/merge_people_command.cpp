#include "cli/merge_people_command.h"

#include <charconv>
#include <optional>

#include "cli/commands.h"
#include "core/merge_individuals.h"
#include "files/album_file.h"
#include "files/data_folders.h"
#include "files/merge_albums.h"
#include "files/tree_session.h"
#include "platform/file_io.h"
#include "store/gedcom_writer.h"

namespace kinloom::cli {
namespace {

struct MergeRequest {
  std::string tree;
  int first = 0;
  int second = 0;
  std::string out;
  int kept_side = 0;
};

bool ParseNumber(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

// The arguments, or nothing (with the usage message) when they make no sense.
std::optional<MergeRequest> ParseRequest(Context& c, const std::vector<std::string>& args) {
  MergeRequest request;
  std::vector<std::string> positional;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--keep") {
      if (i + 1 >= args.size() || (args[i + 1] != "1" && args[i + 1] != "2")) {
        UsageError(c, "--keep takes 1 or 2");
        return std::nullopt;
      }
      request.kept_side = args[++i] == "2" ? 1 : 0;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 4 || !ParseNumber(positional[1], &request.first) ||
      !ParseNumber(positional[2], &request.second)) {
    UsageError(c, "merge-people takes a tree, two individual numbers and an output file");
    return std::nullopt;
  }
  request.tree = positional[0];
  request.out = positional[3];
  return request;
}

// The album file of a tree named in the data home; empty for a tree given as a file.
std::string AlbumFileOf(Context& c, const std::string& tree) {
  if (files::FileExists(tree) || tree.find('/') != std::string::npos) return {};
  const std::string home = files::DataHome(c.home_option, files::Environment::FromProcess());
  return files::TreeFile(files::DataFoldersAt(home, "").config, files::WithoutGedExtension(tree),
                         ".med");
}

// "OUT.med" beside "OUT.ged".
std::string AlbumFileBeside(const std::string& out) {
  const size_t slash = out.find_last_of('/');
  const size_t dot = out.find_last_of('.');
  const bool has_extension =
      dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (has_extension ? out.substr(0, dot) : out) + ".med";
}

struct Albums {
  bool read = false;
  files::MediaAlbums albums;
  files::TreeSettings settings;
};

}  // namespace

int MergePeople(Context& c, const std::vector<std::string>& args) {
  const std::optional<MergeRequest> request = ParseRequest(c, args);
  if (!request) return kExitUsage;
  if (int status = ReadInput(c, request->tree, nullptr); status != kExitOk) return status;
  const std::string why = core::MergeRefusal(c.tree, request->first, request->second);
  if (!why.empty()) {
    c.err << "kinloom-cli: " << why << "\n";
    return kExitBadInput;
  }
  platform::LocalFileSystem file_system;
  Albums albums;
  if (const std::string path = AlbumFileOf(c, request->tree); !path.empty()) {
    albums.read =
        files::ReadAlbumFile(file_system, path, c.tree, &albums.albums, &albums.settings).ok();
  }

  const core::MergeBoxState state =
      core::BuildMergeBoxState(c.tree, request->first, request->second, request->kept_side);
  const std::vector<std::string> taken = core::RowsFromDiscarded(state);
  const core::MergeResult merged = core::MergeIndividuals(c.tree, state);
  if (!merged.merged) return kExitBadInput;
  const int items = files::CarryOverAlbumItems(albums.albums, merged.discarded, merged.kept);

  if (albums.read) {
    Status written =
        files::WriteAlbumFile(file_system, AlbumFileBeside(request->out), c.tree, albums.albums,
                              albums.settings, store::WriteMode::kNormal);
    if (!written.ok()) {
      c.err << "kinloom-cli: " << written.message() << "\n";
      return kExitCannotWrite;
    }
  }
  const std::vector<int> cited =
      files::SourcesCitedByItems(albums.albums, c.tree, store::WriteMode::kNormal);
  Status written =
      store::WriteTree(c.tree, request->out, store::WriteMode::kNormal, file_system, cited);
  if (!written.ok()) {
    c.err << "kinloom-cli: " << written.message() << "\n";
    return kExitCannotWrite;
  }
  c.out << "kept: " << merged.kept << "\n";
  for (const std::string& row : taken) c.out << "from-discarded: " << row << "\n";
  if (albums.read) c.out << "album-items: " << items << "\n";
  return kExitOk;
}

}  // namespace kinloom::cli
