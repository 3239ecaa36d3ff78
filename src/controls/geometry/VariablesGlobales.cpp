#include "controls/geometry/VariablesGlobales.h"

int NumeroClaveConfig = 0;
QString NombreClaveConfig;
