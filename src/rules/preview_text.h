// The phrase that names a cell's would-be points and its place on the sheet.
#pragma once

#include <string>

namespace dravonelle {

// " 25 aux As de la Libre ": the points in sign-position form, one more blank
// in front of points of 1 or less, then the row and the column. A cell
// outside the sixty-five leaves only the number.
std::string phraseCase(int points, int cell);

}  // namespace dravonelle
