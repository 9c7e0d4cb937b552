// Every header of platform/ begins here: the services' interfaces are the window's, not the game's.
#pragma once
#ifndef DRAVONELLE_LAYER_PLATFORM
#error "platform/ is not visible from here: only the window, qt/, the programs and their tests link dravonelle_platform"
#endif
