#include "web/html_addresses.h"

#include <cstdio>

namespace kinloom::web {
namespace {

std::string Printed(const char* format, int value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

HtmlAddresses::HtmlAddresses(const SequenceIndex& index)
    : index_(index), shared_(index.size() > kOwnPageLimit) {}

std::string HtmlAddresses::FileOf(const std::string& kind, int individual) const {
  if (!shared_) return "kln_" + kind + Printed("%06d.html", individual);
  const int page = index_.SequenceOf(individual) / kPeoplePerSharedPage + 1;
  return "kln_" + kind + Printed("%04d.html", page) + Printed("#%06d", individual);
}

std::vector<HtmlAddresses::PageFile> HtmlAddresses::PageFiles(const std::string& kind) const {
  std::vector<PageFile> files;
  for (int sequence = 0; sequence < index_.size(); ++sequence) {
    const int individual = index_.people[static_cast<size_t>(sequence)];
    if (!shared_) {
      files.push_back({"kln_" + kind + Printed("%06d.html", individual), {individual}});
      continue;
    }
    if (sequence % kPeoplePerSharedPage == 0) {
      const int page = sequence / kPeoplePerSharedPage + 1;
      files.push_back({"kln_" + kind + Printed("%04d.html", page), {}});
    }
    files.back().people.push_back(individual);
  }
  return files;
}

std::string HtmlAddresses::Person(const std::string& kind, int individual) const {
  if (index_.SequenceOf(individual) < 0) return {};
  return "../" + kind + "/" + FileOf(kind, individual);
}

std::string HtmlAddresses::PersonFromTop(const std::string& kind, int individual) const {
  if (index_.SequenceOf(individual) < 0) return {};
  return kind + "/" + FileOf(kind, individual);
}

int HtmlAddresses::index_pages() const {
  return (index_.size() + kPeoplePerIndexPage - 1) / kPeoplePerIndexPage;
}

std::string HtmlAddresses::IndexPageName(int page) {
  return Printed("kln_idx%04d.html", page);
}

int HtmlAddresses::IndexPageOf(int individual) const {
  const int sequence = index_.SequenceOf(individual);
  return sequence < 0 ? 0 : sequence / kPeoplePerIndexPage + 1;
}

}  // namespace kinloom::web
