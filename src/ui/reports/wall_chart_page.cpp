#include "ui/reports/wall_chart_page.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "charts/wall_chart_fonts.h"
#include "charts/wall_chart_maker.h"
#include "core/queries.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/wall_chart_box.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

// The face the options keep for a family the font dialog gave: the installed faces that
// draw "Arial" and "Times New Roman" keep those names, so the body font's choice can switch
// the title with it.
std::string FaceOfFamily(const QString& family) {
  for (std::string_view face : {reports::kGothicFace, reports::kRomanFace}) {
    if (family == charts::WallChartFamily(face)) return std::string(face);
  }
  return family.toStdString();
}

std::optional<reports::WallChartTitleFont> AskTitleFont(
    QWidget* parent, const reports::WallChartTitleFont& current) {
  QFont initial(charts::WallChartFamily(current.face), 16);
  initial.setBold(current.bold);
  initial.setItalic(current.italic);
  bool ok = false;
  const QFont chosen =
      QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Select Font for Title"));
  if (!ok) return std::nullopt;
  return reports::WallChartTitleFont{FaceOfFamily(chosen.family()), chosen.bold(), chosen.italic()};
}

}  // namespace

WallChartPagePrompts DefaultWallChartPagePrompts() {
  WallChartPagePrompts prompts;
  prompts.saved_chart = [](QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Select Wall Chart"), folder,
                                        QStringLiteral("Wall Chart Files (JPG BMP) (*.jpg *.bmp)"));
  };
  prompts.title_font = AskTitleFont;
  return prompts;
}

WallChartPage::WallChartPage(TFamTree& tree, std::function<int()> highlighted, QWidget* parent)
    : QWidget(parent),
      tree_(tree),
      highlighted_(std::move(highlighted)),
      prompts_(DefaultWallChartPagePrompts()) {
  setObjectName(QStringLiteral("WallChartPage"));
  auto* columns = new QGridLayout;
  columns->addWidget(BuildChartGroup(), 0, 0);
  columns->addWidget(BuildTitleGroup(), 1, 0);
  columns->addWidget(BuildShowGroup(), 0, 1);
  columns->addWidget(BuildFontGroup(), 1, 1);

  auto* create = new QPushButton(QStringLiteral("Create New Wall Chart"), this);
  create->setObjectName(QStringLiteral("btnWallCht"));
  create->setDefault(true);
  connect(create, &QPushButton::clicked, this, &WallChartPage::btnWallChtClick);
  auto* saved = new QPushButton(QStringLiteral("Print / View Saved Chart"), this);
  saved->setObjectName(QStringLiteral("btnPrnWallCht"));
  connect(saved, &QPushButton::clicked, this, &WallChartPage::btnPrnWallChtClick);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(create);
  buttons->addWidget(saved);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  layout->addStretch(1);
  KindChanged();
  ShowTitleFont();
}

QWidget* WallChartPage::BuildChartGroup() {
  auto* group = new QGroupBox(QStringLiteral("Chart"), this);
  rbWallChtDesc = new QRadioButton(QStringLiteral("Wall Chart of Descendants"), group);
  rbWallChtDesc->setObjectName(QStringLiteral("rbWallChtDesc"));
  rbWallChtDesc->setChecked(true);
  rbWallChtAnc = new QRadioButton(QStringLiteral("Wall Chart of Ancestors"), group);
  rbWallChtAnc->setObjectName(QStringLiteral("rbWallChtAnc"));
  connect(rbWallChtAnc, &QRadioButton::toggled, this, &WallChartPage::KindChanged);
  WallChtMax = new QSpinBox(group);
  WallChtMax->setObjectName(QStringLiteral("WallChtMax"));
  WallChtMax->setRange(reports::kWallChartGenerationsMin, reports::kWallChartGenerationsMax);
  WallChtMax->setValue(reports::kWallChartGenerationsDefault);
  auto* generations = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("&Generations:"), group);
  label->setBuddy(WallChtMax);
  generations->addWidget(label);
  generations->addWidget(WallChtMax);
  generations->addStretch(1);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(rbWallChtDesc);
  layout->addWidget(rbWallChtAnc);
  layout->addLayout(generations);
  return group;
}

QWidget* WallChartPage::BuildTitleGroup() {
  auto* group = new QGroupBox(QStringLiteral("Title"), this);
  WallTitle = new QLineEdit(group);
  WallTitle->setObjectName(QStringLiteral("WallTitle"));
  WallTitle->setPlaceholderText(QStringLiteral("Empty: \"Descendants of\" and the name"));
  auto* font = new QPushButton(QStringLiteral("Select Font for Title..."), group);
  font->setObjectName(QStringLiteral("btnSelectFont"));
  connect(font, &QPushButton::clicked, this, &WallChartPage::btnSelectFontClick);
  title_font_label_ = new QLabel(group);
  title_font_label_->setObjectName(QStringLiteral("TitleFont"));
  auto* font_row = new QHBoxLayout;
  font_row->addWidget(font);
  font_row->addWidget(title_font_label_, 1);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(WallTitle);
  layout->addLayout(font_row);
  return group;
}

QCheckBox* WallChartPage::AddCheck(const char* name, const QString& text, bool checked) {
  auto* box = new QCheckBox(text, this);
  box->setObjectName(QLatin1String(name));
  box->setChecked(checked);
  return box;
}

QWidget* WallChartPage::BuildShowGroup() {
  auto* group = new QGroupBox(QStringLiteral("Show"), this);
  cbShowPlaces = AddCheck("cbShowPlaces", QStringLiteral("Show Names of Places"), true);
  cbShowIdNo = AddCheck("cbShowIdNo", QStringLiteral("Show ID No on Wall Chart"), false);
  cbShowBoldInd = AddCheck("cbShowBoldInd", QStringLiteral("Show Family Members Bold"), false);
  cbShowBoldSpc = AddCheck("cbShowBoldSpc", QStringLiteral("Show Spouses in Bold Text"), false);
  cbShowPictures =
      AddCheck("cbShowPictures", QStringLiteral("Show Small Pictures of People"), false);
  auto* layout = new QVBoxLayout(group);
  for (QCheckBox* box : {cbShowPlaces, cbShowIdNo, cbShowBoldInd, cbShowBoldSpc, cbShowPictures}) {
    box->setParent(group);
    layout->addWidget(box);
  }
  return group;
}

QWidget* WallChartPage::BuildFontGroup() {
  auto* group = new QGroupBox(QStringLiteral("Body Font"), this);
  rbGothic = new QRadioButton(QStringLiteral("Gothic"), group);
  rbGothic->setObjectName(QStringLiteral("rbGothic"));
  rbGothic->setChecked(true);
  rbRoman = new QRadioButton(QStringLiteral("Roman"), group);
  rbRoman->setObjectName(QStringLiteral("rbRoman"));
  connect(rbRoman, &QRadioButton::toggled, this, &WallChartPage::BodyFontChanged);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(rbGothic);
  layout->addWidget(rbRoman);
  return group;
}

// An ancestor chart names no spouses, so their bold text is for descendant charts only.
void WallChartPage::KindChanged() {
  cbShowBoldSpc->setEnabled(!rbWallChtAnc->isChecked());
}

// A title in the other one of the two body faces follows the body font.
void WallChartPage::BodyFontChanged() {
  reports::WallChartOptions options;
  options.title_font = title_font_;
  reports::ChooseBodyFont(options, rbRoman->isChecked());
  title_font_ = options.title_font;
  ShowTitleFont();
}

void WallChartPage::ShowTitleFont() {
  QString text = charts::WallChartFamily(title_font_.face);
  if (title_font_.bold) text += QStringLiteral(", bold");
  if (title_font_.italic) text += QStringLiteral(", italic");
  title_font_label_->setText(text);
}

void WallChartPage::btnSelectFontClick() {
  if (std::optional<reports::WallChartTitleFont> chosen = prompts_.title_font(this, title_font_)) {
    title_font_ = *chosen;
    ShowTitleFont();
  }
}

reports::WallChartOptions WallChartPage::Options() const {
  reports::WallChartOptions o;
  o.generations = WallChtMax->value();
  o.title = ToAnsi(WallTitle->text().trimmed());
  o.title_font = title_font_;
  o.ancestors = rbWallChtAnc->isChecked();
  o.show_places = cbShowPlaces->isChecked();
  o.show_id_numbers = cbShowIdNo->isChecked();
  o.bold_members = cbShowBoldInd->isChecked();
  o.bold_spouses = cbShowBoldSpc->isChecked();
  o.show_pictures = cbShowPictures->isChecked();
  o.roman = rbRoman->isChecked();
  return o;
}

TWallChartBox& WallChartPage::viewer() {
  if (viewer_ == nullptr) viewer_ = new TWallChartBox(tree_, this);
  return *viewer_;
}

void WallChartPage::btnWallChtClick() {
  tree_.CommitPendingEdit();
  store::RecordStore& store = tree_.store();
  const int root = highlighted_ ? highlighted_() : 0;
  if (root < 1 || root > store.highest_individual() || store.individual(root) == nullptr) return;
  charts::WallChartRequest request;
  request.root = root;
  request.options = Options();
  if (request.options.title.empty()) {
    request.options.title = reports::DefaultWallChartTitle(store, root, request.options.ancestors);
  }
  // The tree view keeps the families it hides to itself, so the chart shows every family.
  files::TreeWorkspace& work = tree_.work();
  const charts::WallChartSaving saving{work.folders().my_files, work.file_system(), {}};
  const charts::WallChartResult made = charts::CreateWallChart(store, request, saving);
  if (made.outcome != charts::WallChartOutcome::kSaved) return;
  TWallChartBox& box = viewer();
  if (!box.ShowChart(made.path, request)) return;
  box.show();
  box.raise();
  box.activateWindow();
}

void WallChartPage::btnPrnWallChtClick() {
  const QString folder = QString::fromStdString(tree_.work().folders().my_files);
  const QString path = prompts_.saved_chart(this, folder);
  if (path.isEmpty()) return;
  TWallChartBox& box = viewer();
  if (!box.ShowChart(path.toStdString())) return;
  box.show();
  box.raise();
  box.activateWindow();
}

}  // namespace kinloom::ui
