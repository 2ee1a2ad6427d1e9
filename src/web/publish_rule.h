#pragma once

#include <cstdint>
#include <vector>

#include "files/web_settings.h"
#include "platform/interaction.h"
#include "store/gedcom_writer.h"
#include "store/record_store.h"

namespace kinloom::web {

// The record filter mode of a site, from the boxes "Use Hide Information and Pictures Lists"
// and "Use Split Tree List of Individuals": B both, H hide information only, S split selection
// only, N neither. A reduced copy of the tree uses the same modes and the same rule for who
// goes in.
store::WriteMode RecordFilterMode(const files::WebSiteSettings& settings);

// What decides who and what a site shows.
struct PublishSettings {
  store::WriteMode mode = store::WriteMode::kHide;
  bool hide_living = true;    // "Hide All Living Individuals"
  bool hide_sources = false;  // "Hide Source Information and Citations"
};

PublishSettings PublishSettingsFrom(const files::WebSiteSettings& settings);

// Whether a person counts as living for the site: the living mark of the hide-information
// window; where that is clear and the record has no death, burial or cremation line (a tree
// just imported, where nobody has set the mark) the living rule of dates and near relations
// decides. The tree is not changed.
bool CountsAsLiving(store::RecordStore& store, int individual);

// The exclusion rule, worked out once for every individual and family. An excluded person gets
// no page, no index entry and no data, and shows as "Private" wherever a link to them would
// stand.
class PublishRule {
 public:
  PublishRule(store::RecordStore& store, const PublishSettings& settings);

  const PublishSettings& settings() const { return settings_; }
  bool IsPublished(int individual) const {
    return individual > 0 && individual < static_cast<int>(published_.size()) &&
           published_[static_cast<size_t>(individual)];
  }
  // A family that exists and is not hidden entirely (in the modes that hide information).
  bool IsFamilyShown(int family) const;
  // The hide bits that apply to a published person's details (none in modes N and S).
  uint8_t HiddenDetails(int individual) const;
  bool ShowsSources() const { return !settings_.hide_sources; }

 private:
  store::RecordStore& store_;
  PublishSettings settings_;
  std::vector<bool> published_;  // by individual number
};

// The published individuals in the order of the individual search list (the index order).
struct SequenceIndex {
  std::vector<int> people;  // sequence number (from 0) -> individual number
  // Individual number -> sequence number; -1 when excluded, and for the placeholder 0, which no
  // link may reach.
  std::vector<int> sequence_of;
  int SequenceOf(int individual) const {
    return individual >= 0 && individual < static_cast<int>(sequence_of.size())
               ? sequence_of[static_cast<size_t>(individual)]
               : -1;
  }
  int size() const { return static_cast<int>(people.size()); }
};

// Walks the search list, showing "Creating Sequence Index..: %06i" with the list position.
SequenceIndex NumberPublished(const store::RecordStore& store, const PublishRule& rule,
                              platform::Interaction& ui);

}  // namespace kinloom::web
