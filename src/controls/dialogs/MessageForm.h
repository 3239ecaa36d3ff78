#pragma once

// The message dialog's window: built at run time from the message, its type and its buttons, and laid
// out a second time when shown.

#include <QString>
#include <QtGlobal>
#include <bit>
#include <initializer_list>

#include "platform/forms/Form.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// The library's button kinds, in this order (Cancel comes seventh, Details twelfth).
enum TBotonDialogo {
  bdYes,
  bdNo,
  bdOK,
  bdAbort,
  bdRetry,
  bdIgnore,
  bdCancel,
  bdAll,
  bdNoToAll,
  bdYesToAll,
  bdHelp,
  bdDetails
};

// A set of button kinds: a 16-bit mask with bit i for kind i.
class TBotonesDialogo {
 public:
  constexpr TBotonesDialogo(std::initializer_list<TBotonDialogo> ABotones) {
    for (const TBotonDialogo b : ABotones) FMascara = static_cast<quint16>(FMascara | (1u << b));
  }
  constexpr bool Contiene(TBotonDialogo ABoton) const { return FMascara & (1u << ABoton); }
  constexpr quint16 Mascara() const { return FMascara; }
  int Cuenta() const { return std::popcount(FMascara); }

 private:
  quint16 FMascara = 0;
};

// The message dialog. Its buttons are named after their kinds ("Yes", "No", "OK", ...), its picture
// "Image" and its text "Message". Help and Details never close it.
class TMessageForm : public TForm {
  Q_OBJECT

 public:
  // Built at the screen's resolution, in the screen's message font.
  explicit TMessageForm(TComponent* AOwner);

  int HorizontalMargin() const { return FHorizontalMargin; }
  void SetHorizontalMargin(int AValue) { FHorizontalMargin = AValue; }
  int VerticalMargin() const { return FVerticalMargin; }
  void SetVerticalMargin(int AValue) { FVerticalMargin = AValue; }

  // The layout when the dialog is shown (its OnShow): the texts take the library's 8-point font at the
  // dialog's scale, and the buttons are placed in one row below the text and the picture.
  void AjustarAlMostrar();

 private:
  int FHorizontalMargin = 8;
  int FVerticalMargin = 8;
};

// Builds a message dialog, laid out but not shown, owned by AOwner (the application when null); the caller
// destroys it. Caption: the given one; when empty, the application's title for mtCustom, else the
// type's ("Advertencia", "Error", "Información", "Confirmación").
TMessageForm* CrearDialogoMensaje(TComponent* AOwner, const QString& Msg, TMsgDlgType DlgType, const QString& Caption,
                                  TBotonesDialogo Buttons, TBotonDialogo DefaultButton, TBotonDialogo CancelButton);

// The width kept for a kind's button: its caption's width plus 8, measured by the first dialog that shows
// the kind and never again in the process; 0 until then.
int AnchoBotonDialogo(TBotonDialogo ABoton);
