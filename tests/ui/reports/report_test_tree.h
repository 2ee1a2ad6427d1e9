#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <string>
#include <vector>

// A small tree for the report windows' tests, in the own-format record lines the window
// fixture loads:
//   1 Adam Smith (M) and 2 Eve Jones (F), family 1: children 3 Bob Smith (M), 4 Cara Smith (F);
//   3 and 5 Dina Lee (F), family 2: child 6 Evan Smith (M);
//   7 Finn Ross (M) and 4, family 3: child 8 Gail Ross (F);
//   9 Hal Vale (unknown sex) alone, with a source 1 cited by Adam.
// `extra_children` more children of Adam and Eve (numbers 10 on) make long lists.
namespace kinloom::testing {

inline std::string Xref(char kind, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "@%c%06d@", kind, n);
  return text;
}

inline std::vector<std::string> ReportTestTree(int extra_children = 0) {
  struct Person {
    std::string name;
    char sex;
    std::vector<int> famc, fams;
  };
  std::vector<Person> people = {
      {"Adam /Smith/", 'M', {}, {1}}, {"Eve /Jones/", 'F', {}, {1}},
      {"Bob /Smith/", 'M', {1}, {2}}, {"Cara /Smith/", 'F', {1}, {3}},
      {"Dina /Lee/", 'F', {}, {2}},   {"Evan /Smith/", 'M', {2}, {}},
      {"Finn /Ross/", 'M', {}, {3}},  {"Gail /Ross/", 'F', {3}, {}},
      {"Hal /Vale/", 'U', {}, {}},
  };
  std::vector<std::vector<int>> families = {{1, 2, 3, 4}, {3, 5, 6}, {7, 4, 8}};
  for (int i = 0; i < extra_children; ++i) {
    people.push_back({"Kid" + std::to_string(i) + " /Smith/", 'M', {1}, {}});
    families[0].push_back(10 + i);
  }
  std::vector<std::string> lines;
  for (size_t i = 0; i < people.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    lines.push_back("0 " + Xref('I', n) + " INDI");
    lines.push_back("1 NAME " + people[i].name);
    lines.push_back(std::string("1 SEX ") + people[i].sex);
    if (n == 1) {
      lines.push_back("1 BIRT");
      lines.push_back("2 DATE 3 MAR 1901");
      lines.push_back("2 SOUR " + Xref('S', 1));
      lines.push_back("1 DEAT");
      lines.push_back("2 DATE 1970");
    }
    for (int f : people[i].famc) lines.push_back("1 FAMC " + Xref('F', f));
    for (int f : people[i].fams) lines.push_back("1 FAMS " + Xref('F', f));
  }
  for (size_t f = 0; f < families.size(); ++f) {
    lines.push_back("0 " + Xref('F', static_cast<int>(f) + 1) + " FAM");
    lines.push_back("1 HUSB " + Xref('I', families[f][0]));
    lines.push_back("1 WIFE " + Xref('I', families[f][1]));
    if (f == 0) {
      lines.push_back("1 MARR");
      lines.push_back("2 DATE 1925");
    }
    for (size_t c = 2; c < families[f].size(); ++c) {
      lines.push_back("1 CHIL " + Xref('I', families[f][c]));
    }
  }
  lines.push_back("0 " + Xref('S', 1) + " SOUR");
  lines.push_back("1 TITL Parish register of Kinloom");
  return lines;
}

// The pages of a PDF file, counted by its page objects; -1 when it cannot be read or is no PDF.
inline int PdfPageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = file.readAll();
  if (!bytes.startsWith("%PDF")) return -1;
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
  return static_cast<int>(QString::fromLatin1(bytes).count(page));
}

}  // namespace kinloom::testing
