#include "web/publish_rule.h"

#include <cstdio>

#include "core/queries.h"
#include "platform/progress.h"
#include "store/line_search.h"

namespace kinloom::web {

store::WriteMode RecordFilterMode(const files::WebSiteSettings& settings) {
  if (settings.use_hide_info && settings.use_split_tree) return store::WriteMode::kBoth;
  if (settings.use_hide_info) return store::WriteMode::kHide;
  if (settings.use_split_tree) return store::WriteMode::kSplit;
  return store::WriteMode::kNormal;
}

PublishSettings PublishSettingsFrom(const files::WebSiteSettings& settings) {
  return {RecordFilterMode(settings), settings.hide_living, settings.hide_sources};
}

bool CountsAsLiving(store::RecordStore& store, int individual) {
  const store::IndividualRecord* record = store.individual(individual);
  if (record == nullptr || record->lines == nullptr) return false;
  if (record->hideFlags & store::kHideLiving) return true;
  return !core::IsDeceased(store, individual, false, /*record_death=*/false);
}

PublishRule::PublishRule(store::RecordStore& store, const PublishSettings& settings)
    : store_(store),
      settings_(settings),
      published_(static_cast<size_t>(store.highest_individual()) + 1, false) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const store::IndividualRecord* record = store.individual(n);
    if (record == nullptr || record->lines == nullptr) continue;
    if (!store::IsWrittenIn(*record, settings.mode)) continue;
    if (settings.hide_living && CountsAsLiving(store, n)) continue;
    published_[static_cast<size_t>(n)] = true;
  }
}

bool PublishRule::IsFamilyShown(int family) const {
  if (family < 1) return false;
  const store::FamilyRecord* record = store_.family(family);
  if (record == nullptr || record->lines == nullptr || store_.IsMarkerFamily(family)) return false;
  const bool hides =
      settings_.mode == store::WriteMode::kHide || settings_.mode == store::WriteMode::kBoth;
  return !(hides && (record->hideFlags & store::kHideEverything));
}

uint8_t PublishRule::HiddenDetails(int individual) const {
  const store::IndividualRecord* record = store_.individual(individual);
  if (record == nullptr) return 0;
  return store::EffectiveHideFlags(*record, settings_.mode) &
         static_cast<uint8_t>(~(store::kHideLiving | store::kHideEverything));
}

SequenceIndex NumberPublished(const store::RecordStore& store, const PublishRule& rule,
                              platform::Interaction& ui) {
  SequenceIndex index;
  index.sequence_of.assign(static_cast<size_t>(store.highest_individual()) + 1, -1);
  const store::SearchList& list = store.individual_search_list();
  platform::ProgressTicker ticker(ui, list.size());
  for (int position = 0; position < list.size(); ++position) {
    ticker.Step();
    if (ticker.TextDue()) {
      char text[48];
      std::snprintf(text, sizeof text, "Creating Sequence Index..: %06i", position);
      ticker.SetText(text);
    }
    const int n = list.at(position).number;
    if (!rule.IsPublished(n) || index.sequence_of[static_cast<size_t>(n)] >= 0) continue;
    index.sequence_of[static_cast<size_t>(n)] = index.size();
    index.people.push_back(n);
  }
  return index;
}

}  // namespace kinloom::web
