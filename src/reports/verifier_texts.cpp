#include "reports/verifier_texts.h"

#include <cstdio>
#include <utility>

namespace kinloom::reports {
namespace {

// Kept word for word, spelling included: saved problem lists are compared with later ones.
constexpr std::string_view kTemplates[kVerifierErrors + 1] = {
    "Invalid Error Number: 0",
    "Given name is in all capitals format",
    "Given name contains some lower case letters",
    "Last name or title is in all capitals format",
    "Last name contains some lower case letters",
    "Date is in all capitals format",
    "Date contains some lower case letters",
    "Death after age of %i",
    "Burial over %i days after death",
    "Marriage when under age of %i",
    "Birth of child when under the age of %i",
    "Mother: Birth of child when over age of %i",
    "Father: Birth of child when overage of %i",
    "Birth of child after %i years of marriage",
    "Baptism or christening before birth",
    "Children birth dates overlap marriages of parents",
    "Birth after the death of a parent",
    "Birth date after date of death",
    "Burial or Cremation before date of death",
    "Date is invalid date format",
    "Married after date of death",
    "Spouses not listed in date of marriage sequence",
    "Gender error or both spouses have same gender",
    "Husband is listed as female or gender unknown",
    "Wife is listed as male or gender unknown",
    "Children not listed in date of birth sequence",
    "First record of unlinked tree - %i records",
    "Invalid character in name",
    "Possible duplicate entry",
    "Double spaces in \"Name\" or \"Place\" field",
    "Double hyphen in \"Name\" field",
    "Space before period or comma in Name or Place",
    "No space after period or comma in Name or Place",
    "Children use mother's maiden name",
    "Birth of child %i years before marriage",
    "No period after initial in name",
    "Last name is only one character long",
    "Given name is descriptive word",
};

constexpr std::pair<std::string_view, std::string_view> kEventNames[] = {
    {"BIRT", "Birth"},          {"DEAT", "Death"},         {"MARR", "Marriage"},
    {"BURI", "Burial"},         {"CHR", "Christening"},    {"BAPM", "Baptism"},
    {"RESI", "Residence"},      {"MARC", "Mar. Contract"}, {"NAME", "Name"},
    {"CREM", "Cremation"},      {"ADOP", "Adopted"},       {"ANUL", "Annulment"},
    {"CHRA", "Adult Chr"},      {"BAPL", "Baptism LDS"},   {"BARM", "Bar Mitzvah"},
    {"BASM", "Bas Mitzvah"},    {"CONF", "Confirmation"},  {"CONL", "Conf LDS"},
    {"DIV", "Divorced"},        {"DIVF", "Divorce Filed"}, {"EMIG", "Emigration"},
    {"ENDL", "Endowment"},      {"ENGA", "Engagement"},    {"FCOM", "1st Communion"},
    {"GRAD", "Graduation"},     {"IMMI", "Immigration"},   {"MARL", "Mar. License"},
    {"NATU", "Naturalization"}, {"ORDN", "Ordination"},    {"ORDL", "Ordination LDS"},
    {"RETI", "Retirement"},     {"SLGC", "Child Sealing"}, {"SLGS", "Spouse Sealing"},
    {"WILL", "Will"},
};

constexpr std::array<ThresholdSetting, 8> kThresholds = {{
    {7, &VerifierSettings::death_age, 90, 125},
    {8, &VerifierSettings::burial_days, 10, 1000},
    {9, &VerifierSettings::marriage_age, 10, 20},
    {10, &VerifierSettings::child_under_age, 10, 20},
    {11, &VerifierSettings::mother_over_age, 40, 99},
    {12, &VerifierSettings::father_over_age, 40, 99},
    {13, &VerifierSettings::child_after_marriage, 20, 80},
    {34, &VerifierSettings::child_before_marriage, 0, 20},
}};

// The template with its one "%i" replaced by a number.
std::string WithNumber(std::string_view text, int number) {
  std::string out(text);
  size_t at = out.find("%i");
  if (at != std::string::npos) out.replace(at, 2, std::to_string(number));
  return out;
}

constexpr std::string_view kDashLine =
    "--------------------------------------------------------------";

}  // namespace

std::string_view ErrorTemplate(int error) {
  if (error < 0 || error > kVerifierErrors) return kTemplates[0];
  return kTemplates[error];
}

ErrorDescriptions FormatDescriptions(const VerifierSettings& settings) {
  ErrorDescriptions out;
  for (int error = 0; error <= kVerifierErrors; ++error) out[error] = kTemplates[error];
  for (const ThresholdSetting& t : kThresholds) {
    out[t.error] = WithNumber(kTemplates[t.error], settings.*t.member);
  }
  return out;
}

std::string UnlinkedTreeDescription(int size) {
  return WithNumber(kTemplates[kErrorUnlinkedTree], size);
}

std::string DuplicateDescription(int first, int second) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "ID No %06i and %06i could be same person", first, second);
  return buffer;
}

std::string_view EventName(std::string_view event) {
  if (event.size() < 2 || event[1] < 'A' || event[1] > 'Z') return event;
  for (const auto& [tag, name] : kEventNames) {
    if (tag == event) return name;
  }
  return event;
}

std::array<std::string_view, 3> CapitalsChoices(int group) {
  if (group == 1) {
    return {"Given names are all capital letter format", "Given names have some lower case letters",
            "Ignore given names capitalization"};
  }
  if (group == 3) {
    return {"Last name is all capital letter format", "Last name has some lower case letters",
            "Ignore last name capitalization"};
  }
  return {"Date is all capital letter format", "Date contains some lower case letters",
          "Ignore date capitalization"};
}

const std::array<ThresholdSetting, 8>& ThresholdSettings() {
  return kThresholds;
}

const ThresholdSetting* ThresholdOf(int error) {
  for (const ThresholdSetting& t : kThresholds) {
    if (t.error == error) return &t;
  }
  return nullptr;
}

std::vector<std::string> SummaryLines(const std::array<int, kVerifierErrors + 1>& counts, int total,
                                      const ErrorDescriptions& descriptions) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "         *** %i Potential Problems Found ***", total);
  std::vector<std::string> lines = {buffer, std::string(kDashLine)};
  if (total == 0) lines.emplace_back(" Verifying Completed -- No Potential Problem Found");
  for (int error = 1; error <= kVerifierErrors; ++error) {
    if (counts[error] == 0) continue;
    std::snprintf(buffer, sizeof buffer, "%03i - ", counts[error]);
    lines.push_back(buffer + descriptions[error]);
  }
  lines.emplace_back(kDashLine);
  if (total > 0) lines.emplace_back(kProblemsListNext);
  return lines;
}

std::string SummaryText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n\r";
  return text;
}

}  // namespace kinloom::reports
