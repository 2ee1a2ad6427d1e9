#include "files/config_file.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "files/side_file_lines.h"
#include "store/charsets.h"

namespace kinloom::files {
namespace {

constexpr int kFirstColourKey = 100;
constexpr int kFirstConvertedKey = 140;  // keys from here on hold text; colours never change
constexpr int kMessageKey = 341;
constexpr size_t kValueStart = 4;  // after the three-digit key and its blank
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kTerminator = "\xA9\xAE";
constexpr std::string_view kUtf8Marker = "CHAR UTF-8";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One setting seen through a reference, const for writing and showing, mutable for reading,
// so a single key table serves all three.
template <typename T>
struct Text {
  T& value;
  size_t limit;
};
template <typename T>
Text(T&, size_t) -> Text<T>;

template <typename B>
struct Flag {
  B& value;
};
template <typename B>
Flag(B&) -> Flag<B>;

// One of the radio keys that together hold a choice: "1" when the choice is `meaning`.
template <typename E>
struct Choice {
  E& value;
  std::remove_const_t<E> meaning;
  std::string_view label;
};
template <typename E>
Choice(E&, std::remove_const_t<E>, std::string_view) -> Choice<E>;

template <typename C>
struct Colour {
  C& value;
};
template <typename C>
Colour(C&) -> Colour<C>;

// A setting's display name ("page-title-1", "colour-12", "link-3-address"), put together only
// when it is shown, so reading and writing make no names.
struct SettingName {
  SettingName(const char* name) : head(name) {}  // implicit: most names are literals
  SettingName(std::string_view h, int i, std::string_view t = "") : head(h), index(i), tail(t) {}
  std::string Text() const {
    if (index < 0) return std::string(head);
    return std::string(head) + std::to_string(index) + std::string(tail);
  }
  std::string_view head;
  int index = -1;
  std::string_view tail;
};

// Every setting but the home-page message, in ascending key order, with its display name.
template <typename S, typename Visit>
void ForEachSetting(S& s, Visit&& visit) {
  for (int i = 0; i < kWebColourCount; ++i) {
    visit(kFirstColourKey + i, SettingName("colour-", i), Colour{s.colours[i]});
  }
  visit(149, "page-title-1", Text{s.title1, kTitle1Length});
  visit(150, "title-1-font", Text{s.title1_font.name, kFontNameLength});
  visit(151, "title-1-bold", Flag{s.title1_font.bold});
  visit(152, "title-1-italic", Flag{s.title1_font.italic});
  visit(153, "page-title-2", Text{s.title2, kTitle2Length});
  visit(154, "title-2-font", Text{s.title2_font.name, kFontNameLength});
  visit(155, "title-2-bold", Flag{s.title2_font.bold});
  visit(156, "title-2-italic", Flag{s.title2_font.italic});
  visit(157, "title-as-text", Flag{s.title_as_text});
  visit(158, "title-background", Choice{s.title_background, TitleBackground::kNone, "none"});
  visit(159, "title-background", Choice{s.title_background, TitleBackground::kColour, "colour"});
  visit(160, "title-background", Choice{s.title_background, TitleBackground::kPattern, "pattern"});
  visit(161, "tile-title-pattern", Flag{s.tile_title_pattern});
  visit(162, "page-pattern", Flag{s.use_page_pattern});
  visit(163, "split-tree", Flag{s.use_split_tree});
  visit(164, "hide-information-lists", Flag{s.use_hide_info});
  visit(165, "hide-sources", Flag{s.hide_sources});
  visit(167, "site-type", Choice{s.site_type, WebSiteType::kHtml, "html"});
  visit(168, "site-type", Choice{s.site_type, WebSiteType::kPhp, "php"});
  visit(169, "title-pattern-file", Text{s.title_pattern_file, kPictureFileLength});
  visit(170, "title-image-file", Text{s.title_image_file, kPictureFileLength});
  visit(171, "page-pattern-file", Text{s.page_pattern_file, kPictureFileLength});
  visit(172, "hide-living", Flag{s.hide_living});
  visit(173, "browser-icon-file", Text{s.fav_icon_file, kPictureFileLength});
  visit(300, "contact-page", Flag{s.contact_page});
  for (int i = 0; i < kWebLinkCount; ++i) {
    visit(301 + 2 * i, SettingName("link-", i, "-address"),
          Text{s.links[i].address, kLinkAddressLength});
    visit(302 + 2 * i, SettingName("link-", i, "-name"), Text{s.links[i].name, kLinkNameLength});
  }
  visit(317, "contact-email", Text{s.email, kEmailLength});
  visit(319, "copyright-owner", Text{s.copyright_owner, kCopyrightOwnerLength});
  visit(320, "copyright-year", Text{s.copyright_year, kCopyrightYearLength});
  visit(340, "home-page-message-title", Text{s.message_title, kMessageTitleLength});
}

// A one-line value as its field holds it: up to the first line break, at most `limit` bytes.
std::string FieldValue(std::string_view value, size_t limit) {
  value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
  return std::string(value.substr(0, limit));
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

// Collects message lines within the line and total limits; lines past the total are dropped.
class MessageBuilder {
 public:
  void Add(std::string_view line) {
    line = line.substr(0, kMessageLineLength);
    const size_t separator = lines_.empty() ? 0 : 1;
    if (used_ + separator > kMessageLength) return;
    used_ += separator;
    line = line.substr(0, kMessageLength - used_);
    used_ += line.size();
    lines_.emplace_back(line);
  }
  // The message without the blank lines at its end.
  std::vector<std::string> Finish() {
    while (!lines_.empty() && IsBlank(lines_.back())) lines_.pop_back();
    return std::move(lines_);
  }

 private:
  std::vector<std::string> lines_;
  size_t used_ = 0;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "#RRGGBB"; the first character is not looked at, and missing or bad digits end a pair.
uint32_t ParseColour(std::string_view value) {
  uint32_t rgb = 0;
  for (size_t pair = 0; pair < 3; ++pair) {
    uint32_t component = 0;
    for (size_t i = 1 + 2 * pair; i < 3 + 2 * pair && i < value.size(); ++i) {
      const int digit = HexDigit(value[i]);
      if (digit < 0) break;
      component = component * 16 + static_cast<uint32_t>(digit);
    }
    rgb = rgb << 8 | component;
  }
  return rgb;
}

std::string FormatColour(uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", (rgb >> 16) & 0xFFu, (rgb >> 8) & 0xFFu,
                rgb & 0xFFu);
  return text;
}

void Apply(Text<std::string> field, std::string_view value) {
  field.value = FieldValue(value, field.limit);
}
void Apply(Flag<bool> field, std::string_view value) {
  field.value = !value.empty() && value[0] == '1';
}
template <typename E>
void Apply(Choice<E> field, std::string_view value) {
  if (!value.empty() && value[0] == '1') field.value = field.meaning;
}
void Apply(Colour<uint32_t> field, std::string_view value) {
  field.value = ParseColour(value);
}

std::string FileValue(Text<const std::string> field) {
  return FieldValue(field.value, field.limit);
}
std::string FileValue(Flag<const bool> field) {
  return field.value ? "1" : "0";
}
template <typename E>
std::string FileValue(Choice<E> field) {
  return field.value == field.meaning ? "1" : "0";
}
std::string FileValue(Colour<const uint32_t> field) {
  return FormatColour(field.value);
}

std::optional<std::string> Shown(Text<const std::string> field) {
  return field.value;
}
std::optional<std::string> Shown(Flag<const bool> field) {
  return field.value ? "yes" : "no";
}
template <typename E>
std::optional<std::string> Shown(Choice<E> field) {
  if (field.value != field.meaning) return std::nullopt;
  return std::string(field.label);
}
std::optional<std::string> Shown(Colour<const uint32_t> field) {
  return FormatColour(field.value);
}

// The message lines as the file can hold them: a line break inside a line starts a new line,
// and a line that reads exactly like the terminator gets a trailing blank so it stays text.
std::vector<std::string> MessageForWriting(const std::vector<std::string>& message) {
  MessageBuilder builder;
  for (const std::string& entry : message) {
    std::string_view rest = entry;
    for (;;) {
      const size_t end = rest.find('\n');
      std::string line;
      for (char c : rest.substr(0, end)) {
        if (c != '\r' && c != '\0') line.push_back(c);
      }
      if (line == kTerminator) line.push_back(' ');
      builder.Add(line);
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
  }
  return builder.Finish();
}

// -1 when the line does not start with a number.
int LeadingKey(std::string_view line) {
  int key = -1;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), key);
  if (error != std::errc() || end == line.data()) return -1;
  return key;
}

bool IsUtf8Marker(std::string_view line) {
  if (line.size() < kUtf8Marker.size()) return false;
  for (size_t i = 0; i < kUtf8Marker.size(); ++i) {
    char c = line[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kUtf8Marker[i]) return false;
  }
  return true;
}

class ConfigReader {
 public:
  ConfigReader(SideFileLines& lines, WebSiteSettings& settings)
      : lines_(lines), settings_(settings), utf8_(lines.transcoded_utf16()) {}

  void Run() {
    std::string line;
    if (!NextLine(&line)) return;
    if (line.starts_with(kUtf8ByteOrderMark)) {
      line.erase(0, kUtf8ByteOrderMark.size());
      utf8_ = true;
    }
    if (IsUtf8Marker(line)) {
      utf8_ = true;
    } else {
      Handle(std::move(line));
    }
    while (NextLine(&line)) Handle(std::move(line));
  }

 private:
  bool NextLine(std::string* line) {
    std::string_view text;
    if (!lines_.Next(&text)) return false;
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
    line->assign(text);
    return true;
  }

  void Handle(std::string line) {
    const int key = LeadingKey(line);
    if (key < kFirstColourKey || key > kMessageKey) return;
    if (utf8_ && key >= kFirstConvertedKey) store::DecodeUtf8(line, kValueStart);
    const std::string_view value =
        line.size() > kValueStart ? std::string_view(line).substr(kValueStart) : "";
    if (key == kMessageKey) {
      ReadMessage(value);
      return;
    }
    ForEachSetting(settings_, [&](int setting_key, const SettingName&, auto field) {
      if (setting_key == key) Apply(field, value);
    });
  }

  // The message runs to a line holding only the terminator, or to the end of the file.
  void ReadMessage(std::string_view first_line) {
    MessageBuilder message;
    message.Add(first_line);
    std::string line;
    while (NextLine(&line) && line != kTerminator) {
      if (utf8_) {
        store::DecodeUtf8(line, 0);
        if (line == kTerminator) break;
      }
      message.Add(line);
    }
    settings_.message = message.Finish();
  }

  SideFileLines& lines_;
  WebSiteSettings& settings_;
  bool utf8_;
};

Status ReadInto(platform::FileSystem& file_system, const std::string& path,
                const ConfigFileStart* start, WebSiteSettings* settings) {
  std::string bytes;
  if (Status read = file_system.ReadFile(path, &bytes); !read.ok()) return read;
  if (start != nullptr) {
    settings->copyright_owner = FieldValue(start->tree_name, kCopyrightOwnerLength);
    settings->copyright_year = std::to_string(start->current_year);
  }
  ApplyConfigText(bytes, settings);
  return Status::Ok();
}

Status NamingFile(const std::string& path, const Status& status) {
  if (status.message().starts_with(path)) return status;
  return Status::IoError(path + ": " + status.message());
}

}  // namespace

void ApplyConfigText(std::string_view bytes, WebSiteSettings* settings) {
  SideFileLines lines(bytes);
  ConfigReader(lines, *settings).Run();
}

Status ReadConfigFile(platform::FileSystem& file_system, const std::string& path,
                      WebSiteSettings* settings) {
  return ReadInto(file_system, path, nullptr, settings);
}

Status ReadConfigFile(platform::FileSystem& file_system, const std::string& path,
                      const ConfigFileStart& start, WebSiteSettings* settings) {
  return ReadInto(file_system, path, &start, settings);
}

std::string ConfigFileText(const WebSiteSettings& settings) {
  std::string text;
  ForEachSetting(settings, [&](int key, const SettingName&, auto field) {
    text += kLineBreak;
    text += std::to_string(key);
    text += ' ';
    text += FileValue(field);
  });
  text += kLineBreak;
  text += std::to_string(kMessageKey);
  text += ' ';
  const std::vector<std::string> message = MessageForWriting(settings.message);
  for (size_t i = 0; i < message.size(); ++i) {
    if (i > 0) text += kLineBreak;
    text += message[i];
  }
  text += kLineBreak;
  text += kTerminator;
  return text;
}

Status WriteConfigFile(platform::FileSystem& file_system, const std::string& path,
                       const WebSiteSettings& settings) {
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (status.ok()) status = file->Append(ConfigFileText(settings));
  if (status.ok()) status = file->Commit();
  return status.ok() ? status : NamingFile(path, status);
}

std::vector<std::string> WebSettingLines(const WebSiteSettings& settings) {
  std::vector<std::string> lines;
  auto add = [&lines](std::string_view name, const std::string& value) {
    lines.push_back(std::string(name) + ":" + (value.empty() ? "" : " " + value));
  };
  ForEachSetting(settings, [&](int, const SettingName& name, auto field) {
    if (std::optional<std::string> shown = Shown(field)) add(name.Text(), *shown);
  });
  if (settings.message.empty()) add("home-page-message", "");
  for (const std::string& line : settings.message) add("home-page-message", line);
  return lines;
}

}  // namespace kinloom::files
