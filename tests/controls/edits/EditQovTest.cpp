#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>

#include "controls/AplicacionControles.h"
#include "controls/edits/EditQov.h"
#include "controls/edits/FormaDeEdicion.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/TeclasDeDialogo.h"
#include "platform/forms/Beep.h"
#include "platform/forms/Form.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// The form with a numeric edit; each test starts outside the edit, with no text.
class EdicionNumerica : public FormaDeEdicion<TqovEdit> {
 protected:
  EdicionNumerica() {
    edicion->TipoEdit()->SetteTipo(teNumerico);
    Mostrar();
    edicion->SetText(QString());
  }

  void Entrar() {
    edicion->setFocus();
    ASSERT_TRUE(edicion->hasFocus());
  }
  void Salir() {
    otra->setFocus();
    ASSERT_FALSE(edicion->hasFocus());
  }
};

struct CasoAjuste {
  const char* Nombre;
  std::function<void(TqovTipoEdit&)> Ajustar;
  int Longitud, Escala, EscalaMin;
};

TEST(TipoEdit, DigitsAndDecimalsAreKeptWithinEighteen) {
  const CasoAjuste casos[] = {
      {"defaults", [](TqovTipoEdit&) {}, 15, 2, 2},
      {"17 digits leave room for one decimal", [](TqovTipoEdit& t) { t.SetteNumLongitud(17); }, 17, 1, 2},
      {"nine decimals give eight when room allows",
       [](TqovTipoEdit& t) {
         t.SetteNumLongitud(8);
         t.SetteNumEscala(9);
       },
       8, 8, 2},
      {"nine decimals with 15 digits give three", [](TqovTipoEdit& t) { t.SetteNumEscala(9); }, 15, 3, 2},
      {"no digits give one", [](TqovTipoEdit& t) { t.SetteNumLongitud(0); }, 1, 2, 2},
      {"25 digits give 18 and no decimals", [](TqovTipoEdit& t) { t.SetteNumLongitud(25); }, 18, 0, 2},
      {"negative decimals give none", [](TqovTipoEdit& t) { t.SetteNumEscala(-3); }, 15, 0, 2},
      {"fewest decimals below zero", [](TqovTipoEdit& t) { t.SetteNumEscalaMin(-1); }, 15, 2, 0},
      {"fewest decimals above the decimals",
       [](TqovTipoEdit& t) {
         t.SetteNumEscala(1);
         t.SetteNumEscalaMin(5);
       },
       15, 1, 1},
  };
  for (const CasoAjuste& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    TqovTipoEdit tipo;
    caso.Ajustar(tipo);
    EXPECT_EQ(tipo.teNumLongitud(), caso.Longitud);
    EXPECT_EQ(tipo.teNumEscala(), caso.Escala);
    EXPECT_EQ(tipo.teNumEscalaMin(), caso.EscalaMin);
  }
  TqovTipoEdit tipo;
  tipo.SetteNumValue(-3);
  EXPECT_EQ(tipo.teNumValue(), 3);
  tipo.SetteAceptaNegativos(true);
  tipo.SetteNumValue(-3);
  EXPECT_EQ(tipo.teNumValue(), -3);
}

TEST_F(EdicionNumerica, TheNumberShowsFormattedWithoutTheFocusAndPlainWithIt) {
  edicion->SetValue(1234.5L);
  EXPECT_EQ(edicion->Text(), QStringLiteral("1,234.50"));
  Entrar();
  EXPECT_EQ(edicion->Text(), QStringLiteral("1234.5"));
  edicion->SetSelStart(6);
  QTest::keyClicks(edicion, QStringLiteral("6"));
  Salir();
  EXPECT_EQ(edicion->Text(), QStringLiteral("1,234.56"));
  EXPECT_EQ(edicion->Value(), 1234.56L);

  // Without zeros shown, zero and empty text leave the edit empty.
  edicion->TipoEdit()->SettePresentaCero(false);
  for (const char* texto : {"0", ""}) {
    Entrar();
    edicion->SetText(QString::fromUtf8(texto));
    Salir();
    EXPECT_EQ(edicion->Text(), QString());
    EXPECT_EQ(edicion->Value(), 0);
  }

  // Too many digits are not prevented; the number read shows as "Error" once the edit is left.
  edicion->TipoEdit()->SetteNumLongitud(3);
  Entrar();
  edicion->SetText(QStringLiteral("12345"));
  Salir();
  EXPECT_EQ(edicion->Text(), QStringLiteral("Error"));
  EXPECT_EQ(edicion->Value(), 12345);
  Entrar();
  EXPECT_EQ(edicion->Text(), QStringLiteral("12345"));
}

TEST_F(EdicionNumerica, IntegersAreReadInSixtyFourBitsAndPaddedWithZerosOnRequest) {
  edicion->TipoEdit()->SetteNumEscala(0);
  Entrar();
  edicion->SetText(QStringLiteral("123456789012345"));
  Salir();
  EXPECT_EQ(edicion->Value(), 123456789012345.0L);
  EXPECT_EQ(edicion->Text(), QStringLiteral("123,456,789,012,345"));
  edicion->TipoEdit()->SetteIntJustCeros(true);
  edicion->TipoEdit()->SetteNumLongitud(6);
  edicion->SetValue(42);
  EXPECT_EQ(edicion->Text(), QStringLiteral("000042"));
  // Hexadecimal text is no number.
  Entrar();
  edicion->SetText(QStringLiteral("0x1F"));
  Salir();
  EXPECT_EQ(edicion->Value(), 0);
}

struct CasoTecla {
  const char* Nombre;
  bool Negativos;
  int Escala;
  const char* Texto;
  int SelStart, SelLength;
  const char* Tecla;
  bool Pitido;
  const char* Resultado;
};

TEST_F(EdicionNumerica, TheKeyFilterTakesDigitsOneSignAtTheStartAndOneSeparator) {
  const CasoTecla casos[] = {
      {"a digit", false, 2, "12", 2, 0, "3", false, "123"},
      {"a minus without negatives", false, 2, "12", 0, 2, "-", true, "12"},
      {"a minus after the first character", true, 2, "12", 2, 0, "-", true, "12"},
      {"a minus at the start", true, 2, "12", 0, 0, "-", false, "-12"},
      {"a second minus", true, 2, "-12", 0, 0, "-", true, "-12"},
      {"a minus over the whole text", true, 2, "12", 0, 2, "-", false, "-"},
      {"a second separator", false, 2, "12.5", 4, 0, ".", true, "12.5"},
      {"a separator over the whole text", false, 2, "12.5", 0, 4, ".", false, "."},
      {"a separator without decimals", false, 0, "12", 2, 0, ".", true, "12"},
      {"another locale's separator", false, 2, "12", 2, 0, ",", true, "12"},
      {"a letter", false, 2, "12", 2, 0, "a", true, "12"},
      {"a plus", true, 2, "12", 2, 0, "+", true, "12"},
  };
  Entrar();
  for (const CasoTecla& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    edicion->TipoEdit()->SetteAceptaNegativos(caso.Negativos);
    edicion->TipoEdit()->SetteNumEscala(caso.Escala);
    edicion->SetText(QString::fromUtf8(caso.Texto));
    edicion->SetSelStart(caso.SelStart);
    edicion->SetSelLength(caso.SelLength);
    pitidos = 0;
    QTest::keyClicks(edicion, QString::fromUtf8(caso.Tecla));
    EXPECT_EQ(pitidos, caso.Pitido ? 1 : 0);
    EXPECT_EQ(edicion->Text(), QString::fromUtf8(caso.Resultado));
  }
}

TEST_F(EdicionNumerica, EnterAndEscReachTheFormsButtonsFirstAndBeepWhenNoneTakesThem) {
  auto* dialogo = new TeclasDeDialogo(&forma);
  dialogo->SetParent(&forma);
  Entrar();
  edicion->SetText(QStringLiteral("12"));
  QTest::keyClick(edicion, Qt::Key_Return);
  EXPECT_EQ(dialogo->Oidas, std::vector<int>{VK_RETURN});
  EXPECT_EQ(pitidos, 0);

  // Esc, which no control takes, is refused by the filter like any other character.
  QTest::keyClick(edicion, Qt::Key_Escape);
  EXPECT_EQ(dialogo->Oidas, (std::vector<int>{VK_RETURN, VK_ESCAPE}));
  EXPECT_EQ(pitidos, 1);
  delete dialogo;
  QTest::keyClick(edicion, Qt::Key_Return);
  EXPECT_EQ(pitidos, 2);
  EXPECT_EQ(edicion->Text(), QStringLiteral("12"));
}

TEST_F(EdicionNumerica, APasteThatLeavesNoNumberIsUndone) {
  Entrar();
  edicion->SelectAll();
  QGuiApplication::clipboard()->setText(QStringLiteral("12a"));
  QTest::keyClick(edicion, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edicion->Text(), QStringLiteral("0"));
  EXPECT_EQ(pitidos, 0);
  EXPECT_FALSE(edicion->CanUndo());

  // A pasted negative stays in the text; leaving shows the magnitude that is stored.
  QGuiApplication::clipboard()->setText(QStringLiteral("-5"));
  edicion->SelectAll();
  QTest::keyClick(edicion, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edicion->Text(), QStringLiteral("-5"));
  Salir();
  EXPECT_EQ(edicion->Value(), 5);
  EXPECT_EQ(edicion->Text(), QStringLiteral("5.00"));

  // Read-only: paste, cut and undo change nothing.
  edicion->SetReadOnly(true);
  edicion->SelectAll();
  edicion->PasteFromClipboard();
  edicion->CutToClipboard();
  edicion->Undo();
  EXPECT_EQ(edicion->Text(), QStringLiteral("5.00"));
}

TEST_F(EdicionNumerica, AFreeTextEditCapitalisesAnAsciiFirstLetterOfANameOnly) {
  edicion->TipoEdit()->SetteTipo(teDefault);
  edicion->TipoEdit()->SetteNombre(true);
  Entrar();
  QTest::keyClicks(edicion, QStringLiteral("ana"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("Ana"));
  edicion->SetText(QString());
  // A key that types "á" (QTest types ASCII only).
  QKeyEvent acento(QEvent::KeyPress, Qt::Key_Aacute, Qt::NoModifier, QStringLiteral("á"));
  QCoreApplication::sendEvent(edicion, &acento);
  QTest::keyClicks(edicion, QStringLiteral("ngel"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("ángel"));
  EXPECT_EQ(pitidos, 0);
  // A number given to a free-text edit empties it.
  edicion->SetValue(5);
  EXPECT_EQ(edicion->Text(), QString());
}

TEST_F(EdicionNumerica, NotEditableLabelColoursAndAlignment) {
  auto* etiqueta = new TLabel(&forma);
  edicion->SetEtiqueta(etiqueta);
  edicion->SetNoEditable(true);
  EXPECT_TRUE(edicion->ReadOnly());
  EXPECT_FALSE(edicion->TabStop());
  EXPECT_EQ(edicion->Color(), clBtnFace);
  edicion->SetEnabled(false);
  EXPECT_EQ(edicion->Color(), clBtnFace);
  EXPECT_FALSE(etiqueta->Enabled());
  // The enabled state decides the colour alone.
  edicion->SetEnabled(true);
  EXPECT_EQ(edicion->Color(), clWindow);
  EXPECT_TRUE(etiqueta->Enabled());
  delete etiqueta;
  EXPECT_EQ(edicion->Etiqueta(), nullptr);
  edicion->SetEnabled(false);

  edicion->TipoEdit()->SetteAceptaNegativos(true);
  edicion->SetValue(-2.7L);
  EXPECT_EQ(edicion->ValueInt(), -2);
  edicion->TipoEdit()->SetteLeftAlignment(false);
  edicion->grab();
  EXPECT_TRUE(edicion->alignment() & Qt::AlignRight);
}

}  // namespace
