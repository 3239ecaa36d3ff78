#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "controls/AplicacionControles.h"
#include "controls/dialogs/DialogosQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Label.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/Screen.h"
#include "platform/forms/TextDrawing.h"

namespace {

// The look of a shown message dialog, as the operator sees it.
struct Disposicion {
  QRect Texto;
  QList<QRect> Botones;
  QSize Cliente;
  int AnchoVentana = 0;
};

// The layout that the message dialog's arithmetic gives, from the metrics of the fonts it uses: the
// message font for the margins and buttons, the 8-point font of the texts once shown.
Disposicion Esperada(const QString& AMensaje, TBotonesDialogo ABotones) {
  const QFont fuente = Screen.MessageFont();
  const QSize promedio = TextExtent(fuente, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  const int cx = promedio.width() / 52;
  const int cy = promedio.height();
  const int ppi = Screen.PixelsPerInch();
  int anchoBoton = MulDiv(50, cx, ppi * 4 / 96);
  for (int k = bdYes; k <= bdDetails; ++k)
    if (ABotones.Contiene(static_cast<TBotonDialogo>(k)))
      anchoBoton = std::max(anchoBoton, AnchoBotonDialogo(static_cast<TBotonDialogo>(k)));
  const int altoBoton = MulDiv(14, cy, static_cast<int>(std::nearbyint(ppi * 8 / 96.0)));
  const int margenV = MulDiv(8, cy, ppi * 8 / 96);
  const int icono = MulDiv(32, ppi, 96);

  QFont ocho = fuente;
  SetFontHeight(ocho, -static_cast<int>(std::nearbyint(8 * 100 / 72.0)));
  const int izquierda = icono + MulDiv(10, cx, 4) + MulDiv(8, cx, 4);
  const QRect texto =
      CalcTextRect(ocho, AMensaje, QRect(izquierda, margenV, Screen.Width() / 2, 0), dtWordBreak | dtExpandTabs);

  Disposicion d;
  d.Texto = texto;
  d.Cliente.setWidth(8 + texto.right() + 1);
  const int n = ABotones.Cuenta();
  const int fila = n * anchoBoton + 8 * (n - 1);
  int x = (d.Cliente.width() - fila) / 2;
  if (x < 8) {
    x = 8;
    d.Cliente.setWidth(16 + fila);
  }
  const int y = 8 + std::max(texto.bottom() + 1, margenV + icono);
  for (int i = 0; i < n; ++i) d.Botones << QRect(x + i * (anchoBoton + 8), y, anchoBoton, altoBoton);
  d.Cliente.setHeight(8 + y + altoBoton);
  return d;
}

struct CasoDisposicion {
  const char* Nombre;
  QString Mensaje;
  TBotonesDialogo Botones;
};

class DisposicionDialogo : public PruebaDeControles {};

TEST_F(DisposicionDialogo, TheShownDialogFollowsItsArithmetic) {
  const QString largo = QStringLiteral("Una línea de palabras que no cabe en media pantalla. ").repeated(12);
  const CasoDisposicion casos[] = {
      {"short text, two buttons", QStringLiteral("¿Desea eliminar permanentemente la conexión Local?"), {bdYes, bdNo}},
      {"short text, twelve buttons",
       QStringLiteral("Corto"),
       {bdYes, bdNo, bdOK, bdAbort, bdRetry, bdIgnore, bdCancel, bdAll, bdNoToAll, bdYesToAll, bdHelp, bdDetails}},
      {"a line wider than half the screen", largo, {bdOK}},
      {"line breaks and tabs", QStringLiteral("Primera línea\rSegunda\tcon tabulador\r\nTercera"), {bdOK, bdCancel}},
  };
  for (const CasoDisposicion& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    Disposicion vista;
    OnModalShown = [&](QWidget& AVentana) {
      auto& dialogo = dynamic_cast<TMessageForm&>(AVentana);
      vista.Texto = dialogo.findChild<TLabel*>(QStringLiteral("Message"))->BoundsRect();
      for (int i = 0; i < dialogo.ComponentCount(); ++i)
        if (auto* boton = dynamic_cast<TButton*>(dialogo.Components(i))) vista.Botones << boton->BoundsRect();
      vista.Cliente = QSize(dialogo.ClientWidth(), dialogo.ClientHeight());
      vista.AnchoVentana = dialogo.Width();
      dialogo.close();
    };
    MostrarMensaje(nullptr, caso.Mensaje, mtInformation, QString(), caso.Botones, bdOK, bdOK, 0);
    const Disposicion esperada = Esperada(caso.Mensaje, caso.Botones);
    EXPECT_EQ(vista.Texto, esperada.Texto);
    EXPECT_EQ(vista.Botones, esperada.Botones);
    EXPECT_EQ(vista.Cliente, esperada.Cliente);
    // The text wraps within half the screen and no button leaves the dialog; a long text does not widen
    // the dialog beyond the screen.
    EXPECT_LE(vista.Texto.width(), Screen.Width() / 2);
    if (caso.Botones.Cuenta() == 12) {
      EXPECT_EQ(vista.Botones.first().left(), 8);
    } else {
      EXPECT_LE(vista.AnchoVentana, Screen.Width());
    }
    EXPECT_LE(vista.Botones.last().right(), vista.Cliente.width());
  }
}

}  // namespace
