#include "files/media_albums.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "store/gedcom_writer.h"
#include "store/line_search.h"

namespace kinloom::files {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr std::string_view kUnnamedAlbum =
    "Unnamed\xA0"
    "Album";
constexpr std::array<std::string_view, 2> kListNames = {"left", "right"};

std::string Entry(int individual) {
  return "|" + std::to_string(individual) + "|";
}

bool IsDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsValidFileName(std::string_view name) {
  if (name.empty() || name.size() > kMaxItemFile || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return c == '/' || static_cast<unsigned char>(c) < 0x20; });
}

}  // namespace

TreeSettings::TreeSettings() {
  // The to-do list's check boxes and stored individual numbers start as "0"; its date, name
  // and place fields start empty.
  for (int key : {300, 301, 302, 303, 304, 305, 306, 309, 315, 318}) {
    todo[static_cast<size_t>(key - 300)] = "0";
  }
}

std::string DefaultAlbumName(int index) {
  return "Album " + std::to_string(index + 1) + " Name";
}

MediaAlbums::MediaAlbums() {
  Reset();
}

void MediaAlbums::Reset() {
  albums_.clear();
  albums_.push_back(Album{DefaultAlbumName(0), {}, 0});
  albums_.push_back(Album{DefaultAlbumName(1), {}, 0});
  shown_ = {0, 1};
  current_ = ItemRef{};
  media_counts_.clear();
  total_items_ = 0;
  changed_ = false;
}

void MediaAlbums::Load(std::vector<Album> albums, const store::RecordStore& store) {
  albums_ = std::move(albums);
  if (albums_.size() > static_cast<size_t>(kMaxAlbums)) albums_.resize(kMaxAlbums);
  while (albums_.size() < 2) albums_.push_back(Album{DefaultAlbumName(album_count()), {}, 0});
  shown_ = {0, 1};
  const int highest = store.highest_individual();
  media_counts_.assign(static_cast<size_t>(highest) + 1, 0);
  for (const Album& album : albums_) {
    for (const MediaItem& item : album.items) {
      for (int n : LinkedIndividuals(item.individuals)) {
        const store::IndividualRecord* person = n >= 1 ? store.individual(n) : nullptr;
        if (person != nullptr && person->lines != nullptr) ++media_counts_[static_cast<size_t>(n)];
      }
    }
  }
  Recount();
  current_ = albums_[0].items.empty() ? ItemRef{} : ItemRef{0, 0};
  changed_ = false;
}

std::string MediaAlbums::UnusedAlbumsLabel() const {
  return "Unused Albums: " + std::to_string(kMaxAlbums - album_count());
}

std::string MediaAlbums::AlbumHint(int index) const {
  if (index < 0 || index >= album_count()) return {};
  const Album& shown = album(index);
  return " " + shown.name + " - " + std::to_string(shown.item_count) + " Pictures";
}

int MediaAlbums::AddAlbum(int at, platform::Interaction& ui) {
  if (album_count() >= kMaxAlbums) {
    ui.Message("** Add Album **", "All " + std::to_string(kMaxAlbums) + " albums are in use.",
               Icon::kExclamation);
    return -1;
  }
  at = std::clamp(at, 0, album_count());
  const std::string name = "Album Name " + std::to_string(album_count() + 1);
  albums_.insert(albums_.begin() + at, Album{name, {}, 0});
  ShiftAfterInsert(at);
  changed_ = true;
  return at;
}

void MediaAlbums::RenameAlbum(int index, std::string_view name) {
  if (index < 0 || index >= album_count()) return;
  albums_[static_cast<size_t>(index)].name = name.empty() ? kUnnamedAlbum : name;
  changed_ = true;
}

bool MediaAlbums::RemoveAlbum(int index, platform::Interaction& ui) {
  if (index < 0 || index >= album_count()) return false;
  if (album_count() <= 2) {
    ui.Message("** Remove Album **", "Cannot remove last two albums.", Icon::kExclamation);
    return false;
  }
  const Album& doomed = album(index);
  if (!doomed.items.empty()) {
    const std::string question = "The \"" + doomed.name + "\" album contains " +
                                 std::to_string(doomed.items.size()) +
                                 " pictures.\n\nRemove this album and its contents?";
    if (ui.Ask("*** Remove Album ***", question, Icon::kQuestion, Buttons::kYesNo) !=
        Answer::kYes) {
      return false;
    }
    for (const MediaItem& item : doomed.items) CountIndividuals(item.individuals, -1);
  }
  albums_.erase(albums_.begin() + index);
  ShiftAfterRemove(index);
  Recount();
  changed_ = true;
  return true;
}

int MediaAlbums::MoveAlbum(int index, int step) {
  const int other = index + step;
  if (step == 0 || index < 0 || index >= album_count() || other < 0 || other >= album_count()) {
    return index;
  }
  std::swap(albums_[static_cast<size_t>(index)], albums_[static_cast<size_t>(other)]);
  auto follow = [&](int& slot) {
    if (slot == index) {
      slot = other;
    } else if (slot == other) {
      slot = index;
    }
  };
  follow(shown_[0]);
  follow(shown_[1]);
  follow(current_.album);
  changed_ = true;
  return other;
}

bool MediaAlbums::ShowAlbum(int list, int index, platform::Interaction& ui) {
  if (index < 0 || index >= album_count()) return false;
  list = list == 0 ? 0 : 1;
  const int other = 1 - list;
  if (shown_[static_cast<size_t>(other)] == index) {
    ui.Message("Show Album",
               "The \"" + album(index).name + " Album\" is already displayed in the " +
                   std::string(kListNames[static_cast<size_t>(other)]) + " list.",
               Icon::kExclamation);
    return false;
  }
  shown_[static_cast<size_t>(list)] = index;
  return true;
}

void MediaAlbums::ShiftAfterInsert(int at) {
  for (int& shown : shown_) {
    if (shown >= at) ++shown;
  }
  if (current_.album >= at) ++current_.album;
}

// The lists keep showing the albums they showed; a list that showed the removed album moves to
// its successor, or to any album the other list does not show.
void MediaAlbums::ShiftAfterRemove(int removed) {
  if (current_.album == removed) current_ = ItemRef{};
  if (current_.album > removed) --current_.album;
  std::array<bool, 2> lost{false, false};
  for (size_t list = 0; list < 2; ++list) {
    if (shown_[list] > removed) {
      --shown_[list];
    } else if (shown_[list] == removed) {
      shown_[list] = std::min(removed, album_count() - 1);
      lost[list] = true;
    }
  }
  for (size_t list = 0; list < 2; ++list) {
    if (!lost[list] || shown_[list] != shown_[1 - list]) continue;
    shown_[list] = shown_[1 - list] == 0 ? 1 : 0;
  }
}

void MediaAlbums::SelectItem(ItemRef ref) {
  current_ = item(ref) != nullptr ? ref : ItemRef{};
}

const MediaItem* MediaAlbums::item(ItemRef ref) const {
  if (ref.album < 0 || ref.album >= album_count()) return nullptr;
  const auto& items = album(ref.album).items;
  if (ref.index < 0 || ref.index >= static_cast<int>(items.size())) return nullptr;
  return &items[static_cast<size_t>(ref.index)];
}

MediaItem* MediaAlbums::MutableItem(ItemRef ref) {
  return const_cast<MediaItem*>(item(ref));
}

ItemRef MediaAlbums::AddItem(int album_index, std::string_view file) {
  if (album_index < 0 || album_index >= album_count()) return ItemRef{};
  auto& items = albums_[static_cast<size_t>(album_index)].items;
  int position = static_cast<int>(items.size());
  if (current_.album == album_index && item(current_) != nullptr) position = current_.index + 1;
  MediaItem fresh;
  fresh.file = std::string(file);
  items.insert(items.begin() + position, std::move(fresh));
  current_ = ItemRef{album_index, position};
  Recount();
  changed_ = true;
  return current_;
}

ItemRef MediaAlbums::AddDerivedItem(ItemRef ref, std::string_view file,
                                    std::string_view title_suffix) {
  const MediaItem* original = item(ref);
  if (original == nullptr) return ItemRef{};
  MediaItem copy = *original;
  SelectItem(ref);
  const ItemRef added = AddItem(ref.album, file);
  MediaItem& fresh = *MutableItem(added);
  fresh.kind = copy.kind;
  fresh.hide = copy.hide;
  fresh.source = copy.source;
  fresh.note = std::move(copy.note);
  // An untitled item's copy is titled by the suffix alone, without its leading spaces.
  if (copy.title.empty())
    title_suffix.remove_prefix(std::min(title_suffix.size(), title_suffix.find_first_not_of(' ')));
  fresh.title = copy.title.substr(0, kMaxItemTitle - std::min(kMaxItemTitle, title_suffix.size()));
  fresh.title += title_suffix;
  fresh.individuals = std::move(copy.individuals);
  CountIndividuals(fresh.individuals, 1);
  return added;
}

bool MediaAlbums::RemoveItem(ItemRef ref, platform::Interaction& ui) {
  const MediaItem* doomed = item(ref);
  if (doomed == nullptr) return false;
  const std::string& name = doomed->file.empty() ? doomed->title : doomed->file;
  const std::string question = "Do you want to remove the item: " + name +
                               "\n\nThe item is  removed from this family tree.\n"
                               "The file is not deleted.";
  if (ui.Ask("Remove Item", question, Icon::kQuestion, Buttons::kYesNo) != Answer::kYes) {
    return false;
  }
  CountIndividuals(doomed->individuals, -1);
  auto& items = albums_[static_cast<size_t>(ref.album)].items;
  items.erase(items.begin() + ref.index);
  if (current_.album == ref.album && current_.index >= ref.index) {
    const int remaining = static_cast<int>(items.size());
    current_.index =
        std::min(current_.index == ref.index ? ref.index : current_.index - 1, remaining - 1);
    if (current_.index < 0) current_ = ItemRef{};
  }
  Recount();
  changed_ = true;
  return true;
}

void MediaAlbums::EditItem(ItemRef ref, const MediaItem& fields) {
  MediaItem* target = MutableItem(ref);
  if (target == nullptr) return;
  target->kind = fields.kind;
  target->hide = fields.hide;
  target->source = fields.source;
  target->title = fields.title.substr(0, kMaxItemTitle);
  target->note = fields.note.substr(0, kMaxItemNote);
  changed_ = true;
}

bool MediaAlbums::RenameItemFile(ItemRef ref, const std::string& media_folder,
                                 std::string_view new_name, platform::Interaction& ui) {
  MediaItem* target = MutableItem(ref);
  if (target == nullptr || new_name == target->file) return false;
  if (ui.Ask("Rename Picture",
             "If other family trees on this computer\nare using this picture, they will not be\n"
             "able to access it after it is renamed.\n\nDo you want to rename this picture?",
             Icon::kQuestion, Buttons::kYesNo) != Answer::kYes) {
    return false;
  }
  namespace fs = std::filesystem;
  const fs::path from = fs::path(media_folder) / target->file;
  const fs::path to = fs::path(media_folder) / std::string(new_name);
  std::error_code error;
  // Renaming over an existing file would destroy that picture.
  bool renamed = IsValidFileName(new_name) && !target->file.empty() && !fs::exists(to, error);
  if (renamed) {
    fs::rename(from, to, error);
    renamed = !error;
  }
  if (!renamed) {
    ui.Message(" *** Rename Failed ***",
               "Not Able to Rename This Picture\n\nThe new file name is invalid or it contains\n"
               "characters not allowed in a file name.",
               Icon::kExclamation);
    return false;
  }
  target->file = std::string(new_name);
  changed_ = true;
  ui.Message("Rename Picture",
             "This name of the picture or document\nhas been changed successfully.",
             Icon::kInformation);
  return true;
}

bool MediaAlbums::LinkIndividual(ItemRef ref, int individual) {
  MediaItem* target = MutableItem(ref);
  if (target == nullptr || individual < 1 || individual > store::kMaxIndividual) return false;
  std::string& list = target->individuals;
  if (list.find(Entry(individual)) != std::string::npos) return false;
  if (list.empty() || list.back() != '|') list.push_back('|');
  list += std::to_string(individual) + "|";
  CountIndividuals(Entry(individual), 1);
  changed_ = true;
  return true;
}

bool MediaAlbums::UnlinkIndividual(ItemRef ref, int individual) {
  MediaItem* target = MutableItem(ref);
  if (target == nullptr || individual < 1) return false;
  std::string& list = target->individuals;
  const std::string entry = Entry(individual);
  const size_t at = list.find(entry);
  if (at == std::string::npos) return false;
  list.erase(at + 1, entry.size() - 1);
  if (list == "|") list.clear();
  CountIndividuals(entry, -1);
  changed_ = true;
  return true;
}

bool MediaAlbums::SetIndividuals(ItemRef ref, const std::vector<int>& individuals) {
  MediaItem* target = MutableItem(ref);
  if (target == nullptr) return false;
  std::string list = "|";
  for (int n : individuals) {
    if (n < 1 || n > store::kMaxIndividual || list.find(Entry(n)) != std::string::npos) continue;
    list += std::to_string(n) + "|";
  }
  if (list == "|") list.clear();
  if (list == target->individuals) return false;
  CountIndividuals(target->individuals, -1);
  target->individuals = std::move(list);
  CountIndividuals(target->individuals, 1);
  changed_ = true;
  return true;
}

void MediaAlbums::ForgetIndividual(int individual) {
  if (individual < 1) return;
  const std::string entry = Entry(individual);
  for (Album& album : albums_) {
    for (MediaItem& item : album.items) {
      for (size_t at = item.individuals.find(entry); at != std::string::npos;
           at = item.individuals.find(entry, at + 1)) {
        std::fill_n(item.individuals.begin() + static_cast<long>(at) + 1, entry.size() - 2, '0');
        changed_ = true;
      }
    }
  }
  if (static_cast<size_t>(individual) < media_counts_.size()) {
    media_counts_[static_cast<size_t>(individual)] = 0;
  }
}

int MediaAlbums::media_count(int individual) const {
  if (individual < 1 || static_cast<size_t>(individual) >= media_counts_.size()) return 0;
  return media_counts_[static_cast<size_t>(individual)];
}

void MediaAlbums::CountIndividuals(std::string_view list, int delta) {
  for (int n : LinkedIndividuals(list)) {
    if (n < 1 || n > store::kMaxIndividual) continue;
    if (static_cast<size_t>(n) >= media_counts_.size())
      media_counts_.resize(static_cast<size_t>(n) + 1, 0);
    int& count = media_counts_[static_cast<size_t>(n)];
    count = std::max(0, count + delta);
  }
}

void MediaAlbums::Recount() {
  total_items_ = 0;
  for (Album& album : albums_) {
    RecountAlbum(album);
    total_items_ += album.item_count;
  }
}

void MediaAlbums::RecountAlbum(Album& album) {
  int numbered = 0;
  for (MediaItem& item : album.items) item.number = item.file.empty() ? 0 : ++numbered;
  album.item_count = numbered;
}

std::vector<int> LinkedIndividuals(std::string_view list) {
  std::vector<int> numbers;
  size_t start = 0;
  while (start < list.size()) {
    size_t bar = list.find('|', start);
    if (bar == std::string_view::npos) bar = list.size();
    const std::string_view entry = list.substr(start, bar - start);
    if (IsDigits(entry) && entry.size() <= 9) numbers.push_back(std::stoi(std::string(entry)));
    start = bar + 1;
  }
  return numbers;
}

bool IncludedInCopy(const store::RecordStore& store, int individual, store::WriteMode mode) {
  if (individual < 1 || individual > store.highest_individual()) return false;
  const store::IndividualRecord* person = store.individual(individual);
  if (person == nullptr || person->lines == nullptr) return false;
  return store::IsWrittenIn(*person, mode);
}

std::optional<std::string> IndividualsForCopy(const MediaItem& item,
                                              const store::RecordStore& store,
                                              store::WriteMode mode) {
  if (mode == store::WriteMode::kNormal) return item.individuals;
  std::string list = "|";
  for (int n : LinkedIndividuals(item.individuals)) {
    if (IncludedInCopy(store, n, mode)) list += std::to_string(n) + "|";
  }
  if (list.size() == 1) return std::nullopt;
  return list;
}

std::string ProfilePictureFile(const store::LineNode* first_line) {
  for (const store::LineNode* line = first_line; line != nullptr; line = line->next) {
    if (!store::HasTag(line->text(), "1 OBJE")) continue;
    const std::string_view value = store::LineValue(line->text(), "1 OBJE");
    if (!value.empty() && value.front() != '@') return std::string(value);
    for (const store::LineNode* sub = line->next; sub != nullptr && sub->level() > '1';
         sub = sub->next) {
      if (store::HasTag(sub->text(), "2 FILE")) {
        return std::string(store::LineValue(sub->text(), "2 FILE"));
      }
    }
  }
  return {};
}

std::string ChartPicturePath(std::string_view media_folder, std::string_view picture_file) {
  if (picture_file.size() < 3) return {};
  std::string path = picture_file.front() == '/'
                         ? std::string(picture_file)
                         : std::string(media_folder) + "/" + std::string(picture_file);
  path.replace(path.size() - 3, 3, "jpg");
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) ? path : std::string();
}

}  // namespace kinloom::files
