#pragma once

#include <string>
#include <vector>

namespace kinloom::gentree {

// Full place names, "Town, County, Region, Country" (some with fewer parts), as Windows-1252.
const std::vector<std::string>& Places();
// The town of every entry of Places(), in the same order.
const std::vector<std::string>& Towns();

}  // namespace kinloom::gentree
