#include "store/stamp.h"

#include <string>

#include "store/date_format.h"
#include "store/line_search.h"

namespace kinloom::store {

namespace {

bool SameSecond(const platform::DateTime& a, const platform::DateTime& b) {
  return a.second == b.second && a.minute == b.minute && a.hour == b.hour && a.day == b.day &&
         a.month == b.month && a.year == b.year;
}

}  // namespace

const RecordStore::StampLines& RecordStore::StampLinesNow() {
  const platform::DateTime now = ui().clock().Now();
  if (stamp_lines_.date.empty() || !SameSecond(now, stamp_lines_.at)) {
    stamp_lines_.at = now;
    stamp_lines_.date = "2 DATE " + FormatDate(now.day, now.month, now.year, 1);
    stamp_lines_.time = "3 TIME " + FormatTime(now.hour, now.minute, now.second);
  }
  return stamp_lines_;
}

void StampChanged(RecordStore& store, LineNode* line) {
  if (line == nullptr) return;
  const RecordStore::StampLines& stamp = store.StampLinesNow();
  const std::string& date_line = stamp.date;
  const std::string& time_line = stamp.time;

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
