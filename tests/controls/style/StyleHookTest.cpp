#include <gtest/gtest.h>

#include "controls/AplicacionControles.h"
#include "controls/style/RegisterStyleHookColorsQov.h"
#include "fixtures/ImprimirQt.h"
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

}  // namespace

#include "StyleHookTest.moc"
