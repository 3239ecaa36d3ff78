#include "ExceptionBaseDatos.h"
