#include <algorithm>
#include <cstdio>

#include "web/html_pages.h"
#include "web/html_text.h"

namespace kinloom::web {
namespace {

void AppendPicture(std::string& out, const HtmlContext& context, const PublishedPicture& picture) {
  const files::MediaItem& item = *picture.item;
  out += "<div class=\"picture\">\n<a href=\"../med/" + picture.site_name + "\">";
  if (picture.IsPicture()) {
    out += "<img src=\"../tmb/" + picture.site_name + "\" alt=\"";
    AppendEscaped(out, item.title.empty() ? std::string("Picture") : item.title);
    out += "\">";
  } else {
    out += "<span class=\"doc\">Document</span>";
  }
  out += "</a>\n";
  if (!item.title.empty()) {
    out += "<div><b>";
    AppendEscaped(out, item.title);
    out += "</b></div>\n";
  }
  if (!item.note.empty()) {
    out += "<div class=\"note\">";
    std::string note = item.note;
    note.erase(std::remove(note.begin(), note.end(), '\r'), note.end());
    size_t start = 0;
    while (start <= note.size()) {
      size_t end = std::min(note.find('\n', start), note.size());
      if (start > 0) out += "<br>";
      AppendEscaped(out, std::string_view(note).substr(start, end - start));
      start = end + 1;
    }
    out += "</div>\n";
  }
  for (int individual : picture.people) {
    out += "<div>";
    AppendPersonLink(out, context.views->Link(individual),
                     context.addresses->Person("ind", individual));
    out += "</div>\n";
  }
  out += "</div>\n";
}

}  // namespace

std::string PicturePageName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "kln_pic%04d.html", number);
  return name;
}

std::vector<PicturePage> PlanPicturePages(const PublishedPictures& pictures) {
  std::vector<PicturePage> plan;
  for (size_t g = 0; g < pictures.groups.size(); ++g) {
    const int count = static_cast<int>(pictures.groups[g].pictures.size());
    for (int first = 0; first < count; first += kPicturesPerPage) {
      plan.push_back({static_cast<int>(g), first, static_cast<int>(plan.size()) + 1});
    }
  }
  return plan;
}

std::string PicturePageFile(const HtmlContext& context, const std::vector<PicturePage>& plan,
                            size_t page) {
  const PublishedPictures& pictures = *context.pictures;
  const PicturePage& shown = plan[page];
  const PictureGroup& group = pictures.groups[static_cast<size_t>(shown.group)];
  std::string out =
      PageStart(context.look, "../", "Pictures", group.name, group.name,
                HtmlMenu(context, "../", context.first_person, MenuEntry::kPictures), {});
  // Every group that has pictures, by its first page.
  out += "<div class=\"groups\">";
  int last_group = -1;
  for (const PicturePage& entry : plan) {
    if (entry.group == last_group) continue;
    last_group = entry.group;
    const PictureGroup& g = pictures.groups[static_cast<size_t>(entry.group)];
    out += entry.group == shown.group ? "<span class=\"group current\">" : "<span class=\"group\">";
    out += "<a href=\"" + PicturePageName(entry.number) + "\">";
    AppendEscaped(out, g.name);
    out += "</a>&nbsp;(" + std::to_string(g.pictures.size()) + ")</span>\n";
  }
  out += "</div>\n<div class=\"gallery\">\n";
  const int end = std::min(static_cast<int>(group.pictures.size()), shown.first + kPicturesPerPage);
  for (int i = shown.first; i < end; ++i) {
    AppendPicture(out, context,
                  pictures.list[static_cast<size_t>(group.pictures[static_cast<size_t>(i)])]);
  }
  out += "</div>\n";
  // Steps within the group.
  const bool has_before = shown.first > 0;
  const bool has_after = end < static_cast<int>(group.pictures.size());
  if (has_before || has_after) {
    out += "<div class=\"pager\">";
    if (has_before)
      out += "<a href=\"" + PicturePageName(shown.number - 1) + "\">&lt;&lt; Previous</a>";
    if (has_after) out += "<a href=\"" + PicturePageName(shown.number + 1) + "\">Next &gt;&gt;</a>";
    out += "</div>\n";
  }
  out += PageEnd(context.look);
  return out;
}

}  // namespace kinloom::web
