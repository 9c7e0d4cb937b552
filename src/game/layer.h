// Every header of game/ begins here: the game model is seen by the window and above, never by rules/.
#pragma once
#ifndef DRAVONELLE_LAYER_GAME
#error "game/ is not visible from here: only the window, qt/, the programs and their tests link dravonelle_game"
#endif
