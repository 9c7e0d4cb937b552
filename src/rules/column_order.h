// The order in which Descente and Montée open their cells.
#pragma once

namespace dravonelle {

// The cell a column opens once `placed` is placed for good, or -1 when it
// opens none (last cell of its column, Libre, Sèche, Annonce).
int nextCell(int placed);

}  // namespace dravonelle
