#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/TextDrawing.h"

namespace {

class Textos : public PruebaDeVentanas {
 protected:
  QFont fuente = MakeFont(QStringLiteral("Tahoma"), -11);
  QFontMetrics medidas{fuente};
};

TEST_F(Textos, EveryKindOfLineBreakBreaksTheLine) {
  EXPECT_EQ(DisplayText(QStringLiteral("a\rb\r\nc\nd")), QStringLiteral("a\nb\nc\nd"));
  EXPECT_EQ(TextExtent(fuente, QStringLiteral("uno\rdos")).height(), 2 * medidas.height());
  EXPECT_EQ(
      TextExtent(fuente, QStringLiteral("uno\rdos")).width(),
      std::max(TextExtent(fuente, QStringLiteral("uno")).width(), TextExtent(fuente, QStringLiteral("dos")).width()));
}

TEST_F(Textos, AcceleratorsAreNotMeasuredUnlessTheyAreNoPrefix) {
  EXPECT_EQ(TextExtent(fuente, QStringLiteral("&Sí")), TextExtent(fuente, QStringLiteral("Sí")));
  EXPECT_EQ(TextExtent(fuente, QStringLiteral("a&&b")),
            CalcTextRect(fuente, QStringLiteral("a&b"), QRect(), dtNoPrefix).size());
  EXPECT_GT(CalcTextRect(fuente, QStringLiteral("&Sí"), QRect(), dtNoPrefix).width(),
            TextExtent(fuente, QStringLiteral("Sí")).width());
}

TEST_F(Textos, TabsExpandAndLinesWrapWithinTheWidth) {
  EXPECT_GT(CalcTextRect(fuente, QStringLiteral("a\tb"), QRect(), dtExpandTabs).width(),
            medidas.horizontalAdvance(QStringLiteral("a b")));

  const QString frase = QStringLiteral("uno dos tres cuatro cinco seis siete ocho nueve diez once doce");
  const int ancho = medidas.horizontalAdvance(frase) / 3;
  const QRect envuelto = CalcTextRect(fuente, frase, QRect(10, 20, ancho, 0), dtWordBreak);
  EXPECT_EQ(envuelto.topLeft(), QPoint(10, 20));
  EXPECT_LE(envuelto.width(), ancho);
  EXPECT_GE(envuelto.height(), 3 * medidas.height());
  EXPECT_EQ(envuelto.height() % medidas.height(), 0);
  // Without dtWordBreak the width does not matter.
  EXPECT_EQ(CalcTextRect(fuente, frase, QRect(0, 0, ancho, 0), {}), CalcTextRect(fuente, frase, QRect(), {}));
  EXPECT_NEAR(CalcTextRect(fuente, frase, QRect(), {}).width(), medidas.horizontalAdvance(frase), 1);
}

TEST_F(Textos, ColoursMapToPlainRgbOrToThePalette) {
  EXPECT_EQ(ColorToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(ColorToQColor(0x00336699), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(ColorToQColor(clWindow), QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
  EXPECT_EQ(ColorToQColor(clBtnFace), QGuiApplication::palette().color(QPalette::Active, QPalette::Button));
  EXPECT_EQ(ColorToQColor(clActiveCaption), QColor(153, 180, 209));
  EXPECT_FALSE(ColorToQColor(clDefault).isValid());
}

TEST_F(Textos, FontsCarryTheirHeightInPixels) {
  EXPECT_EQ(FontHeight(fuente), -11);
  EXPECT_EQ(QFontInfo(fuente).family(), QFontInfo(QFont(QStringLiteral("Sans Serif"))).family());
  QFont otra = fuente;
  SetFontHeight(otra, -17);
  EXPECT_EQ(FontHeight(otra), -17);
  SetFontHeight(otra, 20);  // a cell height: the character height is smaller
  EXPECT_EQ(QFontMetrics(otra).height(), 20);
}

TEST_F(Textos, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(8, 6, 4), 12);
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(7, 3, 4), 5);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

}  // namespace
