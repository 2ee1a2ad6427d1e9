#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/headless_interaction.h"
#include "reports/link_checker.h"
#include "store/gedcom_reader.h"
#include "store/record_store.h"

namespace kinloom::cli {

// What one run of kinloom-cli works with.
struct Context {
  std::ostream& out;
  std::ostream& err;
  platform::HeadlessInteraction ui;
  store::RecordStore tree;
  reports::LinkCheckSession links_session;
  std::string home_option;                     // --home DIR
  std::vector<std::string> system_candidates;  // where the program's system folder may be
  int links_repaired = 0;  // links the checker repaired or removed while reading

  Context(std::ostream& o, std::ostream& e) : out(o), err(e), tree(ui) { ui.EchoTo(&err); }
};

// Runs a command once the global options are taken from the arguments.
int RunWithContext(Context& c, const std::vector<std::string>& args);
// The file a command names: a file that exists, else the tree of that name in the data home.
std::string ResolveInputPath(Context& c, const std::string& name_or_path);

// Reports a usage error; returns the exit status for it.
int UsageError(Context& c, const std::string& why);
// Reads (or with `merge`, merges) an input tree with every finishing step, the link check
// included; an exit status other than kExitOk when it cannot be used. *read (when given) gets
// what the reader returned when the tree was read; what it left out is printed on `err`.
int ReadInput(Context& c, const std::string& path, store::ReadResult* read, bool merge = false);
// Writes the full list of what a read dropped or rewrote to `path` (UTF-8 text); nothing for
// an empty path. An exit status other than kExitOk when it cannot be written.
int WriteDroppedReport(Context& c, const std::string& path, const store::DroppedLines& dropped);
// Takes "--report FILE" at args[*i] (moving *i past it): false when args[*i] is something
// else; *report stays empty when the file is missing.
bool TakeReportOption(const std::vector<std::string>& args, size_t* i, std::string* report);

}  // namespace kinloom::cli
