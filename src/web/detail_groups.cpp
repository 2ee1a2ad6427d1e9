#include "web/detail_groups.h"

#include <array>

#include "store/records.h"

namespace kinloom::web {
namespace {

constexpr std::array<std::string_view, kDetailTagCount> kCaptions = {"Picture",
                                                                     "Gender",
                                                                     "Ancestral File No.",
                                                                     "Name",
                                                                     "Also Known As",
                                                                     "Title",
                                                                     "Birth",
                                                                     "Baptism",
                                                                     "Christening",
                                                                     "LDS Baptism",
                                                                     "Adoption",
                                                                     "Death",
                                                                     "Burial",
                                                                     "Cremation",
                                                                     "Education",
                                                                     "Graduation",
                                                                     "Nationality",
                                                                     "Emigration",
                                                                     "Immigration",
                                                                     "Naturalization",
                                                                     "Occupation",
                                                                     "Retirement",
                                                                     "Residence",
                                                                     "Property",
                                                                     "Will",
                                                                     "Religion",
                                                                     "Adult Christening",
                                                                     "First Communion",
                                                                     "Confirmation",
                                                                     "LDS Confirmation",
                                                                     "LDS Child Sealing",
                                                                     "Bar Mitzvah",
                                                                     "Bas Mitzvah",
                                                                     "LDS Endowment",
                                                                     "Ordination",
                                                                     "LDS Ordinance",
                                                                     "Social Security No.",
                                                                     "Phone",
                                                                     "E-Mail",
                                                                     "Sources",
                                                                     "Parents",
                                                                     "Family",
                                                                     "Notes"};

}  // namespace

int DetailGroupOf(std::string_view line) {
  if (line.size() < 3 || line[0] != '1' || line[1] != ' ') return -1;
  std::string_view tag = line.substr(2);
  tag = tag.substr(0, tag.find(' '));
  if (tag.empty() || tag.size() > 4) return -1;
  for (int position = 0; position < kDetailTagCount; ++position) {
    std::string_view entry = kDetailTagList.substr(static_cast<size_t>(position) * 5, 4);
    entry = entry.substr(0, entry.find(' '));
    if (entry == tag) return position;
  }
  return -1;
}

char GroupLetter(int position) {
  return position < 26 ? static_cast<char>('A' + position) : static_cast<char>('a' + position - 26);
}

bool GroupHidden(int position, uint8_t hide_flags) {
  switch (position) {
    case 36:
      return (hide_flags & store::kHideSsn) != 0;
    case 22:
      return (hide_flags & (store::kHidePlaces | store::kHideContact)) != 0;
    case 37:
    case 38:
      return (hide_flags & store::kHideContact) != 0;
    case kNoteGroup:
      return (hide_flags & store::kHideNotes) != 0;
    default:
      return false;
  }
}

std::string_view GroupCaption(int position) {
  if (position < 0 || position >= kDetailTagCount) return {};
  return kCaptions[static_cast<size_t>(position)];
}

}  // namespace kinloom::web
