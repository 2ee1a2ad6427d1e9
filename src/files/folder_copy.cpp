#include "files/folder_copy.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>
#include <vector>

#include "files/data_folders.h"

namespace kinloom::files {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::string SizeAndTime(std::uintmax_t size, const std::string& time) {
  return "Size........:  " + std::to_string(size) + " bytes\nModified.:  " + time;
}

// Copies through the file system layer, so the target is replaced only by a complete copy, and
// keeps the source's time, so later copies of only newer files can compare them.
Status CopyBytes(const std::string& from, const std::string& to, platform::FileSystem& files) {
  std::ifstream in(from, std::ios::binary);
  if (!in) return Status::IoError(from + ": cannot be read");
  std::unique_ptr<platform::WritableFile> out;
  if (Status s = files.NewWritableFile(to, &out); !s.ok()) return s;
  std::vector<char> buffer(1 << 16);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    Status s = out->Append(std::string_view(buffer.data(), static_cast<size_t>(got)));
    if (!s.ok()) return s;
  }
  if (in.bad()) return Status::IoError(from + ": cannot be read");
  if (Status s = out->Commit(); !s.ok()) return s;
  std::error_code ec;
  const fs::file_time_type written = fs::last_write_time(from, ec);
  if (!ec) fs::last_write_time(to, written, ec);
  return Status::Ok();
}

CopyFlags CopyError(std::string_view what, const std::string& path, CopyFlags flags,
                    platform::Interaction& ui) {
  flags |= kCopyErrors;
  if ((flags & kShowErrors) == 0) return flags;
  const std::string text = std::string(what) + path + "\n\nDo you want to more error messages?";
  if (ui.Ask(" *** Error Copying File ***", text, Icon::kExclamation, Buttons::kYesNo) ==
      Answer::kNo) {
    flags &= static_cast<CopyFlags>(~kShowErrors);
  }
  return flags;
}

}  // namespace

CopyFlags CopyFolderFiles(const std::string& source, const std::string& target, CopyFlags flags,
                          platform::FileSystem& file_system, platform::Interaction& ui) {
  std::error_code ec;
  if ((flags & kCopyCancelled) != 0 || !fs::is_directory(source, ec)) return flags;
  fs::create_directories(target, ec);
  bool listed = true;
  const std::vector<std::string> names = FolderFileNames(source, &listed);
  if (!listed) return flags | kCopyErrors;
  for (const std::string& name : names) {
    flags = CopyOneFile(name, source, target, flags, file_system, ui);
    if ((flags & kCopyCancelled) != 0) break;
  }
  return flags;
}

CopyFlags CopyOneFile(const std::string& name, const std::string& source, const std::string& target,
                      CopyFlags flags, platform::FileSystem& file_system,
                      platform::Interaction& ui) {
  flags &= static_cast<CopyFlags>(~kCopyThis);
  const std::string from = JoinPath(source, name);
  const std::string to = JoinPath(target, name);
  if (!FileExists(from)) return CopyError("File not found: ", from, flags, ui);
  if ((flags & kNewerOnly) != 0 && !IsNewerFile(from, to)) return flags;
  if ((flags & kAskOverwrite) != 0) {
    flags = ConfirmOverwrite(to, from, flags, ui);
    if ((flags & kCopyThis) == 0) return flags;
  }
  ui.ProgressText("Copying: " + name);
  if (!CopyBytes(from, to, file_system).ok()) {
    return CopyError("File failed to copy: ", from, flags, ui);
  }
  return flags;
}

CopyFlags ConfirmOverwrite(const std::string& existing, const std::string& replacement,
                           CopyFlags flags, platform::Interaction& ui) {
  std::error_code ec;
  const std::uintmax_t old_size = fs::file_size(existing, ec);
  if (ec || old_size == 0) return flags | kCopyThis;
  const std::uintmax_t new_size = fs::file_size(replacement, ec);
  const std::string old_time = FileTimeText(existing);
  const std::string new_time = FileTimeText(replacement);
  if (old_size == new_size && old_time == new_time) {
    return flags & static_cast<CopyFlags>(~kCopyThis);
  }
  const std::string text =
      "This folder already contains a file named:\n\nFile Name:  " +
      fs::path(existing).filename().string() + "\n\n" + SizeAndTime(old_size, old_time) +
      "\n\nDo you want to replace this file\nwith this file?\n\n" +
      SizeAndTime(new_size, new_time) +
      "\n\n\t[   Yes  ] Copy over the existing file\n\t[   No   ] Do not copy this file"
      "\n\t[Cancel] Cancel copying for these files";
  bool ask_no_more = false;
  const Answer answer =
      ui.AskWithCheck(" Confirm File Replacement", text, Icon::kQuestion, Buttons::kYesNoCancel,
                      "Do Not Show More Write Over Messages for This Group", &ask_no_more);
  // The rest of the group is then copied without asking.
  if (ask_no_more) flags &= static_cast<CopyFlags>(~kAskOverwrite);
  switch (answer) {
    case Answer::kYes:
      return flags | kCopyThis;
    case Answer::kNo:
      return flags & static_cast<CopyFlags>(~kCopyThis);
    default:
      return (flags | kCopyCancelled) & static_cast<CopyFlags>(~kCopyThis);
  }
}

}  // namespace kinloom::files
