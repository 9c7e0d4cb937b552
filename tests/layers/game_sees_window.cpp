// Must not build: the game model may not see the window.
#include "window/jeu_yam.h"
