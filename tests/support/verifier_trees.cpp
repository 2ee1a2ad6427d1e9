#include "support/verifier_trees.h"

#include "store/line_search.h"

namespace kinloom::testing {

TreeBuilder& TreeBuilder::Person(int n, const std::string& name, const std::string& sex) {
  Record& r = people_[n];
  r.lines.push_back("1 NAME " + name);
  if (!sex.empty()) r.lines.push_back("1 SEX " + sex);
  return *this;
}

TreeBuilder& TreeBuilder::Event(int n, const std::string& tag, const std::string& date,
                                const std::string& place) {
  Record& r = people_[n];
  r.lines.push_back("1 " + tag);
  if (!date.empty()) r.lines.push_back("2 DATE " + date);
  if (!place.empty()) r.lines.push_back("2 PLAC " + place);
  return *this;
}

TreeBuilder& TreeBuilder::Family(int f, int husband, int wife, const std::vector<int>& children,
                                 const std::string& marriage_date) {
  Record& r = families_[f];
  const std::string xref = store::MakeXref('F', f);
  if (husband != 0) {
    r.lines.push_back("1 HUSB " + store::MakeXref('I', husband));
    people_[husband].links.push_back("1 FAMS " + xref);
  }
  if (wife != 0) {
    r.lines.push_back("1 WIFE " + store::MakeXref('I', wife));
    people_[wife].links.push_back("1 FAMS " + xref);
  }
  for (int child : children) {
    r.lines.push_back("1 CHIL " + store::MakeXref('I', child));
    std::vector<std::string>& links = people_[child].links;
    // Parent links go before the person's own families.
    auto at = links.begin();
    while (at != links.end() && at->starts_with("1 FAMC")) ++at;
    links.insert(at, "1 FAMC " + xref);
  }
  if (!marriage_date.empty()) {
    r.lines.push_back("1 MARR");
    r.lines.push_back("2 DATE " + marriage_date);
  }
  return *this;
}

TreeBuilder& TreeBuilder::PersonLine(int n, const std::string& line) {
  people_[n].lines.push_back(line);
  return *this;
}

TreeBuilder& TreeBuilder::FamilyLine(int f, const std::string& line) {
  families_[f].lines.push_back(line);
  return *this;
}

std::vector<std::string> TreeBuilder::Lines() const {
  std::vector<std::string> out;
  for (const auto& [n, r] : people_) {
    out.push_back("0 " + store::MakeXref('I', n) + " INDI");
    out.insert(out.end(), r.lines.begin(), r.lines.end());
    out.insert(out.end(), r.links.begin(), r.links.end());
  }
  for (const auto& [f, r] : families_) {
    out.push_back("0 " + store::MakeXref('F', f) + " FAM");
    out.insert(out.end(), r.lines.begin(), r.lines.end());
  }
  return out;
}

namespace {

std::string Year(int year) {
  return std::to_string(year);
}

// Six generations of one surname: couple k is husband 3k+1 (the son of couple k-1) and wife
// 3k+2, married at 22 and 21; their children are the next husband and 3k+3. Every date is a
// bare year, every name and place well formed, no two people share a name or a date.
void AddCleanLine(PlantedTree& t) {
  static const char* kMen[] = {"Arthur", "Bernard", "Cedric", "Duncan", "Edmund", "Francis"};
  static const char* kWives[] = {"Agatha", "Beatrice", "Cecily", "Dorothy", "Eleanor", "Florence"};
  static const char* kWifeNames[] = {"Bramley",  "Colwell", "Dunmore",
                                     "Elsworth", "Fenwick", "Gresham"};
  static const char* kOthers[] = {"Gilbert", "Harriet", "Humphrey", "Imogen", "Jasper", "Juliet"};
  TreeBuilder& b = t.builder;
  for (int k = 0; k < 6; ++k) {
    const int born = 1700 + 25 * k;
    const int husband = 3 * k + 1, wife = 3 * k + 2, other = 3 * k + 3;
    b.Person(husband, std::string(kMen[k]) + " /Ashdown/", "M")
        .Event(husband, "BIRT", Year(born), "Bristol, Gloucestershire, England")
        .Event(husband, "DEAT", Year(born + 60))
        .Event(husband, "BURI", Year(born + 60), "St. Mary's, Bristol");
    b.Person(wife, std::string(kWives[k]) + " /" + kWifeNames[k] + "/", "F")
        .Event(wife, "BIRT", Year(born + 1))
        .Event(wife, "DEAT", Year(born + 65));
    b.Person(other, std::string(kOthers[k]) + " /Ashdown/", k % 2 == 0 ? "M" : "F")
        .Event(other, "BIRT", Year(born + 27))
        .Event(other, "CHR", Year(born + 27), "Bath, Somerset (St. James)")
        .Event(other, "DEAT", Year(born + 77));
    std::vector<int> children;
    if (k < 5) children.push_back(husband + 3);
    children.push_back(other);
    b.Family(k + 1, husband, wife, children, Year(born + 22));
  }
  // The change stamp's date is never checked.
  b.PersonLine(1, "1 CHAN").PersonLine(1, "2 DATE  6 DEC 2026");
  t.group_heads.insert(1);
}

// Plants one group after another, numbering people and families from 101.
class Planter {
 public:
  explicit Planter(PlantedTree& t) : t_(t) {}

  // A new person of a new group (`joined` false) or of the group being planted.
  int Person(const std::string& name, const std::string& sex, bool joined = false) {
    const int n = next_person_++;
    if (!joined) t_.group_heads.insert(n);
    t_.builder.Person(n, name, sex);
    return n;
  }
  int Family() { return next_family_++; }
  TreeBuilder& b() { return t_.builder; }
  void Expect(int error, int record) { t_.expected.insert({error, record}); }
  void ExpectLower(int error, int record) { t_.lower_case.insert({error, record}); }

 private:
  PlantedTree& t_;
  int next_person_ = 101;
  int next_family_ = 101;
};

// A couple (and children) planted as one group; returns {husband, wife}.
std::pair<int, int> Couple(Planter& p, const std::string& husband, int husband_born,
                           const std::string& wife, int wife_born) {
  const int h = p.Person(husband, "M");
  const int w = p.Person(wife, "F", true);
  p.b().Event(h, "BIRT", Year(husband_born)).Event(w, "BIRT", Year(wife_born));
  return {h, w};
}

int Child(Planter& p, const std::string& name, const std::string& sex, const std::string& born) {
  const int c = p.Person(name, sex, true);
  p.b().Event(c, "BIRT", born);
  return c;
}

void PlantNameFaults(Planter& p) {
  p.Expect(1, p.Person("OLIVER /Abbott/", "M"));
  p.Expect(3, p.Person("Walter /BARKER/", "M"));
  const int lower = p.Person("Edith /Chandler/", "F");
  p.ExpectLower(2, lower);
  p.ExpectLower(4, lower);
  p.Expect(27, p.Person("Ralph (Rafe) /Dawson/", "M"));
  p.Expect(30, p.Person("Mabel--Rose /Ellery/", "F"));
  p.Expect(35, p.Person("Stanley J /Fairley/", "M"));
  p.Expect(36, p.Person("Ethel /X/", "F"));
  p.Expect(37, p.Person("Infant /Garner/", "F"));
  // Given names of the other sex: two women and a man called Hilda.
  p.Person("Hilda /Hollis/", "F");
  p.Person("Hilda /Ingram/", "F");
  p.Expect(22, p.Person("Hilda /Jarvis/", "M"));
}

void PlantDateAndPlaceFaults(Planter& p) {
  int n = p.Person("Leonard /Kendall/", "M");
  p.b().Event(n, "BIRT", "12 JAN 1900");
  p.Expect(5, n);
  n = p.Person("Irene /Lowry/", "F");
  p.b().Event(n, "BIRT", "12 Jan 1900");
  p.ExpectLower(6, n);
  n = p.Person("Norman /Merritt/", "M");
  p.b().Event(n, "BIRT", "circa 1900");
  p.Expect(19, n);
  n = p.Person("Muriel /Norwood/", "F");
  p.b().Event(n, "BIRT", "1901", "York,  Yorkshire");
  p.Expect(29, n);
  n = p.Person("Victor /Oakley/", "M");
  p.b().Event(n, "BIRT", "1902", "Leeds , Yorkshire");
  p.Expect(31, n);
  n = p.Person("Nora /Prescott/", "F");
  p.b().Event(n, "BIRT", "1903", "Hull,Yorkshire");
  p.Expect(32, n);
}

void PlantLifeFaults(Planter& p) {
  int n = p.Person("Clifford /Quincey/", "M");
  p.b().Event(n, "BIRT", "1800").Event(n, "DEAT", "1920");
  p.Expect(7, n);
  n = p.Person("Olive /Radley/", "F");
  p.b().Event(n, "BIRT", "1900").Event(n, "DEAT", "1 Jan 1960").Event(n, "BURI", "10 Mar 1960");
  p.Expect(8, n);
  n = p.Person("Roland /Sutton/", "M");
  p.b().Event(n, "BIRT", "1904").Event(n, "CHR", "1903");
  p.Expect(14, n);
  n = p.Person("Phyllis /Thorne/", "F");
  p.b().Event(n, "BIRT", "1905").Event(n, "DEAT", "1895");
  p.Expect(17, n);
  n = p.Person("Percy /Upton/", "M");
  p.b().Event(n, "DEAT", "5 May 1906").Event(n, "BURI", "1 May 1906");
  p.Expect(18, n);
}

void PlantFamilyFaults(Planter& p) {
  auto [h, w] = Couple(p, "Howard /Vickers/", 1890, "Rosa /Walsh/", 1898);
  p.b().Family(p.Family(), h, w, {}, "1910");
  p.Expect(9, w);

  std::tie(h, w) = Couple(p, "Gordon /Yardley/", 1900, "Sylvia /Zeller/", 1880);
  p.b().Family(p.Family(), h, w, {Child(p, "Basil /Yardley/", "M", "1910")});
  p.Expect(10, h);

  std::tie(h, w) = Couple(p, "Cyril /Ashcombe/", 1860, "Vera /Blount/", 1850);
  p.b().Family(p.Family(), h, w, {Child(p, "Dennis /Ashcombe/", "M", "1905")});
  p.Expect(11, w);

  std::tie(h, w) = Couple(p, "Eustace /Crowther/", 1820, "Winifred /Denholm/", 1860);
  p.b().Family(p.Family(), h, w, {Child(p, "Felix /Crowther/", "M", "1900")});
  p.Expect(12, h);

  std::tie(h, w) = Couple(p, "Horace /Eastwood/", 1870, "Doris /Fulton/", 1886);
  p.b().Family(p.Family(), h, w, {Child(p, "Ivan /Eastwood/", "M", "1935")}, "1900");
  p.Expect(13, h);

  // Two marriages: the second before the child of the first was born.
  std::tie(h, w) = Couple(p, "Jerome /Goodwin/", 1870, "Gladys /Hartley/", 1875);
  const int second = p.Person("Lilian /Irwin/", "F", true);
  p.b().Event(second, "BIRT", "1878");
  p.b().Family(p.Family(), h, w, {Child(p, "Kenneth /Goodwin/", "M", "1905")}, "1900");
  p.b().Family(p.Family(), h, second, {}, "1903");
  p.Expect(15, h);

  std::tie(h, w) = Couple(p, "Lionel /Jennings/", 1850, "Marjorie /Kirby/", 1860);
  p.b().Event(h, "DEAT", "1 Jan 1900");
  const int posthumous = Child(p, "Maurice /Jennings/", "M", "1 Dec 1900");
  p.b().Family(p.Family(), h, w, {posthumous});
  p.Expect(16, posthumous);
}

void PlantMarriageFaults(Planter& p) {
  auto [h, w] = Couple(p, "Oswald /Lyndon/", 1860, "Pauline /Marston/", 1870);
  p.b().Event(h, "DEAT", "1900");
  p.b().Family(p.Family(), h, w, {}, "1905");
  p.Expect(20, h);

  std::tie(h, w) = Couple(p, "Quentin /Nash/", 1870, "Rhoda /Osborne/", 1872);
  const int second = p.Person("Sybil /Pemberton/", "F", true);
  p.b().Event(second, "BIRT", "1874");
  p.b().Family(p.Family(), h, w, {}, "1910");
  p.b().Family(p.Family(), h, second, {}, "1900");
  p.Expect(21, h);

  // A couple of two men: the sexes once for each, and the wife who is a man.
  const int one = p.Person("Rupert /Quarry/", "M");
  const int two = p.Person("Sidney /Rowe/", "M", true);
  p.b().Family(p.Family(), one, two, {});
  p.Expect(22, one);
  p.Expect(22, two);
  p.Expect(24, two);

  const int unsure = p.Person("Terence /Selby/", "U");
  const int wife = p.Person("Ursula /Tennant/", "F", true);
  p.b().Family(p.Family(), unsure, wife, {});
  p.Expect(23, unsure);

  const int husband = p.Person("Vernon /Underhill/", "M");
  const int unsure_wife = p.Person("Wilma /Vance/", "U", true);
  p.b().Family(p.Family(), husband, unsure_wife, {});
  p.Expect(24, unsure_wife);
}

void PlantChildFaults(Planter& p) {
  auto [h, w] = Couple(p, "Wallace /Whitby/", 1870, "Agnes /Yeats/", 1872);
  const int later = Child(p, "Alfred /Whitby/", "M", "1905");
  const int earlier = Child(p, "Albert /Whitby/", "M", "1902");
  p.b().Family(p.Family(), h, w, {later, earlier}, "1900");
  p.Expect(25, h);

  std::tie(h, w) = Couple(p, "Bruce /Lee/", 1870, "Ann /Carter/", 1872);
  p.b().Family(p.Family(), h, w, {Child(p, "Tom /Carter/", "M", "1900")});
  p.Expect(33, w);

  std::tie(h, w) = Couple(p, "Clement /Ferris/", 1870, "Daisy /Gough/", 1872);
  p.b().Family(p.Family(), h, w, {Child(p, "Edwin /Ferris/", "M", "1905")}, "1910");
  p.Expect(34, h);
}

void PlantGroupFaults(Planter& p) {
  // A person linked to nobody heads a tree of one.
  p.Expect(26, p.Person("Ambrose /Holt/", "M"));
  // The same man entered twice.
  const int first = p.Person("Barnaby /Ingleby/", "M");
  const int again = p.Person("Barnaby /Ingleby/", "M");
  p.b().Event(first, "BIRT", "3 Mar 1850").Event(again, "BIRT", "3 Mar 1850");
  p.Expect(28, first);
  p.Expect(28, again);
}

}  // namespace

PlantedTree MakePlantedTree() {
  PlantedTree t;
  AddCleanLine(t);
  Planter p(t);
  PlantNameFaults(p);
  PlantDateAndPlaceFaults(p);
  PlantLifeFaults(p);
  PlantFamilyFaults(p);
  PlantMarriageFaults(p);
  PlantChildFaults(p);
  PlantGroupFaults(p);
  return t;
}

}  // namespace kinloom::testing
