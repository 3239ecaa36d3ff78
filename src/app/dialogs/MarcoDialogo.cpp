#include "app/dialogs/MarcoDialogo.h"

#include <algorithm>

#include "controls/basic/ButtonQov.h"
#include "controls/basic/EnterAsTabQov.h"
#include "platform/forms/Label.h"

namespace {

TqovButton* NuevoBoton(TForm& ADialogo, const QString& ANombre, const QString& ACaption, int ATop,
                       TModalResult AResultado, int ATabOrder) {
  auto* boton = new TqovButton(&ADialogo);
  boton->SetName(ANombre);
  boton->SetParent(&ADialogo);
  boton->SetBounds(280, ATop, 75, 22);
  boton->SetCaption(ACaption);
  boton->SetModalResult(AResultado);
  boton->SetTabOrder(ATabOrder);
  return boton;
}

}  // namespace

TMarcoDialogo CrearMarcoDialogo(TForm& ADialogo) {
  ADialogo.SetBorderStyle(bsDialog);
  ADialogo.SetBorderIcons(TBorderIcons(biSystemMenu) | biHelp);
  ADialogo.SetClientWidth(362);
  ADialogo.SetClientHeight(159);
  ADialogo.SetColor(clBtnFace);
  ADialogo.SetFont(MakeFont(QStringLiteral("Tahoma"), -11));
  ADialogo.SetPosition(poOwnerFormCenter);

  TMarcoDialogo marco{};
  marco.entrtbDlg = new TqovEnterAsTab(&ADialogo);
  marco.entrtbDlg->SetName(QStringLiteral("entrtbDlg"));
  marco.entrtbDlg->SetParent(&ADialogo);
  marco.entrtbDlg->SetLeft(284);
  marco.entrtbDlg->SetTop(64);
  marco.btnAceptar = NuevoBoton(ADialogo, QStringLiteral("btnAceptar"), QStringLiteral("&Aceptar"), 8, mrOk, 0);
  marco.btnCancelar = NuevoBoton(ADialogo, QStringLiteral("btnCancelar"), QStringLiteral("Cancelar"), 36, mrCancel, 1);
  marco.btnCancelar->SetCancel(true);
  return marco;
}

void AsignarAyudasMarco(const TMarcoDialogo& AMarco, int AAceptar, int ACancelar) {
  AMarco.btnAceptar->SetHelpContext(AAceptar);
  AMarco.btnCancelar->SetHelpContext(ACancelar);
}

TLabel* NuevaEtiqueta(TForm& ADialogo, const char* ANombre, const QString& ACaption, int ATop) {
  auto* etiqueta = NuevoControl<TLabel>(ADialogo, ANombre);
  etiqueta->SetCaption(ACaption);
  etiqueta->SetLeft(8);
  etiqueta->SetTop(ATop);
  return etiqueta;
}

void AlinearTrasEtiquetas(TForm& ADialogo, std::initializer_list<std::pair<TLabel*, TControl*>> APares) {
  const int separacion = ADialogo.ScaleValue(4);
  int izquierda = 0;
  for (const auto& [etiqueta, control] : APares)
    izquierda = std::max({izquierda, control->Left(), etiqueta->Left() + etiqueta->Width() + separacion});
  for (const auto& [etiqueta, control] : APares) {
    const int derecha = control->Left() + control->Width();
    control->SetBounds(izquierda, control->Top(), derecha - izquierda, control->Height());
  }
}
