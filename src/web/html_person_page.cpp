#include <cstdio>

#include "core/source_records.h"
#include "store/line_search.h"
#include "web/html_pages.h"
#include "web/html_text.h"

namespace kinloom::web {
namespace {

std::string Number6(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", n);
  return text;
}

std::string_view GenderWord(char sex) {
  return sex == 'M' ? "Male" : sex == 'F' ? "Female" : "Unknown";
}

void AppendCitations(std::string& out, int individual, const std::vector<int>& citations) {
  for (int number : citations) {
    out += " <a class=\"cite\" href=\"#s" + Number6(individual) + "-" + std::to_string(number) +
           "\">[" + std::to_string(number) + "]</a>";
  }
}

void AppendMultiline(std::string& out, std::string_view text) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (start > 0) out += "<br>";
    AppendEscaped(out, text.substr(start, end - start));
    start = end + 1;
  }
}

void AppendEventText(std::string& out, int individual, const WebEvent& event) {
  std::string line;
  for (const std::string* part : {&event.value, &event.date, &event.place}) {
    if (part->empty()) continue;
    if (!line.empty()) line += ", ";
    AppendEscaped(line, *part);
  }
  out += line;
  AppendCitations(out, individual, event.citations);
  if (!event.note.empty()) {
    out += "<div class=\"note\">";
    AppendMultiline(out, event.note);
    out += "</div>";
  }
}

void AppendRow(std::string& out, std::string_view heading, const std::string& cell) {
  out += "<tr><th>";
  out += heading;
  out += "</th><td>" + cell + "</td></tr>\n";
}

std::string Relative(const HtmlContext& context, const PersonLink& link) {
  std::string cell;
  AppendPersonLink(cell, link, context.addresses->Person("ind", link.individual));
  return cell;
}

std::string RelativeList(const HtmlContext& context, const std::vector<PersonLink>& people) {
  std::string cell;
  for (const PersonLink& link : people) {
    if (!cell.empty()) cell += "<br>";
    cell += Relative(context, link);
  }
  return cell;
}

void AppendFamilyTable(std::string& out, const HtmlContext& context, const PersonView& view) {
  std::string rows;
  if (view.father.individual > 0) AppendRow(rows, "Father", Relative(context, view.father));
  if (view.mother.individual > 0) AppendRow(rows, "Mother", Relative(context, view.mother));
  if (!view.siblings.empty()) AppendRow(rows, "Siblings", RelativeList(context, view.siblings));
  for (const SpouseFamily& family : view.families) {
    std::string spouse = family.spouse.individual > 0 ? Relative(context, family.spouse)
                                                      : std::string("Spouse Unknown");
    for (const WebEvent& event : family.events) {
      spouse += "<br>" + std::string(event.caption) + ": ";
      AppendEventText(spouse, view.individual, event);
    }
    AppendRow(rows, "Spouse", spouse);
    if (!family.children.empty()) {
      AppendRow(rows, "Children", RelativeList(context, family.children));
    }
  }
  if (!rows.empty()) out += "<table class=\"events\">\n" + rows + "</table>\n";
}

void AppendEventsTable(std::string& out, const PersonView& view) {
  std::string rows;
  for (const WebEvent& event : view.events) {
    std::string cell;
    AppendEventText(cell, view.individual, event);
    AppendRow(rows, event.caption, cell);
  }
  for (const std::string& note : view.notes) {
    std::string cell = "<div class=\"note\">";
    AppendMultiline(cell, note);
    AppendRow(rows, "Notes", cell + "</div>");
  }
  if (!rows.empty()) out += "<table class=\"events\">\n" + rows + "</table>\n";
}

void AppendSourcesTable(std::string& out, const HtmlContext& context, const PersonView& view) {
  if (view.citations.empty()) return;
  out += "<h3>Sources</h3>\n<table class=\"events\">\n";
  for (size_t i = 0; i < view.citations.size(); ++i) {
    const Citation& citation = view.citations[i];
    std::string cell;
    if (citation.source > 0) {
      const core::SourceFields fields =
          core::ReadSourceFields(context.store().source(citation.source));
      AppendEscaped(cell, fields.title.empty() ? std::string("Untitled Source") : fields.title);
      char line[48];
      for (auto [format, value] : {std::pair{"Author: ", &fields.author},
                                   std::pair{"Publication: ", &fields.publication}}) {
        if (value->empty()) continue;
        std::snprintf(line, sizeof line, "<br>%s", format);
        cell += line;
        AppendEscaped(cell, *value);
      }
      if (!citation.text.empty()) {
        cell += "<br>Page: ";
        AppendEscaped(cell, citation.text);
      }
    } else {
      AppendEscaped(cell, citation.text);
    }
    const std::string number = std::to_string(i + 1);
    out += "<tr id=\"s" + Number6(view.individual) + "-" + number + "\"><th>[" + number +
           "]</th><td>" + cell + "</td></tr>\n";
  }
  out += "</table>\n";
}

void AppendPersonHead(std::string& out, const HtmlContext& context, const PersonView& view) {
  out += "<div class=\"personhead\">\n";
  const std::string& portrait = context.portraits[static_cast<size_t>(view.individual)];
  if (!portrait.empty()) {
    out += "<img class=\"portrait\" src=\"../tmb/" + portrait + "\" alt=\"";
    AppendEscaped(out, view.name);
    out += "\">\n";
  }
  out += "<div>\n<h2 class=\"personname\">";
  AppendEscaped(out, view.name);
  out += "</h2>\n";
  if (!view.birth.empty() || !view.death.empty()) {
    out += "<p class=\"facts\">";
    if (!view.birth.empty()) out += "Born: " + Escaped(view.birth);
    if (!view.birth.empty() && !view.death.empty()) out += " &nbsp; ";
    if (!view.death.empty()) out += "Died: " + Escaped(view.death);
    out += "</p>\n";
  }
  out += "<p class=\"facts\">Gender: ";
  out += GenderWord(view.sex);
  out += "</p>\n<p class=\"facts\">Number: " + Number6(view.individual);
  AppendCitations(out, view.individual, view.own_citations);
  out += "</p>\n<p class=\"facts\"><a href=\"" + context.addresses->Person("anc", view.individual) +
         "\">Ancestors</a> &nbsp; <a href=\"" + context.addresses->Person("des", view.individual) +
         "\">Descendants</a></p>\n";
  out += "</div>\n</div>\n";
}

}  // namespace

Menu HtmlMenu(const HtmlContext& context, std::string_view root, int individual, MenuEntry active) {
  Menu menu;
  const std::string top(root);
  const HtmlAddresses& a = *context.addresses;
  menu.targets[0] = top + "index.html";
  if (a.index_pages() > 0) {
    menu.targets[1] =
        top + "idx/" +
        HtmlAddresses::IndexPageName(a.IndexPageOf(individual) > 0 ? a.IndexPageOf(individual) : 1);
  }
  if (individual > 0) {
    menu.targets[2] = top + a.PersonFromTop("ind", individual);
    menu.targets[3] = top + a.PersonFromTop("anc", individual);
    menu.targets[4] = top + a.PersonFromTop("des", individual);
  }
  if (context.picture_pages > 0) menu.targets[5] = top + "pic/" + PicturePageName(1);
  if (context.look.settings->contact_page) menu.targets[6] = top + "kln_contact.html";
  menu.SetActive(active);
  return menu;
}

void AppendPersonLink(std::string& out, const PersonLink& link, const std::string& href) {
  if (!link.published || href.empty()) {
    out += "<span class=\"private\">Private</span>";
  } else {
    out += "<a href=\"" + href + "\">";
    AppendEscaped(out, link.name);
    out += "</a>";
    if (!link.dates.empty()) {
      out += " <span class=\"years\">";
      AppendEscaped(out, link.dates);
      out += "</span>";
    }
  }
  AppendEscaped(out, link.kind);
}

std::string IndividualPageFile(const HtmlContext& context, const std::vector<int>& people) {
  const int first = people.front();
  const std::string first_name = context.views->Name(first);
  const bool one = people.size() == 1;
  std::string out = PageStart(context.look, "../", "Individual", one ? first_name : "Individuals",
                              one ? first_name : "Individuals",
                              HtmlMenu(context, "../", first, MenuEntry::kIndividual), {});
  for (int individual : people) {
    const PersonView view = context.views->Build(individual);
    out += "<div class=\"person\" id=\"" + Number6(individual) + "\">\n";
    AppendPersonHead(out, context, view);
    AppendFamilyTable(out, context, view);
    AppendEventsTable(out, view);
    AppendSourcesTable(out, context, view);
    out += "</div>\n";
  }
  out += PageEnd(context.look);
  return out;
}

}  // namespace kinloom::web
