// The tree that is open when a file is opened or merged: a merge leaves its records exactly as
// they were, and a file that cannot be read whole leaves all of it as it was.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "store/gedcom_reader.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::CrLfJoin;
using testing::RecordLines;
using testing::TempDir;
using testing::TestTree;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

// An own tree in the internal set, with a source as the sources dialog writes its medium.
const Lines kOpenTree = testing::Split(
    "0 HEAD|1 SOUR Kinloom Zoraz|1 CHAR ANSI|0 @I000001@ INDI|1 NAME Jos\xE9 /M\xFCller/|1 BIRT|"
    "2 PLAC Z\xFCrich|1 FAMS @F000001@|1 SOUR @S000001@|0 @I000002@ INDI|1 NAME Ann /Lee/|"
    "1 FAMS @F000001@|0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|0 @S000001@ SOUR|"
    "1 TITL Parish register|1 REPO|2 CALN|3 MEDI Book|0 TRLR");

void Append(Lines& lines, const LineNode* first) {
  const Lines record = RecordLines(first);
  lines.insert(lines.end(), record.begin(), record.end());
}

// Everything of a tree a read could change.
Lines Snapshot(const RecordStore& store) {
  Lines lines = {
      std::to_string(store.highest_individual()), std::to_string(store.highest_family()),
      std::to_string(store.highest_source()),     std::to_string(store.current_individual()),
      std::to_string(store.home_person()),        std::to_string(store.tree_modified()),
      std::to_string(store.note_records().size())};
  for (int n = 0; n <= store.highest_individual(); ++n) {
    if (store.individual(n) != nullptr) Append(lines, store.individual(n)->lines);
  }
  for (int n = 0; n <= store.highest_family(); ++n) {
    if (store.family(n) != nullptr) Append(lines, store.family(n)->lines);
  }
  for (int n = 1; n <= store.highest_source(); ++n) Append(lines, store.source(n));
  Append(lines, store.other_records());
  return lines;
}

// The open tree, with Ann chosen as the home person and shown.
struct OpenTree {
  OpenTree() {
    WriteFileBytes(dir.File("tree.ged"), CrLfJoin(kOpenTree));
    EXPECT_EQ(ReadTree(t.store, dir.File("tree.ged"), false).outcome, ReadOutcome::kRead);
    t.store.set_home_person(2);
    t.store.set_current_individual(2);
    t.ui.ClearRecords();
  }
  TestTree t;
  TempDir dir;
};

// The lines of the records of kOpenTree.
Lines OpenTreeRecords(const RecordStore& store) {
  Lines lines;
  for (const LineNode* first : {store.individual(1)->lines, store.individual(2)->lines,
                                store.family(1)->lines, store.source(1)}) {
    Append(lines, first);
  }
  return lines;
}

TEST(MergeKeepsTheOpenTree, ItsRecordsComeOutByteForByteAndTheHomePersonStays) {
  // "Zoë /Brontë/" in each set.
  const std::pair<const char*, std::string> files[] = {{"UTF-8", "Zo\xC3\xAB /Bront\xC3\xAB/"},
                                                       {"ANSEL", "Zo\xE8\x65 /Bront\xE8\x65/"}};
  for (const auto& [charset, name] : files) {
    SCOPED_TRACE(charset);
    OpenTree open;
    RecordStore& store = open.t.store;
    const Lines before = OpenTreeRecords(store);
    ASSERT_EQ(RecordLines(store.source(1)).back(), "3 MEDI Book");
    WriteFileBytes(open.dir.File("other.ged"),
                   CrLfJoin({"0 HEAD", "1 SOUR OTHERAPP", std::string("1 CHAR ") + charset,
                             "0 @I1@ INDI", "1 NAME " + name, "1 _UID 12", "0 @S1@ SOUR",
                             "1 TITL Letters", "1 REPO @R1@", "0 TRLR"}));
    ASSERT_EQ(ReadTree(store, open.dir.File("other.ged"), true).outcome, ReadOutcome::kRead);
    // The records that were there: the same lines, neither converted nor cleaned nor stamped.
    EXPECT_EQ(OpenTreeRecords(store), before);
    // The records read: converted and cleaned.
    EXPECT_EQ(RecordLines(store.individual(3)->lines),
              (Lines{"0 @I000003@ INDI", "1 NAME Zo\xEB /Bront\xEB/", "1 CHAN",
                     "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}));
    EXPECT_EQ(RecordLines(store.source(2)).at(2), "1 CHAN");
    EXPECT_EQ(store.home_person(), 2);
    EXPECT_EQ(store.current_individual(), 2);
    EXPECT_TRUE(store.tree_modified());
  }
}

// A source that fails with `error` after giving `good` bytes of the text.
class FailingSource final : public ByteSource {
 public:
  FailingSource(std::string text, size_t good, int error)
      : text_(std::move(text)), good_(good), fail_with_(error) {}
  size_t Read(char* data, size_t size) override {
    const size_t n = std::min(size, good_ - std::min(good_, at_));
    std::memcpy(data, text_.data() + at_, n);
    at_ += n;
    if (n < size) error_ = fail_with_;
    return n;
  }
  int error() const override { return error_; }

 private:
  std::string text_;
  size_t good_;
  size_t at_ = 0;
  int fail_with_;
  int error_ = 0;
};

// A file from another program: `head`, then `count` records "0 @<letter><n>@ <record>".
std::string Foreign(std::string head, char letter, const std::string& record, int count) {
  for (int n = 1; n <= count; ++n) {
    head += "0 @" + std::string(1, letter) + std::to_string(n) + "@ " + record + "\r\n";
  }
  return head + "0 TRLR\r\n";
}
const std::string kSourcesHead = "0 HEAD\r\n1 SOUR OTHER\r\n0 @I1@ INDI\r\n1 NAME A /B/\r\n";

TEST(FailedReadKeepsTheOpenTree, OpenAndMergeChangeNothingAndSayWhy) {
  // Over a megabyte: the read fails after the first block.
  const std::string people = Foreign("0 HEAD\r\n1 SOUR OTHER\r\n1 CHAR ANSI\r\n", 'P',
                                     "INDI\r\n1 NAME Someone /Else/", 40000);
  const struct {
    const char* what;
    ReadOutcome outcome;
    const char* caption;
    const char* says;  // part of the message
    std::function<std::unique_ptr<ByteSource>(const std::string&, int*)> open;
    std::string file;     // the file's bytes, when it is read from the disk
    bool folder = false;  // the path names a folder: a real read error
  } cases[] = {
      {"a read that fails half way", ReadOutcome::kUnreadable, "*** File Reading Error ***",
       "could not be read: Input/output error.",
       [&people](const std::string&, int*) {
         return std::make_unique<FailingSource>(people, people.size() * 3 / 4, EIO);
       },
       ""},
      {"a file that cannot be opened", ReadOutcome::kUnreadable, "*** File Reading Error ***",
       "could not be read: Permission denied.",
       [](const std::string&, int* error) {
         *error = EACCES;
         return std::unique_ptr<ByteSource>();
       },
       ""},
      {"more sources than the table holds", ReadOutcome::kTooManyRecords,
       "*** Too Many Records ***", "This file exceeds the maximum\nnumber of records available.",
       nullptr, Foreign(kSourcesHead, 'S', "SOUR\r\n1 TITL Register", kMaxSource + 1)},
      {"a folder", ReadOutcome::kUnreadable, "*** File Reading Error ***",
       "could not be read: Is a directory.", nullptr, "", true},
  };
  for (const auto& c : cases) {
    for (bool merge : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (merge ? ", merged" : ", opened"));
      OpenTree open;
      open.t.store.set_tree_modified(true);
      const Lines before = Snapshot(open.t.store);
      const std::string path = c.folder ? open.dir.path() : open.dir.File("other.ged");
      if (!c.folder) WriteFileBytes(path, c.file);
      ReadSteps steps;
      steps.open_file = c.open;
      ReadResult result = ReadTree(open.t.store, path, merge, steps);
      EXPECT_EQ(result.outcome, c.outcome);
      EXPECT_EQ(Snapshot(open.t.store), before);
      EXPECT_TRUE(result.dropped.empty());
      ASSERT_EQ(open.t.ui.records().size(), 1u);
      const auto& message = open.t.ui.records()[0];
      EXPECT_EQ(message.caption, c.caption);
      EXPECT_NE(message.text.find(c.says), std::string::npos) << message.text;
      EXPECT_TRUE(
          message.text.ends_with(merge ? "The file was not merged." : "The file was not opened."))
          << message.text;
      if (c.outcome == ReadOutcome::kUnreadable) {
        EXPECT_NE(message.text.find(path), std::string::npos) << message.text;
      }
      EXPECT_EQ(open.t.store.busy_depth(), 0);
    }
  }
}

TEST(FailedReadKeepsTheOpenTree, AFileThatFitsTheTablesIsRead) {
  TestTree full;
  TempDir dir;
  WriteFileBytes(dir.File("full.ged"),
                 Foreign(kSourcesHead, 'S', "SOUR\r\n1 TITL Register", kMaxSource));
  EXPECT_EQ(ReadTree(full.store, dir.File("full.ged"), false).outcome, ReadOutcome::kRead);
  EXPECT_EQ(full.store.highest_source(), kMaxSource);
  EXPECT_TRUE(full.ui.records().empty());
}

}  // namespace
}  // namespace kinloom::store
