#include "core/session/ParametrosDeSesion.h"
