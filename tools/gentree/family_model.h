#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kinloom::gentree {

inline constexpr int32_t kNone = -1;
// Cross-references carry six digits, so no kind of record may exceed this count.
inline constexpr int32_t kMaxRecordsPerKind = 999'999;
// No one is born after this year; the generated file is dated in the following years.
inline constexpr int kLatestBirthYear = 2024;

enum class Sex : uint8_t { kMale, kFemale, kUnknown };
enum class Pedigree : uint8_t { kBirth, kAdopted, kFoster };

// The structure of one person; everything else about them is derived when they are written.
struct Person {
  int32_t child_of = kNone;  // family index
  std::array<int32_t, 2> spouse_in = {kNone, kNone};
  int16_t birth_year = 0;
  uint16_t surname = 0;  // index into the surname list
  Sex sex = Sex::kUnknown;
  Pedigree pedigree = Pedigree::kBirth;
  uint8_t spouse_in_count = 0;
};

// A family's children are consecutive people, ordered by birth year.
struct Family {
  int32_t husband = kNone;
  int32_t wife = kNone;
  int32_t first_child = kNone;
  int16_t marriage_year = 0;  // 0: no marriage (a single parent, or not married by now)
  uint8_t child_count = 0;
};

struct FamilyModel {
  std::vector<Person> people;
  std::vector<Family> families;
};

// Builds a population of exactly `individuals` people (REQUIRES: 1 <= individuals <=
// kMaxRecordsPerKind): founder couples whose descendants marry people from outside or from
// other branches, generation after generation. Both sides of every link agree. The same
// arguments always give the same model.
FamilyModel BuildFamilyModel(uint64_t seed, int32_t individuals, int surname_count);

// The birth year of the youngest child of `person`, or 0 if they have none.
int LastChildBirthYear(const FamilyModel& model, int32_t person);

}  // namespace kinloom::gentree
