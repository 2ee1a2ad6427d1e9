#include "files/album_file.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "files/side_file_lines.h"
#include "store/charsets.h"
#include "store/decimal.h"

namespace kinloom::files {
namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kUtf8Marker = "CHAR UTF-8";
constexpr std::string_view kNoteEnd = "\xA9\xAE";
constexpr std::string_view kNoteEndUtf8 = "\xC2\xA9\xC2\xAE";
constexpr size_t kValueStart = 5;  // a tag line: four letters, a blank, the value
constexpr size_t kMaxTagLine = 2399;
constexpr size_t kNoteCap = 2424;
constexpr size_t kMaxSettingLine = 499;
constexpr long long kMaxNumber = 999999999;

// A decimal number after optional blanks and a sign; digits beyond the range saturate.
int ReadNumber(std::string_view text) {
  return static_cast<int>(store::ReadSignedDecimal(text, kMaxNumber));
}

// Kind and source are 16-bit fields.
int Clamp16(int value) {
  return std::clamp(value, -32768, 32767);
}

// Removes trailing CR and LF (and blanks), keeping the first character.
void TrimLineEnd(std::string& line, bool blanks) {
  while (line.size() > 1 &&
         (line.back() == '\r' || line.back() == '\n' || (blanks && line.back() == ' '))) {
    line.pop_back();
  }
}

bool StartsWithUtf8Marker(std::string_view line) {
  if (line.size() < kUtf8Marker.size()) return false;
  for (size_t i = 0; i < kUtf8Marker.size(); ++i) {
    const char c = line[i] >= 'a' && line[i] <= 'z' ? static_cast<char>(line[i] - 32) : line[i];
    if (c != kUtf8Marker[i]) return false;
  }
  return true;
}

// A note line of blanks before the terminator's bytes: the writer adds a blank to it so that
// a line the user typed never ends the note early.
bool LooksLikeNoteEnd(std::string_view line) {
  const size_t text = line.find_first_not_of(' ');
  return text != std::string_view::npos && line.substr(text).starts_with(kNoteEnd);
}

// Consumes the first line when it is the UTF-8 marker.
bool ReadUtf8Marker(SideFileLines& reader) {
  std::string_view first;
  if (!reader.Next(&first)) return false;
  if (StartsWithUtf8Marker(first)) return true;
  reader.PushBack();
  return false;
}

// The album names and item blocks, up to "END".
class AlbumSectionReader {
 public:
  AlbumSectionReader(SideFileLines& reader, bool utf8) : reader_(reader), utf8_(utf8) {}

  std::vector<Album> Read() {
    std::string_view raw;
    while (reader_.Next(&raw)) {
      std::string line(raw.substr(0, kMaxTagLine));
      TrimLineEnd(line, true);
      if (line.size() <= 2) continue;
      if (line[0] == 'E') break;
      if (utf8_) store::DecodeUtf8(line, kValueStart);
      TagLine(line);
    }
    return std::move(albums_);
  }

 private:
  void TagLine(const std::string& line) {
    std::string value = line.size() > kValueStart ? line.substr(kValueStart) : std::string();
    MediaItem* current = Item();
    switch (line[0]) {
      case 'A':
        StartItem(ReadNumber(value));
        return;
      case 'H':
        if (line[1] != 'I') {
          NameAlbum(std::move(value));
        } else if (current != nullptr) {
          current->hide = value == "1";
        }
        return;
      case 'N':
        ReadNote(std::move(value));
        return;
      default:
        break;
    }
    if (current == nullptr) return;
    switch (line[0]) {
      case 'K':
        current->kind = Clamp16(ReadNumber(value));
        break;
      case 'S':
        current->source = Clamp16(ReadNumber(value));
        break;
      case 'I':
        current->individuals = std::move(value);
        break;
      case 'F':
        current->file = std::move(value);
        break;
      case 'T':
        current->title = std::move(value);
        break;
      default:
        break;
    }
  }

  MediaItem* Item() {
    if (item_album_ < 0) return nullptr;
    return &albums_[static_cast<size_t>(item_album_)].items.back();
  }

  void EnsureAlbum(int index) {
    while (static_cast<int>(albums_.size()) <= index) {
      albums_.push_back(Album{DefaultAlbumName(static_cast<int>(albums_.size())), {}, 0});
    }
  }

  void NameAlbum(std::string name) {
    if (named_ >= kMaxAlbums) return;
    EnsureAlbum(named_);
    albums_[static_cast<size_t>(named_++)].name = std::move(name);
  }

  // Each block adds an item at the end of its album, so blocks of one album that are not
  // adjacent still keep all their items, in file order. A block of an album outside the table
  // is skipped whole.
  void StartItem(int album) {
    item_album_ = album >= 0 && album < kMaxAlbums ? album : -1;
    if (item_album_ < 0) return;
    EnsureAlbum(album);
    albums_[static_cast<size_t>(album)].items.emplace_back();
  }

  // Only the terminator line ends a note; a note that would grow past the cap keeps the lines
  // before the one that does not fit. A line is kept whole, however long: the editor allows a
  // single line of a whole note.
  void ReadNote(std::string note) {
    bool keeping = true;
    std::string_view raw;
    while (reader_.Next(&raw)) {
      if (raw.starts_with(kNoteEnd) || (utf8_ && raw.starts_with(kNoteEndUtf8))) break;
      std::string line(raw.substr(0, kNoteCap));
      while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
      if (utf8_) store::DecodeUtf8(line, 0);
      if (LooksLikeNoteEnd(line) && line.front() == ' ') line.erase(0, 1);
      keeping = keeping && note.size() + kEol.size() + line.size() < kNoteCap;
      if (keeping) note.append(kEol).append(line);
    }
    if (MediaItem* current = Item()) current->note = std::move(note);
  }

  SideFileLines& reader_;
  bool utf8_;
  std::vector<Album> albums_;
  int named_ = 0;
  int item_album_ = -1;  // the album of the item being read; -1 for none
};

// The numbered lines after "END".
struct SettingsRead {
  TreeSettings settings;
  std::optional<int> current_individual;
  std::optional<int> home_person;
};

void StoreSetting(int key, std::string value, SettingsRead& read) {
  TreeSettings& settings = read.settings;
  if (key >= 100 && key < 100 + TreeSettings::kQuickSources) {
    settings.quick_sources[static_cast<size_t>(key - 100)] = ReadNumber(value);
  } else if (key == 200) {
    read.current_individual = ReadNumber(value);
  } else if (key == 201) {
    read.home_person = ReadNumber(value);
  } else if (key >= 300 && key < 300 + TreeSettings::kTodoValues) {
    settings.todo[static_cast<size_t>(key - 300)] = std::move(value);
  } else if (key >= 500 && key < 500 + TreeSettings::kPasteEntries) {
    value.resize(std::min(value.size(), TreeSettings::kMaxPasteEntry));
    settings.paste[static_cast<size_t>(key - 500)] = std::move(value);
  }
}

void ReadSettings(SideFileLines& reader, bool utf8, SettingsRead& read) {
  read.settings.paste.fill(std::string());
  bool seen_300 = false;
  std::string_view raw;
  while (reader.Next(&raw)) {
    std::string line(raw.substr(0, kMaxSettingLine));
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    const size_t digits = std::min<size_t>(store::ReadDigits(line, 0, kMaxNumber).end, 10);
    if (digits == 0 || digits == 10) continue;
    int key = ReadNumber(std::string_view(line).substr(0, digits));
    seen_300 = seen_300 || key == 300;
    // Files without the to-do keys kept the paste list 300 keys higher.
    if (!seen_300 && key > 599) key -= 300;
    const size_t start = digits < line.size() && line[digits] == ' ' ? digits + 1 : digits;
    std::string value = line.substr(start);
    if (utf8) store::DecodeUtf8(value, 0);
    StoreSetting(key, std::move(value), read);
  }
}

bool Exists(const store::RecordStore& store, int n) {
  if (n < 1 || n > store.highest_individual()) return false;
  const store::IndividualRecord* person = store.individual(n);
  return person != nullptr && person->lines != nullptr;
}

// The individual itself when it exists, else the nearest existing one below, else above.
int NearestExisting(const store::RecordStore& store, int n) {
  if (Exists(store, n)) return n;
  for (int k = std::min(n - 1, store.highest_individual()); k >= 1; --k) {
    if (Exists(store, k)) return k;
  }
  for (int k = std::max(n + 1, 1); k <= store.highest_individual(); ++k) {
    if (Exists(store, k)) return k;
  }
  return 0;
}

void SettlePeople(store::RecordStore& store, const SettingsRead& read) {
  const int current =
      NearestExisting(store, read.current_individual.value_or(store.current_individual()));
  store.set_current_individual(current);
  const int home = read.home_person.value_or(store.home_person());
  store.set_home_person(Exists(store, home) ? home : current);
}

// Single-line values must not break the file's layout.
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

// A note's lines joined by CR LF, however the editor ended them; carriage returns are
// dropped. A line after the first that would read as the terminator gets one more leading
// blank, which the reader takes off again.
std::string NoteText(std::string_view note) {
  std::string text;
  text.reserve(note.size() + 16);
  size_t start = 0;
  while (true) {
    const size_t end = std::min(note.find('\n', start), note.size());
    std::string line;
    for (char c : note.substr(start, end - start)) {
      if (c != '\r') line.push_back(c);
    }
    if (start > 0 && LooksLikeNoteEnd(line)) text.push_back(' ');
    text.append(line);
    if (end == note.size()) return text;
    text.append(kEol);
    start = end + 1;
  }
}

// The reader drops blanks at the end of a tag line, so they are not written.
void AppendTag(std::string& out, std::string_view tag, std::string_view value) {
  const size_t line_end = std::min(value.find(kEol), value.size());
  const size_t last = value.substr(0, line_end).find_last_not_of(' ');
  const size_t kept = last == std::string_view::npos ? 0 : last + 1;
  out.append(tag).append(" ").append(value.substr(0, kept));
  out.append(value.substr(line_end)).append(kEol);
}

void AppendItem(std::string& out, int album, const MediaItem& item,
                const std::string& individuals) {
  AppendTag(out, "ALBM", std::to_string(album));
  AppendTag(out, "KIND", std::to_string(item.kind));
  AppendTag(out, "HIDE", item.hide ? "1" : "0");
  AppendTag(out, "SOUR", std::to_string(item.source));
  AppendTag(out, "INDI", OneLine(individuals));
  AppendTag(out, "FILE", OneLine(item.file));
  AppendTag(out, "TITL", OneLine(item.title));
  AppendTag(out, "NOTE", NoteText(item.note));
  out.append(kNoteEnd).append(kEol).append(kEol);
}

void AppendSettings(std::string& out, const store::RecordStore& store,
                    const TreeSettings& settings) {
  auto put = [&out](int key, std::string_view value) {
    out.append(kEol).append(std::to_string(key)).append(" ").append(value);
  };
  for (int k = 0; k < TreeSettings::kQuickSources; ++k) {
    put(100 + k, std::to_string(settings.quick_sources[static_cast<size_t>(k)]));
  }
  put(200, std::to_string(store.current_individual()));
  put(201, std::to_string(store.home_person()));
  for (int k = 0; k < TreeSettings::kTodoValues; ++k) {
    put(300 + k, OneLine(settings.todo[static_cast<size_t>(k)]));
  }
  for (int k = 0; k < TreeSettings::kPasteEntries; ++k) {
    put(500 + k, OneLine(settings.paste[static_cast<size_t>(k)]));
  }
}

Status NamingFile(const Status& status, const std::string& path) {
  if (status.message().find(path) != std::string::npos) return status;
  return Status::IoError(path + ": " + status.message());
}

}  // namespace

void ReadAlbumText(std::string_view bytes, store::RecordStore& store, MediaAlbums* albums,
                   TreeSettings* settings) {
  SideFileLines reader(bytes);
  const bool utf8 = reader.transcoded_utf16() || ReadUtf8Marker(reader);
  std::vector<Album> read_albums = AlbumSectionReader(reader, utf8).Read();
  SettingsRead read{*settings, std::nullopt, std::nullopt};
  ReadSettings(reader, utf8, read);
  albums->Load(std::move(read_albums), store);
  *settings = std::move(read.settings);
  SettlePeople(store, read);
}

Status ReadAlbumFile(platform::FileSystem& file_system, const std::string& path,
                     store::RecordStore& store, MediaAlbums* albums, TreeSettings* settings) {
  albums->Reset();
  std::string bytes;
  if (Status read = file_system.ReadFile(path, &bytes); !read.ok()) return read;
  std::error_code ignored;
  std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now(), ignored);
  ReadAlbumText(bytes, store, albums, settings);
  return Status::Ok();
}

std::string AlbumFileText(const store::RecordStore& store, const MediaAlbums& albums,
                          const TreeSettings& settings, store::WriteMode mode) {
  std::string out;
  for (int a = 0; a < albums.album_count(); ++a)
    AppendTag(out, "HEAD", OneLine(albums.album(a).name));
  out.append(kEol);
  for (int a = 0; a < albums.album_count(); ++a) {
    for (const MediaItem& item : albums.album(a).items) {
      if (auto individuals = IndividualsForCopy(item, store, mode)) {
        AppendItem(out, a, item, *individuals);
      }
    }
  }
  out.append("END");
  AppendSettings(out, store, settings);
  return out;
}

Status WriteAlbumFile(platform::FileSystem& file_system, const std::string& path,
                      const store::RecordStore& store, MediaAlbums& albums,
                      const TreeSettings& settings, store::WriteMode mode) {
  const std::string text = AlbumFileText(store, albums, settings, mode);
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (status.ok()) status = file->Append(text);
  if (status.ok()) status = file->Commit();
  if (!status.ok()) return NamingFile(status, path);
  // A reduced copy does not save the tree's own albums.
  if (mode == store::WriteMode::kNormal) albums.set_changed(false);
  return Status::Ok();
}

std::vector<int> SourcesCitedByItems(const MediaAlbums& albums, const store::RecordStore& store,
                                     store::WriteMode mode) {
  std::vector<int> cited;
  for (int a = 0; a < albums.album_count(); ++a) {
    for (const MediaItem& item : albums.album(a).items) {
      const int n = item.source;
      if (n < 1 || n > store.highest_source() || store.source(n) == nullptr) continue;
      if (IndividualsForCopy(item, store, mode)) cited.push_back(n);
    }
  }
  std::sort(cited.begin(), cited.end());
  cited.erase(std::unique(cited.begin(), cited.end()), cited.end());
  return cited;
}

}  // namespace kinloom::files
