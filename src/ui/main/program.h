#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace kinloom::ui {

class TFamTree;

// kinloom [--home DIR] [--screenshot OUT.png [--page NAME]] [TREE.ged [COPY]]
struct ProgramArgs {
  std::string home;        // --home
  std::string screenshot;  // --screenshot: render the window into this PNG and end
  std::string page = "person";
  std::string tree;  // the tree to open: a .ged path or a tree name of the gedcom folder
  int copy_number = 0;
  int tree_arguments = 0;  // how many of TREE and COPY were given
};

// The arguments after the program name; nothing (with *error set) when they cannot be used.
std::optional<ProgramArgs> ParseProgramArgs(const std::vector<std::string>& args,
                                            std::string* error);

// Renders the window at its present size, on the given page, into a PNG file.
bool SaveScreenshot(TFamTree& window, const QString& page, const QString& path, std::string* error);

// The whole program: start window or the tree given, the main window, the message loop.
int RunProgram(int argc, char** argv);

}  // namespace kinloom::ui
