#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <string>
#include <vector>

#include "support/test_support.h"

// A small tree for the report windows' tests, in the own-format record lines the window
// fixture loads:
//   1 Adam Smith (M) and 2 Eve Jones (F), family 1: children 3 Bob Smith (M), 4 Cara Smith (F);
//   3 and 5 Dina Lee (F), family 2: child 6 Evan Smith (M);
//   7 Finn Ross (M) and 4, family 3: child 8 Gail Ross (F);
//   9 Hal Vale (unknown sex) alone, with a source 1 cited by Adam.
// `extra_children` more children of Adam and Eve (numbers 10 on) make long lists.
namespace kinloom::testing {

inline std::vector<std::string> ReportTestTree(int extra_children = 0) {
  std::vector<std::string> lines = Split(
      "0 @I000001@ INDI|1 NAME Adam /Smith/|1 SEX M|1 BIRT|2 DATE 3 MAR 1901|2 SOUR @S000001@|"
      "1 DEAT|2 DATE 1970|1 FAMS @F000001@|"
      "0 @I000002@ INDI|1 NAME Eve /Jones/|1 SEX F|1 FAMS @F000001@|"
      "0 @I000003@ INDI|1 NAME Bob /Smith/|1 SEX M|1 FAMC @F000001@|1 FAMS @F000002@|"
      "0 @I000004@ INDI|1 NAME Cara /Smith/|1 SEX F|1 FAMC @F000001@|1 FAMS @F000003@|"
      "0 @I000005@ INDI|1 NAME Dina /Lee/|1 SEX F|1 FAMS @F000002@|"
      "0 @I000006@ INDI|1 NAME Evan /Smith/|1 SEX M|1 FAMC @F000002@|"
      "0 @I000007@ INDI|1 NAME Finn /Ross/|1 SEX M|1 FAMS @F000003@|"
      "0 @I000008@ INDI|1 NAME Gail /Ross/|1 SEX F|1 FAMC @F000003@|"
      "0 @I000009@ INDI|1 NAME Hal /Vale/|1 SEX U");
  std::vector<std::string> children = Split(
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 MARR|2 DATE 1925|1 CHIL @I000003@|"
      "1 CHIL @I000004@");
  for (int i = 0; i < extra_children; ++i) {
    char kid[16];
    std::snprintf(kid, sizeof kid, "@I%06d@", 10 + i);
    for (const std::string& line :
         {"0 " + std::string(kid) + " INDI", "1 NAME Kid" + std::to_string(i) + " /Smith/",
          std::string("1 SEX M"), std::string("1 FAMC @F000001@")}) {
      lines.push_back(line);
    }
    children.push_back("1 CHIL " + std::string(kid));
  }
  lines.insert(lines.end(), children.begin(), children.end());
  for (const std::string& line :
       Split("0 @F000002@ FAM|1 HUSB @I000003@|1 WIFE @I000005@|1 CHIL @I000006@|"
             "0 @F000003@ FAM|1 HUSB @I000007@|1 WIFE @I000004@|1 CHIL @I000008@|"
             "0 @S000001@ SOUR|1 TITL Parish register of Kinloom")) {
    lines.push_back(line);
  }
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
