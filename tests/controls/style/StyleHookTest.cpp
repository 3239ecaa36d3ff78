#include <gtest/gtest.h>

#include <QTest>

#include "controls/AplicacionControles.h"
#include "controls/style/RegisterStyleHookColorsQov.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/Captura.h"
#include "platform/forms/DateTimePicker.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"

namespace {

// An edit of a class the hooks are registered for, with the library's NoEditable.
class TqovEdit : public TEdit {
  Q_OBJECT
  Q_PROPERTY(bool NoEditable READ NoEditable WRITE SetNoEditable)

 public:
  using TEdit::TEdit;
  bool NoEditable() const { return FNoEditable; }
  void SetNoEditable(bool AValue) {
    FNoEditable = AValue;
    update();
  }

 private:
  bool FNoEditable = false;
};

// A registered class without NoEditable, as the platform's data-aware edit.
class TwwDBEdit : public TEdit {
  Q_OBJECT

 public:
  using TEdit::TEdit;
};

// A descendant of a registered class gets its ancestor's hook.
class TqovDBEdit : public TwwDBEdit {
  Q_OBJECT

 public:
  using TwwDBEdit::TwwDBEdit;
};

class GanchosEstilo : public PruebaDeControles {
 protected:
  // The colour the edit's background is painted with, well inside its frame.
  static QColor Fondo(TEdit& AEdicion) {
    return AEdicion.grab().toImage().pixelColor(AEdicion.width() - 6, AEdicion.height() / 2);
  }

  TForm forma{nullptr};
};

TEST_F(GanchosEstilo, EditsPaintTheButtonFaceWhenDisabledOrNotEditable) {
  const QColor ventana = ColorToQColor(clWindow);
  const QColor cara = ColorToQColor(clBtnFace);
  ASSERT_NE(ventana, cara);
  auto* edicion = new TqovEdit(&forma);
  edicion->SetParent(&forma);
  // Whatever colour the control itself sets, the hook decides.
  edicion->SetColor(clRed);
  EXPECT_EQ(Fondo(*edicion), ventana);
  edicion->SetNoEditable(true);
  EXPECT_EQ(Fondo(*edicion), cara);
  edicion->SetNoEditable(false);
  EXPECT_EQ(Fondo(*edicion), ventana);
  edicion->SetEnabled(false);
  edicion->SetNoEditable(false);
  EXPECT_EQ(Fondo(*edicion), cara);

  auto* plataforma = new TwwDBEdit(&forma);
  plataforma->SetParent(&forma);
  EXPECT_EQ(Fondo(*plataforma), ventana);
  plataforma->SetEnabled(false);
  EXPECT_EQ(Fondo(*plataforma), cara);
  auto* descendiente = new TqovDBEdit(&forma);
  descendiente->SetParent(&forma);
  descendiente->SetEnabled(false);
  EXPECT_EQ(Fondo(*descendiente), cara);

  // A class without a hook paints the colour it was given.
  auto* propia = new TEdit(&forma);
  propia->SetParent(&forma);
  propia->SetColor(clRed);
  EXPECT_EQ(Fondo(*propia), QColor(Qt::red));
}

TEST_F(GanchosEstilo, TheRuleOfTheEditBackground) {
  EXPECT_EQ(ColorFondoEdicion(true, false), clWindow);
  EXPECT_EQ(ColorFondoEdicion(true, true), clBtnFace);
  EXPECT_EQ(ColorFondoEdicion(false, false), clBtnFace);
  EXPECT_EQ(ColorFondoEdicion(false, true), clBtnFace);
}

TEST_F(GanchosEstilo, DateTimePickersKeepTheirOwnFrameAndBackgroundUnlessFocusedOrWithoutFrame) {
  auto* selector = new TwwDBDateTimePicker(&forma);
  selector->SetParent(&forma);
  selector->SetBounds(8, 8, 160, 23);
  selector->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  selector->SetDateTime(QDateTime(QDate(2026, 12, 11), QTime(0, 0)));
  selector->SetColor(clRed);
  auto* otra = new TEdit(&forma);
  otra->SetParent(&forma);
  otra->SetTop(40);
  forma.show();
  forma.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&forma));
  const QColor ventana = ColorToQColor(clWindow);
  const QColor propio(Qt::red);
  // The background above the text, and the middle of the top edge.
  const auto fondo = [&] { return selector->grab().toImage().pixelColor(selector->width() / 2, 4); };
  const auto borde = [&] { return selector->grab().toImage().pixelColor(selector->width() / 2, 0); };
  struct Caso {
    const char* Nombre;
    bool Marco, Foco;
    TFormBorderStyle Borde;
    QColor Fondo;
    bool BordeDelEstilo;
  };
  const Caso casos[] = {
      {"SinMarco", false, false, bsSingle, ventana, true},
      {"SinMarcoNiBorde", false, false, bsNone, ventana, false},
      {"ConMarco", true, false, bsSingle, propio, false},
      {"ConMarcoEnfocado", true, true, bsSingle, ventana, false},
  };
  QColor bordeDelEstilo;
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    selector->SetFrameEnabled(caso.Marco);
    selector->SetBorderStyle(caso.Borde);
    if (caso.Foco)
      selector->setFocus();
    else
      otra->setFocus();
    EXPECT_EQ(TStyleEngine::HookFor(*selector)->PaintBorder(*selector), caso.BordeDelEstilo);
    EXPECT_EQ(fondo(), caso.Fondo);
    // The edge shows the style's border, the picker's own frame, or nothing of either.
    if (caso.BordeDelEstilo) bordeDelEstilo = borde();
    EXPECT_EQ(borde() == bordeDelEstilo, caso.BordeDelEstilo);
    EXPECT_EQ(borde().rgb() == selector->palette().color(QPalette::Mid).rgb(), caso.Marco && !caso.Foco);
    Capturar(*selector, QStringLiteral("Fecha") + caso.Nombre);
  }
  EXPECT_NE(dynamic_cast<const TQovDateTimeEditStyleHook*>(TStyleEngine::HookFor(*selector)), nullptr);
}

}  // namespace

#include "StyleHookTest.moc"
