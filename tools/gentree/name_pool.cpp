#include "name_pool.h"

#include "text_codec.h"

namespace kinloom::gentree {

const std::vector<std::string>& MaleGivenNames() {
  static const std::vector<std::string> names = Windows1252List({
      "John",    "William",   "James",     "George",   "Charles", "Thomas",  "Henry",    "Joseph",
      "Robert",  "Edward",    "Samuel",    "Daniel",   "David",   "Peter",   "Paul",     "Michael",
      "Johann",  "Friedrich", "Karl",      "Heinrich", "Wilhelm", "Jürgen",  "Jörg",     "Günther",
      "Søren",   "Jørgen",    "Bjørn",     "Åke",      "Björn",   "Göran",   "Lars",     "Nils",
      "Olav",    "Pål",       "José",      "Jesús",    "Andrés",  "Ramón",   "Íñigo",    "Martín",
      "Tomás",   "Joaquín",   "Sebastián", "François", "André",   "Émile",   "Jérôme",   "Léon",
      "Raphaël", "Noël",      "Benoît",    "Joël",     "João",    "Gonçalo", "Frédéric", "René",
      "István",  "Mátyás",    "Ágoston",   "Zoltán",
  });
  return names;
}

const std::vector<std::string>& FemaleGivenNames() {
  static const std::vector<std::string> names = Windows1252List({
      "Mary",       "Elizabeth", "Sarah",   "Anna",      "Margaret", "Catherine", "Emma",
      "Alice",      "Jane",      "Martha",  "Ellen",     "Clara",    "Maria",     "Johanna",
      "Margarethe", "Käthe",     "Gisela",  "Hildegard", "Sophie",   "Charlotte", "Åsa",
      "Märta",      "Kerstin",   "Ingrid",  "Sólveig",   "Bodil",    "Astrid",    "Ida",
      "Inés",       "Begoña",    "María",   "Lucía",     "Núria",    "Mónica",    "Françoise",
      "Hélène",     "Renée",     "Chloé",   "Zoë",       "Noémie",   "Thérèse",   "Cécile",
      "Agnès",      "Geneviève", "Mélanie", "Anaïs",     "Léa",      "Conceição", "Graça",
      "Ágnes",      "Éva",       "Zsófia",
  });
  return names;
}

const std::vector<std::string>& Surnames() {
  static const std::vector<std::string> names = Windows1252List({
      "Smith",        "Johnson",   "Brown",      "Taylor",   "Miller",     "Wilson",    "Moore",
      "Clark",        "Walker",    "Wright",     "Baker",    "Turner",     "Parker",    "Cooper",
      "O'Brien",      "MacDonald", "Fitzgerald", "Müller",   "Schäfer",    "Krüger",    "Böhm",
      "Köhler",       "Weiß",      "Groß",       "Schröder", "Jäger",      "Sørensen",  "Jørgensen",
      "Ødegård",      "Åberg",     "Öberg",      "Ångström", "Bjørnstad",  "Lindqvist", "Nyström",
      "Hansen",       "Nielsen",   "Østergaard", "García",   "Muñoz",      "Peña",      "Ibáñez",
      "Fernández",    "Núñez",     "López",      "Martínez", "de la Cruz", "Gonçalves", "Simões",
      "Dubois",       "Lefèvre",   "Côté",       "Bélanger", "Lévesque",   "Gauthier",  "Leclère",
      "Van der Berg", "Novák",     "Horváth",    "Kovács",   "Szabó",      "Tóth",      "Nagy",
      "Brønsted",
  });
  return names;
}

const std::vector<std::string>& NameTitles() {
  static const std::vector<std::string> titles =
      Windows1252List({"Dr.", "Rev.", "Capt.", "Sir", "Freiherr", "Señor", "Col."});
  return titles;
}

const std::vector<std::string>& NameSuffixes() {
  static const std::vector<std::string> suffixes = Windows1252List({"Jr.", "Sr.", "II", "III"});
  return suffixes;
}

}  // namespace kinloom::gentree
