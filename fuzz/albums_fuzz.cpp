// Reads any bytes as a tree's album file (.med) into a small tree of five people and two
// sources. What was read is written and read again: the second writing must give the same file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "files/album_file.h"
#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"

namespace {

constexpr char kTree[] =
    "0 HEAD\r\n1 SOUR Kinloom\r\n1 CHAR ANSI\r\n"
    "0 @I000001@ INDI\r\n1 NAME Ann /Ash/\r\n0 @I000002@ INDI\r\n1 NAME Bob /Ash/\r\n"
    "0 @I000003@ INDI\r\n1 NAME Cy /Ash/\r\n0 @I000005@ INDI\r\n1 NAME Di /Ash/\r\n"
    "0 @I000007@ INDI\r\n1 NAME Ed /Ash/\r\n0 @S000001@ SOUR\r\n1 TITL Census\r\n"
    "0 @S000002@ SOUR\r\n1 TITL Register\r\n0 TRLR\r\n";

struct SmallTree {
  kinloom::platform::FixedClock clock{{2026, 12, 6, 9, 0, 0}};
  kinloom::platform::HeadlessInteraction ui{&clock};
  kinloom::store::RecordStore store{ui};

  SmallTree() {
    const std::string path = "/tmp/kinloom-fuzz-albums-" + std::to_string(::getpid()) + ".ged";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    std::fputs(kTree, file);
    std::fclose(file);
    kinloom::reports::LinkCheckSession links;
    const auto opened = kinloom::reports::ReadTreeChecked(store, path, false, links);
    std::remove(path.c_str());
    if (opened.read.outcome != kinloom::store::ReadOutcome::kRead) std::abort();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kinloom::files;
  static SmallTree tree;
  const auto normal = kinloom::store::WriteMode::kNormal;
  MediaAlbums albums;
  TreeSettings settings;
  ReadAlbumText(std::string_view(reinterpret_cast<const char*>(data), size), tree.store, &albums,
                &settings);
  const std::string written = AlbumFileText(tree.store, albums, settings, normal);
  MediaAlbums again;
  TreeSettings settings_again;
  ReadAlbumText(written, tree.store, &again, &settings_again);
  if (AlbumFileText(tree.store, again, settings_again, normal) != written) std::abort();
  SourcesCitedByItems(again, tree.store, kinloom::store::WriteMode::kSplit);
  return 0;
}
