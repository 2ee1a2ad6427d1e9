#include "store/stamp.h"

#include <string>

#include "store/date_format.h"
#include "store/line_search.h"

namespace kinloom::store {

void StampChanged(RecordStore& store, LineNode* line) {
  if (line == nullptr) return;
  const platform::DateTime now = store.ui().clock().Now();
  const std::string date_line = "2 DATE " + FormatDate(now.day, now.month, now.year, 1);
  const std::string time_line = "3 TIME " + FormatTime(now.hour, now.minute, now.second);

  LineNode* chan = FindTagLine(line, "1 CHAN");
  if (chan == nullptr) {
    LineNode* last = store.LastLine(line);
    store.AppendLine(&last, "1 CHAN");
    store.AppendLine(&last, date_line);
    store.AppendLine(&last, time_line);
  } else {
    LineNode* date = chan->next;
    if (date != nullptr && date->level() != '1') {
      store.arena().SetText(date, date_line);
    } else {
      date = chan->next = store.NewLine(date_line, chan->next);
    }
    LineNode* time = date->next;
    if (time != nullptr && time->level() != '1') {
      store.arena().SetText(time, time_line);
    } else {
      date->next = store.NewLine(time_line, date->next);
    }
  }
  store.set_tree_modified(true);
}

}  // namespace kinloom::store
