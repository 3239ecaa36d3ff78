#pragma once

// The frame that the program's dialog bases share (OK and Cancel buttons, Enter as Tab, the dialog's look),
// and the building of the dialogs' controls.

#include <QString>
#include <initializer_list>
#include <utility>

#include "platform/forms/Form.h"

class TLabel;
class TqovButton;
class TqovEnterAsTab;

// The frame's components, owned by the dialog.
struct TMarcoDialogo {
  TqovEnterAsTab* entrtbDlg;
  TqovButton* btnAceptar;
  TqovButton* btnCancelar;
};

// Gives the dialog its frame: dialog border with the system menu and help icons, client area 362 x 159, the
// button face, Tahoma 8 pt, centred on its owner; "&Aceptar" (mrOk) and "Cancelar" (mrCancel, Esc) at the
// right, and Enter moving the focus as Tab does.
TMarcoDialogo CrearMarcoDialogo(TForm& ADialogo);

// Sets the two buttons' help topics.
void AsignarAyudasMarco(const TMarcoDialogo& AMarco, int AAceptar, int ACancelar);

// A control of the dialog, owned by it and placed on it, with its name.
template <class T>
T* NuevoControl(TForm& ADialogo, const char* ANombre) {
  auto* control = new T(&ADialogo);
  control->SetName(QString::fromLatin1(ANombre));
  control->SetParent(&ADialogo);
  return control;
}

// A label of the dialog at the left margin (8) and ATop.
TLabel* NuevaEtiqueta(TForm& ADialogo, const char* ANombre, const QString& ACaption, int ATop);

// Lines the controls up in one column that starts after the widest of their labels (the system's font may
// be wider than the one the positions were designed for), each keeping its right edge. Controls that
// already start after their labels stay where they are.
void AlinearTrasEtiquetas(TForm& ADialogo, std::initializer_list<std::pair<TLabel*, TControl*>> APares);
