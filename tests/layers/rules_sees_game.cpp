// Must not build: the rules stand below the game model.
#include "game/partie.h"
