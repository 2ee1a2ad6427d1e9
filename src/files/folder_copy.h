#pragma once

#include <cstdint>
#include <string>

#include "platform/file_io.h"
#include "platform/interaction.h"

namespace kinloom::files {

// The copy flags, passed along and returned by every copy step.
using CopyFlags = std::uint8_t;
inline constexpr CopyFlags kAskOverwrite = 1;   // ask before replacing a file
inline constexpr CopyFlags kNewerOnly = 2;      // copy only over an older (or no) target
inline constexpr CopyFlags kCopyThis = 4;       // the current file is to be copied
inline constexpr CopyFlags kCopyCancelled = 8;  // the group was cancelled
inline constexpr CopyFlags kShowErrors = 16;    // report errors
inline constexpr CopyFlags kCopyErrors = 32;    // at least one error happened

// Copies every file of a folder (not its sub-folders) into the target, made with its parents
// when missing. A copy replaces a target only when it is complete. A folder that cannot be
// listed, and every file that fails, set kCopyErrors.
[[nodiscard]] CopyFlags CopyFolderFiles(const std::string& source, const std::string& target,
                                        CopyFlags flags, platform::FileSystem& file_system,
                                        platform::Interaction& ui);
[[nodiscard]] CopyFlags CopyOneFile(const std::string& name, const std::string& source,
                                    const std::string& target, CopyFlags flags,
                                    platform::FileSystem& file_system, platform::Interaction& ui);
// Whether to replace an existing file with a new one: sets kCopyThis to copy, clears it not to,
// sets kCopyCancelled to stop the group.
[[nodiscard]] CopyFlags ConfirmOverwrite(const std::string& existing,
                                         const std::string& replacement, CopyFlags flags,
                                         platform::Interaction& ui);

}  // namespace kinloom::files
