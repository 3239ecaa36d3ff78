#include "controls/inicio/InicioControlesQov.h"

#include "controls/dialogs/DialogosQov.h"
#include "controls/scaling/EscalamientoFuncsQov.h"
#include "controls/style/RegisterStyleHookColorsQov.h"
#include "core/engine/GanchosDeProceso.h"

void InicializarControlesQov() {
  TqovEscalamientoFuncs::CrearEscalamientoFuncs();
  RegisterStyleHookColorsQov();
  EstablecerGanchosDeProceso(
      {[](const QString& AMensaje) { MostrarAdvertencia(nullptr, AMensaje); }, &TScreen::ShowCursor});
}
