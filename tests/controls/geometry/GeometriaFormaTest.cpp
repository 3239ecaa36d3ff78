#include <gtest/gtest.h>

#include <memory>

#include "controls/PruebaDePantalla.h"
#include "controls/geometry/GeometriaFormaQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/BarManager.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "platform/rtl/Rounding.h"

namespace {

class Geometria : public PruebaDePantalla {
 protected:
  // A form with that caption at a resolution, its client 300 x 200 at 96 dpi, placed inside the desktop.
  static std::unique_ptr<TForm> Forma(const QString& ACaption, int APpi = 96) {
    auto forma = std::make_unique<TForm>(nullptr);
    forma->SetCaption(ACaption);
    forma->SetBounds(30, 60, 300, 200);
    forma->SetClientWidth(300);
    forma->SetClientHeight(200);
    forma->ScaleForPPI(APpi);
    return forma;
  }
  // The form's client size is the expected one: sizes pass through Qt's whole pixels, which can make one
  // pixel of difference at a scale that does not divide them.
  static QSize Cliente(const TForm& AForma) { return {AForma.ClientWidth(), AForma.ClientHeight()}; }
  static QSize PorEscala(QSize ATamano, double AEscala) {
    return {Round(ATamano.width() * AEscala), Round(ATamano.height() * AEscala)};
  }
  static void ClienteCerca(const TForm& AForma, QSize AEsperado) {
    EXPECT_NEAR(AForma.ClientWidth(), AEsperado.width(), 1);
    EXPECT_NEAR(AForma.ClientHeight(), AEsperado.height(), 1);
  }
};

TEST_F(Geometria, TheZoomIsTheSavedOneButNeverBelowTheScreensNorAboveTheLargest) {
  const int pantalla = ZoomPantalla();
  EXPECT_EQ(ObtenerZoomDefault(), pantalla);
  const struct {
    const char* Caso;
    QVariant Guardado;  // invalid: no key at all
    int Esperado;
  } casos[] = {
      {"no key", QVariant(), pantalla},
      {"110", 110, std::max(110, pantalla)},
      {"160", 160, std::max(160, pantalla)},
      {"175", 175, 175},
      {"200", 200, 175},
      {"100000", 100000, 175},
      {"0", 0, pantalla},
      {"-5", -5, pantalla},
      {"text", QStringLiteral("grande"), pantalla},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.Caso);
    const QString caption = QStringLiteral("Zoom ") + QString::fromLatin1(caso.Caso);
    if (caso.Guardado.isValid()) Guardar(LlaveForma(caption), {{"Zoom", caso.Guardado}});
    EXPECT_EQ(LeerZoom(*Forma(caption)), caso.Esperado);
  }
}

TEST_F(Geometria, TheSavedClientSizeComesBackAtTheFormsScale) {
  const struct {
    const char* Caso;
    QVariant Altura, Longitud;
    QSize Esperado;  // width x height; empty: the current size times the scale
    bool Centrada;
  } casos[] = {
      {"both", 600, 800, {1000, 750}, false},
      // a side saved as 0 or less keeps its current size
      {"no width", 600, 0, {375, 750}, false},
      {"negative height", -3, 800, {1000, 250}, false},
      // nothing positive: the current size times the scale
      {"none", 0, 0, {}, false},
      {"text", QStringLiteral("alta"), 800, {375, 250}, true},
      {"too large", 2000000000, 800, {375, 250}, true},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.Caso);
    const QString caption = QStringLiteral("Tamaño ") + QString::fromLatin1(caso.Caso);
    Guardar(LlaveForma(caption), {{"Altura", caso.Altura}, {"Longitud", caso.Longitud}});
    const auto forma = Forma(caption, 120);
    ClienteCerca(*forma, {375, 250});
    const QSize antes = Cliente(*forma);
    RestaurarDimensionesForma(*forma);
    ClienteCerca(*forma, caso.Esperado.isEmpty() ? PorEscala(antes, 1.25) : caso.Esperado);
    EXPECT_EQ(forma->Position(), caso.Centrada ? poDesktopCenter : poDesigned);
    EXPECT_EQ(forma->BoundsRect().topLeft(), QPoint(30, 60));
  }

  // Nothing saved: centred on the desktop; a form that the platform does not scale takes its scale here.
  const auto escalada = Forma(QStringLiteral("Sin ajustes"), 120);
  RestaurarDimensionesForma(*escalada);
  ClienteCerca(*escalada, {375, 250});
  EXPECT_EQ(escalada->Position(), poDesktopCenter);
  const auto fija = Forma(QStringLiteral("Sin ajustes"), 120);
  fija->SetScaled(false);
  const QSize antes = Cliente(*fija);
  RestaurarDimensionesForma(*fija);
  ClienteCerca(*fija, PorEscala(antes, 1.25));
}

TEST_F(Geometria, AFormIsPulledInsideTheDesktop) {
  const int ancho = Screen.DesktopWidth();
  const int alto = Screen.DesktopHeight();
  const struct {
    const char* Caso;
    QRect Antes, Despues;
  } casos[] = {
      {"inside", {30, 60, 300, 200}, {30, 60, 300, 200}},
      {"left of it", {-30, 60, 300, 200}, {0, 60, 300, 200}},
      {"above it", {30, -60, 300, 200}, {30, 0, 300, 200}},
      {"past the right edge", {ancho - 120, 60, 300, 200}, {0, 60, 300, 200}},
      {"wider", {0, 0, ancho + 120, 200}, {0, 0, ancho, 200}},
      {"taller and below", {30, 60, 300, alto + 120}, {30, 0, 300, alto}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.Caso);
    TForm forma(nullptr);
    forma.SetBounds(caso.Antes.x(), caso.Antes.y(), caso.Antes.width(), caso.Antes.height());
    AjustarFormaAlEscritorio(forma);
    EXPECT_EQ(forma.BoundsRect(), caso.Despues);
  }
}

TEST_F(Geometria, PositionSizeAndBarsAreSavedAndTheSizeComesBack) {
  const auto forma = Forma(QStringLiteral("Ventas"), 120);
  auto* barras = new TBarManager(forma.get());
  for (int i = 0; i < 3; ++i) barras->AddBar().Row = i;
  TBar& tercera = barras->Bars(2);
  tercera = {dsNone, 4, 5, true, 2, 300, 310, 120, 40, dsRight, false};
  GuardarPosicionForma(*forma, false);

  TxmlRegistry ajustes;
  ajustes.SetRootKey(HKEY_CURRENT_USER);
  // The configuration number 0 and the empty name give the key \Software\Tarvolin\_0_\<caption>.
  const QString llave =
      QStringLiteral("\\CurrentUser\\") + GetWindowsUserName() + QStringLiteral("\\Software\\Tarvolin\\_0_\\Ventas");
  for (const char* barra : {"", "\\Barra de menús", "\\Barra de herramientas", "\\Barra 2"})
    EXPECT_TRUE(ajustes.KeyExists(llave + QString::fromUtf8(barra))) << barra;
  EXPECT_FALSE(ajustes.KeyExists(llave + QStringLiteral("\\Barra 3")));
  ASSERT_TRUE(ajustes.OpenKey(LlaveForma(QStringLiteral("Ventas")), false));
  EXPECT_EQ(ajustes.ReadInteger(QStringLiteral("Posición en X")), 30);
  EXPECT_EQ(ajustes.ReadInteger(QStringLiteral("Posición en Y")), 60);
  // the client size at 100 per cent
  const int altura = ajustes.ReadInteger(QStringLiteral("Altura"));
  const int longitud = ajustes.ReadInteger(QStringLiteral("Longitud"));
  EXPECT_NEAR(altura, 200, 1);
  EXPECT_NEAR(longitud, 300, 1);
  ASSERT_TRUE(ajustes.OpenKey(LlaveForma(QStringLiteral("Ventas\\Barra 2")), false));
  QStringList valores;
  ajustes.GetValueNames(valores);
  EXPECT_EQ(valores.size(), 11);
  QStringList leidos;
  for (const char* entero : {"Estilo actual", "Posición en X", "Posición en Y", "Renglón", "Flotante en X",
                             "Flotante en Y", "Longitud flotante", "Altura flotante", "Estilo"})
    leidos << QString::number(ajustes.ReadInteger(QString::fromUtf8(entero)));
  for (const char* logico : {"Una en renglón", "Visible"})
    leidos << QString::number(ajustes.ReadBool(QString::fromUtf8(logico)));
  EXPECT_EQ(leidos.join(QLatin1Char(' ')), QStringLiteral("0 4 5 2 300 310 120 40 3 1 0"));
  ASSERT_TRUE(ajustes.OpenKey(LlaveForma(QStringLiteral("Ventas\\Barra de herramientas")), false));
  EXPECT_EQ(ajustes.ReadInteger(QStringLiteral("Renglón")), 1);

  // The size saved at 100 per cent comes back at another scale.
  const auto otra = Forma(QStringLiteral("Ventas"), 144);
  otra->SetClientWidth(10);
  RestaurarDimensionesForma(*otra);
  ClienteCerca(*otra, PorEscala({longitud, altura}, 1.5));

  // Without toolbars only the form's own values are written.
  const auto sinBarras = Forma(QStringLiteral("Compras"), 96);
  new TBarManager(sinBarras.get());
  (new TBarManager(sinBarras.get()))->AddBar();  // not the first manager: never saved
  GuardarPosicionForma(*sinBarras, false);
  GuardarPosicionForma(*sinBarras, true);
  TxmlRegistry leer;
  leer.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(leer.OpenKey(LlaveForma(QStringLiteral("Compras")), false));
  QStringList ninguna;
  leer.GetKeyNames(ninguna);
  EXPECT_TRUE(ninguna.isEmpty());
}

}  // namespace
