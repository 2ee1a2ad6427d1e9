#pragma once

#include <string>
#include <vector>

#include "web/publish_rule.h"

namespace kinloom::web {

// The most people a static site takes, and the most that get a page each.
inline constexpr int kHtmlPeopleLimit = 100000;
inline constexpr int kOwnPageLimit = 250;
// People per shared page when the site has more than kOwnPageLimit.
inline constexpr int kPeoplePerSharedPage = 25;
inline constexpr int kPeoplePerIndexPage = 100;

// Where each person's pages are in a static site. With 250 people or fewer every person has
// pages of their own named with the six-digit number ("kln_ind000012.html"); with more, people
// share pages in index order, named with a four-digit page number and reached through an
// anchor with the six-digit number ("kln_ind0003.html#000012").
class HtmlAddresses {
 public:
  explicit HtmlAddresses(const SequenceIndex& index);

  bool shared() const { return shared_; }
  // The page files of one kind ("ind", "anc", "des"): the file name and its people, in order.
  struct PageFile {
    std::string name;
    std::vector<int> people;
  };
  std::vector<PageFile> PageFiles(const std::string& kind) const;

  // The address of a published person's page of a kind, seen from a page one folder deep
  // ("../ind/kln_ind0003.html#000012"); empty for anyone not published.
  std::string Person(const std::string& kind, int individual) const;
  // The same seen from the site's top folder ("ind/...").
  std::string PersonFromTop(const std::string& kind, int individual) const;

  int index_pages() const;
  // "kln_idx%04d.html" for pages from 1.
  static std::string IndexPageName(int page);
  // The index page that lists a person (from 1).
  int IndexPageOf(int individual) const;

  const SequenceIndex& index() const { return index_; }

 private:
  std::string FileOf(const std::string& kind, int individual) const;

  const SequenceIndex& index_;
  bool shared_;
};

}  // namespace kinloom::web
