#include "controls/dialogs/VentanaDetallesQov.h"

#include <QStandardPaths>

#include "controls/basic/ButtonQov.h"
#include "platform/forms/Dialogs.h"

void PrepararVentanaDetalles(TForm& AForma, const QString& ACaption, TBorderIcons AIconos, int AAncho, int AAlto) {
  AForma.SetCaption(ACaption);
  AForma.SetBorderStyle(bsDialog);
  AForma.SetBorderIcons(AIconos);
  AForma.SetClientWidth(AAncho);
  AForma.SetClientHeight(AAlto);
  AForma.SetColor(clBtnFace);
  AForma.SetFont(MakeFont(QStringLiteral("Tahoma"), -11));
  AForma.SetPosition(poOwnerFormCenter);
}

TqovButton* NuevoBotonDetalles(TForm& AForma, const QString& ANombre, const QString& ACaption, const QRect& ALugar,
                               int ATabOrder) {
  auto* boton = new TqovButton(&AForma);
  boton->SetName(ANombre);
  boton->SetParent(&AForma);
  boton->SetBounds(ALugar.x(), ALugar.y(), ALugar.width(), ALugar.height());
  boton->SetCaption(ACaption);
  boton->SetTabOrder(ATabOrder);
  return boton;
}

TSaveDialog* NuevoDialogoGuardarDetalles(TComponent* AOwner) {
  auto* dialogo = new TSaveDialog(AOwner);
  dialogo->SetName(QStringLiteral("sdImprimirEnArchivo"));
  dialogo->Title = QStringLiteral("Guardar en archivo");
  dialogo->Filter = QStringLiteral("txt|*.TXT");
  dialogo->InitialDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  dialogo->Options = TOpenOptions(ofHideReadOnly) | ofPathMustExist;
  return dialogo;
}
