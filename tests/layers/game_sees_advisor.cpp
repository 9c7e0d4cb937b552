// Must not build: the game model may not see the advisor that reads it.
#include "advisor/conseil.h"
