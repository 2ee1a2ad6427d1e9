#include <cstdio>

#include "files/data_folders.h"
#include "files/media_albums.h"
#include "platform/progress.h"
#include "web/html_pages.h"
#include "web/site_files.h"
#include "web/site_job.h"

namespace kinloom::web {
namespace {

constexpr std::string_view kTooManyCaption = "Cannot Complete";
constexpr std::string_view kTooManyText =
    "This family tree exceeds the maximum number\nof individuals permitted in an HTML format.";

void ShowStep(platform::ProgressTicker& ticker, const char* format, int value) {
  ticker.Step();
  if (!ticker.TextDue()) return;
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  ticker.SetText(text);
}

// The links pass: each published person's picture is copied into "tmb" under the site's name.
Status CopyPortraits(const SiteJob& job, const SequenceIndex& index, HtmlContext& context,
                     platform::Interaction& ui) {
  context.portraits.assign(static_cast<size_t>(job.store->highest_individual()) + 1, {});
  platform::ProgressTicker ticker(ui, index.size());
  Status error;
  for (int individual : index.people) {
    ShowStep(ticker, "Creating Links for Individual..: %06i", individual);
    context.portraits[static_cast<size_t>(individual)] = CopyPortrait(job, individual, &error);
    if (!error.ok()) break;
  }
  return error;
}

// The pages pass: each person's individual, ancestor and descendant page (or the shared pages
// the person is on).
Status WritePersonPages(const SiteJob& job, const HtmlContext& context, platform::Interaction& ui) {
  const HtmlAddresses& addresses = *context.addresses;
  platform::ProgressTicker ticker(ui, addresses.index().size());
  const std::vector<HtmlAddresses::PageFile> pages = addresses.PageFiles("ind");
  for (const HtmlAddresses::PageFile& page : pages) {
    for (int individual : page.people) {
      ShowStep(ticker, "Creating Pages for Individual..: %06i", individual);
    }
    const std::string suffix = page.name.substr(7);  // after "kln_ind"
    const std::pair<std::string, std::string> files[] = {
        {job.site + "/ind/kln_ind" + suffix, IndividualPageFile(context, page.people)},
        {job.site + "/anc/kln_anc" + suffix, AncestorPageFile(context, page.people)},
        {job.site + "/des/kln_des" + suffix, DescendantPageFile(context, page.people)}};
    for (const auto& [path, html] : files) {
      if (Status written = WriteSiteFile(path, html); !written.ok()) return written;
    }
  }
  return Status::Ok();
}

Status WriteOtherPages(const SiteJob& job, const HtmlContext& context,
                       const std::vector<PicturePage>& picture_plan,
                       const std::vector<std::string>& slides) {
  const std::string& site = job.site;
  if (Status s = WriteSiteFile(site + "/index.html", HomePageFile(context, slides)); !s.ok()) {
    return s;
  }
  if (job.settings->contact_page) {
    if (Status s = WriteSiteFile(site + "/kln_contact.html", ContactPageFile(context)); !s.ok()) {
      return s;
    }
  }
  for (int page = 1; page <= context.addresses->index_pages(); ++page) {
    const std::string path = site + "/idx/" + HtmlAddresses::IndexPageName(page);
    if (Status s = WriteSiteFile(path, IndexPageFile(context, page)); !s.ok()) return s;
  }
  for (size_t page = 0; page < picture_plan.size(); ++page) {
    const std::string path = site + "/pic/" + PicturePageName(picture_plan[page].number);
    if (Status s = WriteSiteFile(path, PicturePageFile(context, picture_plan, page)); !s.ok()) {
      return s;
    }
  }
  return Status::Ok();
}

}  // namespace

SiteOutcome MakeHtmlSite(const SiteJob& job, platform::Interaction& ui) {
  SiteOutcome outcome;
  ui.ProgressShow("Removing Old Web Pages", "This May Take Several Minutes");
  outcome.status = MakeSiteFolders(job.site, kHtmlSubfolders);
  if (!outcome.status.ok()) return outcome;
  RemoveOldSiteFiles(job.site, kHtmlSubfolders);

  const PublishRule rule(*job.store, job.publish);
  const SequenceIndex index = NumberPublished(*job.store, rule, ui);
  const PublishedPictures pictures = SelectPictures(*job.albums, rule, job.media_folder);
  outcome.people = index.size();
  outcome.pictures = static_cast<int>(pictures.list.size());
  if (index.size() > kHtmlPeopleLimit) {
    ui.ProgressHide();
    ui.Message(kTooManyCaption, kTooManyText, platform::Icon::kExclamation);
    return outcome;
  }

  const HtmlAddresses addresses(index);
  const PersonViews views(*job.store, rule);
  HtmlContext context;
  context.look.settings = job.settings;
  context.addresses = &addresses;
  context.views = &views;
  context.pictures = &pictures;
  const int home = job.store->home_person();
  context.first_person = rule.IsPublished(home) ? home : index.size() > 0 ? index.people[0] : 0;
  const std::vector<PicturePage> picture_plan = PlanPicturePages(pictures);
  context.picture_pages = static_cast<int>(picture_plan.size());

  Status& status = outcome.status;
  context.look.images = CopySiteImages(job, &status);
  if (status.ok()) status = CopyPortraits(job, index, context, ui);
  if (status.ok()) status = WritePersonPages(job, context, ui);
  std::vector<std::string> slides;
  if (status.ok()) slides = CopyHomeSlides(job, &status);
  if (status.ok()) status = WriteOtherPages(job, context, picture_plan, slides);
  if (status.ok()) status = CopyPublishedPictures(pictures, job.site, job.scaler, ui);
  if (status.ok()) status = WriteStyleSheets(job, context.look.images);
  outcome.completed = status.ok();
  return outcome;
}

}  // namespace kinloom::web
