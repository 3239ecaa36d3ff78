#include <gtest/gtest.h>

#include <QTest>

#include "fixtures/AplicacionDePrueba.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextDrawing.h"

namespace {

class Etiquetas : public PruebaDeVentanas {
 protected:
  TForm forma{nullptr};
  TLabel* etiqueta = new TLabel(&forma);
};

TEST_F(Etiquetas, AnAutoSizedLabelTakesTheSizeOfItsCaption) {
  EXPECT_EQ(etiqueta->BoundsRect().size(), TextExtent(etiqueta->font(), QStringLiteral(" ")));
  etiqueta->SetCaption(QStringLiteral("&Contraseña:"));
  EXPECT_EQ(etiqueta->BoundsRect().size(), TextExtent(etiqueta->font(), QStringLiteral("Contraseña:")));
  QFont grande = etiqueta->font();
  SetFontHeight(grande, 2 * FontHeight(grande));
  etiqueta->SetFont(grande);
  EXPECT_EQ(etiqueta->BoundsRect().size(), TextExtent(grande, QStringLiteral("Contraseña:")));

  // With WordWrap it wraps within its width, and takes the wrapped size.
  const QString texto = QStringLiteral("Escriba los datos de usuario Tarvolin para iniciar la sesión.");
  etiqueta->SetCaption(texto);
  etiqueta->SetWidth(TextExtent(grande, texto).width() / 2);
  etiqueta->SetWordWrap(true);
  const QRect envuelto =
      CalcTextRect(grande, texto, QRect(0, 0, TextExtent(grande, texto).width() / 2, 0), dtWordBreak | dtExpandTabs);
  EXPECT_EQ(etiqueta->BoundsRect().size(), envuelto.size());
  EXPECT_GT(etiqueta->Height(), TextExtent(grande, texto).height());

  // Without AutoSize it keeps the size it is given.
  etiqueta->SetAutoSize(false);
  etiqueta->SetBounds(0, 0, 50, 10);
  etiqueta->SetCaption(QStringLiteral("Otro texto más largo"));
  EXPECT_EQ(etiqueta->BoundsRect(), QRect(0, 0, 50, 10));
}

TEST_F(Etiquetas, TheAcceleratorFocusesTheLabelsControl) {
  auto* edicion = new TEdit(&forma);
  auto* otra = new TEdit(&forma);
  for (TControl* c : {static_cast<TControl*>(etiqueta), static_cast<TControl*>(edicion), static_cast<TControl*>(otra)})
    c->SetParent(&forma);
  etiqueta->SetCaption(QStringLiteral("&Nombre de usuario:"));
  etiqueta->SetFocusControl(edicion);
  forma.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&forma));
  otra->SetFocus();
  QTest::keyClick(otra, Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(edicion->hasFocus());
}

TEST_F(Etiquetas, AnImageStretchesInProportionOrShowsAtItsSize) {
  TImage imagen(&forma);
  imagen.SetBounds(0, 0, 64, 64);
  QImage dibujo(200, 50, QImage::Format_ARGB32);
  imagen.Picture().Assign(TBitmap(dibujo));
  EXPECT_EQ(imagen.DestRect(), QRect(0, 0, 200, 50));
  imagen.SetStretch(true);
  EXPECT_EQ(imagen.DestRect(), QRect(0, 0, 64, 64));
  imagen.SetProportional(true);
  EXPECT_EQ(imagen.DestRect(), QRect(0, 24, 64, 16));
  imagen.SetAutoSize(true);
  EXPECT_EQ(imagen.BoundsRect().size(), QSize(200, 50));
}

}  // namespace
