#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/status.h"

namespace kinloom::files {

// The address book of a tree ("<tree>.adr" in the config folder): the researchers, archives
// and relatives the user writes to. UTF-8 text with CR LF line ends, one "TAG value" line per
// field; an entry starts at its "KIND" line; addresses and notes take one line per line of
// text ("ADDR 12 High Street", "ADDR Leeds").

enum class ContactKind { kResearcher, kArchive, kRelative };

// "Researcher", "Archive", "Relative".
std::string_view ContactKindName(ContactKind kind);

struct AddressEntry {
  ContactKind kind = ContactKind::kResearcher;
  std::string name;
  std::string address;  // lines joined by "\n"
  std::string email;
  std::string phone;
  std::string note;  // lines joined by "\n"

  bool operator==(const AddressEntry&) const = default;
};

using AddressBook = std::vector<AddressEntry>;

// The book sorted by name, without regard to case.
void SortAddressBook(AddressBook* book);

// The entries (their positions) whose fields hold every blank-separated word of `query`,
// without regard to case; every entry for an empty query.
std::vector<size_t> SearchAddressBook(const AddressBook& book, std::string_view query);

// The file's bytes read into a book. Unknown tags and lines before the first entry are skipped.
AddressBook ParseAddressBook(std::string_view bytes);
// The whole file as written.
std::string AddressBookText(const AddressBook& book);

// Reads the file. NotFound (and an empty book) when there is none; IoError naming the file
// when it exists but cannot be read, and then *book is left as it was.
[[nodiscard]] Status ReadAddressBook(platform::FileSystem& file_system, const std::string& path,
                                     AddressBook* book);
// Writes the file anew through a temporary file; on failure the old file stays as it was.
[[nodiscard]] Status WriteAddressBook(platform::FileSystem& file_system, const std::string& path,
                                      const AddressBook& book);

// The address book file of a tree: config folder + "/" + tree + ".adr".
std::string AddressBookFile(std::string_view config_folder, std::string_view tree);

}  // namespace kinloom::files
