// Every header of advisor/ begins here: the advisor stands on the game and
// under the window; the game, the rules, the records and the platform never
// see it.
#pragma once
#ifndef DRAVONELLE_LAYER_ADVISOR
#error "advisor/ is not visible from here: the window and what stands on it see it, never the game under it"
#endif
