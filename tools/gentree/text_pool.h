#pragma once

#include <string>
#include <vector>

namespace kinloom::gentree {

// Word lists for free text, as Windows-1252. Each list is built once and is never empty.
const std::vector<std::string>& NoteSentences();
const std::vector<std::string>& ToDoTexts();
const std::vector<std::string>& Occupations();
const std::vector<std::string>& SourceKinds();
const std::vector<std::string>& Publishers();
const std::vector<std::string>& Repositories();
const std::vector<std::string>& CustomEventTypes();

}  // namespace kinloom::gentree
