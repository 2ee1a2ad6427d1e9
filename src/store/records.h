#pragma once

#include <cstdint>

#include "store/line_node.h"
#include "store/owned_text.h"

namespace kinloom::store {

// Bits of IndividualRecord::hideFlags (and FamilyRecord::hideFlags where they apply).
inline constexpr uint8_t kHideLiving = 0x01;
inline constexpr uint8_t kHideEverything = 0x02;
inline constexpr uint8_t kHideSurname = 0x04;
inline constexpr uint8_t kHidePlaces = 0x08;
inline constexpr uint8_t kHideContact = 0x10;
inline constexpr uint8_t kHideSsn = 0x20;
inline constexpr uint8_t kHideNotes = 0x40;

// Bits of IndividualRecord::markFlags.
inline constexpr uint8_t kMarkSelected = 0x01;
inline constexpr uint8_t kMarkVisit = 0x04;
inline constexpr uint8_t kMarkEdge = 0x08;
inline constexpr uint8_t kMarkContact = 0x10;
inline constexpr uint8_t kMarkReportCheck = 0x20;
inline constexpr uint8_t kMarkInSubtree = 0x40;  // the part of the tree statistics tabulate
inline constexpr uint8_t kMarkSelectedCopy = 0x80;

// One individual: its lines plus the flags the file keeps in private lines and the texts and
// measures the chart caches.
struct IndividualRecord {
  int32_t listPos = -1;             // position in the individual search list; -1 none
  uint32_t skipFlagsExt = 0;        // problem skip flags for errors 7 to 37
  uint8_t skipFlags = 0;            // problem skip flags for errors 1 to 6, one bit per pair
  uint8_t hideFlags = 0;            // kHide* bits
  uint8_t markFlags = 0;            // kMark* bits
  uint8_t listBits[3] = {0, 0, 0};  // information explorer lists, member and ticked bits
  uint16_t labelWidth = 0;
  uint16_t birthWidth = 0;
  uint16_t deathWidth = 0;
  uint16_t walkStamp = 0;
  uint16_t work[2] = {0, 0};  // scratch of split tree, editing, wall chart
  uint16_t boxLines = 0;
  uint16_t blockLines = 0;
  uint16_t layout[2] = {0, 0};  // scratch of chart layout and web site
  OwnedText todoText;
  OwnedText labelText;
  OwnedText thumbPath;
  OwnedText birthText;
  OwnedText deathText;
  LineNode* lines = nullptr;  // first line "0 @I%06i@ INDI"
};

struct FamilyRecord {
  int32_t listPos = -1;
  int32_t nextToVisit = 0;
  uint8_t hideFlags = 0;
  uint16_t walkStamp = 0;
  uint16_t marriageWidth = 0;
  OwnedText marriageText;
  LineNode* lines = nullptr;  // first line "0 @F%06i@ FAM"
};

// Usable record numbers.
inline constexpr int kMaxIndividual = 999999;
inline constexpr int kMaxFamily = 599999;
inline constexpr int kMaxSource = 29999;
inline constexpr int kHistorySize = 1000;

}  // namespace kinloom::store
