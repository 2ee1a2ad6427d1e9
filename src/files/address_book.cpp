#include "files/address_book.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "files/data_folders.h"
#include "files/side_file_lines.h"

namespace kinloom::files {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kUtf8Marker = "CHAR UTF-8";

struct KindName {
  ContactKind kind;
  std::string_view name;
};
constexpr KindName kKindNames[] = {{ContactKind::kResearcher, "Researcher"},
                                   {ContactKind::kArchive, "Archive"},
                                   {ContactKind::kRelative, "Relative"}};

ContactKind KindFromName(std::string_view name) {
  for (const KindName& k : kKindNames) {
    if (k.name == name) return k.kind;
  }
  return ContactKind::kResearcher;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// Appends a line to a multi-line field.
void AddLine(std::string* field, std::string_view line) {
  if (!field->empty()) *field += '\n';
  *field += line;
}

// A field's value on one line: line breaks inside a one-line field become blanks.
std::string OneLine(std::string_view value) {
  std::string line(value);
  std::replace(line.begin(), line.end(), '\r', ' ');
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}

void WriteField(std::string* text, std::string_view tag, std::string_view value) {
  if (value.empty()) return;
  *text += tag;
  *text += ' ';
  *text += OneLine(value);
  *text += kLineBreak;
}

void WriteLines(std::string* text, std::string_view tag, std::string_view value) {
  size_t start = 0;
  while (start <= value.size() && !value.empty()) {
    size_t end = value.find('\n', start);
    if (end == std::string_view::npos) end = value.size();
    std::string_view line = value.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    *text += tag;
    if (!line.empty()) *text += ' ';
    *text += line;
    *text += kLineBreak;
    start = end + 1;
  }
}

}  // namespace

std::string_view ContactKindName(ContactKind kind) {
  for (const KindName& k : kKindNames) {
    if (k.kind == kind) return k.name;
  }
  return kKindNames[0].name;
}

void SortAddressBook(AddressBook* book) {
  std::stable_sort(book->begin(), book->end(), [](const AddressEntry& a, const AddressEntry& b) {
    return Lower(a.name) < Lower(b.name);
  });
}

std::vector<size_t> SearchAddressBook(const AddressBook& book, std::string_view query) {
  std::vector<std::string> words;
  const std::string lower_query = Lower(query);
  for (size_t i = 0; i < lower_query.size();) {
    const size_t end = std::min(lower_query.find(' ', i), lower_query.size());
    if (end > i) words.push_back(lower_query.substr(i, end - i));
    i = end + 1;
  }
  std::vector<size_t> found;
  for (size_t n = 0; n < book.size(); ++n) {
    const AddressEntry& e = book[n];
    const std::string all = Lower(std::string(ContactKindName(e.kind)) + "\n" + e.name + "\n" +
                                  e.address + "\n" + e.email + "\n" + e.phone + "\n" + e.note);
    const bool all_words = std::all_of(words.begin(), words.end(), [&](const std::string& w) {
      return all.find(w) != std::string::npos;
    });
    if (all_words) found.push_back(n);
  }
  return found;
}

AddressBook ParseAddressBook(std::string_view bytes) {
  AddressBook book;
  SideFileLines lines(bytes);
  std::string_view line;
  while (lines.Next(&line)) {
    const size_t blank = line.find(' ');
    const std::string_view tag = line.substr(0, blank);
    const std::string_view value =
        blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    if (tag == "KIND") {
      book.push_back({});
      book.back().kind = KindFromName(value);
      continue;
    }
    if (book.empty()) continue;
    AddressEntry& e = book.back();
    if (tag == "NAME") {
      e.name = value;
    } else if (tag == "ADDR") {
      AddLine(&e.address, value);
    } else if (tag == "MAIL") {
      e.email = value;
    } else if (tag == "PHON") {
      e.phone = value;
    } else if (tag == "NOTE") {
      AddLine(&e.note, value);
    }
  }
  return book;
}

std::string AddressBookText(const AddressBook& book) {
  std::string text(kUtf8Marker);
  text += kLineBreak;
  for (const AddressEntry& e : book) {
    text += "KIND ";
    text += ContactKindName(e.kind);
    text += kLineBreak;
    WriteField(&text, "NAME", e.name);
    WriteLines(&text, "ADDR", e.address);
    WriteField(&text, "MAIL", e.email);
    WriteField(&text, "PHON", e.phone);
    WriteLines(&text, "NOTE", e.note);
  }
  return text;
}

Status ReadAddressBook(platform::FileSystem& file_system, const std::string& path,
                       AddressBook* book) {
  std::string bytes;
  Status read = file_system.ReadFile(path, &bytes);
  if (read.code() == Status::Code::kNotFound) {
    book->clear();
    return read;
  }
  if (!read.ok()) return read;
  *book = ParseAddressBook(bytes);
  return Status::Ok();
}

Status WriteAddressBook(platform::FileSystem& file_system, const std::string& path,
                        const AddressBook& book) {
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (status.ok()) status = file->Append(AddressBookText(book));
  if (status.ok()) status = file->Commit();
  return status;
}

std::string AddressBookFile(std::string_view config_folder, std::string_view tree) {
  return TreeFile(config_folder, tree, ".adr");
}

}  // namespace kinloom::files
