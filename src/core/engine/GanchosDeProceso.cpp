#include "core/engine/GanchosDeProceso.h"

#include "core/settings/ConexionesQov.h"

void EstablecerGanchosDeProceso(const TGanchosDeProceso& AGanchos) {
  MostrarAdvertenciaConexiones = AGanchos.AdvertenciaConexiones;
  Screen.OnCursorChange = AGanchos.CambioCursor;
}
