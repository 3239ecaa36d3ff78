#pragma once

// The process-wide hooks through which the lower layers reach the program's windows, set in one call.

#include <QString>
#include <functional>

#include "platform/forms/Screen.h"

// Every hook that start-up sets. The lower layers call a hook only while it is set, so a program or a test
// that sets none runs without windows. ServidorFirebirdActual (VariablesGlobales.h) is the one process-wide
// value that is not a hook: the sign-in sets it, for the engine's structure check.
struct TGanchosDeProceso {
  // Shows the connection-profile check's warning (MostrarAdvertenciaConexiones, ConexionesQov.h).
  std::function<void(const QString& AMensaje)> AdvertenciaConexiones;
  // Shows the screen's cursor over the program's windows (Screen.OnCursorChange, Screen.h).
  std::function<void(TCursor ACursor)> CambioCursor;
  // Tells that a damaged settings file was repaired (MostrarAvisoAjustes, XmlRegistryQov.h).
  std::function<void(const QString& AMensaje)> AvisoAjustes;
};

// Sets every hook of the process to the given ones; an empty hook is cleared.
void EstablecerGanchosDeProceso(const TGanchosDeProceso& AGanchos);
