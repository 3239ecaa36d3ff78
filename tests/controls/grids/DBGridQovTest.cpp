#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "controls/AplicacionControles.h"
#include "controls/grids/DBGridQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/data/MemTable.h"
#include "platform/forms/Clock.h"
#include "platform/forms/Screen.h"

namespace {

// A search grid over three records, its clock in the test's hands.
class RejillaBusqueda : public PruebaDeControles {
 protected:
  void SetUp() override {
    for (const char* campo : {"NOMBRE", "FOLIO", "NUMERO_POLIZA", "CUENTA_JT", "CUENTA_PT"})
      tabla.FieldDefs().push_back({campo, ftString, 40});
    tabla.FieldDefs().push_back({"NUMERO", ftInteger, 0});
    tabla.Open();
    const QVariantList filas[] = {
        {"Zeta", "B00000005", "000000001", "x", "1100", 5},
        {QString(40, 'a'), "A00000001", "000000002", "y", "2100", 1},
        {"Beta", "A00000002", "000000012", "z", "2200", 12},
    };
    for (const QVariantList& fila : filas) {
      tabla.Append();
      for (int i = 0; i < fila.size(); ++i) tabla.FieldByName(tabla.FieldDefs()[i].Name).SetValue(fila[i]);
      tabla.Post();
    }
    tabla.First();
    fuente.SetDataSet(&tabla);
    grid = Rejilla(*forma);
    OnTickCount = [this] { return ahora; };
  }

  TqovDBGrid* Rejilla(TForm& AForma) {
    auto* g = new TqovDBGrid(&AForma);
    g->SetParent(&AForma);
    g->SetBounds(8, 8, 400, 150);
    g->SetDataSource(&fuente);
    QStringList columnas;
    for (const TFieldDef& campo : tabla.FieldDefs()) columnas << campo.Name + "\t10\t" + campo.Name + "\tF";
    g->SetSelected(columnas);
    return g;
  }

  // Types the keys into a grid, APausa ms apart.
  void Teclear(TqovDBGrid& AGrid, const QString& ATeclas, int APausa = 10) {
    for (const QChar c : ATeclas) {
      ahora += APausa;
      QTest::keyClick(&AGrid, c.toLatin1());
    }
  }

  TMemTable tabla;
  TDataSource fuente;
  std::unique_ptr<TForm> forma{NewForm<TForm>(nullptr)};
  TqovDBGrid* grid = nullptr;
  quint32 ahora = 100000;
};

TEST_F(RejillaBusqueda, TypedKeysFindTheRecordByTheRuleOfTheColumnsName) {
  const struct {
    const char* columna;
    QString teclas;
    int pausa;  // before the last key
    int registro;
    QString busqueda;
  } casos[] = {
      {"NOMBRE", "B", 10, 3, "B"},                            // ignoring case, a prefix
      {"NOMBRE", "be", 10, 3, "be"},                          //
      {"NOMBRE", "bx", 10, 3, "b"},                           // a key that finds nothing is dropped
      {"NOMBRE", "q", 10, 1, ""},                             //
      {"NOMBRE", "zb", 2001, 3, "b"},                         // a longer pause starts again from the key
      {"NOMBRE", "ze", 2000, 1, "ze"},                        // 2000 ms is no pause
      {"NOMBRE", QString(34, 'a'), 10, 2, QString(32, 'a')},  // at most 32
      {"FOLIO", "A", 10, 2, "A"},                             // no folio: a prefix
      {"FOLIO", "A2", 10, 3, "A2"},                           // the folio A00000002
      {"FOLIO", "C", 10, 1, ""},                              //
      {"FOLIO", "C5", 10, 1, "5"},                            // C found nothing; 5 is the folio 000000005, not there
      {"NUMERO_POLIZA", "12", 10, 3, "12"},
      {"NUMERO", "1", 10, 2, "1"},       // exact
      {"NUMERO", "12", 10, 3, "12"},     //
      {"NUMERO", "9", 10, 1, "9"},       // the text grows whether or not found
      {"NUMERO", "x", 10, 1, ""},        // no number: the prefix search, which finds nothing
      {"CUENTA_JT", "22", 10, 3, "22"},  // searched in CUENTA_PT
  };
  for (const auto& c : casos) {
    tabla.First();
    grid->SetActiveField(c.columna);
    ahora += 5000;
    Teclear(*grid, c.teclas.chopped(1));
    Teclear(*grid, c.teclas.right(1), c.pausa);
    EXPECT_EQ(tabla.RecNo(), c.registro) << c.columna << " " << c.teclas.toStdString();
    EXPECT_EQ(grid->SearchText(), c.busqueda) << c.columna << " " << c.teclas.toStdString();
    EXPECT_EQ(Screen.Cursor(), crDefault);
  }
  // Backspace and Esc empty the search text.
  Teclear(*grid, "B");
  QTest::keyClick(grid, Qt::Key_Backspace);
  EXPECT_EQ(grid->SearchText(), "");
}

TEST_F(RejillaBusqueda, FixedFieldsThatAreMissingFallBackToThePrefixSearch) {
  TMemTable otra;
  for (const char* campo : {"CUENTA_JT", "NUMERO_DOC"}) otra.FieldDefs().push_back({campo, ftString, 10});
  otra.Open();
  for (const char* valor : {"10", "20"}) {
    otra.Append();
    otra.Field(0).SetAsString(valor);
    otra.Field(1).SetAsString(valor);
    otra.Post();
  }
  fuente.SetDataSet(&otra);
  grid->SetSelected({"CUENTA_JT\t10\tA\tF", "NUMERO_DOC\t10\tB\tF"});
  for (const char* columna : {"CUENTA_JT", "NUMERO_DOC"}) {
    otra.First();
    grid->SetActiveField(columna);
    ahora += 5000;
    Teclear(*grid, "2");
    EXPECT_EQ(otra.RecNo(), 2) << columna;
    EXPECT_EQ(grid->SearchText(), "2") << columna;
  }
}

TEST_F(RejillaBusqueda, ThePauseIsMeasuredPerGrid) {
  TqovDBGrid* otro = Rejilla(*forma);
  grid->SetActiveField("NOMBRE");
  otro->SetActiveField("NOMBRE");
  Teclear(*grid, "b");
  Teclear(*otro, "a", 1500);
  Teclear(*grid, "z", 1000);  // 2500 ms after this grid's own last key: a new search
  EXPECT_EQ(grid->SearchText(), "z");
  EXPECT_EQ(otro->SearchText(), "a");
  Teclear(*otro, "a", 400);  // 1400 ms after its own
  EXPECT_EQ(otro->SearchText(), "aa");
}

TEST_F(RejillaBusqueda, SpaceInAMultiSelectGridTogglesTheSelection) {
  grid->SetOptions(grid->Options() | dgMultiSelect);
  grid->SetActiveField("NOMBRE");
  tabla.SetRecNo(2);
  const quint32 antes = grid->UltimaTeclaBusqueda;
  Teclear(*grid, " ");
  EXPECT_TRUE(grid->IsSelected());
  EXPECT_EQ(grid->UltimaTeclaBusqueda, antes);
  Teclear(*grid, " ");
  EXPECT_FALSE(grid->IsSelected());
  EXPECT_EQ(grid->SearchText(), "");
}

TEST_F(RejillaBusqueda, EnterInBrowseStateFiresOnEnterKeyAndNothingElse) {
  int enters = 0;
  grid->OnEnterKey = [&](QObject* Sender) {
    EXPECT_EQ(Sender, grid);
    ++enters;
  };
  grid->SetKeyOptions(grid->KeyOptions() | dgEnterToTab);
  grid->SetAjustarColumnasEscalamientoQov(false);
  forma->Show();
  ProcesarEventos();
  grid->SetActiveField("NOMBRE");
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(grid->ActiveCol(), 0);
  EXPECT_FALSE(grid->Editing());

  // Left and Right scroll by a column and keep the active one; without UsarScrollHrz they move it.
  grid->SetWidth(150);
  ProcesarEventos();
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_EQ(grid->ActiveCol(), 0);
  grid->SetUsarScrollHrz(false);
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(grid->ActiveCol(), 1);

  // In edit state the keys are the grid's own.
  tabla.Edit();
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(enters, 1);
}

}  // namespace
