#include "cli/address_command.h"

#include <map>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "files/address_book.h"
#include "files/address_book_vcard.h"
#include "files/data_folders.h"
#include "files/tree_session.h"
#include "platform/file_io.h"

namespace kinloom::cli {
namespace {

struct AddressRequest {
  std::string tree;
  std::string search;
  std::string vcard_file;
  files::VCardVersion version = files::VCardVersion::k4;
  std::optional<files::AddressEntry> added;
};

std::optional<files::ContactKind> KindFromText(const std::string& text) {
  for (files::ContactKind kind : {files::ContactKind::kResearcher, files::ContactKind::kArchive,
                                  files::ContactKind::kRelative}) {
    std::string name(files::ContactKindName(kind));
    std::string lower;
    for (char ch : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (text == name || text == lower) return kind;
  }
  return std::nullopt;
}

std::optional<AddressRequest> ParseRequest(Context& c, const std::vector<std::string>& args) {
  AddressRequest request;
  std::map<std::string, std::string*> fields;
  files::AddressEntry entry;
  fields["--address"] = &entry.address;
  fields["--email"] = &entry.email;
  fields["--phone"] = &entry.phone;
  fields["--note"] = &entry.note;
  fields["--search"] = &request.search;
  fields["--export-vcard"] = &request.vcard_file;
  bool adding = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (fields.count(args[i]) > 0 && i + 1 < args.size()) {
      *fields[args[i]] = args[i + 1];
      ++i;
    } else if (args[i] == "--vcard" && i + 1 < args.size() &&
               (args[i + 1] == "3" || args[i + 1] == "4")) {
      request.version = args[++i] == "3" ? files::VCardVersion::k3 : files::VCardVersion::k4;
    } else if (args[i] == "--add" && i + 2 < args.size() && KindFromText(args[i + 1])) {
      entry.kind = *KindFromText(args[i + 1]);
      entry.name = args[i + 2];
      adding = true;
      i += 2;
    } else if (request.tree.empty() && !args[i].starts_with("--")) {
      request.tree = args[i];
    } else {
      UsageError(c, "addresses: unexpected '" + args[i] + "'");
      return std::nullopt;
    }
  }
  if (request.tree.empty()) {
    UsageError(c, "addresses takes a tree");
    return std::nullopt;
  }
  if (adding) request.added = entry;
  return request;
}

// A tree of the data home keeps its book in the config folder; a tree given as a file, beside
// it.
std::string BookFileOf(Context& c, const std::string& tree) {
  if (tree.find('/') != std::string::npos || files::FileExists(tree)) {
    const size_t slash = tree.find_last_of('/');
    const size_t dot = tree.find_last_of('.');
    const bool has_extension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (has_extension ? tree.substr(0, dot) : tree) + ".adr";
  }
  const std::string home = files::DataHome(c.home_option, files::Environment::FromProcess());
  return files::AddressBookFile(files::DataFoldersAt(home, "").config,
                                files::WithoutGedExtension(tree));
}

int WriteText(Context& c, platform::FileSystem& file_system, const std::string& path,
              const std::string& text) {
  std::unique_ptr<platform::WritableFile> file;
  Status written = file_system.NewWritableFile(path, &file);
  if (written.ok()) written = file->Append(text);
  if (written.ok()) written = file->Commit();
  if (!written.ok()) {
    c.err << "kinloom-cli: " << written.message() << "\n";
    return kExitCannotWrite;
  }
  return kExitOk;
}

}  // namespace

int Addresses(Context& c, const std::vector<std::string>& args) {
  const std::optional<AddressRequest> request = ParseRequest(c, args);
  if (!request) return kExitUsage;
  platform::LocalFileSystem file_system;
  const std::string path = BookFileOf(c, request->tree);
  files::AddressBook book;
  const Status read = files::ReadAddressBook(file_system, path, &book);
  if (!read.ok() && read.code() != Status::Code::kNotFound) {
    // Never written over: what the file holds is not known.
    c.err << "kinloom-cli: the address book could not be read: " << read.message() << "\n";
    return kExitBadInput;
  }
  if (request->added) {
    book.push_back(*request->added);
    files::SortAddressBook(&book);
    Status written = files::WriteAddressBook(file_system, path, book);
    if (!written.ok()) {
      c.err << "kinloom-cli: " << written.message() << "\n";
      return kExitCannotWrite;
    }
  }
  files::AddressBook found;
  for (size_t n : files::SearchAddressBook(book, request->search)) found.push_back(book[n]);
  for (const files::AddressEntry& e : found) {
    c.out << files::ContactKindName(e.kind) << " | " << e.name << " | " << e.email << " | "
          << e.phone << "\n";
  }
  if (!request->vcard_file.empty()) {
    const std::string cards = files::AddressBookVCards(found, request->version);
    if (int status = WriteText(c, file_system, request->vcard_file, cards); status != kExitOk) {
      return status;
    }
    c.out << "vcards: " << found.size() << "\n";
  }
  return kExitOk;
}

}  // namespace kinloom::cli
