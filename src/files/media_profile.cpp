#include "files/media_profile.h"

#include "core/chart_cache.h"
#include "files/media_albums.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::files {
namespace {

// The line holding the profile picture's name: a "1 OBJE" line with the name as its value, or
// the "2 FILE" line under it. nullptr when the person has no picture line.
store::LineNode* PictureNameLine(store::LineNode* first) {
  store::LineNode* object = store::FindTagLine(first, "1 OBJE");
  if (object == nullptr) return nullptr;
  const std::string_view value = store::LineValue(object->text(), "1 OBJE");
  if (!value.empty() && value.front() != '@') return object;
  return store::FindSubLine(object, "2 FILE");
}

}  // namespace

bool SetProfilePicture(store::RecordStore& store, int individual, std::string_view file) {
  store::IndividualRecord* person = individual >= 1 ? store.individual(individual) : nullptr;
  if (person == nullptr || person->lines == nullptr || file.empty()) return false;
  if (ProfilePictureFile(person->lines) == file) return false;
  store::LineNode* named = PictureNameLine(person->lines);
  if (named == nullptr) {
    // A "1 OBJE" pointing at a shared object record stays; the picture goes in front of it.
    store::LineNode* object = store::FindTagLine(person->lines, "1 OBJE");
    store::LineNode* after = store::FindInsertPoint(person->lines, "1 OBJE");
    if (object != nullptr) {
      for (after = person->lines; after->next != object;) after = after->next;
    }
    store::InsertLineAfter(store, after, "1 OBJE " + std::string(file));
  } else {
    const bool sub_line = store::HasTag(named->text(), "2 FILE");
    store::ReplaceLineText(store, named, sub_line ? "2 FILE" : "1 OBJE", file);
  }
  store::StampChanged(store, person->lines);
  return true;
}

bool RefreshChartPicture(store::RecordStore& store, int individual, std::string_view media_folder) {
  store::IndividualRecord* person = store.individual(individual);
  if (person == nullptr || person->lines == nullptr) return false;
  const std::string path = ChartPicturePath(media_folder, ProfilePictureFile(person->lines));
  if (person->thumbPath.view() == path) return false;
  if (path.empty()) {
    person->thumbPath.Reset();
  } else {
    person->thumbPath.Set(path);
  }
  core::RefreshPersonTexts(store, individual);
  return true;
}

void FillChartPictures(store::RecordStore& store, std::string_view media_folder) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    RefreshChartPicture(store, n, media_folder);
  }
}

}  // namespace kinloom::files
