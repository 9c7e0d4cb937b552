// Every header of qt/ begins here: Qt stays on top: nothing below includes it.
#pragma once
#ifndef DRAVONELLE_LAYER_QT
#error "qt/ is not visible from here: only qt/ and the programs link dravonelle_qt"
#endif
