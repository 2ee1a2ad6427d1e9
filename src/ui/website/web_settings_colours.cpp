#include "ui/website/web_settings_colours.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "ui/website/web_settings_binder.h"
#include "ui/widgets/colour_swatch.h"
#include "ui/widgets/colour_value.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

std::optional<uint32_t> AskWithColourDialog(uint32_t current, const QString& title) {
  const QColor chosen = QColorDialog::getColor(ToQColor(current), nullptr, title);
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

QString ElementName(int index) {
  const std::string_view element = files::WebColourTable[index].element;
  return FromAnsi(element);
}

}  // namespace

WebColoursPage::WebColoursPage(WebSettingsBinder& binder, QWidget* parent)
    : QWidget(parent), binder_(binder), chooser_(AskWithColourDialog) {
  setObjectName(QStringLiteral("WebColours"));
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(3);
  for (int i = 0; i < files::kWebColourCount; ++i) AddRow(grid, i);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(files::kWebColourCount, 1);
  connect(&binder_, &WebSettingsBinder::settingsLoaded, this, [this] { ShowAll(); });
  ShowAll();
}

void WebColoursPage::AddRow(QGridLayout* grid, int index) {
  auto* number = new QLabel(QString::number(index), this);
  number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* sample = new ColourSwatch(this);
  sample->setObjectName(QStringLiteral("ColourSample%1").arg(index));
  auto* value = new QLineEdit(this);
  value->setObjectName(QStringLiteral("ColourValue%1").arg(index));
  value->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("#?[0-9A-Fa-f]{0,6}")), value));
  value->setFixedWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDD")) + 16);
  auto* choose = new QPushButton(QStringLiteral("Change..."), this);
  choose->setObjectName(QStringLiteral("ColourChange%1").arg(index));
  auto* name = new QLabel(ElementName(index), this);
  name->setBuddy(value);
  grid->addWidget(number, index, 0);
  grid->addWidget(sample, index, 1);
  grid->addWidget(value, index, 2);
  grid->addWidget(choose, index, 3);
  grid->addWidget(name, index, 4);
  samples_[index] = sample;
  values_[index] = value;
  connect(sample, &ColourSwatch::clicked, this, [this, index] { ChooseColour(index); });
  connect(choose, &QPushButton::clicked, this, [this, index] { ChooseColour(index); });
  connect(value, &QLineEdit::textEdited, this,
          [this, index](const QString& text) { ValueEdited(index, text); });
  // A half-typed value is put back to the colour in force when the box is left.
  connect(value, &QLineEdit::editingFinished, this, [this, index] { ShowColour(index); });
}

void WebColoursPage::ChooseColour(int index) {
  const std::optional<uint32_t> chosen =
      chooser_(binder_.colour(index), QStringLiteral("Colour: %1").arg(ElementName(index)));
  if (!chosen) return;
  binder_.SetColour(index, *chosen);
  ShowColour(index);
}

void WebColoursPage::ValueEdited(int index, const QString& text) {
  const std::optional<uint32_t> rgb = ParseColourText(text);
  if (!rgb) return;
  binder_.SetColour(index, *rgb);
  samples_[index]->SetColour(*rgb);
}

void WebColoursPage::ShowColour(int index) {
  const uint32_t rgb = binder_.colour(index);
  samples_[index]->SetColour(rgb);
  values_[index]->setText(ColourText(rgb));
}

void WebColoursPage::ShowAll() {
  for (int i = 0; i < files::kWebColourCount; ++i) ShowColour(i);
}

}  // namespace kinloom::ui
