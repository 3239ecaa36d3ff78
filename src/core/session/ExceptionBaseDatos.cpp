#include "core/session/ExceptionBaseDatos.h"
