#include "controls/dialogs/DialogosQov.h"

#include <memory>

#include "controls/scaling/EscalamientoFuncsQov.h"
#include "platform/forms/Application.h"
#include "platform/forms/Screen.h"
#include "platform/rtl/Rounding.h"

namespace {

// The first form in the owner chain, which stops at the application.
TForm* FormaDueña(TComponent* AOwner) {
  for (TComponent* c = AOwner; c && c != Application; c = c->Owner())
    if (auto* forma = dynamic_cast<TForm*>(c->Self())) return forma;
  return nullptr;
}

}  // namespace

int MostrarDialogoMensaje(TComponent* AOwner, const QString& Msg, TMsgDlgType DlgType, const QString& Caption,
                          TBotonesDialogo Buttons, TBotonDialogo DefaultButton, TBotonDialogo CancelButton, int HelpCtx,
                          int X, int Y, const QString& HelpFileName) {
  TForm* forma = FormaDueña(AOwner);
  const std::unique_ptr<TMessageForm> dialogo(
      CrearDialogoMensaje(forma, Msg, DlgType, Caption, Buttons, DefaultButton, CancelButton));
  dialogo->SetHelpContext(HelpCtx);
  dialogo->SetHelpFile(HelpFileName);
  if (X >= 0) dialogo->SetLeft(X);
  if (Y >= 0) dialogo->SetTop(Y);
  if (X < 0 && Y < 0) dialogo->SetPosition(forma ? poOwnerFormCenter : poScreenCenter);

  // The arrow while the dialog is up; the cursor that was set comes back afterwards.
  struct TRestaurarCursor {
    TCursor Cursor = Screen.Cursor();
    ~TRestaurarCursor() { Screen.SetCursor(Cursor); }
  } restaurar;
  Screen.SetCursor(crDefault);
  if (!forma || TqovEscalamientoFuncs::EsResolucionesPv(QString::fromLatin1(forma->metaObject()->className())))
    EscalamientoFuncs->EscalarFormaByFormaPrincipal(*dialogo);
  else
    EscalamientoFuncs->EscalarMsgDialog(*dialogo, Round(forma->ScaleFactor() * 100));
  return dialogo->ShowModal();
}

int MostrarMensaje(TComponent* AOwner, const QString& Msg, TMsgDlgType DlgType, const QString& Caption,
                   TBotonesDialogo Buttons, TBotonDialogo DefaultButton, TBotonDialogo CancelButton, int HelpCtx) {
  return MostrarDialogoMensaje(AOwner, Msg, DlgType, Caption, Buttons, DefaultButton, CancelButton, HelpCtx, -1, -1,
                               QString());
}

void MostrarError(TComponent* AOwner, const QString& Msg) {
  MostrarMensaje(AOwner, Msg, mtError, Application->Title(), {bdOK}, bdOK, bdOK, 0);
}

void MostrarAdvertencia(TComponent* AOwner, const QString& Msg) {
  MostrarMensaje(AOwner, Msg, mtWarning, Application->Title(), {bdOK}, bdOK, bdOK, 0);
}

int PreguntarSiNo(TComponent* AOwner, const QString& Msg, bool NoPorOmision) {
  return MostrarMensaje(AOwner, Msg, mtWarning, Application->Title(), {bdYes, bdNo}, NoPorOmision ? bdNo : bdYes, bdNo,
                        0);
}
