#pragma once

// What the library's edits and combo box share: the caption label that follows the enabled state, and the
// not-editable look.

#include <QPointer>

#include "platform/forms/Label.h"

// Mixed into an edit control after its platform class: `Etiqueta` is a label (not owned) whose enabled
// state follows the control's; `NoEditable` makes the control read-only, leaves it out of the tab order
// and paints it in the button face.
class TConvencionesEdicionQov {
 public:
  TLabel* Etiqueta() const { return FEtiqueta; }
  void SetEtiqueta(TLabel* AValue) { FEtiqueta = AValue; }
  bool NoEditable() const { return FNoEditable; }
  void SetNoEditable(bool AValue);

 protected:
  explicit TConvencionesEdicionQov(TControl& AControl) : FControl(AControl) {}
  virtual ~TConvencionesEdicionQov() = default;

  // The control's own read-only state, which NoEditable sets.
  virtual void SetReadOnlyEdicion(bool AValue) = 0;
  // The control's enabled state changed: the window colour when enabled, the button face when not
  // (whatever NoEditable says), and the label follows.
  void SeguirHabilitado();

 private:
  TControl& FControl;
  QPointer<TLabel> FEtiqueta;
  bool FNoEditable = false;
};
