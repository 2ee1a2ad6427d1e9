// Files written by other programs: every one reads, keeps its people and their accented names,
// comes out of the link check consistent, and round-trips through the program's own format.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "platform/file_io.h"
#include "reports/tree_opening.h"
#include "store/gedcom_writer.h"
#include "store/line_search.h"
#include "store/names.h"
#include "support/corpus.h"
#include "support/test_support.h"

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

std::string Corpus(const std::string& name) {
  return testing::CorpusFile(name);
}

int Individuals(const store::RecordStore& store) {
  int count = 0;
  for (int n = 1; n <= store.highest_individual(); ++n) count += store.individual(n) ? 1 : 0;
  return count;
}

// How many lines of `tag` in the records of `kind` name `number`.
int Links(const store::LineNode* first, std::string_view tag, int number) {
  int count = 0;
  for (; first != nullptr; first = first->next) {
    if (store::HasTag(first->text(), tag) && store::XrefNumber(first->text()) == number) ++count;
  }
  return count;
}

// Every FAMC has its CHIL, every FAMS its HUSB or WIFE, and the other way round.
void ExpectLinksAgree(const store::RecordStore& store, const std::string& file) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const store::IndividualRecord* person = store.individual(n);
    if (person == nullptr) continue;
    for (const store::LineNode* line = person->lines; line != nullptr; line = line->next) {
      const bool child = store::HasTag(line->text(), "1 FAMC");
      if (!child && !store::HasTag(line->text(), "1 FAMS")) continue;
      const store::FamilyRecord* family = store.family(store::XrefNumber(line->text()));
      ASSERT_NE(family, nullptr) << file << ": " << line->text();
      int back = child ? Links(family->lines, "1 CHIL", n)
                       : Links(family->lines, "1 HUSB", n) + Links(family->lines, "1 WIFE", n);
      EXPECT_GT(back, 0) << file << ": individual " << n << " " << line->text();
    }
  }
  for (int f = 1; f <= store.highest_family(); ++f) {
    const store::FamilyRecord* family = store.family(f);
    if (family == nullptr) continue;
    for (const store::LineNode* line = family->lines; line != nullptr; line = line->next) {
      const bool child = store::HasTag(line->text(), "1 CHIL");
      if (!child && !store::HasTag(line->text(), "1 HUSB") &&
          !store::HasTag(line->text(), "1 WIFE")) {
        continue;
      }
      const store::IndividualRecord* person = store.individual(store::XrefNumber(line->text()));
      ASSERT_NE(person, nullptr) << file << ": family " << f << " " << line->text();
      EXPECT_GT(Links(person->lines, child ? "1 FAMC" : "1 FAMS", f), 0)
          << file << ": family " << f << " " << line->text();
    }
  }
}

TEST(Corpus, EveryFileReadsWithConsistentLinksAndRoundTripsToTheSameBytes) {
  KINLOOM_REQUIRE_CORPUS();
  const std::vector<std::string> files = CorpusFiles();
  ASSERT_GE(files.size(), 40u) << "too few files in the corpus at " << testing::CorpusDir();
  platform::LocalFileSystem fs;
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    TestTree t;
    LinkCheckSession session;
    OpenResult opened = ReadTreeChecked(t.store, file, false, session);
    ASSERT_EQ(opened.read.outcome, store::ReadOutcome::kRead);
    EXPECT_GE(Individuals(t.store), 1);
    ExpectLinksAgree(t.store, file);

    TempDir first, second;
    ASSERT_TRUE(
        store::WriteTree(t.store, first.File("tree.ged"), store::WriteMode::kNormal, fs).ok());
    TestTree own;
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
    LinkCheckSession session;
    ASSERT_EQ(ReadTreeChecked(t.store, Corpus("utf8-paf-bach.ged"), false, session).read.outcome,
              store::ReadOutcome::kRead);
    t.store.set_home_person(7);
    const int individuals = t.store.highest_individual();
    const int families = t.store.highest_family();
    const int sources = t.store.highest_source();
    const std::vector<std::string> before =
        RecordLinesUpTo(t.store, individuals, families, sources);
    ASSERT_EQ(ReadTreeChecked(t.store, file, true, session).read.outcome,
              store::ReadOutcome::kRead);
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
    OpenResult opened = ReadTreeChecked(t.store, Corpus(c.file), false, session);
    ASSERT_EQ(opened.read.outcome, store::ReadOutcome::kRead);
    const std::string summary = store::DroppedSummary(opened.read.dropped);
    EXPECT_EQ(summary.empty(), c.parts.empty()) << summary;
    for (const char* part : c.parts) EXPECT_NE(summary.find(part), std::string::npos) << summary;
  }
}

TEST(Corpus, EveryPersonComesThrough) {
  KINLOOM_REQUIRE_CORPUS();
  const std::map<std::string, int> counts = {{"ansel-myroots-lincoln.ged", 20},
                                             {"ansel-paf-japanese-imperial.ged", 187},
                                             {"ansi-ftm-potter.ged", 114},
                                             {"ansi-ftm-shakespeare.ged", 39},
                                             {"ansi-ftw-greek-gods.ged", 69},
                                             {"ansi-paf-tudor.ged", 268},
                                             {"ibmpc-tmg-hawaiian-kings.ged", 110},
                                             {"nochar-input.ged", 15},
                                             {"utf8-ancestris-kennedy.ged", 208},
                                             {"utf8-gramps-simpsons.ged", 11},
                                             {"utf8-legacy-basic.ged", 5},
                                             {"utf8-legacy-tudor.ged", 347},
                                             {"utf8-paf-bach.ged", 33},
                                             {"utf8-paf-bible.ged", 583},
                                             {"utf8-webtreeprint-bronte.ged", 14}};
  for (const auto& [file, count] : counts) {
    TestTree t;
    LinkCheckSession session;
    ASSERT_EQ(ReadTreeChecked(t.store, Corpus(file), false, session).read.outcome,
              store::ReadOutcome::kRead)
        << file;
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

TEST(Corpus, AccentedNamesArriveInTheInternalSet) {
  KINLOOM_REQUIRE_CORPUS();
  const struct {
    const char* file;
    const char* name_line;  // as the program keeps it (Windows-1252)
    const char* surname;
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
  };
  for (const auto& c : cases) {
    TestTree t;
    LinkCheckSession session;
    ASSERT_EQ(ReadTreeChecked(t.store, Corpus(c.file), false, session).read.outcome,
              store::ReadOutcome::kRead);
    int n = FindByLine(t.store, c.name_line);
    ASSERT_NE(n, 0) << c.file << ": " << c.name_line;
    EXPECT_EQ(store::Surname(t.store, n), c.surname);
  }
}

TEST(Corpus, PlacesKeepTheirAccentsAndWideFilesRead) {
  KINLOOM_REQUIRE_CORPUS();
  TestTree t;
  LinkCheckSession session;
  ASSERT_EQ(ReadTreeChecked(t.store, Corpus("utf8-legacy-basic.ged"), false, session).read.outcome,
            store::ReadOutcome::kRead);
  EXPECT_NE(FindByLine(t.store, "2 PLAC Alcorc\xF3n Madrid, Spain"), 0);

  TestTree wide;
  ASSERT_EQ(
      ReadTreeChecked(wide.store, Corpus("edge/char_utf16le-2.ged"), false, session).read.outcome,
      store::ReadOutcome::kRead);
  ASSERT_GE(wide.store.highest_individual(), 1);
}

}  // namespace
}  // namespace kinloom::reports
