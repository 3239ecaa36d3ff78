#include "controls/dialogs/DetalleMensaje.h"

#include "controls/dialogs/DetallesForm.h"
#include "controls/dialogs/DetallesMemoForm.h"

TDetalleMensaje DetalleMensaje;

void MostrarDetalleMensaje(TComponent* AOwner) {
  if (DetalleMensaje.Dataset)
    MostrarDetalles(AOwner);
  else
    MostrarDetallesMemo(AOwner, DetalleMensaje.Caption, DetalleMensaje.Footer, DetalleMensaje.MinHeight,
                        DetalleMensaje.MinWidth, DetalleMensaje.ShowBtnGuardar, DetalleMensaje.WrapText);
}
