#include "files/address_book.h"

#include <gtest/gtest.h>

#include <map>
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
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(bytes[i - 1], '\r') << "bare line feed at " << i;
    }
  }
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

TEST(AddressBookFile, MissingFileIsAnEmptyBook) {
  TempDir dir;
  platform::LocalFileSystem file_system;
  AddressBook book = SampleBook();
  const Status read = ReadAddressBook(file_system, dir.File("none.adr"), &book);
  EXPECT_EQ(read.code(), Status::Code::kNotFound);
  EXPECT_TRUE(book.empty());
}

TEST(AddressBookFile, UnreadableFileLeavesTheBookAndIsNamed) {
  TempDir dir;
  const std::string path = dir.File("t.adr");
  WriteFileBytes(path, AddressBookText(SampleBook()));
  FaultyFileSystem file_system;
  file_system.FailReading(path);
  AddressBook book = {{ContactKind::kRelative, "kept", "", "", "", ""}};
  const Status read = ReadAddressBook(file_system, path, &book);
  EXPECT_EQ(read.code(), Status::Code::kIoError);
  ASSERT_EQ(book.size(), 1u);
  EXPECT_EQ(book[0].name, "kept");
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
  AddressBook book = {{ContactKind::kArchive, "b", "", "", "", ""},
                      {ContactKind::kArchive, "A", "", "", "", ""},
                      {ContactKind::kArchive, "c", "", "", "", ""}};
  SortAddressBook(&book);
  EXPECT_EQ(book[0].name, "A");
  EXPECT_EQ(book[2].name, "c");
}

// ---- A strict vCard reader, as RFC 6350 section 3.2 and RFC 2426 describe the syntax --------

struct Card {
  std::string version;
  std::multimap<std::string, std::vector<std::string>> properties;  // name -> components
};

// Unfolds, checks CR LF and line length, and splits values into components at unescaped
// semicolons, undoing the escapes. Fails the test on anything a strict parser refuses.
std::vector<Card> ParseVCards(const std::string& text) {
  std::vector<std::string> physical;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "last line without CR LF";
    if (end == std::string::npos) break;
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos) << "bare line feed";
    EXPECT_LE(line.size(), 75u) << line;
    physical.push_back(line);
    start = end + 2;
  }
  std::vector<std::string> logical;
  for (const std::string& line : physical) {
    if (!line.empty() && line[0] == ' ') {
      EXPECT_FALSE(logical.empty());
      if (!logical.empty()) logical.back() += line.substr(1);
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
    std::string name = line.substr(0, colon);
    name = name.substr(0, name.find(';'));  // parameters aside
    const std::string value = line.substr(colon + 1);
    if (name == "BEGIN") {
      EXPECT_FALSE(open);
      EXPECT_EQ(value, "VCARD");
      cards.push_back({});
      open = true;
      continue;
    }
    EXPECT_TRUE(open) << line;
    if (name == "END") {
      open = false;
      continue;
    }
    std::vector<std::string> components(1);
    for (size_t i = 0; i < value.size(); ++i) {
      if (value[i] == '\\') {
        EXPECT_LT(i + 1, value.size()) << "dangling backslash";
        if (i + 1 >= value.size()) break;
        const char next = value[++i];
        EXPECT_TRUE(next == '\\' || next == ',' || next == ';' || next == 'n' || next == 'N')
            << "bad escape in " << line;
        components.back() += next == 'n' || next == 'N' ? '\n' : next;
      } else if (value[i] == ';') {
        components.emplace_back();
      } else {
        EXPECT_NE(value[i], ',') << "unescaped comma in " << line;
        components.back() += value[i];
      }
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
  const std::string folded = FoldVCardLine(line);
  size_t start = 0;
  std::string unfolded;
  while (true) {
    const size_t end = folded.find("\r\n", start);
    const std::string piece = folded.substr(start, end - start);
    EXPECT_LE(piece.size(), 75u);
    // A piece never starts with a continuation byte (after the fold's blank).
    const size_t first = start == 0 ? 0 : 1;
    EXPECT_NE(static_cast<unsigned char>(piece[first]) & 0xC0, 0x80);
    unfolded += piece.substr(first);
    if (end == std::string::npos) break;
    start = end + 2;
  }
  EXPECT_EQ(unfolded, line);
}

TEST(VCardEscaping, EscapesTheSpecialCharacters) {
  EXPECT_EQ(EscapeVCardText("a,b;c\\d\ne\r\nf"), "a\\,b\\;c\\\\d\\ne\\nf");
}

}  // namespace
}  // namespace kinloom::files
