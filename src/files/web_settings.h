#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kinloom::files {

inline constexpr int kWebColourCount = 40;
inline constexpr int kWebLinkCount = 8;

// The longest value each text setting holds, in characters; longer values are cut.
inline constexpr size_t kTitle1Length = 40;
inline constexpr size_t kTitle2Length = 34;
inline constexpr size_t kFontNameLength = 63;
inline constexpr size_t kPictureFileLength = 35;
inline constexpr size_t kLinkAddressLength = 120;
inline constexpr size_t kLinkNameLength = 25;
inline constexpr size_t kEmailLength = 120;
inline constexpr size_t kCopyrightOwnerLength = 50;
inline constexpr size_t kCopyrightYearLength = 15;
inline constexpr size_t kMessageTitleLength = 32;
// The home-page message: each line, and the whole text with its lines joined by one break.
inline constexpr size_t kMessageLineLength = 4999;
inline constexpr size_t kMessageLength = 5000;

// One colour of the generated pages: the element it paints (the label of its sample on the
// colour page of the web-site editor) and its colour before any file is read, as 0xRRGGBB.
struct WebColour {
  std::string_view element;
  uint32_t default_rgb;
};

inline constexpr std::array<WebColour, kWebColourCount> WebColourTable = {{
    {"title area background", 0xFFFFFF},
    {"outside frame background", 0xD3D3D3},
    {"page border, left side and top", 0x808080},
    {"page border, right side and bottom", 0x000000},
    {"body of full page, background", 0xFFF8F8},
    {"main title, first line, text", 0x8B0000},
    {"main title, second line, text", 0x808000},
    {"horizontal bar under the title", 0x808000},
    {"subtitle under the bar or name of the individual, text", 0x8B0000},
    {"menu to tree pages, background", 0xE0E0FF},
    {"menu to tree pages, text", 0x0000CD},
    {"menu to tree pages, active page background", 0xC0C0F0},
    {"menu to tree pages, mouse-over background", 0x6767C7},
    {"menu to tree pages, mouse-over text", 0xFFFFFF},
    {"links to other sites, background", 0x8B0000},
    {"links to other sites, text", 0xFFFFFF},
    {"links to other sites, mouse-over text", 0xFFD700},
    {"border of the events and copyright tables", 0xC0C0C0},
    {"event names, background", 0x8B0000},
    {"event names, text", 0xFFFFFF},
    {"event details, background", 0xD0D0A0},
    {"event details, text", 0x000000},
    {"links in event details, text", 0x8B0000},
    {"visited links in event details, text", 0x550000},
    {"mouse-over links in event details, text", 0xFF0000},
    {"text not given a specific colour", 0x000000},
    {"index of individuals, headings background", 0x0000BB},
    {"index of individuals, headings text", 0xFFFFFF},
    {"index of individuals, details background", 0xCCCCFF},
    {"index of individuals, details text", 0x000066},
    {"index of individuals, mouse-over link text", 0x000000},
    {"index of individuals, table border", 0x000000},
    {"navigate box border", 0x000000},
    {"navigate box background", 0xCCCCFF},
    {"navigate box button background", 0xE0E0FF},
    {"individual details box background", 0xAAF8FF},
    {"individual details box text", 0x000000},
    {"shadow behind the details box", 0x999999},
    {"line connecting the boxes and box border", 0x000000},
    {"shadow of the connecting line", 0x808080},
}};

constexpr std::array<uint32_t, kWebColourCount> DefaultWebColours() {
  std::array<uint32_t, kWebColourCount> colours{};
  for (int i = 0; i < kWebColourCount; ++i) colours[i] = WebColourTable[i].default_rgb;
  return colours;
}

struct TitleFont {
  std::string name = "Verdana";
  bool bold = true;
  bool italic = false;

  bool operator==(const TitleFont&) const = default;
};

// What shows behind the title area: nothing of its own (the page pattern or body colour
// shows through), web colour 0, or the title-area pattern file.
enum class TitleBackground { kNone, kColour, kPattern };
enum class WebSiteType { kHtml, kPhp };

struct WebLink {
  std::string address;
  std::string name;  // the text visitors see

  bool operator==(const WebLink&) const = default;
};

// The settings of a tree's generated web site, as its configuration file keeps them. A fresh
// object holds the values in force before any file is read. The copyright owner and year have
// no fixed default: they become the tree's name and the current year when a tree's file is read.
struct WebSiteSettings {
  std::array<uint32_t, kWebColourCount> colours = DefaultWebColours();  // 0xRRGGBB
  std::string title1 = "Ancestors and Descendants of the";
  TitleFont title1_font;
  std::string title2 = "Some Name Family";
  TitleFont title2_font;
  bool title_as_text = true;  // false: the title is the picture of title_image_file
  TitleBackground title_background = TitleBackground::kNone;
  bool tile_title_pattern = false;
  bool use_page_pattern = false;  // the whole page shows page_pattern_file
  bool use_split_tree = false;
  bool use_hide_info = true;  // the hide-information and pictures lists apply
  bool hide_sources = false;
  WebSiteType site_type = WebSiteType::kPhp;
  std::string title_pattern_file;
  std::string title_image_file;
  std::string page_pattern_file;
  bool hide_living = true;
  std::string fav_icon_file;
  bool contact_page = true;
  std::array<WebLink, kWebLinkCount> links;
  std::string email;  // where the contact page sends; never shown to visitors
  std::string copyright_owner;
  std::string copyright_year;
  std::string message_title;
  std::vector<std::string> message;  // the home-page message, one entry per line

  // Set by every edit on the web-site pages, cleared by the owner once a file has been read.
  // The file reader and writer leave it as it is.
  bool web_settings_changed = false;

  bool operator==(const WebSiteSettings&) const = default;
};

}  // namespace kinloom::files
