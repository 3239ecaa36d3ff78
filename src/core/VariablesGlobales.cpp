#include "VariablesGlobales.h"

QString ServidorFirebirdActual;
