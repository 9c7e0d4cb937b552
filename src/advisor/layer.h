// Every header of advisor/ begins here: the advisor is seen by the programs
// and tools that link it, never by the game, the rules or the window under it.
#pragma once
#ifndef DRAVONELLE_LAYER_ADVISOR
#error "advisor/ is not visible from here: only the programs, tools and tests that link dravonelle_advisor see it"
#endif
