// Must not build: the rules may not see Qt.
#include <QString>
