#include "core/engine/GanchosDeProceso.h"

#include "core/settings/ConexionesQov.h"
#include "core/settings/XmlRegistryQov.h"

void EstablecerGanchosDeProceso(const TGanchosDeProceso& AGanchos) {
  MostrarAdvertenciaConexiones = AGanchos.AdvertenciaConexiones;
  MostrarAvisoAjustes = AGanchos.AvisoAjustes;
  Screen.OnCursorChange = AGanchos.CambioCursor;
}
