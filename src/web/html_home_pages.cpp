#include "web/html_pages.h"
#include "web/html_text.h"

namespace kinloom::web {
namespace {

// Shows one slide after another; without scripts the first stays.
constexpr std::string_view kSlideScript =
    "<script>\n"
    "(function () {\n"
    "  var slides = document.querySelectorAll('.slides img');\n"
    "  var shown = 0;\n"
    "  if (slides.length < 2) return;\n"
    "  setInterval(function () {\n"
    "    slides[shown].className = '';\n"
    "    shown = (shown + 1) % slides.length;\n"
    "    slides[shown].className = 'shown';\n"
    "  }, 4000);\n"
    "})();\n"
    "</script>\n";

}  // namespace

std::string HomePageBody(const files::WebSiteSettings& settings,
                         const std::vector<std::string>& slides, std::string_view root,
                         const HomeLinks& links) {
  std::string out = "<div class=\"home\">\n";
  if (!slides.empty()) {
    out += "<div class=\"slides\">\n";
    for (size_t i = 0; i < slides.size(); ++i) {
      out += "<img src=\"" + std::string(root) + "sys/" + slides[i] + "\" alt=\"Family picture " +
             std::to_string(i + 1) + "\"" + (i == 0 ? " class=\"shown\"" : "") + ">\n";
    }
    out += "</div>\n";
  }
  out += "<div class=\"message\">\n";
  if (!settings.message_title.empty()) {
    out += "<h2>";
    AppendEscaped(out, settings.message_title);
    out += "</h2>\n";
  }
  // Lines of the message make paragraphs; an empty line separates them.
  std::string paragraph;
  auto flush = [&] {
    if (!paragraph.empty()) out += "<p>" + paragraph + "</p>\n";
    paragraph.clear();
  };
  for (const std::string& line : settings.message) {
    if (line.find_first_not_of(" \t") == std::string::npos) {
      flush();
      continue;
    }
    if (!paragraph.empty()) paragraph += "<br>";
    AppendEscaped(paragraph, line);
  }
  flush();
  out += "<p>This site holds " + std::to_string(links.people) +
         (links.people == 1 ? " individual." : " individuals.");
  if (!links.index.empty()) {
    out += " Find them in the <a href=\"" + links.index + "\">Index of Individuals</a>";
    if (!links.person.empty()) {
      out += ", or begin with <a href=\"" + links.person + "\">";
      AppendEscaped(out, links.person_name);
      out += "</a>";
    }
    out += ".";
  }
  out += "</p>\n</div>\n</div>\n";
  if (slides.size() > 1) out += kSlideScript;
  return out;
}

std::string ContactPageBody(const files::WebSiteSettings& settings) {
  std::string out = "<h2 class=\"personname\">Contact Us</h2>\n";
  if (settings.email.empty()) {
    return out + "<p>No contact address has been given for this site.</p>\n";
  }
  // The address stands in the page only as character references that a script assembles, so
  // it is never there as plain text for address collectors.
  const std::string references = CharacterReferences(settings.email);
  out += "<p>Write to us with corrections, questions and family stories:</p>\n";
  out += "<p id=\"kln_mail\">(The address shows when scripts are enabled.)</p>\n";
  out += "<script>\n(function () {\n  var m = '" + references + "';\n";
  out +=
      "  document.getElementById('kln_mail').innerHTML =\n"
      "      '<a href=\"mai' + 'lto:' + m + '\">' + m + '<\\/a>';\n})();\n</script>\n";
  return out;
}

std::string HomePageFile(const HtmlContext& context, const std::vector<std::string>& slides) {
  std::string out =
      PageStart(context.look, "", "Home", "Page", "",
                HtmlMenu(context, "", context.first_person, MenuEntry::kHome), {kSlideStyleFile});
  HomeLinks links;
  links.people = context.addresses->index().size();
  if (links.people > 0) links.index = "idx/" + HtmlAddresses::IndexPageName(1);
  if (context.first_person > 0) {
    links.person = context.addresses->PersonFromTop("ind", context.first_person);
    links.person_name = context.views->Name(context.first_person);
  }
  out += HomePageBody(*context.look.settings, slides, "", links);
  out += PageEnd(context.look);
  return out;
}

std::string ContactPageFile(const HtmlContext& context) {
  std::string out = PageStart(context.look, "", "Contact", "Us", "",
                              HtmlMenu(context, "", context.first_person, MenuEntry::kContact), {});
  out += ContactPageBody(*context.look.settings);
  out += PageEnd(context.look);
  return out;
}

}  // namespace kinloom::web
