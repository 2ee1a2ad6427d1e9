#include <cstdio>

#include "files/data_folders.h"
#include "platform/progress.h"
#include "store/line_search.h"
#include "web/html_pages.h"
#include "web/php_data.h"
#include "web/site_files.h"
#include "web/site_job.h"

namespace kinloom::web {
namespace {

void ShowStep(platform::ProgressTicker& ticker, const char* format, int value) {
  ticker.Step();
  if (!ticker.TextDue()) return;
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  ticker.SetText(text);
}

std::string Number6(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", n);
  return text;
}

// The menu of the script-driven site. `idno` is a six-digit number, or the place-holder the
// scripts fill in; with `template_marks` the page's own entry is marked by the scripts too.
Menu PhpMenu(const SiteJob& job, bool pictures, const std::string& idno, MenuEntry active,
             bool template_marks) {
  Menu menu;
  menu.targets = {"index.html",
                  "kln_index.php",
                  "kln_indpage.php?idno=" + idno,
                  "kln_chart.php?kind=anc&amp;idno=" + idno,
                  "kln_chart.php?kind=des&amp;idno=" + idno,
                  pictures ? "kln_pictures.php" : "",
                  job.settings->contact_page ? "contact.php" : ""};
  if (idno.empty()) menu.targets[2] = menu.targets[3] = menu.targets[4] = "";
  menu.SetActive(active);
  if (template_marks) {
    for (int i = 0; i < kMenuEntries; ++i)
      menu.marks[static_cast<size_t>(i)] = "%%A" + std::to_string(i) + "%%";
  }
  return menu;
}

class PhpSiteWriter {
 public:
  PhpSiteWriter(const SiteJob& job, platform::Interaction& ui)
      : job_(job),
        ui_(ui),
        rule_(*job.store, job.publish),
        views_(*job.store, rule_),
        cited_(static_cast<size_t>(job.store->highest_source()) + 1, false) {}

  SiteOutcome Run() {
    SiteOutcome outcome;
    index_ = NumberPublished(*job_.store, rule_, ui_);
    pictures_ = SelectPictures(*job_.albums, rule_, job_.media_folder);
    outcome.people = index_.size();
    outcome.pictures = static_cast<int>(pictures_.list.size());
    Status& s = outcome.status;
    s = Write("seqindex", SequenceIndexFile(views_, index_));
    if (s.ok()) s = WritePeople();
    if (s.ok()) s = WriteFamilies();
    if (s.ok()) s = WritePictures();
    if (s.ok()) s = WriteSources();
    if (s.ok()) s = WritePages();
    if (s.ok()) s = CopyScripts();
    outcome.completed = s.ok();
    return outcome;
  }

 private:
  Status Write(const char* name, const std::string& bytes) {
    return WriteSiteFile(job_.site + "/" + name, bytes);
  }

  Status WritePeople() {
    store::RecordStore& store = *job_.store;
    const size_t slots = static_cast<size_t>(store.highest_individual()) + 1;
    OffsetIndex people(slots), charts(slots);
    std::string inddata = DataFileHeader("inddata"), chtdata = DataFileHeader("chtdata");
    platform::ProgressTicker ticker(ui_, index_.size());
    Status error;
    for (int individual : index_.people) {
      ShowStep(ticker, "Creating Page for Individual..: %06i", individual);
      const std::string portrait = CopyPortrait(job_, individual, &error);
      if (!error.ok()) return error;
      people.Set(static_cast<size_t>(individual), inddata.size());
      inddata += PersonEntry(views_.Build(individual), portrait, &cited_);
      charts.Set(static_cast<size_t>(individual), chtdata.size());
      chtdata += ChartEntry(views_, individual);
    }
    Status s = Write("indindex", people.bytes());
    if (s.ok()) s = Write("inddata", inddata);
    if (s.ok()) s = Write("chtindex", charts.bytes());
    if (s.ok()) s = Write("chtdata", chtdata);
    return s;
  }

  Status WriteFamilies() {
    store::RecordStore& store = *job_.store;
    OffsetIndex index(static_cast<size_t>(store.highest_family()) + 1);
    std::string data = DataFileHeader("famdata");
    platform::ProgressTicker ticker(ui_, store.highest_family());
    for (int family = 1; family <= store.highest_family(); ++family) {
      ShowStep(ticker, "Creating Page for Family..: %06i", family);
      const std::string entry = FamilyEntry(views_, family);
      if (entry.empty()) continue;
      index.Set(static_cast<size_t>(family), data.size());
      data += entry;
    }
    Status s = Write("famindex", index.bytes());
    return s.ok() ? Write("famdata", data) : s;
  }

  Status WritePictures() {
    Status s = CopyPublishedPictures(pictures_, job_.site, job_.scaler, ui_);
    if (!s.ok()) return s;
    std::string picindex, picdata;
    PictureFiles(views_, pictures_, &picindex, &picdata);
    s = Write("picindex", picindex);
    return s.ok() ? Write("picdata", picdata) : s;
  }

  Status WriteSources() {
    store::RecordStore& store = *job_.store;
    OffsetIndex index(static_cast<size_t>(store.highest_source()) + 1);
    std::string data = DataFileHeader("srcdata");
    platform::ProgressTicker ticker(ui_, store.highest_source());
    for (const PublishedPicture& picture : pictures_.list) {
      const int source = picture.item->source;
      if (source > 0 && source < static_cast<int>(cited_.size()))
        cited_[static_cast<size_t>(source)] = true;
    }
    for (int source = 1; source <= store.highest_source() && rule_.ShowsSources(); ++source) {
      ShowStep(ticker, "Creating List of Sources..: %06i", source);
      if (!cited_[static_cast<size_t>(source)]) continue;
      const std::string entry = SourceEntry(store, source);
      if (entry.empty()) continue;
      index.Set(static_cast<size_t>(source), data.size());
      data += entry;
    }
    Status s = Write("srcindex", index.bytes());
    return s.ok() ? Write("srcdata", data) : s;
  }

  // The style sheets, the page frame the scripts fill in, and the home and contact pages.
  Status WritePages() {
    Status s;
    SiteLook look;
    look.settings = job_.settings;
    look.images = CopySiteImages(job_, &s);
    if (!s.ok()) return s;
    const std::vector<std::string> slides = CopyHomeSlides(job_, &s);
    if (!s.ok()) return s;
    if (s = WriteStyleSheets(job_, look.images); !s.ok()) return s;
    const bool pictures = !pictures_.list.empty();
    const Menu frame_menu = PhpMenu(job_, pictures, "%%IDNO%%", MenuEntry::kHome, true);
    const std::string top = PageStart(look, "", "%%KIND%%", "%%SUBJECT%%", "%%SUBTITLE%%",
                                      frame_menu, {kChartStyleFile, kIndexStyleFile});
    if (s = WriteSiteFile(job_.site + "/sys/kln_top.txt", top); !s.ok()) return s;
    if (s = WriteSiteFile(job_.site + "/sys/kln_bottom.txt", PageEnd(look)); !s.ok()) return s;

    const int home = job_.store->home_person();
    const int first = rule_.IsPublished(home) ? home : index_.size() > 0 ? index_.people[0] : 0;
    const std::string idno = first > 0 ? Number6(first) : "";
    std::string page =
        PageStart(look, "", "Home", "Page", "",
                  PhpMenu(job_, pictures, idno, MenuEntry::kHome, false), {kSlideStyleFile});
    HomeLinks links;
    links.people = index_.size();
    if (links.people > 0) links.index = "kln_index.php";
    if (first > 0) {
      links.person = "kln_indpage.php?idno=" + idno;
      links.person_name = views_.Name(first);
    }
    page += HomePageBody(*job_.settings, slides, "", links) + PageEnd(look);
    if (s = Write("index.html", page); !s.ok()) return s;
    if (!job_.settings->contact_page) return s;
    page = PageStart(look, "", "Contact", "Us", "",
                     PhpMenu(job_, pictures, idno, MenuEntry::kContact, false), {});
    page += ContactPageBody(*job_.settings) + PageEnd(look);
    return Write("contact.php", page);
  }

  Status CopyScripts() {
    bool listed = false;
    int copied = 0;
    for (const std::string& name : files::FolderFileNames(job_.script_folder, &listed)) {
      if (!name.starts_with("kln_") || !name.ends_with(".php")) continue;
      std::string bytes;
      if (!ReadWholeFile(files::JoinPath(job_.script_folder, name), &bytes)) continue;
      if (Status s = Write(name.c_str(), bytes); !s.ok()) return s;
      ++copied;
    }
    if (copied == 0) {
      return Status::NotFound("The scripts of the web site are missing from " + job_.script_folder);
    }
    return Status::Ok();
  }

  const SiteJob& job_;
  platform::Interaction& ui_;
  PublishRule rule_;
  PersonViews views_;
  SequenceIndex index_;
  PublishedPictures pictures_;
  std::vector<bool> cited_;
};

}  // namespace

SiteOutcome MakePhpSite(const SiteJob& job, platform::Interaction& ui) {
  ui.ProgressShow("Removing Old Web Pages", "This May Take Several Minutes");
  SiteOutcome outcome;
  outcome.status = MakeSiteFolders(job.site, kPhpSubfolders);
  if (!outcome.status.ok()) return outcome;
  RemoveOldSiteFiles(job.site, kPhpSubfolders);
  return PhpSiteWriter(job, ui).Run();
}

}  // namespace kinloom::web
