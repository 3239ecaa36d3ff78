#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "fixtures/AplicacionDePrueba.h"
#include "platform/forms/Button.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"

namespace {

// The screen's resolution as the test run set it up: 96 dpi on the plain offscreen screen; a run on a
// scaled screen names its own (QOV_PPI_ESPERADO).
int PpiEsperado() {
  bool hay = false;
  const int ppi = qEnvironmentVariableIntValue("QOV_PPI_ESPERADO", &hay);
  return hay ? ppi : 96;
}

// A form designed at 96 dpi: its client area and a button.
class Diseñada : public TForm {
 public:
  explicit Diseñada(TComponent* AOwner) : TForm(AOwner) {
    SetClientWidth(300);
    SetClientHeight(120);
    boton->SetParent(this);
    boton->SetBounds(8, 8, 75, 25);
  }
  TButton* boton = new TButton(this);
};

class Pantalla : public PruebaDeVentanas {};

TEST_F(Pantalla, ResolutionIsTheLogicalDpiTimesThePixelRatio) {
  const int ppi = PpiEsperado();
  EXPECT_EQ(Screen.PixelsPerInch(), ppi);
  EXPECT_DOUBLE_EQ(Screen.PixelScale(), ppi / 96.0);
  const QRect qt = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(Screen.Width(), MulDiv(qt.width(), ppi, 96));
  EXPECT_EQ(Screen.Height(), MulDiv(qt.height(), ppi, 96));
  EXPECT_EQ(ToQtPixels(ToSystemPixels(200)), 200);
}

TEST_F(Pantalla, AFormDesignedAtNinetySixDpiTakesTheScreensResolution) {
  const int ppi = PpiEsperado();
  std::unique_ptr<Diseñada> forma(NewForm<Diseñada>(nullptr));
  EXPECT_EQ(forma->CurrentPPI(), ppi);
  EXPECT_EQ(forma->ClientWidth(), MulDiv(300, ppi, 96));
  EXPECT_NEAR(forma->boton->Width(), MulDiv(75, ppi, 96), 1);
  EXPECT_NEAR(forma->boton->Height(), MulDiv(25, ppi, 96), 1);
  EXPECT_EQ(FontHeight(forma->font()), MulDiv(-11, ppi, 96));
  // In Qt's logical pixels the form keeps its design size: Qt scales by the pixel ratio.
  EXPECT_EQ(forma->width(), 300);
  EXPECT_NEAR(forma->boton->width(), 75, 1);
}

}  // namespace
