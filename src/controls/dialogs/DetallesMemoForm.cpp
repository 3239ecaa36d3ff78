#include "controls/dialogs/DetallesMemoForm.h"

#include <memory>

#include "controls/basic/ButtonQov.h"
#include "controls/basic/EnterAsTabQov.h"
#include "controls/dialogs/DetalleMensaje.h"
#include "controls/dialogs/VentanaDetallesQov.h"
#include "controls/menus/EditPopupMenuQov.h"
#include "controls/menus/PopupMenusQov.h"
#include "controls/scaling/EscalamientoFuncsQov.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Memo.h"

TDetallesMemoForm::TDetallesMemoForm(TComponent* AOwner) : TForm(AOwner) {
  PrepararVentanaDetalles(*this, QStringLiteral("Detalles técnicos"), biSystemMenu, 469, 115);

  qovEnterAsTab = new TqovEnterAsTab(this);
  qovEnterAsTab->SetName(QStringLiteral("qovEnterAsTab"));
  qovEnterAsTab->SetParent(this);
  qovEnterAsTab->SetBounds(74, 87, 23, 22);

  btnAceptar =
      NuevoBotonDetalles(*this, QStringLiteral("btnAceptar"), QStringLiteral("&Aceptar"), {303, 87, 75, 22}, 0);
  btnAceptar->SetModalResult(mrOk);
  btnAceptar->SetAnchors(TAnchors(akRight) | akBottom);

  qovEditPopupMenu = new TqovEditPopupMenu(this);
  qovEditPopupMenu->SetName(QStringLiteral("qovEditPopupMenu"));

  mmTexto = new TMemo(this);
  mmTexto->SetName(QStringLiteral("mmTexto"));
  mmTexto->SetParent(this);
  mmTexto->SetBounds(8, 8, 454, 73);
  mmTexto->SetReadOnly(true);
  mmTexto->SetScrollBars(ssVertical);
  mmTexto->SetAnchors(TAnchors(akLeft) | akTop | akRight | akBottom);
  mmTexto->SetPopupMenu(qovEditPopupMenu);
  mmTexto->SetTabOrder(1);

  btnGuardar =
      NuevoBotonDetalles(*this, QStringLiteral("btnGuardar"), QStringLiteral("&Guardar..."), {387, 87, 75, 22}, 2);
  btnGuardar->SetAnchors(TAnchors(akRight) | akBottom);
  btnGuardar->OnClick = [this](QObject* Sender) { btnGuardarClick(Sender); };

  sdImprimirEnArchivo = NuevoDialogoGuardarDetalles(this);

  OnCreate = [this](QObject* Sender) { FormCreate(Sender); };
  OnShow = [this](QObject* Sender) { FormShow(Sender); };
}

void TDetallesMemoForm::SetClientSize96(int AWidth, int AHeight) {
  FClientWidth = AWidth;
  FClientHeight = AHeight;
}

void TDetallesMemoForm::SetTexto(const QString& AText) {
  FTexto = AText;
  QString mostrado = AText;
  mostrado.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  mmTexto->SetText(mostrado);
}

void TDetallesMemoForm::FormCreate(QObject*) {
  AsignarPopupMenus(*this);
  btnAceptar->SetHelpContext(1001);
  mmTexto->SetHelpContext(1000);
}

void TDetallesMemoForm::FormShow(QObject*) {
  EscalamientoFuncs->EscalarDialogo(*this, {}, false);
  SetClientWidth(ScaleValue(FClientWidth));
  SetClientHeight(ScaleValue(FClientHeight));
}

void TDetallesMemoForm::btnGuardarClick(QObject*) {
  if (FArchivo.Guardar(*this, *sdImprimirEnArchivo, [this] { FArchivo.WriteLine(FTexto); })) FVengoDeGuardar = true;
}

void MostrarDetallesMemo(TComponent* AOwner, const QString& ACaption, const QString& AText, int AMinHeight,
                         int AMinWidth, bool AShowBtnGuardar, bool AWrapText) {
  TqovEscalamientoFuncs::CrearEscalamientoFuncs();
  const std::unique_ptr<TDetallesMemoForm> forma(NewForm<TDetallesMemoForm>(AOwner));
  if (!ACaption.isEmpty()) forma->SetCaption(ACaption);
  forma->btnGuardar->SetVisible(AShowBtnGuardar);
  forma->btnAceptar->SetLeft(forma->ScaleValue(AShowBtnGuardar ? 307 : 387));
  if (AShowBtnGuardar) forma->btnGuardar->SetLeft(forma->ScaleValue(387));
  forma->SetTexto(AText);
  forma->SetClientSize96(AMinWidth, AMinHeight);
  forma->mmTexto->SetWordWrap(AWrapText);
  forma->mmTexto->SetScrollBars(DetalleMensaje.ScrollBarH ? ssBoth : ssVertical);
  forma->ShowModal();
}
