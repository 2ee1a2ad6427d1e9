#include "store/folding.h"

namespace kinloom::store {
namespace {

constexpr std::array<uint8_t, 256> MakeFoldTable() {
  std::array<uint8_t, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<uint8_t>(i);
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<uint8_t>(c - 'A' + 'a');
  auto range = [&t](int from, int to, char folded) {
    for (int c = from; c <= to; ++c) t[c] = static_cast<uint8_t>(folded);
  };
  range(0xC0, 0xC5, 'a');  // À-Å
  range(0xE0, 0xE5, 'a');  // à-å
  range(0xC7, 0xC7, 'c');
  range(0xE7, 0xE7, 'c');
  range(0xC8, 0xCB, 'e');
  range(0xE8, 0xEB, 'e');
  range(0xCC, 0xCF, 'i');
  range(0xEC, 0xEF, 'i');
  range(0xD0, 0xD0, 'd');  // Ð
  range(0xF0, 0xF0, 'o');  // ð, as the table has always had it
  range(0xD1, 0xD1, 'n');
  range(0xF1, 0xF1, 'n');
  range(0xD2, 0xD6, 'o');
  range(0xD8, 0xD8, 'o');
  range(0xF2, 0xF6, 'o');
  range(0xF8, 0xF8, 'o');
  range(0xD9, 0xDC, 'u');
  range(0xF9, 0xFC, 'u');
  range(0xDD, 0xDD, 'y');
  range(0xFD, 0xFD, 'y');
  range(0xFF, 0xFF, 'y');
  range(0xDF, 0xDF, 's');  // ß
  t[0x87] = 0x86;
  // Letters of 0x80-0x9F, which UTF-8 files and typed text bring in as they are: they fold
  // like the plain letters they were read as before.
  t[0x83] = 'f';  // f with hook
  t[0x8A] = 's';  // S and s with caron
  t[0x9A] = 's';
  t[0x8E] = 'z';  // Z and z with caron
  t[0x9E] = 'z';
  t[0x8C] = 'o';  // the OE ligatures
  t[0x9C] = 'o';
  t[0x9F] = 'y';  // Y with diaeresis
  return t;
}

}  // namespace

namespace folding_internal {
constinit const std::array<uint8_t, 256> kFoldTable = MakeFoldTable();
}

const std::array<uint8_t, 256>& FoldForSearch() {
  return folding_internal::kFoldTable;
}

}  // namespace kinloom::store
