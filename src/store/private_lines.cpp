#include "store/private_lines.h"

#include <cstdio>

#include "store/decimal.h"

namespace kinloom::store {
namespace {

// Reads a decimal number, blanks first, from the 1-based columns first..last (last 0: to the
// end of the line). Anything unreadable counts as 0; the value is kept within 64 bits.
long long Field(std::string_view line, size_t first, size_t last) {
  if (first > line.size()) return 0;
  std::string_view field = line.substr(first - 1);
  if (last != 0 && last >= first) field = field.substr(0, last - first + 1);
  return ReadSignedDecimal(field, 100000000000LL);
}

uint8_t Byte(long long value) {
  return static_cast<uint8_t>(value & 0xFF);
}

int32_t Position(long long value) {
  return value < -1 || value > 0x7FFFFFFF ? -1 : static_cast<int32_t>(value);
}

}  // namespace

std::string IndividualVerLine(const IndividualRecord& record) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "1 _VER %3d %d", record.skipFlags,
                static_cast<int32_t>(record.skipFlagsExt));
  return buffer;
}

std::string IndividualSeqLine(const IndividualRecord& record, bool reduced_copy) {
  char buffer[64];
  int n =
      std::snprintf(buffer, sizeof buffer, "1 _SEQ %4d %4d %4d %4d %4d ", record.hideFlags,
                    record.markFlags, record.listBits[0], record.listBits[1], record.listBits[2]);
  if (reduced_copy) {
    std::snprintf(buffer + n, sizeof buffer - static_cast<size_t>(n), "-1");
  } else {
    std::snprintf(buffer + n, sizeof buffer - static_cast<size_t>(n), "%6d", record.listPos);
  }
  return buffer;
}

std::string FamilySeqLine(const FamilyRecord& record, bool reduced_copy) {
  char buffer[48];
  if (reduced_copy) {
    std::snprintf(buffer, sizeof buffer, "1 _SEQ %4d -1", record.hideFlags);
  } else {
    std::snprintf(buffer, sizeof buffer, "1 _SEQ %4d %6d", record.hideFlags, record.listPos);
  }
  return buffer;
}

bool ReadVerLine(std::string_view line, IndividualRecord* record) {
  // The shortest line the writer makes is "1 _VER   0 0".
  if (line.size() < 11) return false;
  record->skipFlags = Byte(Field(line, 8, 10));
  record->skipFlagsExt = static_cast<uint32_t>(Field(line, 12, 0));
  return true;
}

bool ReadIndividualSeqLine(std::string_view line, IndividualRecord* record) {
  if (line.size() < 34) return false;
  record->hideFlags = Byte(Field(line, 8, 11));
  record->markFlags = Byte(Field(line, 13, 16));
  record->listBits[0] = Byte(Field(line, 18, 21));
  record->listBits[1] = Byte(Field(line, 23, 26));
  record->listBits[2] = Byte(Field(line, 28, 31));
  record->listPos = Position(Field(line, 33, 0));
  return true;
}

bool ReadFamilySeqLine(std::string_view line, FamilyRecord* record) {
  if (line.size() < 8) return false;
  record->hideFlags = Byte(Field(line, 8, 11));
  record->listPos = Position(Field(line, 13, 0));
  return true;
}

}  // namespace kinloom::store
