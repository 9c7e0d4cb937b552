// The number total and bonus of a column, from the sum of its six number
// cells (SommeChiffres).
#pragma once

namespace dravonelle {

struct NumbersTotal {
    int total = 0;  // Totaux(3c)
    int bonus = 0;  // Totaux(3c + 1), negative for a malus
};

NumbersTotal numbersTotal(int sommeChiffres);

}  // namespace dravonelle
