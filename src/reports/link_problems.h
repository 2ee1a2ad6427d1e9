#pragma once

#include <string_view>

#include "platform/interaction.h"

namespace kinloom::reports {

// Whether a missing record of that number may be made by a repair. Source 0 is a legal number
// in a citation but never a record the writer puts out, so it is not made.
bool CreatableFamily(int number);      // 1 to 599999
bool CreatableIndividual(int number);  // 1 to 999999
bool CreatableSource(int number);      // 1 to 29999

// How a person with a "1 FAMC" or "1 FAMS" line belongs in that family.
enum class MemberRole { kChild, kWife, kHusband };
// "1 CHIL", "1 WIFE" or "1 HUSB".
std::string_view MemberTag(MemberRole role);

// The problems as the link fixer shows them. Each names the person and the family it is about;
// a number whose record does not exist is given only in the title, so the fixer can show the
// records named without looking further.

// A: a "1 FAMC"/"1 FAMS" line of `individual` names a family that does not exist.
platform::LinkProblem MissingFamilyRecord(int individual, int family);
// B: the family exists but does not list the person back.
platform::LinkProblem MissingFamilyMember(int individual, int family, MemberRole role);
// C: a citation of the person names a source that does not exist.
platform::LinkProblem MissingPersonSource(int individual, int source);
// D: a "1 HUSB"/"1 WIFE"/"1 CHIL" line of `family` names a person who does not exist.
platform::LinkProblem MissingPersonRecord(int family, int individual);
// E: the person exists but has no line pointing back at the family.
platform::LinkProblem MissingFamilyReference(int family, int individual);
// F: a citation of the family names a source that does not exist.
platform::LinkProblem MissingFamilySource(int family, int source);

}  // namespace kinloom::reports
