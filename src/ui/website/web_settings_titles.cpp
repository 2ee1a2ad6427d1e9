#include "ui/website/web_settings_titles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kinloom::ui {

namespace {

using files::WebSiteSettings;

files::TitleFont& TitleFontOf(WebSiteSettings& s, int line) {
  return line == 1 ? s.title1_font : s.title2_font;
}

QRadioButton* Radio(const QString& name, const QString& text, QWidget* parent) {
  auto* button = new QRadioButton(text, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

WebTitlesPage::WebTitlesPage(WebSettingsBinder& binder, QWidget* parent)
    : QWidget(parent), binder_(binder), chooser_(PictureFileDialog(this)) {
  setObjectName(QStringLiteral("WebTitles"));
  auto* column = new QVBoxLayout(this);
  column->addWidget(TitleLines());
  column->addWidget(TitleKind());
  column->addWidget(TitleBackground());
  column->addWidget(PageBackground());
  column->addStretch(1);
}

QGroupBox* WebTitlesPage::TitleLines() {
  auto* group = new QGroupBox(QStringLiteral("Page Title"), this);
  auto* form = new QFormLayout(group);
  AddTitleLine(form, 1);
  AddTitleLine(form, 2);
  return group;
}

void WebTitlesPage::AddTitleLine(QFormLayout* form, int line) {
  QWidget* group = form->parentWidget();
  auto* text = new QLineEdit(group);
  text->setObjectName(QStringLiteral("CfgTitle%1Txt").arg(line));
  if (line == 1) {
    binder_.BindText(
        text, [](WebSiteSettings& s) -> std::string& { return s.title1; }, files::kTitle1Length);
  } else {
    binder_.BindText(
        text, [](WebSiteSettings& s) -> std::string& { return s.title2; }, files::kTitle2Length);
  }
  form->addRow(QStringLiteral("Title line %1:").arg(line), text);

  auto* font_row = new QHBoxLayout;
  auto* font = new QComboBox(group);
  font->setObjectName(QStringLiteral("CfgTitle%1Font").arg(line));
  font->addItems(QFontDatabase::families());
  font->setInsertPolicy(QComboBox::NoInsert);
  font->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  font->setMinimumContentsLength(16);
  binder_.BindFontName(
      font, [line](WebSiteSettings& s) -> std::string& { return TitleFontOf(s, line).name; });
  auto* bold = new QCheckBox(QStringLiteral("Bold"), group);
  bold->setObjectName(QStringLiteral("CfgTitle%1Bold").arg(line));
  binder_.BindFlag(bold, [line](WebSiteSettings& s) -> bool& { return TitleFontOf(s, line).bold; });
  auto* italic = new QCheckBox(QStringLiteral("Italic"), group);
  italic->setObjectName(QStringLiteral("CfgTitle%1Italic").arg(line));
  binder_.BindFlag(italic,
                   [line](WebSiteSettings& s) -> bool& { return TitleFontOf(s, line).italic; });
  font_row->addWidget(font, 1);
  font_row->addWidget(bold);
  font_row->addWidget(italic);
  form->addRow(QStringLiteral("Font of line %1:").arg(line), font_row);
}

QGroupBox* WebTitlesPage::TitleKind() {
  auto* group = new QGroupBox(QStringLiteral("Title Shown As"), this);
  auto* form = new QFormLayout(group);
  auto* text = Radio(QStringLiteral("rbTitleText"), QStringLiteral("Text lettering"), group);
  auto* image = Radio(QStringLiteral("rbTitleImage"), QStringLiteral("Graphic image"), group);
  auto* buttons = new QButtonGroup(group);
  buttons->addButton(text);
  buttons->addButton(image);
  binder_.BindChoice(
      {{text, 1}, {image, 0}}, [](const WebSiteSettings& s) { return s.title_as_text ? 1 : 0; },
      [](WebSiteSettings& s, int v) { s.title_as_text = v == 1; });
  auto* row = new QHBoxLayout;
  row->addWidget(text);
  row->addWidget(image);
  row->addStretch(1);
  form->addRow(row);
  form->addRow(QStringLiteral("Title image file:"),
               PictureField(QStringLiteral("CfgTitleImage"), QStringLiteral("Title Image"),
                            [](WebSiteSettings& s) -> std::string& { return s.title_image_file; }));
  return group;
}

QGroupBox* WebTitlesPage::TitleBackground() {
  using files::TitleBackground;
  auto* group = new QGroupBox(QStringLiteral("Title Area Background"), this);
  auto* form = new QFormLayout(group);
  auto* none = Radio(QStringLiteral("rbCfgNoColor"),
                     QStringLiteral("None (the page background shows)"), group);
  auto* colour =
      Radio(QStringLiteral("rbCfgColor"), QStringLiteral("Colour (web colour 0)"), group);
  auto* pattern = Radio(QStringLiteral("rbCfgPattern"), QStringLiteral("Pattern"), group);
  auto* buttons = new QButtonGroup(group);
  for (QRadioButton* button : {none, colour, pattern}) buttons->addButton(button);
  binder_.BindChoice(
      {{none, int(TitleBackground::kNone)},
       {colour, int(TitleBackground::kColour)},
       {pattern, int(TitleBackground::kPattern)}},
      [](const WebSiteSettings& s) { return int(s.title_background); },
      [](WebSiteSettings& s, int v) { s.title_background = static_cast<TitleBackground>(v); });
  auto* row = new QHBoxLayout;
  for (QRadioButton* button : {none, colour, pattern}) row->addWidget(button);
  row->addStretch(1);
  form->addRow(row);
  form->addRow(
      QStringLiteral("Pattern file:"),
      PictureField(QStringLiteral("CfgTitlePattern"), QStringLiteral("Title Pattern"),
                   [](WebSiteSettings& s) -> std::string& { return s.title_pattern_file; }));
  auto* tile = new QCheckBox(QStringLiteral("Tile the pattern"), group);
  tile->setObjectName(QStringLiteral("CfgTitleTile"));
  binder_.BindFlag(tile, [](WebSiteSettings& s) -> bool& { return s.tile_title_pattern; });
  form->addRow(QString(), tile);
  return group;
}

QGroupBox* WebTitlesPage::PageBackground() {
  auto* group = new QGroupBox(QStringLiteral("Page"), this);
  auto* form = new QFormLayout(group);
  auto* use =
      new QCheckBox(QStringLiteral("Use a graphic background pattern for the full page"), group);
  use->setObjectName(QStringLiteral("cbPageBG"));
  binder_.BindFlag(use, [](WebSiteSettings& s) -> bool& { return s.use_page_pattern; });
  form->addRow(use);
  form->addRow(
      QStringLiteral("Pattern file:"),
      PictureField(QStringLiteral("CfgPageBG"), QStringLiteral("Page Background Pattern"),
                   [](WebSiteSettings& s) -> std::string& { return s.page_pattern_file; }));
  form->addRow(QStringLiteral("Browser icon file:"),
               PictureField(QStringLiteral("CfgFavIcon"), QStringLiteral("Browser Icon"),
                            [](WebSiteSettings& s) -> std::string& { return s.fav_icon_file; }));
  return group;
}

PictureFileField* WebTitlesPage::PictureField(const QString& name, const QString& title,
                                              WebSettingsBinder::TextRef field) {
  auto* picture = new PictureFileField(name, title, this);
  binder_.BindText(picture->edit(), std::move(field), files::kPictureFileLength);
  connect(picture->button(), &QPushButton::clicked, this,
          [this, edit = picture->edit(), title] { ChoosePicture(edit, title); });
  return picture;
}

void WebTitlesPage::ChoosePicture(QLineEdit* edit, const QString& title) {
  const QString chosen = chooser_(image_folder_, title);
  if (chosen.isEmpty()) return;
  edit->setText(PictureNameInFolder(chosen, image_folder_).left(int(files::kPictureFileLength)));
}

}  // namespace kinloom::ui
