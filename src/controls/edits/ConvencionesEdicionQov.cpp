#include "controls/edits/ConvencionesEdicionQov.h"

void TConvencionesEdicionQov::SetNoEditable(bool AValue) {
  FNoEditable = AValue;
  FControl.SetTabStop(!AValue);
  SetReadOnlyEdicion(AValue);
  FControl.SetColor(AValue ? clBtnFace : clWindow);
}

void TConvencionesEdicionQov::SeguirHabilitado() {
  const bool habilitado = FControl.Enabled();
  FControl.SetColor(habilitado ? clWindow : clBtnFace);
  if (FEtiqueta) FEtiqueta->SetEnabled(habilitado);
}
