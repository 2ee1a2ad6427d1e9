#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli entry TREE "TEXT" OUT.ged [--child-of ID|--spouse-of ID]: makes the people the
// lines of TEXT describe; a line that cannot be read is reported and nothing is made.
int Entry(Context& c, const std::vector<std::string>& args);
// kinloom-cli copy-person TREE ID: the person as the clipboard carries them (GEDCOM text).
int CopyPerson(Context& c, const std::vector<std::string>& args);
// kinloom-cli paste-person TREE FILE OUT.ged: adds the people of a GEDCOM text file as a paste.
int PastePerson(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
