#pragma once

#include <string>
#include <vector>

namespace kinloom::gentree {

// Word lists for names, as Windows-1252 text. Each list is built once and is never empty.
const std::vector<std::string>& MaleGivenNames();
const std::vector<std::string>& FemaleGivenNames();
const std::vector<std::string>& Surnames();
const std::vector<std::string>& NameTitles();
const std::vector<std::string>& NameSuffixes();

}  // namespace kinloom::gentree
