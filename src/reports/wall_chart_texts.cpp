#include "reports/wall_chart_texts.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/chart_cache.h"
#include "core/queries.h"
#include "store/line_search.h"
#include "store/names.h"

namespace kinloom::reports {
namespace {

using store::FamilyRecord;
using store::IndividualRecord;
using store::OwnedText;

constexpr int kPresentWidth = 5;
constexpr int kPictureBoxLines = 6;
constexpr std::string_view kDateGap = "   ";

bool Present(uint16_t width) {
  return width > kPresentWidth;
}

void SetText(const WallChartTextWidth& width, const std::string& text, OwnedText* cached,
             uint16_t* cached_width) {
  if (text.empty()) {
    cached->Reset();
    *cached_width = 0;
    return;
  }
  cached->Set(text);
  *cached_width =
      static_cast<uint16_t>(std::clamp(width(text), 0, int{std::numeric_limits<uint16_t>::max()}));
}

void BuildPerson(store::RecordStore& store, int n, IndividualRecord& person,
                 const WallChartOptions& options, const WallChartTextWidth& width) {
  SetText(width, WallChartName(store, n, options.show_id_numbers), &person.labelText,
          &person.labelWidth);
  std::string birth =
      WallChartEventText(person.lines, "b. ", "1 BIRT", "1 BAPM", "1 CHR", options.show_places);
  std::string death =
      WallChartEventText(person.lines, "d. ", "1 DEAT", "1 BURI", "1 CREM", options.show_places);
  if (!options.show_places && !death.empty()) {
    birth = birth.empty() ? death : birth + std::string(kDateGap) + death;
    death.clear();
  }
  SetText(width, birth, &person.birthText, &person.birthWidth);
  SetText(width, death, &person.deathText, &person.deathWidth);
  if (store.show_chart_pictures() && !person.thumbPath.view().empty()) {
    person.boxLines = kPictureBoxLines;
  } else {
    person.boxLines = static_cast<uint16_t>(1 + (Present(person.birthWidth) ? 1 : 0) +
                                            (Present(person.deathWidth) ? 1 : 0));
  }
}

// A family with children keeps at least "m. ": its row is where the line to the children
// starts.
void BuildFamily(FamilyRecord& family, const WallChartOptions& options,
                 const WallChartTextWidth& width) {
  std::string text =
      WallChartEventText(family.lines, "m. ", "1 MARR", "1 MARC", "1 MARL", options.show_places);
  if (text.empty() && store::FindTagLine(family.lines, "1 CHIL") != nullptr) text = "m. ";
  SetText(width, text, &family.marriageText, &family.marriageWidth);
}

}  // namespace

std::string WallChartName(const store::RecordStore& store, int individual, bool id_numbers) {
  std::string name = store::GivenNames(store, individual);
  const std::string surname = store::SurnameAndTitle(store, individual);
  if (!surname.empty()) name += " " + surname;
  if (id_numbers) name += " (" + std::to_string(individual) + ")";
  return name;
}

std::string WallChartEventText(store::LineNode* first, std::string_view prefix,
                               std::string_view tag1, std::string_view tag2, std::string_view tag3,
                               bool places) {
  const core::EventInfo event = core::EventDetails(first, tag1, tag2, tag3);
  const bool place = places && !event.place.empty();
  if (event.date.empty() && !place) return {};
  std::string text(prefix);
  text += event.date;
  if (place) text += (event.date.empty() ? "" : ",  ") + event.place;
  return text;
}

void BuildWallChartTexts(store::RecordStore& store, const WallChartOptions& options,
                         const WallChartTextWidth& width) {
  for (int n = 0; n <= store.highest_individual(); ++n) {
    if (IndividualRecord* person = store.individual(n)) {
      BuildPerson(store, n, *person, options, width);
    }
  }
  for (int n = 0; n <= store.highest_family(); ++n) {
    if (FamilyRecord* family = store.family(n)) BuildFamily(*family, options, width);
  }
  // Block rows read the spouses' box rows and the marriage texts, so they come last.
  for (int n = 0; n <= store.highest_individual(); ++n) core::RefreshBlockLines(store, n);
}

WallChartTextScope::WallChartTextScope(store::RecordStore& store, const WallChartOptions& options,
                                       const WallChartTextWidth& width)
    : store_(store), tree_view_pictures_(store.show_chart_pictures()) {
  store_.set_show_chart_pictures(options.show_pictures);
  BuildWallChartTexts(store_, options, width);
}

WallChartTextScope::~WallChartTextScope() {
  store_.set_show_chart_pictures(tree_view_pictures_);
  core::InitializeChart(store_);
}

}  // namespace kinloom::reports
