#include "ParametrosDeSesion.h"
