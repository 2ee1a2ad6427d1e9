// What an import leaves out or rewrites is collected, summed up and listed.
#include "store/dropped_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "store/gedcom_reader.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::CrLfJoin;
using testing::TempDir;
using testing::TestTree;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

// A file from another program, in UTF-8 or in ANSEL: the accented letters in each set.
std::string ForeignFile(bool ansel) {
  auto letter = [ansel](const char* mark, char plain, const char* utf8) {
    return ansel ? mark + std::string(1, plain) : std::string(utf8);
  };
  const std::string e_acute = letter("\xE2", 'e', "\xC3\xA9");
  const std::string u_umlaut = letter("\xE8", 'u', "\xC3\xBC");
  const std::string a_umlaut = letter("\xE8", 'a', "\xC3\xA4");
  return CrLfJoin(testing::Split(
      "0 HEAD|1 SOUR OTHERAPP|" + std::string(ansel ? "1 CHAR ANSEL" : "1 CHAR UTF-8") +
      "|0 @SUB1@ SUBM|1 NAME M" + a_umlaut + "rta|0 @I1@ INDI|1 NAME Jos" + e_acute + " Maria /M" +
      u_umlaut + "ller/|2 GIVN Jos" + e_acute + ", Maria|2 SURN M" + u_umlaut +
      "ller|2 NPFX Dr.|1 DEAT|2 CAUS Lungenentz" + u_umlaut +
      "ndung|1 EVEN|2 TYPE Fair|2 DATE 1900|1 OBJE|2 FILE photo.jpg|3 FORM jpg|1 _UID ABC|"
      "0 @I2@ INDI|1 NAME Ann /Lee/|1 DEAT|2 CAUS Fever|1 RESI Main St|0 @F1@ FAM|1 HUSB @I1@|"
      "1 WIFE @I2@|1 DIV N|1 MARR Y|0 @S1@ SOUR|1 TITL Register|1 REPO @R1@|0 @R1@ REPO|"
      "1 NAME Archive|0 TRLR"));
}

TEST(DroppedLines, AnImportSumsUpAndListsWhatItLeftOutWhateverTheSet) {
  for (bool ansel : {false, true}) {
    SCOPED_TRACE(ansel ? "ANSEL" : "UTF-8");
    TestTree t;
    TempDir dir;
    WriteFileBytes(dir.File("other.ged"), ForeignFile(ansel));
    ReadResult result = ReadTree(t.store, dir.File("other.ged"), false);
    ASSERT_EQ(result.outcome, ReadOutcome::kRead);
    const DroppedLines& dropped = result.dropped;
    // The name parts repeat the name and go without a word; the rest is named by what it held.
    EXPECT_EQ(DroppedSummary(dropped),
              "Not carried over: 2 causes of death, 1 submitter record, 1 repository record, "
              "1 name prefix, 1 custom event, 1 picture file name, 1 unique identifier, "
              "1 event marked as not having happened, 1 repository. Changed to fit: 1 line.");
    EXPECT_EQ(dropped.dropped_count(), 15u);
    EXPECT_EQ(dropped.changed_count(), 1u);
    // The "1 DIV N" of the family went; the family's marriage stayed.
    EXPECT_EQ(testing::RecordLines(t.store.family(1)->lines).at(3), "1 MARR Y");

    const Lines report = DroppedLinesReport(dropped);
    EXPECT_EQ(report.front(), DroppedSummary(dropped));
    auto listed = [&report](const std::string& line) {
      return std::find(report.begin(), report.end(), line) != report.end();
    };
    for (const std::string& line :
         testing::Split("Individual 1 (@I1@ in the file):|  2 NPFX Dr.   (not kept: name prefix)|"
                        "  2 CAUS Lungenentz\xC3\xBCndung   (not kept: cause of death)|"
                        "  1 EVEN   (not kept: custom event)|    2 TYPE Fair|    3 FORM jpg|"
                        "Individual 2 (@I2@ in the file):|  1 RESI Main St   (rewritten)|"
                        "Family 1 (@F1@ in the file):|  1 DIV N   (did not happen)|"
                        "Source 1 (@S1@ in the file):|  1 REPO @R1@   (not kept: repository)|"
                        "Other record @SUB1@:|  0 @SUB1@ SUBM   (not kept: submitter record)|"
                        "    1 NAME M\xC3\xA4rta")) {
      EXPECT_TRUE(listed(line)) << line;
    }
    EXPECT_EQ(std::count_if(report.begin(), report.end(),
                            [](const std::string& line) { return line.find("GIVN") != line.npos; }),
              0);
  }
}

TEST(DroppedLines, AnOwnFileLosesNothingAndSaysSo) {
  TestTree t;
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), CrLfJoin({"0 HEAD", "1 SOUR Kinloom", "0 @I000001@ INDI",
                                                 "1 NAME Ann /Lee/", "1 _UID kept", "0 TRLR"}));
  ReadResult result = ReadTree(t.store, dir.File("tree.ged"), false);
  ASSERT_EQ(result.outcome, ReadOutcome::kRead);
  EXPECT_TRUE(result.dropped.empty());
  EXPECT_EQ(DroppedSummary(result.dropped), "");
  EXPECT_EQ(DroppedLinesReport(result.dropped), Lines{"Everything was carried over."});
}

}  // namespace
}  // namespace kinloom::store
