// Splitting a script line into tokens: blanks separate, double quotes group,
// \" and \\ escape inside quotes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dravonelle {

// nullopt when a quote is left open.
std::optional<std::vector<std::string>> splitScriptLine(const std::string& line);

}  // namespace dravonelle
