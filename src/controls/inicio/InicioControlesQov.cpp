#include "controls/inicio/InicioControlesQov.h"

#include "controls/dialogs/DialogosQov.h"
#include "controls/scaling/EscalamientoFuncsQov.h"
#include "controls/style/RegisterStyleHookColorsQov.h"
#include "core/engine/GanchosDeProceso.h"

void InicializarControlesQov() {
  TqovEscalamientoFuncs::CrearEscalamientoFuncs();
  RegisterStyleHookColorsQov();
  const auto advertencia = [](const QString& AMensaje) { MostrarAdvertencia(nullptr, AMensaje); };
  EstablecerGanchosDeProceso({advertencia, &TScreen::ShowCursor, advertencia});
}
