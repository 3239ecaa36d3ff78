#include <gtest/gtest.h>

#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

#include "controls/AplicacionControles.h"
#include "controls/grids/AjusteColumnasQov.h"
#include "controls/grids/CustomDBGridQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/data/MemTable.h"

namespace {

TEST(AjusteColumnas, SharesTheWidthOutAndTakesTheExcessFromTheDataColumns) {
  const struct {
    const char* caso;
    TMedidasRejillaQov medidas;
    QVector<int> declarados;
    QVector<int> anchos;
  } casos[] = {
      {"two columns, lines of 1", {600, 1, false, false}, {4, 50}, {43, 555}},
      {"the same with the indicator", {600, 1, false, true}, {4, 50}, {10, 38, 549}},
      {"an excess that divides evenly", {600, 1, false, false}, {1, 1, 1}, {199, 199, 199}},
      {"no excess without lines", {600, 0, false, false}, {1, 2}, {200, 400}},
      {"no border counts 4 less", {100, 0, true, false}, {1}, {100}},
      {"widths that sum to 0 share equally", {600, 0, false, false}, {0, 0}, {300, 300}},
      {"tiny columns under a large excess", {5, 1, false, true}, {1, 1, 1}, {10, 1, 1, 1}},
      {"halves go to even", {5, 0, false, false}, {1, 1}, {2, 2}},
      {"no data column", {600, 1, false, true}, {}, {10}},
  };
  for (const auto& c : casos) EXPECT_EQ(AjustarAnchosQov(c.medidas, c.declarados), c.anchos) << c.caso;
  EXPECT_EQ(AnchoUsadoQov({10, 38, 549}, {600, 1, false, true}), 600);
  EXPECT_EQ(AnchoUsadoQov({100}, {100, 0, true, false}), 96);
}

// A grid on a form over a table of six columns and three rows.
class RejillaQov : public PruebaDeControles {
 protected:
  void SetUp() override {
    for (int i = 0; i < 6; ++i) tabla.FieldDefs().push_back({QStringLiteral("C%1").arg(i), ftString, 10});
    tabla.Open();
    for (int r = 0; r < 3; ++r) {
      tabla.Append();
      tabla.Field(0).SetAsString(QString::number(r));
      tabla.Post();
    }
    fuente.SetDataSet(&tabla);
    forma->SetBounds(0, 0, 500, 300);
    grid = Rejilla(*forma, "grdDetalles");
  }

  TqovCustomDBGrid* Rejilla(TForm& AForma, const QString& ANombre) {
    auto* g = new TqovCustomDBGrid(&AForma);
    g->SetName(ANombre);
    g->SetParent(&AForma);
    g->SetBounds(8, 8, 400, 150);
    g->SetOptions(g->Options() & ~TDBGridOptions(dgColumnResize));
    g->SetDataSource(&fuente);
    g->SetSelected(columnas);
    return g;
  }

  int Usado() const {
    int usado = 0;
    for (int i = 0; i < grid->ColCount(); ++i) usado += grid->ColWidthsPixels(i) + grid->GridLineWidth();
    return usado;
  }

  void Mostrar() {
    forma->Show();
    ProcesarEventos();
  }

  const QStringList columnas{"C0\t4\tA\tF",  "C1\t50\tB\tF", "C2\t10\tC\tF",
                             "C3\t10\tD\tF", "C4\t10\tE\tF", "C5\t10\tF\tF"};
  TMemTable tabla;
  TDataSource fuente;
  std::unique_ptr<TForm> forma{NewForm<TForm>(nullptr)};
  TqovCustomDBGrid* grid = nullptr;
};

TEST_F(RejillaQov, ColumnsFillTheWidthOnceShownAndAfterEachResize) {
  EXPECT_EQ(grid->DisplayWidths(), (QVector<int>{4, 50, 10, 10, 10, 10}));
  Mostrar();
  EXPECT_EQ(Usado(), grid->AvailableWidth());
  EXPECT_TRUE(grid->ColumnasAjustadas());
  EXPECT_FALSE(grid->ShowHorzScrollBar());  // without column resizing there is nothing to scroll to
  EXPECT_EQ(grid->ColWidthsPixels(0), 10);  // the indicator
  EXPECT_GT(grid->ColWidthsPixels(2), 10 * grid->ColWidthsPixels(1));

  grid->SetWidth(300);
  ProcesarEventos();
  EXPECT_EQ(Usado(), grid->AvailableWidth());

  // Columns that already fill the width are left, and the fit test keeps running: here after a change
  // of the data set's state.
  tabla.Edit();
  tabla.Cancel();
  grid->update();
  ProcesarEventos();
  EXPECT_FALSE(grid->ColumnasAjustadas());
  EXPECT_EQ(Usado(), grid->AvailableWidth());
}

TEST_F(RejillaQov, WithFittingOffNothingIsFittedNorRefilled) {
  grid->SetAjustarColumnasEscalamientoQov(false);
  grid->SetSelected({"C0\t7\tA\tF"});
  EXPECT_EQ(grid->DisplayWidths(), (QVector<int>{4, 50, 10, 10, 10, 10}));
  Mostrar();
  EXPECT_NE(Usado(), grid->AvailableWidth());
}

TEST_F(RejillaQov, AWidthThatIsNotAnIntegerReachesTheCaller) {
  EXPECT_THROW(grid->SetSelected({"C0\tancho\tA\tF"}), EConvertError);
}

TEST_F(RejillaQov, TheScrollRepairBringsTheFirstColumnBackAndReturnsToTheActiveOneSilently) {
  Mostrar();
  grid->SetColumnReadOnly(0, true);
  grid->SetFixedCols(1);
  for (int c = 1; c <= 6; ++c) grid->SetColWidthsPixels(c, 150);  // wider than the grid, as before a rescale
  ProcesarEventos();
  grid->SetActiveField("C3");
  grid->ScrollColumns(2);
  ASSERT_GT(grid->LeftCol(), 0);
  int entradas = 0;
  grid->OnColEnter = [&](QObject*) { ++entradas; };

  grid->ScaleForPPI(96);
  EXPECT_TRUE(grid->TmrLanzarAjustarCliente().isActive());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !grid->TmrLanzarAjustarCliente().isActive(); }));
  EXPECT_EQ(grid->LeftCol(), 0);
  EXPECT_EQ(grid->ActiveCol(), 0);
  EXPECT_TRUE(grid->ColumnReadOnly(0));
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_TRUE(RegistroInfoGrid.isEmpty());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !grid->TmrAjustarCliente().isActive(); }));
  EXPECT_EQ(grid->ActiveField()->FieldName(), "C3");
  EXPECT_EQ(entradas, 0);
  grid->SetActiveField("C2");  // the handler is back
  EXPECT_EQ(entradas, 1);
}

TEST_F(RejillaQov, AGridThatIsNotScrolledStartsNoRepair) {
  Mostrar();
  grid->ScaleForPPI(96);
  EXPECT_FALSE(grid->TmrLanzarAjustarCliente().isActive());
}

TEST_F(RejillaQov, TheRegistryKeepsGridsOfOneNameOnTwoFormsApartAndForgetsADestroyedOne) {
  // A grid without a window stops its repair after storing its settings, which then stay registered.
  std::unique_ptr<TForm> otra(NewForm<TForm>(nullptr));
  TqovCustomDBGrid* oculta = Rejilla(*otra, "grdDetalles");
  oculta->SetActiveField("C1");
  oculta->TmrLanzarAjustarClienteTimer(nullptr);
  ASSERT_TRUE(RegistroInfoGrid.contains(oculta));
  EXPECT_EQ(RegistroInfoGrid.value(oculta).ActiveFieldName, "C1");

  Mostrar();
  grid->SetActiveField("C2");
  grid->TmrLanzarAjustarClienteTimer(nullptr);
  EXPECT_FALSE(RegistroInfoGrid.contains(grid));
  EXPECT_EQ(RegistroInfoGrid.value(oculta).ActiveFieldName, "C1");
  delete oculta;
  EXPECT_TRUE(RegistroInfoGrid.isEmpty());
}

TEST_F(RejillaQov, AGridDestroyedDuringARepairLeavesNothingBehind) {
  Mostrar();
  for (int c = 1; c <= 6; ++c) grid->SetColWidthsPixels(c, 150);
  ProcesarEventos();
  grid->ScrollColumns(2);
  grid->AjustarDesplazamientoColsQov();
  ASSERT_TRUE(grid->TmrLanzarAjustarCliente().isActive());
  QPointer<QTimer> primero = &grid->TmrLanzarAjustarCliente();
  delete grid;
  EXPECT_TRUE(primero.isNull());  // its step goes with it
  grid = Rejilla(*forma, "grdDetalles");
  grid->show();
  for (int c = 1; c <= 6; ++c) grid->SetColWidthsPixels(c, 150);
  ProcesarEventos();
  grid->ScrollColumns(2);
  grid->TmrLanzarAjustarClienteTimer(nullptr);
  ASSERT_TRUE(grid->TmrAjustarCliente().isActive());
  QPointer<QTimer> segundo = &grid->TmrAjustarCliente();
  delete grid;
  grid = nullptr;
  EXPECT_TRUE(segundo.isNull());
  EXPECT_TRUE(RegistroInfoGrid.isEmpty());
}

TEST_F(RejillaQov, DroppedFilesReachTheHandlerOnlyWhenAllowed) {
  QList<QStringList> caidas;
  grid->OnFilesDropped = [&](QObject* Sender, const QStringList& AArchivos) {
    EXPECT_EQ(Sender, grid);
    caidas << AArchivos;
  };
  Mostrar();
  const auto soltar = [&] {
    QMimeData datos;
    datos.setUrls({QUrl::fromLocalFile("/datos/uno.txt"), QUrl::fromLocalFile("/datos/dos.txt"),
                   QUrl::fromLocalFile("/datos/tres y cuatro.txt")});
    QDragEnterEvent entrada(QPoint(20, 20), Qt::CopyAction, &datos, Qt::LeftButton, {});
    QCoreApplication::sendEvent(grid->viewport(), &entrada);
    QDropEvent caida(QPointF(20, 20), Qt::CopyAction, &datos, Qt::LeftButton, {});
    QCoreApplication::sendEvent(grid->viewport(), &caida);
  };
  soltar();
  EXPECT_TRUE(caidas.isEmpty());
  grid->SetAllowFileDrop(true);
  soltar();
  ASSERT_EQ(caidas.size(), 1);
  EXPECT_EQ(caidas[0], (QStringList{"/datos/uno.txt", "/datos/dos.txt", "/datos/tres y cuatro.txt"}));
  grid->OnFilesDropped = [](QObject*, const QStringList&) { throw Exception("falla"); };
  soltar();  // swallowed
}

TEST_F(RejillaQov, NoEditableAndTheCaptionLabelFollowTheLibrarysConventions) {
  auto* etiqueta = new TLabel(forma.get());
  grid->SetEtiqueta(etiqueta);
  grid->SetNoEditable(true);
  EXPECT_FALSE(grid->TabStop());
  EXPECT_TRUE(grid->ReadOnly());
  EXPECT_EQ(grid->Color(), clBtnFace);
  grid->SetEnabled(false);
  EXPECT_FALSE(etiqueta->Enabled());
  grid->SetEnabled(true);
  EXPECT_EQ(grid->Color(), clWindow);
  EXPECT_TRUE(etiqueta->Enabled());
  delete etiqueta;
  EXPECT_EQ(grid->Etiqueta(), nullptr);
}

}  // namespace
