#pragma once

#include "files/tree_workspace.h"

namespace kinloom::ui {

// The options that change what the program shows take effect here: the profile pictures of the
// tree view chart and the tool tips. Called after the options are read and after each change.
void ApplyDisplayOptions(files::TreeWorkspace& work);

// Tool tips and status tips across the whole program, on or off.
void SetHintsShown(bool shown);
bool HintsShown();

// Marks the options and search sources as changed, for automatic save and the next save. The
// options keep their own flag and the session its copy; both are cleared by a save.
void MarkSourcesChanged(files::TreeWorkspace& work);

}  // namespace kinloom::ui
