#include "platform/grid/cursormodel.h"
