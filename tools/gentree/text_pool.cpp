#include "text_pool.h"

#include "text_codec.h"

namespace kinloom::gentree {

const std::vector<std::string>& NoteSentences() {
  static const std::vector<std::string> sentences = Windows1252List({
      "Emigrated with his brother in the spring.",
      "Baptism witnessed by the godparents named in the register.",
      "Family tradition says the family came from Zürich.",
      "Listed in the census as a lodger in the household of a cousin.",
      "Inherited the farm after the father's death.",
      "Name spelled Müller in the church book and Miller in later records.",
      "Served in the militia for three years.",
      "The gravestone gives a different year of birth.",
      "Moved to Québec around the time of the second marriage.",
      "Twin of the next child.",
      "Signed the marriage record with a mark.",
      "Letters from this period are kept by the family in Málaga.",
      "Godmother: Märta Åberg, née Öberg.",
      "Possibly the same person as the Jørgen listed in the 1801 census.",
      "Died of fever during the winter; buried in the old churchyard.",
      "Worked as a seamstress before the marriage.",
      "Señora Peña remembered the house on the corner of the square.",
      "The record is torn; the day of the month cannot be read.",
  });
  return sentences;
}

const std::vector<std::string>& ToDoTexts() {
  static const std::vector<std::string> texts = Windows1252List({
      "Check the parish register for the baptism",
      "Find the death record",
      "Ask cousin Björn about the second marriage",
      "Verify the birth year against the census",
      "Look for a will in the county archive",
      "Confirm the spelling of the surname",
      "Order the marriage certificate from Genève",
  });
  return texts;
}

const std::vector<std::string>& Occupations() {
  static const std::vector<std::string> occupations = Windows1252List({
      "Farmer",  "Blacksmith", "Carpenter", "Weaver",   "Miller",           "Teacher", "Merchant",
      "Tailor",  "Shoemaker",  "Fisherman", "Sailor",   "Innkeeper",        "Baker",   "Clerk",
      "Laborer", "Seamstress", "Midwife",   "Pastor",   "Physician",        "Miner",   "Mason",
      "Tanner",  "Bäcker",     "Ébéniste",  "Zapatero", "Fiskare på Åland",
  });
  return occupations;
}

const std::vector<std::string>& SourceKinds() {
  static const std::vector<std::string> kinds = Windows1252List({
      "Parish register of",
      "Civil registry of",
      "Census records of",
      "Church book of",
      "Emigration lists, port of",
      "Gravestone inscriptions,",
      "Land records of",
      "Notarial archive of",
  });
  return kinds;
}

const std::vector<std::string>& Publishers() {
  static const std::vector<std::string> publishers = Windows1252List({
      "Privately printed",
      "Historical Society",
      "Parish office",
      "State Archives",
      "Éditions du Patrimoine",
      "Genealogical Press",
  });
  return publishers;
}

const std::vector<std::string>& Repositories() {
  static const std::vector<std::string> repositories = Windows1252List({
      "Archivo Histórico Provincial de Málaga",
      "Landesarchiv Baden-Württemberg",
      "Riksarkivet, Göteborg",
  });
  return repositories;
}

const std::vector<std::string>& CustomEventTypes() {
  static const std::vector<std::string> types = Windows1252List({
      "Military service",
      "Emigration",
      "Confirmation",
      "Land purchase",
      "Médaille d'honneur",
  });
  return types;
}

}  // namespace kinloom::gentree
