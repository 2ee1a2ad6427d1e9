#include "ui/widgets/record_grid_search.h"

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

int GridSearch::Next(const store::RecordStore& store, const QString& text,
                     platform::Interaction& ui) {
  core::FindCriteria criteria;
  criteria.name = ToAnsi(text);
  if (!criteria.CanSearch()) return -1;
  const int found = finder_.Search(store, criteria);
  if (found < 0) {
    ui.Message("Search", "Not Found\n\rReached End of File", platform::Icon::kInformation);
  }
  return found;
}

int SearchListPosition(const store::RecordStore& store, int individual) {
  return store.individual_search_list().PositionOf(individual);
}

}  // namespace kinloom::ui
