#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "web/person_view.h"
#include "web/site_pictures.h"

namespace kinloom::web {

// The data files of the script-driven site. All are written as bytes ("wb"), with "\n" line
// ends, and begin with a line naming the file, so that no entry starts at offset 0 and an
// offset slot of 0 means "no entry".
//
// "seqindex": 32-byte slots. Slot 0 holds "%06d\n", the number of published people; slot n
//   (n from 1, index order) holds "%d\n%s\n": the record number and the first 22 characters of
//   the person's index name, folded to lower case without accents.
// "indindex", "chtindex", "famindex", "srcindex": 16-byte slots by record number, slot n holding
//   "%u\n", the offset of record n's entry in "inddata", "chtdata", "famdata" or "srcdata".
// Entries are lines that start with a key and end with a line "*". Fields within a line are
// separated by tabs; a note's line breaks are written as byte 0x1F. A person who is not
// published is written as number "P" with the name "Private".
//
// "inddata" (person): "#%06d", "0" name, "1" index name, "2" sex letter, "3" birth date,
//   "4" death date, "5" picture in "tmb", "6" citations of the person ("1,2"); then the detail
//   groups in the order of the tag list, each line keyed by its group letter:
//   "<letter>\tcaption\tvalue\tdate\tplace\tnote\tcitations" for events and facts;
//   "n\tnumber\tsource\tpage" citations; "o\tfamily\tkind\tfather\tname\tyears\tmother\tname\t
//   years" the parents, followed by "=\tnumber\tname\tyears\tkind" siblings; "p\tfamily\tspouse\t
//   name\tyears" each family, followed by "+" family events (as events) and
//   "-\tnumber\tname\tyears\tkind" children; "q\tnote" notes.
// "chtdata" (chart box): "#%06d", "name\tyears\tfather\tmother", "S\tspouse\tchild,child", "*".
// "famdata": "#%06d", "h\tnumber\tname\tyears" husband, "w\t..." wife, "e\tcaption\tvalue\tdate\t
//   place\tnote" events, "c\tnumber\tname\tyears\tkind" children, "*".
// "srcdata": "#%06d", "T" title, "A" author, "P" publication, "N" note, "M" medium, "Q" quality,
//   "*"; only sources that a published page cites.
// "picindex": slot 0 the offset of the group list in "picdata", slot k (from 1) picture entry k.
// "picdata": the groups "wDocuments\n%d\n%d\n", "wPictures\n...", "wHead Stones\n...",
//   "wEverything\n..." and "w%s\n%d\n%d\n" per album: name, number of pictures and the slot of
//   its first entry; then the entries "#%d", "f" file in "med" and "tmb", "k" kind, "t" title,
//   "n" note, "i\tnumber\tname" people, "*".

inline constexpr size_t kSequenceSlot = 32;
inline constexpr size_t kOffsetSlot = 16;

// An offset index: `slots` slots of "0\n".
class OffsetIndex {
 public:
  explicit OffsetIndex(size_t slots);
  void Set(size_t slot, uint64_t offset);
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

std::string SequenceIndexFile(const PersonViews& views, const SequenceIndex& index);

// One person's "inddata" entry; the sources it cites are marked in *cited (by number).
std::string PersonEntry(const PersonView& view, const std::string& portrait,
                        std::vector<bool>* cited);
std::string ChartEntry(const PersonViews& views, int individual);
// A shown family with at least one published member; empty for any other.
std::string FamilyEntry(const PersonViews& views, int family);
std::string SourceEntry(const store::RecordStore& store, int source);
// "picindex" and "picdata" of the published pictures.
void PictureFiles(const PersonViews& views, const PublishedPictures& pictures,
                  std::string* picindex, std::string* picdata);

// The first line of each data file.
std::string DataFileHeader(std::string_view name);

}  // namespace kinloom::web
