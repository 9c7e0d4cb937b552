// Every header of window/ begins here: the presenter and its controls are seen by qt/ and the programs only.
#pragma once
#ifndef DRAVONELLE_LAYER_WINDOW
#error "window/ is not visible from here: game/, rules/, records/ and platform/ stand below the window"
#endif
