#include "ui/dialogs/search_box_details.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/queries.h"
#include "store/line_search.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

std::string EventLine(const char* heading, store::LineNode* first, std::string_view tag1,
                      std::string_view tag2, std::string_view tag3) {
  const core::EventInfo info = core::EventDetails(first, tag1, tag2, tag3);
  std::string line = heading + info.date;
  if (!info.date.empty() && !info.place.empty()) line += ", ";
  return line + info.place;
}

std::string PersonLine(const char* heading, const store::RecordStore& store, int individual) {
  const store::IndividualRecord* person = store.individual(individual);
  if (individual == 0 || person == nullptr || person->lines == nullptr) return heading;
  return heading + core::PersonLabel(store, individual);
}

void AddSpouseLines(const store::RecordStore& store, int individual,
                    std::vector<std::string>* lines) {
  const size_t before = lines->size();
  const store::IndividualRecord* person = store.individual(individual);
  for (const store::LineNode* line = person->lines->next; line != nullptr && line->level() != '0';
       line = line->next) {
    if (!store::HasTag(line->text(), "1 FAMS")) continue;
    const int family = store::XrefNumber(line->text());
    const int spouse = core::OtherSpouse(store, family, individual);
    if (spouse != 0) lines->push_back(PersonLine("Spouse: ", store, spouse));
  }
  if (lines->size() == before) lines->push_back("Spouse: ");
}

}  // namespace

std::vector<std::string> SearchDetailLines(const store::RecordStore& store, int individual) {
  const store::IndividualRecord* person = store.individual(individual);
  if (person == nullptr || person->lines == nullptr) return {};
  std::vector<std::string> lines;
  lines.push_back(EventLine("Birth: ", person->lines, "1 BIRT", "1 BAPM", "1 CHR"));
  lines.push_back(EventLine("Death: ", person->lines, "1 DEAT", "1 BURI", "1 CREM"));
  AddSpouseLines(store, individual, &lines);
  const int family = core::FindParentFamily(store, individual).family;
  const int father = family == 0 ? 0 : core::FamilyMember(store, family, "1 HUSB");
  const int mother = family == 0 ? 0 : core::OtherSpouse(store, family, father);
  lines.push_back(PersonLine("Father: ", store, father));
  lines.push_back(PersonLine("Mother: ", store, mother));
  return lines;
}

SearchDetailsPanel::SearchDetailsPanel(QWidget* parent) : QFrame(parent, Qt::Popup) {
  setObjectName(QStringLiteral("SearchDetails"));
  setFrameShape(QFrame::Box);
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("lblDetailsName"));
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  lines_ = new QLabel(this);
  lines_->setObjectName(QStringLiteral("lblDetails"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 8, 12, 8);
  layout->setSpacing(6);
  setMinimumWidth(220);
  layout->addWidget(heading_);
  layout->addWidget(lines_);
}

void SearchDetailsPanel::ShowFor(const store::RecordStore& store, int individual,
                                 QPoint global_position) {
  heading_->setText(FromAnsi(core::PersonLabel(store, individual)));
  QStringList texts;
  for (const std::string& line : SearchDetailLines(store, individual)) texts << FromAnsi(line);
  lines_->setText(texts.join(QLatin1Char('\n')));
  adjustSize();
  move(global_position + QPoint(8, 8));
  show();
}

}  // namespace kinloom::ui
