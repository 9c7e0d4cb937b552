// Every header of records/ begins here: the data files are the window's business, not the game's.
#pragma once
#ifndef DRAVONELLE_LAYER_RECORDS
#error "records/ is not visible from here: only the window, qt/, the programs and their tests link dravonelle_records"
#endif
