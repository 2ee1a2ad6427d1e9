#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>

#include "files/program_settings.h"

class QPushButton;
class QTableWidget;

namespace kinloom::ui {

class TFamTree;

// The main window's search page: the user's internet search sources (SchGrid) with add, modify,
// delete, move and open.
class SearchSourcesPage : public QWidget {
  Q_OBJECT

 public:
  // Opens a web address; the desktop's browser unless another opener is put in.
  using LinkOpener = std::function<void(const QString& link)>;
  // Asks for a source's name and address under a caption; nothing when cancelled. The
  // add-and-modify dialog unless another editor is put in.
  using SiteEditor = std::function<std::optional<files::SearchSite>(const QString& caption,
                                                                    const files::SearchSite& site)>;

  SearchSourcesPage(TFamTree& tree, QWidget* parent);

  // Shows the sources again; the main window calls it after a tree (and with it the options)
  // was read.
  void Refresh();

  void SetLinkOpener(LinkOpener opener) { open_link_ = std::move(opener); }
  void SetSiteEditor(SiteEditor editor) { edit_site_ = std::move(editor); }

  // The selected row, counted from 0 below the heading.
  size_t SelectedRow() const;
  void SelectRow(size_t row);

  void btnSchNewClick();
  void btnSchModifyClick();
  void btnSchDelClick();
  void btnSchUpClick();
  void btnSchDownClick();
  void SchGridDblClick(int row);

 private:
  QPushButton* AddButton(const char* name, const QString& text,
                         void (SearchSourcesPage::*handler)());
  void ShowRows(size_t select);
  void SitesChanged(size_t select);
  bool RowsEmpty(size_t first, size_t second) const;

  TFamTree& tree_;
  QTableWidget* grid_ = nullptr;
  LinkOpener open_link_;
  SiteEditor edit_site_;
};

}  // namespace kinloom::ui
