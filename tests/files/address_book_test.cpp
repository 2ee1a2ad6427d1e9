#include "files/address_book.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "files/address_book_vcard.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

using kinloom::testing::FaultyFileSystem;
using kinloom::testing::ReadFileBytes;
using kinloom::testing::TempDir;
using kinloom::testing::WriteFileBytes;

AddressBook SampleBook() {
  return {
      {ContactKind::kArchive, "West Yorkshire Archive Service, Leeds",
       "Nepshaw Lane South\nMorley; Leeds LS27 7JQ", "leeds@example.org", "+44 113 535 0150",
       "Parish registers of St Peter's; ask for the 1850s, fiche 12\\14"},
      {ContactKind::kRelative, "Åsa Bråthen", "Storgata 1\n0155 Oslo", "", "",
       std::string(200, 'x') + " ÆØÅ " + std::string(60, 'y')},
      {ContactKind::kResearcher, "John Smith", "", "john@example.com", "", ""},
  };
}

TEST(AddressBookFile, RoundTripKeepsEveryField) {
  TempDir dir;
  const std::string path = AddressBookFile(dir.path(), "Smith");
  EXPECT_EQ(path, dir.File("Smith.adr"));
  platform::LocalFileSystem file_system;
  ASSERT_TRUE(WriteAddressBook(file_system, path, SampleBook()).ok());
  const std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(bytes.substr(0, 12), "CHAR UTF-8\r\n");
  EXPECT_FALSE(std::regex_search(bytes, std::regex("(^|[^\r])\n"))) << "bare line feed";
  AddressBook read;
  ASSERT_TRUE(ReadAddressBook(file_system, path, &read).ok());
  EXPECT_EQ(read, SampleBook());
}

TEST(AddressBookFile, OneLineFieldsLoseTheirLineBreaks) {
  AddressBook book = {{ContactKind::kResearcher, "Ann\nLee", "", "a@b\r\nc", "1\n2", ""}};
  const AddressBook read = ParseAddressBook(AddressBookText(book));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].name, "Ann Lee");
  EXPECT_EQ(read[0].email, "a@b  c");
  EXPECT_EQ(read[0].phone, "1 2");
}

TEST(AddressBookFile, MissingFileIsAnEmptyBookAndAnUnreadableOneLeavesTheBook) {
  TempDir dir;
  AddressBook book = SampleBook();
  FaultyFileSystem file_system;
  EXPECT_EQ(ReadAddressBook(file_system, dir.File("none.adr"), &book).code(),
            Status::Code::kNotFound);
  EXPECT_TRUE(book.empty());

  const std::string path = dir.File("t.adr");
  WriteFileBytes(path, AddressBookText(SampleBook()));
  file_system.FailReading(path);
  book = {{ContactKind::kRelative, "kept", "", "", "", ""}};
  EXPECT_EQ(ReadAddressBook(file_system, path, &book).code(), Status::Code::kIoError);
  EXPECT_EQ(book, (AddressBook{{ContactKind::kRelative, "kept", "", "", "", ""}}));
}

TEST(AddressBookFile, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("t.adr");
  WriteFileBytes(path, "CHAR UTF-8\r\nKIND Archive\r\nNAME Old\r\n");
  FaultyFileSystem file_system(10);
  EXPECT_FALSE(WriteAddressBook(file_system, path, SampleBook()).ok());
  EXPECT_EQ(ReadFileBytes(path), "CHAR UTF-8\r\nKIND Archive\r\nNAME Old\r\n");
}

TEST(AddressBookFile, ReadsLinefeedFilesAndSkipsStrangeLines) {
  const AddressBook book = ParseAddressBook(
      "NAME before any entry\nKIND Archive\nNAME A\nXXXX junk\nKIND Bogus\nNAME B\n");
  ASSERT_EQ(book.size(), 2u);
  EXPECT_EQ(book[0].name, "A");
  EXPECT_EQ(book[1].kind, ContactKind::kResearcher);
}

TEST(AddressBookSearch, EveryWordMustMatchSomeField) {
  const AddressBook book = SampleBook();
  struct Row {
    std::string query;
    std::vector<size_t> found;
  };
  const std::vector<Row> rows = {
      {"", {0, 1, 2}},       {"leeds", {0}},      {"LEEDS archive", {0}},
      {"oslo", {1}},         {"example", {0, 2}}, {"smith researcher", {2}},
      {"smith archive", {}}, {"  john   ", {2}},
  };
  for (const Row& row : rows) EXPECT_EQ(SearchAddressBook(book, row.query), row.found) << row.query;
}

TEST(AddressBookSearch, SortsByNameWithoutCase) {
  AddressBook book;
  for (const char* name : {"b", "A", "c"})
    book.push_back({ContactKind::kArchive, name, "", "", "", ""});
  SortAddressBook(&book);
  EXPECT_EQ(book[0].name + book[1].name + book[2].name, "Abc");
}

// ---- A strict vCard reader, as RFC 6350 section 3.2 and RFC 2426 describe the syntax --------

struct Card {
  std::string version;
  std::multimap<std::string, std::vector<std::string>> properties;  // name -> components
};

// The lines between CR LFs; each at most 75 bytes and without a bare line feed.
std::vector<std::string> PhysicalLines(const std::string& text) {
  EXPECT_TRUE(text.ends_with("\r\n")) << "last line without CR LF";
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos) << "bare line feed";
    EXPECT_LE(lines.back().size(), 75u) << lines.back();
  }
  return lines;
}

// Unfolds and splits values into components at unescaped semicolons, undoing the escapes.
// Fails the test on anything a strict parser refuses.
std::vector<Card> ParseVCards(const std::string& text) {
  std::vector<std::string> logical;
  for (const std::string& line : PhysicalLines(text)) {
    if (line.starts_with(' ') && !logical.empty()) {
      logical.back() += line.substr(1);
    } else {
      logical.push_back(line);
    }
  }
  std::vector<Card> cards;
  bool open = false;
  for (const std::string& line : logical) {
    const size_t colon = line.find(':');
    EXPECT_NE(colon, std::string::npos) << line;
    if (colon == std::string::npos) continue;
    const std::string name = line.substr(0, std::min(colon, line.find(';')));  // no parameters
    const std::string value = line.substr(colon + 1);
    if (name == "BEGIN" || name == "END") {
      EXPECT_EQ(open, name == "END") << line;
      EXPECT_EQ(value, "VCARD");
      if (!open) cards.emplace_back();
      open = !open;
      continue;
    }
    EXPECT_TRUE(open) << line;
    if (cards.empty()) continue;
    std::vector<std::string> components(1);
    for (size_t i = 0; i < value.size(); ++i) {
      char c = value[i];
      if (c == ';') {
        components.emplace_back();
        continue;
      }
      EXPECT_NE(c, ',') << "unescaped comma in " << line;
      if (c == '\\') {
        c = i + 1 < value.size() ? value[++i] : '?';
        EXPECT_NE(std::string_view("\\,;nN").find(c), std::string_view::npos)
            << "bad escape in " << line;
        if (c == 'n' || c == 'N') c = '\n';
      }
      components.back() += c;
    }
    if (name == "VERSION") cards.back().version = value;
    cards.back().properties.emplace(name, components);
  }
  EXPECT_FALSE(open) << "card without END";
  return cards;
}

std::string Single(const Card& card, const std::string& name, size_t component = 0) {
  EXPECT_EQ(card.properties.count(name), 1u) << name;
  auto it = card.properties.find(name);
  if (it == card.properties.end() || component >= it->second.size()) return "<missing>";
  return it->second[component];
}

class VCardExport : public ::testing::TestWithParam<VCardVersion> {};

TEST_P(VCardExport, StrictReaderGetsEveryFieldBack) {
  const AddressBook book = SampleBook();
  const std::vector<Card> cards = ParseVCards(AddressBookVCards(book, GetParam()));
  ASSERT_EQ(cards.size(), book.size());
  for (size_t i = 0; i < book.size(); ++i) {
    const Card& card = cards[i];
    const AddressEntry& entry = book[i];
    EXPECT_EQ(card.version, GetParam() == VCardVersion::k4 ? "4.0" : "3.0");
    EXPECT_EQ(Single(card, "FN"), entry.name);
    EXPECT_EQ(card.properties.count("N"), 1u);  // required in 3.0
    EXPECT_EQ(Single(card, "CATEGORIES"), ContactKindName(entry.kind));
    const auto optional = [&](const std::string& name, const std::string& value, size_t part) {
      if (value.empty()) {
        EXPECT_EQ(card.properties.count(name), 0u) << name;
      } else {
        EXPECT_EQ(Single(card, name, part), value) << name;
      }
    };
    optional("ADR", entry.address, 2);
    optional("EMAIL", entry.email, 0);
    optional("TEL", entry.phone, 0);
    optional("NOTE", entry.note, 0);
  }
  EXPECT_EQ(Single(cards[0], "ORG"), book[0].name);
  EXPECT_EQ(Single(cards[2], "N", 0), "Smith");
  EXPECT_EQ(Single(cards[2], "N", 1), "John");
}

INSTANTIATE_TEST_SUITE_P(Versions, VCardExport,
                         ::testing::Values(VCardVersion::k3, VCardVersion::k4));

TEST(VCardFolding, NeverSplitsACharacter) {
  const std::string line = "NOTE:" + std::string(69, 'a') + "ÅÅÅÅÅÅÅÅ";
  std::string unfolded;
  for (const std::string& piece : PhysicalLines(FoldVCardLine(line) + "\r\n")) {
    // A piece never starts with a continuation byte (after the fold's blank).
    const size_t first = unfolded.empty() ? 0 : 1;
    EXPECT_NE(static_cast<unsigned char>(piece[first]) & 0xC0, 0x80);
    unfolded += piece.substr(first);
  }
  EXPECT_EQ(unfolded, line);
}

TEST(VCardEscaping, EscapesTheSpecialCharacters) {
  EXPECT_EQ(EscapeVCardText("a,b;c\\d\ne\r\nf"), "a\\,b\\;c\\\\d\\ne\\nf");
}

}  // namespace
}  // namespace kinloom::files
