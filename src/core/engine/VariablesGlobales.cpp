#include "core/engine/VariablesGlobales.h"

QString ServidorFirebirdActual;
