#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>

#include "controls/AplicacionControles.h"
#include "controls/edits/DBEditQov.h"
#include "controls/edits/FormaDeEdicion.h"
#include "controls/menus/PopupMenusQov.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/ImprimirQt.h"
#include "platform/fbdac/FbCommand.h"
#include "platform/fbdac/FbConnection.h"
#include "platform/fbdac/FbQuery.h"
#include "platform/fbdac/FbTransaction.h"
#include "platform/forms/Beep.h"
#include "platform/forms/Form.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// The form with a data-aware edit bound to one record of a table in memory.
class EdicionDeDatos : public FormaDeEdicion<TqovDBEdit> {
 protected:
  EdicionDeDatos() {
    tabla.FieldDefs() = {{"ENTERO", ftInteger, 0},
                         {"GRANDE", ftLargeint, 0},
                         {"REAL", ftFloat, 0},
                         {"MONEDA", ftCurrency, 0},
                         {"TEXTO", ftString, 20}};
    tabla.Open();
    tabla.Append();
    tabla.Post();
    fuente.SetDataSet(&tabla);
    edicion->SetDataSource(&fuente);
    Mostrar();
  }

  // Binds the edit to the field holding the value, then gives it the focus.
  void Preparar(const char* ACampo, const char* AValor) {
    // The last case's text is dropped before the edit is left: it may be no value of its field.
    if (tabla.State() != dsBrowse) tabla.Cancel();
    otra->setFocus();
    tabla.Edit();
    tabla.FieldByName(ACampo).SetAsString(QString::fromUtf8(AValor));
    tabla.Post();
    edicion->SetDataField(QString::fromLatin1(ACampo));
    edicion->setFocus();
    ASSERT_TRUE(edicion->hasFocus());
  }

  void Teclear(const QString& ATexto) {
    for (const QChar c : ATexto) {
      QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QCoreApplication::sendEvent(edicion, &tecla);
    }
  }

  TDataSet tabla;
  TDataSource fuente;
};

struct CasoTecla {
  const char* Nombre;
  const char* Campo;
  const char* Valor;
  int SelStart, SelLength;
  const char* Tecla;
  bool Negativos;
  bool Pitido;
  const char* Resultado;
};

TEST_F(EdicionDeDatos, TheKeyFilterFollowsTheFieldsTypeAndTheSelection) {
  const CasoTecla casos[] = {
      {"a minus after the number", "ENTERO", "12", 2, 0, "-", true, true, "12"},
      {"a minus over the whole text", "ENTERO", "12", 0, 2, "-", true, false, "-"},
      {"a minus at the start", "ENTERO", "12", 0, 0, "-", true, false, "-12"},
      {"a second minus", "ENTERO", "-12", 0, 0, "-", true, true, "-12"},
      {"a minus without negatives", "ENTERO", "12", 0, 2, "-", false, true, "12"},
      {"a digit", "GRANDE", "12", 2, 0, "3", true, false, "123"},
      {"a letter in a number", "ENTERO", "12", 2, 0, "x", true, true, "12"},
      {"a separator in an integer", "ENTERO", "12", 2, 0, ".", true, true, "12"},
      {"a second separator", "REAL", "1.5", 3, 0, ".", true, true, "1.5"},
      {"a separator over the whole text", "REAL", "1.5", 0, 3, ".", true, false, "."},
      {"another locale's separator", "REAL", "1.5", 3, 0, ",", true, true, "1.5"},
      {"a plus", "REAL", "1.5", 0, 0, "+", true, true, "1.5"},
      {"an exponent", "REAL", "1.5", 3, 0, "e", true, true, "1.5"},
      {"a currency is not filtered", "MONEDA", "12", 2, 0, "-", false, false, "12-"},
      {"text takes anything", "TEXTO", "ab", 2, 0, "-+e", true, false, "ab-+e"},
  };
  for (const CasoTecla& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    Preparar(caso.Campo, caso.Valor);
    edicion->SetAceptaNegativos(caso.Negativos);
    edicion->SetSelStart(caso.SelStart);
    edicion->SetSelLength(caso.SelLength);
    pitidos = 0;
    Teclear(QString::fromUtf8(caso.Tecla));
    EXPECT_EQ(pitidos, caso.Pitido ? 1 : 0);
    EXPECT_EQ(edicion->Text(), QString::fromUtf8(caso.Resultado));
  }
}

TEST_F(EdicionDeDatos, NamesStartInUpperCaseAndAReadOnlyEditBeeps) {
  edicion->SetTipoNombre(true);
  Preparar("TEXTO", "");
  Teclear(QStringLiteral("juan"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("Juan"));
  Preparar("TEXTO", "");
  Teclear(QStringLiteral("ángel"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("ángel"));
  EXPECT_EQ(pitidos, 0);

  Preparar("TEXTO", "abc");
  edicion->SetReadOnly(true);
  edicion->SetSelStart(3);
  Teclear(QStringLiteral("d\b"));
  EXPECT_EQ(pitidos, 2);
  EXPECT_EQ(edicion->Text(), QStringLiteral("abc"));
  EXPECT_EQ(tabla.State(), dsBrowse);
}

struct CasoPegado {
  const char* Campo;
  const char* Pegado;
  bool Negativos;
  bool Aceptado;
};

TEST_F(EdicionDeDatos, APasteThatLeavesNoNumberOfTheFieldsKindIsUndone) {
  const CasoPegado casos[] = {
      {"ENTERO", "12", true, true},
      {"ENTERO", "12a", true, false},
      {"ENTERO", "0x1F", true, false},
      {"ENTERO", "-5", true, true},
      {"ENTERO", "-5", false, false},
      {"ENTERO", "9223372036854775807", true, false},
      {"GRANDE", "9223372036854775807", true, true},
      {"REAL", "2.5", true, true},
      {"REAL", "1,5", true, false},
      {"REAL", "-2.5", false, false},
      {"MONEDA", "abc", true, true},
      {"TEXTO", "abc", true, true},
  };
  for (const CasoPegado& caso : casos) {
    SCOPED_TRACE(testing::Message() << caso.Campo << " " << caso.Pegado << " " << caso.Negativos);
    Preparar(caso.Campo, "7");
    edicion->SetAceptaNegativos(caso.Negativos);
    edicion->SelectAll();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(caso.Pegado));
    QTest::keyClick(edicion, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edicion->Text(), caso.Aceptado ? QString::fromUtf8(caso.Pegado) : QStringLiteral("7"));
    EXPECT_EQ(edicion->CanUndo(), caso.Aceptado);
    EXPECT_EQ(tabla.State(), dsEdit);
  }
}

TEST_F(EdicionDeDatos, ANotEditableOrReadOnlyEditRefusesTheClipboard) {
  for (const bool noEditable : {true, false}) {
    SCOPED_TRACE(noEditable);
    Preparar("TEXTO", "abc");
    if (noEditable)
      edicion->SetNoEditable(true);
    else
      edicion->SetReadOnly(true);
    edicion->SelectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
    edicion->PasteFromClipboard();
    edicion->CutToClipboard();
    edicion->Undo();
    EXPECT_EQ(edicion->Text(), QStringLiteral("abc"));
    EXPECT_EQ(tabla.State(), dsBrowse);
    edicion->SetNoEditable(false);
  }
}

TEST_F(EdicionDeDatos, TypedTextReachesTheFieldWhenLeftAndIsPosted) {
  Preparar("TEXTO", "viejo");
  edicion->SelectAll();
  Teclear(QStringLiteral("nuevo"));
  EXPECT_EQ(tabla.State(), dsEdit);
  EXPECT_EQ(tabla.FieldByName("TEXTO").AsString(), QStringLiteral("viejo"));
  otra->setFocus();
  EXPECT_EQ(tabla.FieldByName("TEXTO").AsString(), QStringLiteral("nuevo"));
  tabla.Post();
  EXPECT_EQ(tabla.RowValue(0, 4).toString(), QStringLiteral("nuevo"));

  // A change typed but not yet left is written by the post itself.
  edicion->setFocus();
  edicion->SelectAll();
  Teclear(QStringLiteral("otro"));
  tabla.Post();
  EXPECT_EQ(tabla.RowValue(0, 4).toString(), QStringLiteral("otro"));

  // The edit follows the record: a value written by code shows at once.
  tabla.Edit();
  tabla.FieldByName("TEXTO").SetAsString(QStringLiteral("por código"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("por código"));
  tabla.Cancel();
  EXPECT_EQ(edicion->Text(), QStringLiteral("otro"));
}

TEST_F(EdicionDeDatos, WhileTheRecordIsNotEditedTheEditShowsItsField) {
  fuente.SetAutoEdit(false);
  Preparar("TEXTO", "fijo");
  edicion->SetSelStart(4);
  Teclear(QStringLiteral("x"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("fijo"));
  edicion->SetText(QStringLiteral("otro"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("fijo"));
  EXPECT_EQ(edicion->SelStart(), 0);
  QGuiApplication::clipboard()->setText(QStringLiteral("pegado"));
  edicion->PasteFromClipboard();
  EXPECT_EQ(edicion->Text(), QStringLiteral("fijo"));
  EXPECT_EQ(tabla.State(), dsBrowse);
}

TEST_F(EdicionDeDatos, UnboundItIsAPlainEditWithTheLibrarysRules) {
  edicion->SetDataSource(nullptr);
  edicion->SetTipoNombre(true);
  edicion->setFocus();
  Teclear(QStringLiteral("servidor-1.5e"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("Servidor-1.5e"));
  QGuiApplication::clipboard()->setText(QStringLiteral("12a"));
  edicion->SelectAll();
  edicion->PasteFromClipboard();
  EXPECT_EQ(edicion->Text(), QStringLiteral("12a"));
  EXPECT_EQ(pitidos, 0);
  edicion->SetPasswordChar(QLatin1Char('*'));
  edicion->SetReadOnly(true);
  Teclear(QStringLiteral("x"));
  EXPECT_EQ(pitidos, 1);
  EXPECT_EQ(edicion->Text(), QStringLiteral("12a"));
}

TEST_F(EdicionDeDatos, TheLibrarysConventionsAndMenus) {
  EXPECT_TRUE(edicion->PopupMenuStd());
  EXPECT_FALSE(edicion->PopupMenuCtx());
  EXPECT_TRUE(edicion->AceptaNegativos());
  EXPECT_FALSE(edicion->TipoNombre());
  AsignarPopupMenus(forma);
  EXPECT_EQ(edicion->PopupMenu(), BuscarEditPopupMenu(forma));

  auto* etiqueta = new TLabel(&forma);
  edicion->SetEtiqueta(etiqueta);
  edicion->SetNoEditable(true);
  EXPECT_TRUE(edicion->ReadOnly());
  EXPECT_FALSE(edicion->TabStop());
  EXPECT_EQ(edicion->Color(), clBtnFace);
  edicion->SetEnabled(false);
  EXPECT_FALSE(etiqueta->Enabled());
  edicion->SetEnabled(true);
  EXPECT_TRUE(etiqueta->Enabled());
  EXPECT_EQ(edicion->Color(), clWindow);
  edicion->SetNoEditable(false);
  EXPECT_FALSE(edicion->ReadOnly());
  EXPECT_TRUE(edicion->TabStop());
}

}  // namespace

// The edit over a query of a real database (embedded engine).
TEST_F(EdicionDeDatos, OverAFirebirdQueryItEditsPostsAndRefreshesARow) {
  CarpetaTrabajo carpeta;
  const QString ruta = carpeta.Datos() + "E.fdb";
  CrearBaseDatos(ruta);
  TFbConnection bd;
  TFbTransaction t;
  AbrirBaseDatos(bd, t, ruta);
  TFbQuery q;
  q.SetConnection(&bd);
  q.SQL().SetText("SELECT ID, NOMBRE, SALDO FROM CLIENTES WHERE ID = 1");
  q.SQLUpdate.SetText("UPDATE CLIENTES SET NOMBRE = :NOMBRE, SALDO = :SALDO WHERE ID = :OLD_ID");
  q.SQLRefresh.SetText("SELECT ID, NOMBRE, SALDO FROM CLIENTES WHERE ID = :ID");
  q.Open();
  fuente.SetDataSet(&q);
  edicion->SetDataField(QStringLiteral("NOMBRE"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("Compañía del Año"));

  edicion->setFocus();
  edicion->SelectAll();
  Teclear(QStringLiteral("Señor Núñez"));
  EXPECT_EQ(q.State(), dsEdit);
  q.Post();
  // Read back in a transaction of its own: the post was committed.
  TFbTransaction otraTransaccion;
  otraTransaccion.SetDefaultConnection(&bd);
  TFbQuery lectura;
  lectura.SetConnection(&bd);
  lectura.SetTransaction(&otraTransaccion);
  lectura.SQL().SetText("SELECT NOMBRE FROM CLIENTES WHERE ID = 1");
  lectura.Open();
  EXPECT_EQ(lectura.Field(0).AsString(), QStringLiteral("Señor Núñez"));

  // A change made by another statement shows once the row is read again.
  TFbCommand cambio;
  cambio.SetConnection(&bd);
  cambio.SQL.SetText("UPDATE CLIENTES SET NOMBRE = 'Otra Compañía' WHERE ID = 1");
  cambio.Execute();
  t.CommitRetaining();
  q.RefreshRecord();
  EXPECT_EQ(edicion->Text(), QStringLiteral("Otra Compañía"));
  otra->setFocus();
  EXPECT_EQ(q.State(), dsBrowse);
}
