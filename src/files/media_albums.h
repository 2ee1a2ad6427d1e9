#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"
#include "store/gedcom_writer.h"
#include "store/record_store.h"

namespace kinloom::files {

inline constexpr int kMaxAlbums = 104;
inline constexpr int kAlbumGridRows = 8;  // album i sits in column i / 8, row i % 8
inline constexpr size_t kMaxItemFile = 60;
inline constexpr size_t kMaxItemTitle = 100;
inline constexpr size_t kMaxItemNote = 1200;

enum MediaKind : int { kDocument = 0, kPicture = 1, kHeadstone = 2 };

// One picture, document or headstone image of an album. The file itself lives in the media
// folder; the item only names it.
struct MediaItem {
  int kind = kPicture;
  bool hide = false;        // left out of the web pages
  int source = -1;          // the source record the item cites; 0 or less for none
  std::string individuals;  // the people shown, "|12|45|"; empty for none
  std::string file;
  std::string title;
  std::string note;  // lines joined by CR LF
  int number = 0;    // position among the album's items that name a file, from 1; 0 without
};

struct Album {
  std::string name;
  std::vector<MediaItem> items;
  int item_count = 0;  // items that name a file
};

// The settings of other dialogs that a tree keeps in its album file. The current individual
// and the home person travel in the same file but live in the record store.
struct TreeSettings {
  static constexpr int kQuickSources = 10;   // keys 100-109
  static constexpr int kTodoValues = 19;     // keys 300-318
  static constexpr int kPasteEntries = 500;  // keys 500-999: 50 most recent, 450 least recent
  static constexpr size_t kMaxPasteEntry = 249;

  TreeSettings();

  std::array<int, kQuickSources> quick_sources{};
  // The to-do list's options, dates, names and stored individuals, kept as the texts written.
  std::array<std::string, kTodoValues> todo;
  std::array<std::string, kPasteEntries> paste;
};

// Where an item sits: album index and position in the album. album -1 for none.
struct ItemRef {
  int album = -1;
  int index = -1;
  bool operator==(const ItemRef&) const = default;
};

// "Album 1 Name", "Album 2 Name", ...: the name of an album the file did not name.
std::string DefaultAlbumName(int index);

// The tree's albums (always 2 to 104), their items, the two albums on show, the item being
// edited, and how many items show each individual. Every edit sets the changed flag; reading
// the album file and a normal save clear it.
class MediaAlbums {
 public:
  MediaAlbums();

  // Back to the two empty default albums.
  void Reset();
  // Takes the albums read from a file (at most kMaxAlbums; missing ones up to two are added
  // with their default names), numbers the items, counts the items showing each individual
  // that exists in `store`, shows albums 0 and 1, selects the first item of album 0 and clears
  // the changed flag.
  void Load(std::vector<Album> albums, const store::RecordStore& store);

  int album_count() const { return static_cast<int>(albums_.size()); }
  // REQUIRES: 0 <= index < album_count().
  const Album& album(int index) const { return albums_[static_cast<size_t>(index)]; }
  int total_items() const { return total_items_; }
  std::string UnusedAlbumsLabel() const;   // "Unused Albums: %i"
  std::string AlbumHint(int index) const;  // " %s - %i Pictures"

  // Album operations. `at` and `index` are album indexes (grid column * 8 + row).
  // Inserts "Album Name %i" at `at` (at the end when `at` is past it); -1 when all slots are
  // taken, with a message.
  int AddAlbum(int at, platform::Interaction& ui);
  // An empty name becomes "Unnamed Album" with a no-break space.
  void RenameAlbum(int index, std::string_view name);
  // Refuses to go below two albums; asks before dropping an album's items.
  bool RemoveAlbum(int index, platform::Interaction& ui);
  // Swaps with the neighbour (step -1 earlier, +1 later); returns the album's new index.
  int MoveAlbum(int index, int step);
  // Shows an album in list 0 or 1; refused, with a message, when the other list shows it.
  bool ShowAlbum(int list, int index, platform::Interaction& ui);
  int shown_album(int list) const { return shown_[list == 0 ? 0 : 1]; }

  // Items.
  ItemRef current_item() const { return current_; }
  void SelectItem(ItemRef ref);
  // nullptr when `ref` names no item.
  const MediaItem* item(ItemRef ref) const;
  // A new picture item naming `file`: after the current item when it is in `album`, else at
  // the album's end. It becomes the current item. {-1, -1} for a bad album.
  ItemRef AddItem(int album, std::string_view file);
  // A new item right after `ref` naming `file` (a picture made from the item's file): the
  // item's kind, hide, source, people and note come along, its title gets `title_suffix`
  // (cut to the title's limit). It becomes the current item. {-1, -1} when `ref` names none.
  ItemRef AddDerivedItem(ItemRef ref, std::string_view file, std::string_view title_suffix);
  // Asks, then removes the item from the tree; the file stays in the media folder.
  bool RemoveItem(ItemRef ref, platform::Interaction& ui);
  // Takes kind, hide, source, title and note from `fields` (title and note cut to the
  // editor's limits); the file and the individuals change through their own operations.
  void EditItem(ItemRef ref, const MediaItem& fields);
  // Asks, renames the file in `media_folder` and the item with it; a name that is not a plain
  // file name, or names a file that exists, is refused with a message. The caller writes the
  // album file at once, so the saved albums never name a file that is gone.
  [[nodiscard]] bool RenameItemFile(ItemRef ref, const std::string& media_folder,
                                    std::string_view new_name, platform::Interaction& ui);
  // Adds an individual to, or takes one from, an item's list; false when nothing changed.
  bool LinkIndividual(ItemRef ref, int individual);
  bool UnlinkIndividual(ItemRef ref, int individual);
  // Makes an item's people exactly `individuals` (in that order, repeats and numbers out of
  // range left out), keeping every individual's item count right; false when nothing changed.
  bool SetIndividuals(ItemRef ref, const std::vector<int>& individuals);
  // A deleted individual: the digits of its entries become "0", so no later person of that
  // number inherits its pictures.
  void ForgetIndividual(int individual);
  // The number of items showing an individual.
  int media_count(int individual) const;

  // Renumbers the items that name a file and recounts the albums.
  void Recount();

  bool changed() const { return changed_; }
  void set_changed(bool changed) { changed_ = changed; }

 private:
  MediaItem* MutableItem(ItemRef ref);
  void RecountAlbum(Album& album);
  void CountIndividuals(std::string_view list, int delta);
  void ShiftAfterInsert(int at);
  void ShiftAfterRemove(int removed);

  std::vector<Album> albums_;
  std::array<int, 2> shown_{0, 1};
  ItemRef current_;
  std::vector<int> media_counts_;
  int total_items_ = 0;
  bool changed_ = false;
};

// The individual numbers of a "|12|45|" list, in order; entries that are not numbers are
// skipped.
std::vector<int> LinkedIndividuals(std::string_view list);

// Whether an individual goes into a reduced copy: it exists, and it carries the split mark
// (split, both) and is not hidden entirely (hide, both). The same rule as the tree writer's.
bool IncludedInCopy(const store::RecordStore& store, int individual, store::WriteMode mode);
// The individuals list an item is written with: as it stands in a normal save; in a reduced
// copy rebuilt from the included individuals, and nothing when none is left (the item is then
// not written).
std::optional<std::string> IndividualsForCopy(const MediaItem& item,
                                              const store::RecordStore& store,
                                              store::WriteMode mode);

// The file of a person's profile picture: the value of the first "1 OBJE" line, or the
// "2 FILE" line under it; empty when there is none.
std::string ProfilePictureFile(const store::LineNode* first_line);
// The chart picture of a profile picture: its path in the media folder with the last three
// characters made "jpg"; empty unless that file exists.
std::string ChartPicturePath(std::string_view media_folder, std::string_view picture_file);

}  // namespace kinloom::files
