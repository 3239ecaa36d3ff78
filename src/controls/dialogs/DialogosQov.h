#pragma once

// The message dialogs that the other units call: errors, warnings and yes/no questions.

#include <QString>

#include "controls/dialogs/MessageForm.h"

// Builds the message dialog, places, scales and shows it modally, destroys it and returns its modal
// result (mrCancel when its close box closes it). The dialog is owned by the first form in AOwner's owner
// chain, or shown unowned, centred on the screen, when there is none. X or Y of 0 or more place it there;
// with both negative it is centred on that form, or on the screen. The cursor is the arrow meanwhile and
// comes back afterwards.
int MostrarDialogoMensaje(TComponent* AOwner, const QString& Msg, TMsgDlgType DlgType, const QString& Caption,
                          TBotonesDialogo Buttons, TBotonDialogo DefaultButton, TBotonDialogo CancelButton, int HelpCtx,
                          int X, int Y, const QString& HelpFileName);
// MostrarDialogoMensaje centred, without a help file.
int MostrarMensaje(TComponent* AOwner, const QString& Msg, TMsgDlgType DlgType, const QString& Caption,
                   TBotonesDialogo Buttons, TBotonDialogo DefaultButton, TBotonDialogo CancelButton, int HelpCtx);

// Captioned with the application's title, with an "Aceptar" button that Enter and Esc press.
void MostrarError(TComponent* AOwner, const QString& Msg);
void MostrarAdvertencia(TComponent* AOwner, const QString& Msg);
// A warning with "&Sí" and "&No"; Esc answers No, and Enter too with NoPorOmision. Returns mrYes, mrNo, or
// mrCancel when the close box closes it.
int PreguntarSiNo(TComponent* AOwner, const QString& Msg, bool NoPorOmision);
