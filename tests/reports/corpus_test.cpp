// Files written by other programs: every one reads, keeps its people and their accented names,
// comes out of the link check consistent, and round-trips through the program's own format.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/file_io.h"
#include "reports/tree_opening.h"
#include "store/gedcom_writer.h"
#include "store/line_search.h"
#include "store/names.h"
#include "support/corpus.h"
#include "support/test_support.h"
#include "support/tree_checks.h"

namespace kinloom::reports {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::TestTree;

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> files;
  for (const char* folder : {"", "/edge"}) {
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(testing::CorpusDir() + folder, error)) {
      if (entry.path().extension() == ".ged") files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

int Individuals(const store::RecordStore& store) {
  int count = 0;
  for (int n = 1; n <= store.highest_individual(); ++n) count += store.individual(n) ? 1 : 0;
  return count;
}

// Reads a file of the corpus (a name) or any file (a path) into `tree`, checking links.
store::ReadOutcome Read(TestTree& tree, const std::string& file, bool merge = false) {
  LinkCheckSession session;
  const std::string path = file.starts_with("/") ? file : testing::CorpusFile(file);
  return ReadTreeChecked(tree.store, path, merge, session).read.outcome;
}

TEST(Corpus, EveryFileReadsWithConsistentLinksAndRoundTripsToTheSameBytes) {
  KINLOOM_REQUIRE_CORPUS();
  const std::vector<std::string> files = CorpusFiles();
  ASSERT_GE(files.size(), 40u) << "too few files in the corpus at " << testing::CorpusDir();
  platform::LocalFileSystem fs;
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    TestTree t;
    ASSERT_EQ(Read(t, file), store::ReadOutcome::kRead);
    EXPECT_GE(Individuals(t.store), 1);
    EXPECT_EQ(testing::CheckTree(t.store, false), "");

    TempDir first, second;
    ASSERT_TRUE(
        store::WriteTree(t.store, first.File("tree.ged"), store::WriteMode::kNormal, fs).ok());
    TestTree own;
    LinkCheckSession session;
    OpenResult reread = ReadTreeChecked(own.store, first.File("tree.ged"), false, session);
    ASSERT_TRUE(reread.read.own_file);
    EXPECT_TRUE(reread.read.dropped.empty());
    EXPECT_EQ(reread.links.problems, 0);
    EXPECT_EQ(Individuals(own.store), Individuals(t.store));
    ASSERT_TRUE(
        store::WriteTree(own.store, second.File("tree.ged"), store::WriteMode::kNormal, fs).ok());
    EXPECT_TRUE(ReadFileBytes(first.File("tree.ged")) == ReadFileBytes(second.File("tree.ged")));
  }
}

// The lines of the records up to the given highest numbers.
std::vector<std::string> RecordLinesUpTo(const store::RecordStore& store, int individuals,
                                         int families, int sources) {
  std::vector<std::string> lines;
  auto add = [&lines](const store::LineNode* first) {
    for (; first != nullptr; first = first->next) lines.emplace_back(first->text());
  };
  for (int n = 1; n <= individuals; ++n) {
    if (store.individual(n) != nullptr) add(store.individual(n)->lines);
  }
  for (int n = 1; n <= families; ++n) {
    if (store.family(n) != nullptr) add(store.family(n)->lines);
  }
  for (int n = 1; n <= sources; ++n) add(store.source(n));
  return lines;
}

TEST(Corpus, MergingAnyFileLeavesTheRecordsOfTheOpenTreeAsTheyWere) {
  KINLOOM_REQUIRE_CORPUS();
  for (const std::string& file : CorpusFiles()) {
    SCOPED_TRACE(file);
    TestTree t;
    ASSERT_EQ(Read(t, "utf8-paf-bach.ged"), store::ReadOutcome::kRead);
    t.store.set_home_person(7);
    const int individuals = t.store.highest_individual();
    const int families = t.store.highest_family();
    const int sources = t.store.highest_source();
    const std::vector<std::string> before =
        RecordLinesUpTo(t.store, individuals, families, sources);
    ASSERT_EQ(Read(t, file, true), store::ReadOutcome::kRead);
    EXPECT_TRUE(RecordLinesUpTo(t.store, individuals, families, sources) == before);
    EXPECT_EQ(t.store.home_person(), 7);
  }
}

TEST(Corpus, WhatAnImportLeavesOutIsSummedUp) {
  KINLOOM_REQUIRE_CORPUS();
  const struct {
    const char* file;
    std::vector<const char*> parts;  // of the summary
  } cases[] = {
      {"ansi-paf-tudor.ged", {"Not carried over: ", "26 custom events", "11 causes of death"}},
      {"ansi-ftm-potter.ged", {"7 custom events", "1 submitter record"}},
      {"utf8-gramps-simpsons.ged", {"8 picture file names", "8 media formats"}},
      {"ansi-ftw-greek-gods.ged", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TestTree t;
    LinkCheckSession session;
    OpenResult opened = ReadTreeChecked(t.store, testing::CorpusFile(c.file), false, session);
    ASSERT_EQ(opened.read.outcome, store::ReadOutcome::kRead);
    const std::string summary = store::DroppedSummary(opened.read.dropped);
    EXPECT_EQ(summary.empty(), c.parts.empty()) << summary;
    for (const char* part : c.parts) EXPECT_NE(summary.find(part), std::string::npos) << summary;
  }
}

TEST(Corpus, EveryPersonComesThrough) {
  KINLOOM_REQUIRE_CORPUS();
  // clang-format off
  const std::pair<const char*, int> counts[] = {
      {"ansel-myroots-lincoln.ged", 20}, {"ansel-paf-japanese-imperial.ged", 187},
      {"ansi-ftm-potter.ged", 114}, {"ansi-ftm-shakespeare.ged", 39},
      {"ansi-ftw-greek-gods.ged", 69}, {"ansi-paf-tudor.ged", 268},
      {"ibmpc-tmg-hawaiian-kings.ged", 110}, {"nochar-input.ged", 15},
      {"utf8-ancestris-kennedy.ged", 208}, {"utf8-gramps-simpsons.ged", 11},
      {"utf8-legacy-basic.ged", 5}, {"utf8-legacy-tudor.ged", 347},
      {"utf8-paf-bach.ged", 33}, {"utf8-paf-bible.ged", 583},
      {"utf8-webtreeprint-bronte.ged", 14}};
  // clang-format on
  for (const auto& [file, count] : counts) {
    TestTree t;
    ASSERT_EQ(Read(t, file), store::ReadOutcome::kRead) << file;
    EXPECT_EQ(Individuals(t.store), count) << file;
  }
}

// The individual with a line of exactly the given text, or 0.
int FindByLine(const store::RecordStore& store, std::string_view text) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const store::IndividualRecord* person = store.individual(n);
    for (const store::LineNode* line = person ? person->lines : nullptr; line; line = line->next) {
      if (line->text() == text) return n;
    }
  }
  return 0;
}

TEST(Corpus, AccentedNamesAndPlacesArriveInTheInternalSetAndWideFilesRead) {
  KINLOOM_REQUIRE_CORPUS();
  const struct {
    const char* file;
    const char* line;     // as the program keeps it (Windows-1252)
    const char* surname;  // of the person with that line
  } cases[] = {
      {"utf8-paf-bach.ged", "1 NAME Maria Elisabetha /L\xE4mmerhirt/", "L\xE4mmerhirt"},
      {"utf8-webtreeprint-bronte.ged", "1 NAME Patrick /Bront\xEB/", "Bront\xEB"},
      {"utf8-webtreeprint-bronte.ged", "1 NAME Elizabeth /Bront\xEB/", "Bront\xEB"},
      // A second name line becomes an alias, with the title that followed it.
      {"utf8-legacy-tudor.ged", "1 ALIA Catarina /De Arag\xE3o/, Queen Consort of England",
       "Aragon"},
      {"utf8-legacy-tudor.ged", "1 NAME Payn /de Ro\xEBt/", "de Ro\xEBt"},
      // No character set declared, but every byte forms UTF-8.
      {"nochar-input.ged", "1 NAME C\xE9line /BERNARD/", "BERNARD"},
      {"utf8-legacy-basic.ged", "2 PLAC Alcorc\xF3n Madrid, Spain", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + ": " + c.line);
    TestTree t;
    ASSERT_EQ(Read(t, c.file), store::ReadOutcome::kRead);
    int n = FindByLine(t.store, c.line);
    ASSERT_NE(n, 0);
    if (c.surname != nullptr) {
      EXPECT_EQ(store::Surname(t.store, n), c.surname);
    }
  }
  TestTree wide;
  ASSERT_EQ(Read(wide, "edge/char_utf16le-2.ged"), store::ReadOutcome::kRead);
  ASSERT_GE(wide.store.highest_individual(), 1);
}

}  // namespace
}  // namespace kinloom::reports
