#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>
#include <optional>

#include "controls/AplicacionControles.h"
#include "controls/calculator/CalculadoraForm.h"
#include "controls/edits/DBEditCalcQov.h"
#include "controls/edits/FormaDeEdicion.h"
#include "controls/menus/EditPopupMenuQov.h"
#include "fixtures/Captura.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalSeam.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// The form with an edit with a calculator button, bound (Enlazar) to a real field of a table in memory.
// The calculator is answered by the keys of Respuesta and Enter twice ("" closes it with Esc).
class EdicionConCalculadora : public FormaDeEdicion<TqovDBEditCalc> {
 protected:
  EdicionConCalculadora() {
    tabla.FieldDefs() = {{"IMPORTE", ftFloat, 0}, {"TEXTO", ftString, 20}};
    tabla.Open();
    tabla.Append();
    tabla.Post();
    fuente.SetDataSet(&tabla);
    edicion->SetBounds(0, 0, 121, 21);
    Mostrar();
    OnModalShown = [this](QWidget& AVentana) {
      auto& calculadora = dynamic_cast<TCalculadoraForm&>(AVentana);
      abierta = calculadora.Calculadora().Operacion();
      if (Respuesta.isEmpty()) return QTest::keyClick(&calculadora, Qt::Key_Escape);
      // Enter shows the result, a second Enter accepts it.
      QTest::keyClicks(&calculadora, Respuesta);
      QTest::keyClick(&calculadora, Qt::Key_Return);
      QTest::keyClick(&calculadora, Qt::Key_Return);
    };
  }
  ~EdicionConCalculadora() override { OnModalShown = nullptr; }

  void Enlazar() {
    edicion->SetDataSource(&fuente);
    edicion->SetDataField(QStringLiteral("IMPORTE"));
  }

  TDataSet tabla;
  TDataSource fuente;
  QString Respuesta;
  std::optional<TEnumOp> abierta;  // the operation pending when the calculator opened
};

struct CasoTecla {
  const char* Texto;
  int SelStart, SelLength;
  Qt::Key Tecla;
  Qt::KeyboardModifiers Modificadores;
  bool Abre;
  TEnumOp Operacion;
  const char* Resultado;  // the edit's text after the calculator answered "2", or the key
};

TEST_F(EdicionConCalculadora, OperatorKeysAfterANumberOpenTheCalculatorWithTheirOperation) {
  const CasoTecla casos[] = {
      {"12.5", 4, 0, Qt::Key_Plus, Qt::NoModifier, true, opSuma, "14.5"},
      {"12.5", 4, 0, Qt::Key_Asterisk, Qt::NoModifier, true, opMult, "25"},
      {"12", 2, 0, Qt::Key_Slash, Qt::NoModifier, true, opDiv, "6"},
      {"45", 2, 0, Qt::Key_Minus, Qt::NoModifier, true, opResta, "43"},
      {"1,234.5", 7, 0, Qt::Key_Plus, Qt::NoModifier, true, opSuma, "1236.5"},
      {"", 0, 0, Qt::Key_Plus, Qt::NoModifier, false, opSinOperacion, "+"},
      {"-", 1, 0, Qt::Key_Plus, Qt::NoModifier, false, opSinOperacion, "-+"},
      {"45", 0, 0, Qt::Key_Minus, Qt::NoModifier, false, opSinOperacion, "-45"},
      {"45", 0, 2, Qt::Key_Minus, Qt::NoModifier, false, opSinOperacion, "-"},
      {"45", 2, 0, Qt::Key_F4, Qt::NoModifier, true, opSinOperacion, "2"},
      {"45", 2, 0, Qt::Key_Down, Qt::AltModifier, true, opSinOperacion, "2"},
      {"45", 2, 0, Qt::Key_F4, Qt::ShiftModifier, false, opSinOperacion, "45"},
  };
  Respuesta = QStringLiteral("2");
  for (const CasoTecla& caso : casos) {
    SCOPED_TRACE(testing::Message() << caso.Texto << " " << caso.Tecla << " " << caso.Modificadores);
    edicion->SetText(QString::fromUtf8(caso.Texto));
    edicion->setFocus();
    edicion->SetSelStart(caso.SelStart);
    edicion->SetSelLength(caso.SelLength);
    abierta.reset();
    QTest::keyClick(edicion, caso.Tecla, caso.Modificadores);
    ASSERT_EQ(abierta.has_value(), caso.Abre);
    if (caso.Abre) {
      EXPECT_EQ(*abierta, caso.Operacion);
    }
    EXPECT_EQ(edicion->Text(), QString::fromUtf8(caso.Resultado));
  }
}

TEST_F(EdicionConCalculadora, TheResultIsWrittenOnlyWhenAcceptedAndWhereTheEditMayChange) {
  struct Caso {
    const char* Nombre;
    const char* Respuesta;
    bool SoloLectura, NoEditable;
    const char* Resultado;
  };
  const Caso casos[] = {
      {"accepted", "+1", false, false, "1235.5"},
      {"cancelled", "", false, false, "1,234.50"},
      {"read-only", "+1", true, false, "1,234.50"},
      {"not editable", "+1", false, true, "1,234.50"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    edicion->SetNoEditable(caso.NoEditable);
    edicion->SetReadOnly(caso.SoloLectura || caso.NoEditable);
    edicion->SetText(QStringLiteral("1,234.50"));
    Respuesta = QString::fromUtf8(caso.Respuesta);
    edicion->BtnClick(nullptr);
    EXPECT_EQ(edicion->Text(), QString::fromUtf8(caso.Resultado));
  }
}

TEST_F(EdicionConCalculadora, BoundTheResultReachesTheFieldOnlyWhileTheRecordCanBeEdited) {
  Enlazar();
  tabla.Edit();
  tabla.FieldByName("IMPORTE").SetAsFloat(10);
  tabla.Post();
  Respuesta = QStringLiteral("*3");
  edicion->BtnClick(nullptr);
  EXPECT_EQ(tabla.State(), dsEdit);
  tabla.Post();
  EXPECT_EQ(tabla.RowValue(0, 0).toDouble(), 30);

  // Without AutoEdit the record stays in browse state and the edit keeps showing its field.
  fuente.SetAutoEdit(false);
  edicion->BtnClick(nullptr);
  EXPECT_EQ(tabla.State(), dsBrowse);
  EXPECT_EQ(edicion->Text(), QStringLiteral("30"));
}

TEST_F(EdicionConCalculadora, TheButtonSitsAtTheRightEdgeAndTheMenuOpensTheCalculator) {
  // Left in the client area's terms, which start inside the 2-pixel border.
  const auto izquierda = [&] { return edicion->BtnControl().Left() - 2; };
  const int automatico = edicion->BtnControl().Width();
  EXPECT_GE(automatico, 15);
  EXPECT_EQ(izquierda(), edicion->Width() - automatico - 4);
  EXPECT_EQ(edicion->BtnControl().BoundsRect().bottom() + 1, edicion->Height() - 2);
  edicion->SetButtonWidth(30);
  EXPECT_EQ(edicion->BtnControl().Width(), 30);
  EXPECT_EQ(izquierda(), edicion->Width() - 34);
  edicion->SetWidth(200);
  EXPECT_EQ(izquierda(), 166);
  EXPECT_FALSE(edicion->Button().Glyph().isNull());
  edicion->SetShowButton(false);
  EXPECT_FALSE(edicion->BtnControl().isVisible());
  edicion->SetShowButton(true);

  // The edit menu's calculator item opens the library's calculator on this edit.
  auto* menu = new TqovEditPopupMenu(&forma);
  edicion->SetPopupMenu(menu);
  edicion->SetText(QStringLiteral("7"));
  Respuesta = QStringLiteral("+1");
  menu->PopupFor(edicion, edicion->mapToGlobal(QPoint(2, 2)));
  menu->hide();
  for (int i = 0; i < menu->Count(); ++i)
    if (menu->Items(i)->Caption() == QStringLiteral("Ca&lculadora")) menu->Items(i)->trigger();
  EXPECT_TRUE(abierta.has_value());
  EXPECT_EQ(edicion->Text(), QStringLiteral("8"));
}

TEST_F(EdicionConCalculadora, TheButtonFacesFollowTheStyleTheEffectsAndTheMouse) {
  edicion->SetText(QStringLiteral("1,234.50"));
  const QImage calculadora = edicion->Button().Glyph().toImage();
  const auto boton = [&] { return edicion->Button().grab().toImage(); };
  struct Cara {
    const char* Nombre;
    TwwComboButtonStyle Estilo;
    bool Plano, Transparente;
    bool Foco;  // the face of the styles is drawn over a glyph only while the edit has the focus
  };
  const Cara caras[] = {
      {"Calculadora", cbsCustom, false, false, false},
      {"CalculadoraPlana", cbsCustom, true, false, false},
      {"Puntos", cbsEllipsis, false, false, false},
      {"PuntosPlanos", cbsEllipsis, true, false, false},
      {"FlechaSinFoco", cbsDownArrow, false, false, false},
      {"Flecha", cbsDownArrow, false, false, true},
      {"FlechaPlana", cbsDownArrow, true, false, false},
      {"FlechaTransparente", cbsDownArrow, false, true, false},
  };
  QList<QImage> vistas;
  for (const Cara& cara : caras) {
    SCOPED_TRACE(cara.Nombre);
    edicion->SetButtonStyle(cara.Estilo);
    edicion->ButtonEffects().SetFlat(cara.Plano);
    edicion->ButtonEffects().SetTransparent(cara.Transparente);
    if (cara.Foco)
      edicion->setFocus();
    else
      otra->setFocus();
    // The calculator's glyph stays unless the arrow is flat or transparent, which gets an arrow glyph.
    EXPECT_EQ(edicion->Button().Glyph().toImage() == calculadora,
              cara.Estilo != cbsDownArrow || !(cara.Plano || cara.Transparente));
    Capturar(*edicion, QStringLiteral("EditCalc") + cara.Nombre);
    vistas.append(boton());
  }
  // Every face looks different from the others, but for the arrow that keeps the calculator's glyph
  // without the focus.
  EXPECT_EQ(vistas[4], vistas[0]);
  for (int i = 0; i < vistas.size(); ++i)
    for (int j = i + 1; j < vistas.size(); ++j)
      if (i != 0 || j != 4) {
        EXPECT_NE(vistas[i], vistas[j]) << caras[i].Nombre << " " << caras[j].Nombre;
      }

  // A flat button shows its edge while the mouse is over it, which the edit notes at the paint.
  otra->setFocus();
  edicion->SetButtonStyle(cbsCustom);
  edicion->ButtonEffects().SetTransparent(false);
  edicion->ButtonEffects().SetFlat(true);
  const QImage fuera = boton();
  EXPECT_FALSE(edicion->MouseInButtonControl());
  QEnterEvent entrada(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(&edicion->Button(), &entrada);
  const QImage dentro = boton();
  EXPECT_TRUE(edicion->MouseInButtonControl());
  EXPECT_NE(dentro, fuera);
  Capturar(*edicion, QStringLiteral("EditCalcCalculadoraPlanaBajoElRaton"));
  QEvent salida(QEvent::Leave);
  QApplication::sendEvent(&edicion->Button(), &salida);
  EXPECT_EQ(boton(), fuera);
  EXPECT_FALSE(edicion->MouseInButtonControl());
}

}  // namespace
