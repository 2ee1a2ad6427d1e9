#include "core/auto_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kinloom::core {
namespace {

// A person as one text: "Given /Surname/ sex", then each event found ("b" birth, "c" baptism,
// "d" death, "u" burial, "m" marriage) as "=date@place", the suffix and the spouse.
std::string Summary(const EntryPerson& p) {
  std::string text = p.given + " /" + p.surname + "/ " + p.sex;
  for (const auto& [letter, event] :
       {std::pair{"b", &p.birth}, std::pair{"c", &p.baptism}, std::pair{"d", &p.death},
        std::pair{"u", &p.burial}, std::pair{"m", &p.marriage}}) {
    if (!event->empty()) text += std::string(" ") + letter + "=" + event->date + "@" + event->place;
  }
  if (!p.suffix.empty()) text += " suffix=" + p.suffix;
  if (!p.spouse.empty()) text += " spouse=" + p.spouse;
  return text;
}

// Lines as people type or copy them from registers, indexes and family papers.
TEST(AutoEntryLines, ReadAsPeople) {
  const struct {
    std::string line, person;
  } rows[] = {
      {"John Smith b. 12 Mar 1850 Leeds d. 3 Jan 1920 Bradford",
       "John /Smith/ U b=12 MAR 1850@Leeds d=3 JAN 1920@Bradford"},
      {"Mary Brown (1852–1930)", "Mary /Brown/ U b=1852@ d=1930@"},
      {"Mary Brown (1852-1930)", "Mary /Brown/ U b=1852@ d=1930@"},
      {"Mary Brown (1852 to 1930)", "Mary /Brown/ U b=1852@ d=1930@"},
      {"Mary Brown 1852—1930", "Mary /Brown/ U b=1852@ d=1930@"},
      {"Thomas /Wright/ born Mar 1850 Leeds, Yorkshire, England",
       "Thomas /Wright/ U b=MAR 1850@Leeds, Yorkshire, England"},
      {"William Henry Jones * 1850 Cardiff † 1901 Swansea",
       "William Henry /Jones/ U b=1850@Cardiff d=1901@Swansea"},
      {"Ann Lee b. abt 1800", "Ann /Lee/ U b=ABT 1800@"},
      {"Ann Lee b. about 1800", "Ann /Lee/ U b=ABT 1800@"},
      {"Ann Lee b. c. 1800 Hull", "Ann /Lee/ U b=ABT 1800@Hull"},
      {"Ann Lee b. ca. 1800", "Ann /Lee/ U b=ABT 1800@"},
      {"Ann Lee d. bef 1870", "Ann /Lee/ U d=BEF 1870@"},
      {"Ann Lee d. aft 1870 York", "Ann /Lee/ U d=AFT 1870@York"},
      {"Peter Hall b. 1850-1855 Ripon", "Peter /Hall/ U b=BET 1850 AND 1855@Ripon"},
      {"Peter Hall b. bet 1850 and 1855", "Peter /Hall/ U b=BET 1850 AND 1855@"},
      {"Peter Hall b. 1850 to 1855", "Peter /Hall/ U b=BET 1850 AND 1855@"},
      {"Mr George Fox b. 1790", "George /Fox/ M b=1790@"},
      {"Mrs. Jane Fox d. 1850", "Jane /Fox/ F d=1850@"},
      {"James Oak, son of John Oak, b. 1822 Selby", "James /Oak/ M b=1822@Selby"},
      {"Ellen Oak daughter of John Oak bap. 4 May 1825 Selby", "Ellen /Oak/ F c=4 MAY 1825@Selby"},
      {"Ellen Oak chr. 4 May 1825 St. Mary's, Selby",
       "Ellen /Oak/ U c=4 MAY 1825@St. Mary's, Selby"},
      {"Robert Hill m. 1875 Leeds", "Robert /Hill/ U m=1875@Leeds"},
      {"Robert Hill married 12 June 1875 in Leeds", "Robert /Hill/ U m=12 JUN 1875@Leeds"},
      {"Robert Hill b. March 12, 1850", "Robert /Hill/ U b=12 MAR 1850@"},
      {"Robert Hill b. 12th Sept 1850", "Robert /Hill/ U b=12 SEP 1850@"},
      {"Robert Hill b. 12.3.1850 Wien", "Robert /Hill/ U b=12 MAR 1850@Wien"},
      {"Robert Hill born in Leeds", "Robert /Hill/ U b=@Leeds"},
      {"Robert Hill b. Leeds 1850", "Robert /Hill/ U b=1850@Leeds"},
      {"Smith, John Henry b. 1850", "John Henry /Smith/ U b=1850@"},
      {"Jan van der Berg (1801-1870)", "Jan /van der Berg/ U b=1801@ d=1870@"},
      {"Mary Brown née Smith d. 1930", "Mary /Smith/ U d=1930@"},
      {"Åsa Bråthen b. 1 jan 1900 Tromsø", "Åsa /Bråthen/ U b=1 JAN 1900@Tromsø"},
      {"John Smith", "John /Smith/ U"},
      {"John B. Smith b. 1850", "John B. /Smith/ U b=1850@"},
      {"Mary Brown (b. 1852)", "Mary /Brown/ U b=1852@"},
      {"Mary Brown (-1930)", "Mary /Brown/ U d=1930@"},
      {"Mary Brown (c. 1852 - 1930)", "Mary /Brown/ U b=ABT 1852@ d=1930@"},
      {"Mary Brown died 1930 Stoke-on-Trent.", "Mary /Brown/ U d=1930@Stoke-on-Trent"},
      {"JOHN SMITH B. 1850 LEEDS", "JOHN /SMITH/ U b=1850@LEEDS"},
      {"john smith b 1850", "john /smith/ U b=1850@"},
      {"Mary", "Mary // U"},
      {"Ann Lee m. 1875 to William Jones", "Ann /Lee/ U m=1875@ spouse=William Jones"},
      {"John /Smith/ Jr b. 1850", "John /Smith/ U b=1850@ suffix=Jr"},
      {"John Smith Jr. b. 1850", "John /Smith/ U b=1850@ suffix=Jr"},
  };
  for (const auto& row : rows) {
    std::string why;
    const std::optional<EntryPerson> person = ParseEntryLine(row.line, &why);
    ASSERT_TRUE(person.has_value()) << row.line << ": " << why;
    EXPECT_EQ(Summary(*person), row.person) << row.line;
  }
}

struct Refused {
  std::string line;
  std::string why_contains;
};

TEST(AutoEntryLines, RefuseJunkSayingWhy) {
  const std::vector<Refused> rows = {
      {"12 Mar 1850 Leeds", "no name"},
      {"b. 1850 Leeds", "no name"},
      {"(1852-1930)", "no name"},
      {"The quick brown fox jumps over the lazy dog", "too many words"},
      {"The fox jumps over the dog", "sentence"},
      {"Please call me back tomorrow", "sentence"},
      {"John Smith b. 32 Mar 1850", "cannot be read"},
      {"John Smith b. 12/03/1850", "month as a word"},
      {"John Smith b.", "nothing after the birth"},
      {"John Smith b. 1850 d. 1820", "death comes before the birth"},
      {"Mary Brown (1852-1930", "not closed"},
      {"Mary Brown 1852-1930)", "closing bracket"},
      {"John Smith b. 1850 b. 1851", "two birth"},
      {"user@example.com", "character '@'"},
      {"John2 Smith", "number in the name"},
      {"=SUM(A1:A9)", "character"},
      {"-----", "no name"},
      {"John Smith 1850 Leeds 1920", "cannot be read as dates"},
      {std::string(1200, 'a'), "too long"},
  };
  for (const Refused& row : rows) {
    std::string why;
    EXPECT_FALSE(ParseEntryLine(row.line, &why).has_value()) << row.line;
    EXPECT_NE(why.find(row.why_contains), std::string::npos) << row.line << ": " << why;
  }
}

TEST(AutoEntryText, NamesTheLinesItRefuses) {
  const EntryParse parse =
      ParseEntryText("John Smith b. 1850\r\n\r\n  12 Mar 1850  \nMary Brown (1852–1930)\n");
  ASSERT_EQ(parse.people.size(), 2u);
  EXPECT_EQ(parse.people[0].line, 1);
  EXPECT_EQ(parse.people[1].line, 4);
  ASSERT_EQ(parse.refused.size(), 1u);
  EXPECT_EQ(RefusalMessage(parse.refused[0]),
            "Line 3: \"12 Mar 1850\" - no name before the dates.");
}

TEST(AutoEntryDates, CorrectedDatesReadAgain) {
  struct DateRow {
    std::string typed;
    std::optional<std::string> gedcom;
  };
  const std::vector<DateRow> rows = {
      {"", ""},
      {"12 Mar 1850", "12 MAR 1850"},
      {"12 MAR 1850", "12 MAR 1850"},
      {"abt 1850", "ABT 1850"},
      {"ABT 1850", "ABT 1850"},
      {"1852–1860", "BET 1852 AND 1860"},
      {"BET 1852 AND 1860", "BET 1852 AND 1860"},
      {"from 1852 to 1860", "FROM 1852 TO 1860"},
      {"29 Feb 1852", "29 FEB 1852"},
      {"31 Apr 1852", std::nullopt},
      {"1850 Leeds", std::nullopt},
      {"soon", std::nullopt},
      {"bet 1850", std::nullopt},
      {"99", std::nullopt},
  };
  for (const DateRow& row : rows) EXPECT_EQ(EntryDate(row.typed), row.gedcom) << row.typed;
}

}  // namespace
}  // namespace kinloom::core
