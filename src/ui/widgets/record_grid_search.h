#pragma once

#include <QString>

#include "core/find_individual.h"
#include "platform/interaction.h"
#include "store/record_store.h"

namespace kinloom::ui {

// The name search of the windows that show the individual search list in a grid: each click of
// "Search" steps to the next entry whose key holds the text, as the find dialog does.
class GridSearch {
 public:
  // A new text starts again from the top.
  void Reset() { finder_.Reset(); }
  // The index of the next matching entry, or -1 (after the "Not Found" message, the next
  // search starting from the top again).
  int Next(const store::RecordStore& store, const QString& text, platform::Interaction& ui);

 private:
  core::IndividualFinder finder_;
};

// The position of an individual in the individual search list, or -1.
int SearchListPosition(const store::RecordStore& store, int individual);

}  // namespace kinloom::ui
