#pragma once

#include <cstdint>
#include <string_view>

namespace kinloom::web {

// A person's detail lines are grouped by tag, in the order of a fixed list of tags. The data
// files key each group with a letter: "A" plus the position for positions 0 to 25, "a" plus
// the position minus 26 from 26 on (so "SSN" is "k" and "RESI" is "W"). Groups are published
// from "ALIA" on.
inline constexpr std::string_view kDetailTagList =
    "OBJE SEX  AFN  NAME ALIA TITL BIRT BAPM CHR  BAPL ADOP DEAT BURI CREM EDUC GRAD NATI EMIG "
    "IMMI NATU OCCU RETI RESI PROP WILL RELI CHRA FCOM CONF CONL SLGC BARM BASM ENDL ORDN ORDL "
    "SSN  PHON MAIL SOUR FAMC FAMS NOTE ";
inline constexpr int kDetailTagCount = static_cast<int>(kDetailTagList.size() / 5);
inline constexpr int kFirstPublishedGroup = 4;  // "ALIA"

// Positions of the groups the pages treat on their own.
inline constexpr int kSourceGroup = 39;
inline constexpr int kParentFamilyGroup = 40;
inline constexpr int kSpouseFamilyGroup = 41;
inline constexpr int kNoteGroup = 42;

// The position of a level-1 line's tag in the list ("1 BIRT ..." gives 6); -1 for a tag that is
// not in it.
int DetailGroupOf(std::string_view line);
char GroupLetter(int position);

// Whether a group is left out for a person with these hide bits (in the modes that hide
// information): the social security number, residences, phone and mail, notes.
bool GroupHidden(int position, uint8_t hide_flags);

// The heading an event or fact shows under ("Birth", "Occupation", ...).
std::string_view GroupCaption(int position);

// Family events in the order a family page shows them, with their captions.
struct FamilyEventTag {
  std::string_view prefix;
  std::string_view caption;
};
inline constexpr FamilyEventTag kFamilyEventTags[] = {
    {"1 ENGA", "Engagement"},       {"1 MARB", "Marriage Banns"}, {"1 MARC", "Marriage Contract"},
    {"1 MARL", "Marriage License"}, {"1 MARR", "Marriage"},       {"1 SLGS", "Sealing to Spouse"},
    {"1 ANUL", "Annulment"},        {"1 DIVF", "Divorce Filed"},  {"1 DIV", "Divorce"}};

}  // namespace kinloom::web
