#include "place_pool.h"

#include "text_codec.h"

namespace kinloom::gentree {
namespace {

std::vector<std::string> TownsOf(const std::vector<std::string>& places) {
  std::vector<std::string> towns;
  towns.reserve(places.size());
  for (const std::string& place : places) towns.push_back(place.substr(0, place.find(',')));
  return towns;
}

}  // namespace

const std::vector<std::string>& Places() {
  static const std::vector<std::string> places = Windows1252List({
      "Springfield, Sangamon, Illinois, USA",
      "Boston, Suffolk, Massachusetts, USA",
      "Salem, Essex, Massachusetts, USA",
      "Lancaster, Lancaster, Pennsylvania, USA",
      "Richmond, Henrico, Virginia, USA",
      "New Orleans, Orleans, Louisiana, USA",
      "Québec, Québec, Québec, Canada",
      "Montréal, Montréal, Québec, Canada",
      "Trois-Rivières, Mauricie, Québec, Canada",
      "Zürich, Zürich, Zürich, Schweiz",
      "Genève, Genève, Genève, Suisse",
      "Málaga, Málaga, Andalucía, España",
      "Córdoba, Córdoba, Andalucía, España",
      "A Coruña, A Coruña, Galicia, España",
      "Logroño, La Rioja, La Rioja, España",
      "Zaragoza, Zaragoza, Aragón, España",
      "München, Oberbayern, Bayern, Deutschland",
      "Köln, Köln, Nordrhein-Westfalen, Deutschland",
      "Düsseldorf, Düsseldorf, Nordrhein-Westfalen, Deutschland",
      "Göttingen, Göttingen, Niedersachsen, Deutschland",
      "Nürnberg, Mittelfranken, Bayern, Deutschland",
      "Lübeck, Schleswig-Holstein, Deutschland",
      "Graz, Steiermark, Österreich",
      "Wien, Österreich",
      "Göteborg, Västra Götaland, Sverige",
      "Västerås, Västmanland, Sverige",
      "Malmö, Skåne, Sverige",
      "Tromsø, Troms, Norge",
      "Bodø, Nordland, Norge",
      "Ålesund, Møre og Romsdal, Norge",
      "Århus, Århus, Danmark",
      "Køge, Sjælland, Danmark",
      "Ærøskøbing, Fyn, Danmark",
      "Besançon, Doubs, Franche-Comté, France",
      "Nîmes, Gard, Occitanie, France",
      "Orléans, Loiret, Centre-Val de Loire, France",
      "Saint-Étienne, Loire, Auvergne-Rhône-Alpes, France",
      "Alençon, Orne, Normandie, France",
      "Guimarães, Braga, Portugal",
      "São Paulo, São Paulo, Brasil",
      "Pécs, Baranya, Magyarország",
      "Kraków, Polska",
      "Reykjavík, Ísland",
      "London, Middlesex, England",
      "York, Yorkshire, England",
      "Dublin, Dublin, Ireland",
      "Chicago",
  });
  return places;
}

const std::vector<std::string>& Towns() {
  static const std::vector<std::string> towns = TownsOf(Places());
  return towns;
}

}  // namespace kinloom::gentree
