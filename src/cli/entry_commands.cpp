#include "cli/entry_commands.h"

#include <charconv>

#include "cli/commands.h"
#include "core/auto_entry_create.h"
#include "core/person_clipboard.h"
#include "core/queries.h"
#include "core/tree_reading.h"
#include "platform/file_io.h"
#include "reports/link_checker.h"
#include "store/gedcom_writer.h"

namespace kinloom::cli {
namespace {

// "12", "I12", "@I000012@"; 0 with a message for no existing individual.
int IndividualArgument(Context& c, std::string_view text) {
  const std::string typed(text);
  if (text.size() >= 2 && text.front() == '@' && text.back() == '@') {
    text = text.substr(1, text.size() - 2);
  }
  if (!text.empty() && (text.front() == 'I' || text.front() == 'i')) text.remove_prefix(1);
  int id = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || id < 1 ||
      c.tree.individual(id) == nullptr) {
    c.err << "kinloom-cli: no individual " << typed << "\n";
    return 0;
  }
  return id;
}

int Write(Context& c, const std::string& path) {
  platform::LocalFileSystem file_system;
  Status written = store::WriteTree(c.tree, path, store::WriteMode::kNormal, file_system);
  if (!written.ok()) {
    c.err << "kinloom-cli: " << written.message() << "\n";
    return kExitCannotWrite;
  }
  return kExitOk;
}

void PrintPeople(Context& c, std::string_view caption, const std::vector<int>& people) {
  for (int n : people) c.out << caption << ": " << core::PersonLabel(c.tree, n) << "\n";
}

}  // namespace

int Entry(Context& c, const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  core::EntryLink link = core::EntryLink::kNone;
  std::string shown_text;
  for (size_t i = 1; i < args.size(); ++i) {
    if ((args[i] == "--child-of" || args[i] == "--spouse-of") && i + 1 < args.size()) {
      link = args[i] == "--child-of" ? core::EntryLink::kChildren : core::EntryLink::kSpouses;
      shown_text = args[++i];
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 3) return UsageError(c, "entry takes a tree, a text and an output");
  if (int status = ReadInput(c, positional[0], nullptr); status != kExitOk) return status;
  int shown = 0;
  if (link != core::EntryLink::kNone && (shown = IndividualArgument(c, shown_text)) == 0) {
    return kExitBadInput;
  }
  const core::EntryParse parse = core::ParseEntryText(positional[1]);
  for (const core::EntryRefusal& refusal : parse.refused) {
    c.err << "kinloom-cli: " << core::RefusalMessage(refusal) << "\n";
  }
  if (!parse.refused.empty()) return kExitBadInput;
  if (parse.people.empty()) {
    c.err << "kinloom-cli: the text names no one\n";
    return kExitBadInput;
  }
  const core::EntryCreated created = core::CreateEntryPeople(c.tree, parse.people, link, shown);
  if (int status = Write(c, positional[2]); status != kExitOk) return status;
  PrintPeople(c, "created", created.people);
  if (created.family != 0) c.out << "family: " << created.family << "\n";
  return kExitOk;
}

int CopyPerson(Context& c, const std::vector<std::string>& args) {
  if (args.size() != 3) return UsageError(c, "copy-person takes a tree and an individual");
  if (int status = ReadInput(c, args[1], nullptr); status != kExitOk) return status;
  const int id = IndividualArgument(c, args[2]);
  if (id == 0) return kExitBadInput;
  c.out << core::PersonClipboardText(c.tree, id);
  return kExitOk;
}

int PastePerson(Context& c, const std::vector<std::string>& args) {
  if (args.size() != 4) return UsageError(c, "paste-person takes a tree, a file and an output");
  if (int status = ReadInput(c, args[1], nullptr); status != kExitOk) return status;
  platform::LocalFileSystem file_system;
  std::string text;
  if (Status read = file_system.ReadFile(args[2], &text); !read.ok()) {
    c.err << "kinloom-cli: " << read.message() << "\n";
    return kExitBadInput;
  }
  store::ReadSteps steps = core::CoreReadSteps();
  steps.check_links = [&c](store::RecordStore& tree) {
    (void)reports::CheckLinks(tree, c.links_session);
  };
  const core::PasteResult pasted = core::PastePersonText(c.tree, text, steps);
  if (!pasted.pasted) {
    c.err << "kinloom-cli: " << pasted.error << "\n";
    return kExitBadInput;
  }
  if (int status = Write(c, args[3]); status != kExitOk) return status;
  PrintPeople(c, "pasted", pasted.people);
  c.out << "sources-added: " << pasted.sources_added << "\n"
        << "sources-reused: " << pasted.sources_reused << "\n";
  return kExitOk;
}

}  // namespace kinloom::cli
