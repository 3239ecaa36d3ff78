#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/ImprimirQt.h"
#include "platform/data/MemTable.h"
#include "platform/fbdac/FbConnection.h"
#include "platform/fbdac/FbQuery.h"
#include "platform/fbdac/FbTransaction.h"
#include "platform/forms/ImageCollection.h"
#include "platform/forms/VirtualImageList.h"
#include "platform/grids/DBGrid.h"

namespace {

// A click sent straight to the widget, so that two clicks in a row are never taken for a double click.
void ClicDirecto(QWidget* AWidget, QPoint APunto) {
  for (const QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent evento(tipo, APunto, AWidget->mapToGlobal(APunto), Qt::LeftButton,
                       tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
    QApplication::sendEvent(AWidget, &evento);
  }
}

// A grid on a form, shown, over a data source.
class Rejilla : public PruebaDeVentanas {
 protected:
  Rejilla() {
    forma->SetBounds(0, 0, 500, 300);
    grid->SetParent(forma.get());
    grid->SetName("grd");
    grid->SetBounds(8, 8, 480, 200);
    grid->SetDataSource(&fuente);
  }

  void Mostrar() {
    forma->Show();
    ProcesarEventos();
  }

  QModelIndex Celda(int AFila, int AColumna) const { return grid->model()->index(AFila, AColumna); }
  QString Texto(int AFila, int AColumna) const { return Celda(AFila, AColumna).data().toString(); }

  std::unique_ptr<TForm> forma{NewForm<TForm>(nullptr)};
  TDBGrid* grid = new TDBGrid(forma.get());
  TDataSource fuente;
};

// A real query over a table of 60 clients, with its statements of change.
class RejillaFirebird : public Rejilla {
 protected:
  void SetUp() override {
    CrearBaseDatos(ruta,
                   "DELETE FROM CLIENTES;\n"
                   "SET TERM ^ ;\n"
                   "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN WHILE (I <= 60) DO BEGIN "
                   "INSERT INTO CLIENTES (ID, NOMBRE, SALDO) VALUES (:I * 10, 'Cliente ' || :I, :I); I = I + 1; "
                   "END END^\n"
                   "SET TERM ; ^\nCOMMIT;\n");
    AbrirBaseDatos(bd, t, ruta);
    q.SetConnection(&bd);
    q.SQL().SetText("SELECT ID, NOMBRE, SALDO FROM CLIENTES ORDER BY ID");
    q.SQLInsert.SetText("INSERT INTO CLIENTES (ID, NOMBRE, SALDO) VALUES (:ID, :NOMBRE, :SALDO)");
    q.SQLUpdate.SetText("UPDATE CLIENTES SET NOMBRE = :NOMBRE, SALDO = :SALDO WHERE ID = :OLD_ID");
    q.SQLDelete.SetText("DELETE FROM CLIENTES WHERE ID = :OLD_ID");
    fuente.SetDataSet(&q);
    q.Open();
    grid->SetSelected({"ID\t6\tClave\tF", "NOMBRE\t30\tNombre\tF", "SALDO\t10\tSaldo\tF"});
  }

  CarpetaTrabajo carpeta;
  const QString ruta = carpeta.Datos() + "G.fdb";
  TFbConnection bd;
  TFbTransaction t;
  TFbQuery q;
};

TEST_F(RejillaFirebird, TheModelPassesQtsTesterThroughPostInsertAndDelete) {
  QAbstractItemModelTester probador(grid->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  QSignalSpy reinicios(grid->model(), &QAbstractItemModel::modelAboutToBeReset);
  EXPECT_EQ(grid->model()->rowCount(), 60);
  EXPECT_EQ(Texto(0, 1), "Cliente 1");
  EXPECT_EQ(Texto(59, 0), "600");
  EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Nombre");

  q.SetRecNo(5);
  q.Edit();
  q.FieldByName("NOMBRE").SetAsString("Cambiado");
  EXPECT_EQ(Texto(4, 1), "Cambiado");  // the record being edited shows its edited values
  q.Post();
  q.Insert();
  EXPECT_EQ(grid->model()->rowCount(), 61);  // the unsaved record shows where it goes
  EXPECT_EQ(Texto(4, 1), "");
  EXPECT_EQ(Texto(5, 1), "Cambiado");
  q.FieldByName("ID").SetAsInteger(45);
  q.FieldByName("NOMBRE").SetAsString("Nuevo");
  q.Post();
  EXPECT_EQ(grid->model()->rowCount(), 61);
  EXPECT_EQ(Texto(4, 1), "Nuevo");
  q.Append();
  // At Eof, not counted by the data set, yet shown at the end and current.
  EXPECT_TRUE(q.Eof());
  EXPECT_EQ(q.RecordCount(), 61);
  EXPECT_EQ(grid->model()->rowCount(), 62);
  EXPECT_EQ(grid->Model().CurrentRow(), 61);
  q.Cancel();
  EXPECT_EQ(grid->model()->rowCount(), 61);
  q.SetRecNo(1);
  q.Delete();
  EXPECT_EQ(grid->model()->rowCount(), 60);
  EXPECT_EQ(Texto(0, 1), "Cliente 2");
  EXPECT_EQ(reinicios.count(), 0);

  q.Close();
  EXPECT_EQ(grid->model()->rowCount(), 0);
  q.Open();
  EXPECT_EQ(grid->model()->rowCount(), 60);
  EXPECT_EQ(Texto(3, 1), "Nuevo");  // it reached the database
}

TEST_F(RejillaFirebird, PostInsertAndDeleteKeepTheCurrentCellAndTheScrollPosition) {
  Mostrar();
  grid->SetActiveField("NOMBRE");
  q.SetRecNo(40);
  ProcesarEventos();
  const int desplazamiento = grid->verticalScrollBar()->value();
  ASSERT_GT(desplazamiento, 0);
  const auto enSuLugar = [&](int AFila, const char* APaso) {
    EXPECT_EQ(grid->currentIndex().row(), AFila) << APaso;
    EXPECT_EQ(grid->currentIndex().column(), 1) << APaso;
    EXPECT_EQ(grid->verticalScrollBar()->value(), desplazamiento) << APaso;
  };

  q.Edit();
  q.FieldByName("SALDO").SetAsFloat(1.5);
  q.Post();
  enSuLugar(39, "post");
  q.Insert();
  enSuLugar(39, "insert");
  q.FieldByName("ID").SetAsInteger(395);
  q.Post();
  enSuLugar(39, "post of the new record");
  EXPECT_EQ(Texto(40, 0), "400");
  q.Delete();
  enSuLugar(39, "delete");
  EXPECT_EQ(Texto(39, 0), "400");
}

TEST_F(RejillaFirebird, MovingTheCurrentCellMovesTheRecordAndPostsTheEditedOne) {
  Mostrar();
  grid->setCurrentIndex(Celda(2, 1));
  EXPECT_EQ(q.RecNo(), 3);
  q.Edit();
  q.FieldByName("NOMBRE").SetAsString("Tres");
  grid->setCurrentIndex(Celda(7, 1));
  EXPECT_EQ(q.State(), dsBrowse);
  EXPECT_EQ(q.RecNo(), 8);
  EXPECT_EQ(Texto(2, 1), "Tres");

  // A new record left untouched is dropped, and the row below it is the one reached.
  q.Insert();
  grid->setCurrentIndex(Celda(8, 1));
  EXPECT_EQ(q.State(), dsBrowse);
  EXPECT_EQ(q.RecordCount(), 60);
  EXPECT_EQ(q.FieldByName("ID").AsInteger(), 80);
}

// A selection table kept in memory: a check-box column "S"/"N" and a read-only name column.
class RejillaSeleccion : public Rejilla {
 protected:
  void SetUp() override {
    tabla.FieldDefs() = {{"SELECCIONADO", ftString, 1}, {"NOMBRE_CORTO", ftString, 50}};
    tabla.Open();
    for (const char* nombre : {"ALFA", "BETA", "GAMA"}) {
      tabla.Append();
      tabla.FieldByName("SELECCIONADO").SetAsString("S");
      tabla.FieldByName("NOMBRE_CORTO").SetAsString(nombre);
      tabla.Post();
    }
    fuente.SetDataSet(&tabla);
    grid->SetControlType({"SELECCIONADO;CheckBox;S;N"});
    grid->SetSelected({"SELECCIONADO\t4\t\tF", "NOMBRE_CORTO\t50\tEmpresa\tT"});
    grid->SetEditControlOptions(ecoCheckboxSingleClick);
    tabla.First();
  }

  void Clic(int AFila, int AColumna) {
    ClicDirecto(grid->viewport(), grid->visualRect(Celda(AFila, AColumna)).center());
  }

  Qt::CheckState Casilla(int AFila) const { return Celda(AFila, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(); }

  TMemTable tabla;
};

TEST_F(RejillaSeleccion, ASingleClickTogglesTheCheckBoxOfItsRow) {
  Mostrar();
  Clic(1, 0);
  EXPECT_EQ(tabla.RecNo(), 2);
  EXPECT_EQ(tabla.FieldByName("SELECCIONADO").AsString(), "N");
  EXPECT_EQ(Casilla(1), Qt::Unchecked);
  Clic(2, 0);  // moving on posts the change
  EXPECT_EQ(tabla.RowValue(1, 0).toString(), "N");
  EXPECT_EQ(tabla.State(), dsEdit);
  EXPECT_EQ(Casilla(2), Qt::Unchecked);
  QTest::keyClick(grid, Qt::Key_Space);
  EXPECT_EQ(Casilla(2), Qt::Checked);
  EXPECT_TRUE(Texto(0, 0).isEmpty());  // the box alone, no text

  // The read-only name column opens no editor; a read-only grid toggles nothing.
  grid->setCurrentIndex(Celda(0, 1));
  QTest::keyClick(grid, Qt::Key_X);
  EXPECT_FALSE(grid->Editing());
  grid->SetReadOnly(true);
  Clic(0, 0);
  EXPECT_EQ(Casilla(0), Qt::Checked);
}

TEST_F(RejillaSeleccion, TitleClicksAndTitleImages) {
  QStringList clics;
  grid->SetTitleButtons(true);
  grid->OnTitleButtonClick = [&](QObject* Sender, const QString& ACampo) {
    EXPECT_EQ(Sender, grid);
    clics << ACampo;
  };
  bool todos = true;
  grid->OnCalcTitleImage = [&](QObject*, TField* ACampo, int& AIndice) {
    if (ACampo && ACampo->Index() == 0) AIndice = todos ? 1 : 0;
  };
  TVirtualImageList imagenes(nullptr);
  TImageCollection coleccion;
  for (const QColor color : {QColor(Qt::red), QColor(Qt::green)}) {
    QImage imagen(16, 16, QImage::Format_ARGB32);
    imagen.fill(color);
    QByteArray png;
    QBuffer escritura(&png);
    escritura.open(QIODevice::WriteOnly);
    imagen.save(&escritura, "PNG");
    QBuffer lectura(&png);
    lectura.open(QIODevice::ReadOnly);
    coleccion.Add(color.name(), lectura);
  }
  imagenes.SetImageCollection(&coleccion);
  imagenes.SetAutoFill(true);
  grid->SetTitleImageList(&imagenes);
  Mostrar();

  const QHeaderView* titulos = grid->horizontalHeader();
  for (const int columna : {0, 1})
    ClicDirecto(
        titulos->viewport(),
        QPoint(titulos->sectionViewportPosition(columna) + titulos->sectionSize(columna) / 2, titulos->height() / 2));
  EXPECT_EQ(clics, (QStringList{"SELECCIONADO", "NOMBRE_CORTO"}));

  const auto color = [&] {
    return grid->model()
        ->headerData(0, Qt::Horizontal, Qt::DecorationRole)
        .value<QIcon>()
        .pixmap(16)
        .toImage()
        .pixelColor(8, 8);
  };
  EXPECT_EQ(color(), QColor(Qt::green));
  todos = false;
  grid->RefreshDisplay();
  EXPECT_EQ(color(), QColor(Qt::red));
  EXPECT_FALSE(grid->model()->headerData(1, Qt::Horizontal, Qt::DecorationRole).isValid());
}

// A grid that writes down the keys its KeyDown and KeyPress see, and swallows F6.
class RejillaOyente : public TDBGrid {
 public:
  using TDBGrid::TDBGrid;
  void KeyDown(int& AKey, TShiftState AShift) override {
    Oidas << QStringLiteral("down %1").arg(AKey);
    if (AKey == VK_F6) AKey = 0;
    TDBGrid::KeyDown(AKey, AShift);
  }
  void KeyPress(QChar& AKey) override { Oidas << QStringLiteral("press %1").arg(AKey); }
  QStringList Oidas;
};

TEST_F(RejillaSeleccion, KeysReachKeyDownBeforeTheViewAlsoFromAnOpenEditor) {
  auto* oyente = new RejillaOyente(forma.get());
  oyente->SetParent(forma.get());
  oyente->SetBounds(8, 8, 480, 200);
  oyente->SetDataSource(&fuente);
  oyente->SetSelected({"SELECCIONADO\t4\t\tF", "NOMBRE_CORTO\t50\tEmpresa\tF"});
  Mostrar();
  oyente->setFocus();
  oyente->setCurrentIndex(oyente->model()->index(0, 1));
  QTest::keyClick(oyente, Qt::Key_Down);
  EXPECT_EQ(tabla.RecNo(), 2);
  QTest::keyClick(oyente, Qt::Key_Z);  // opens the editor with the key
  ASSERT_TRUE(oyente->Editing());
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, oyente);
  QTest::keyClick(editor, Qt::Key_F6);
  QTest::keyClick(editor, Qt::Key_Y);
  QTest::keyClick(editor, Qt::Key_Down);
  EXPECT_EQ(oyente->Oidas, (QStringList{"down 40", "down 90", "press z", "down 117", "down 40"}));
  EXPECT_FALSE(oyente->Editing());
  EXPECT_EQ(tabla.RecNo(), 3);
  EXPECT_EQ(tabla.RowValue(1, 1).toString(), "zy");  // typed, then posted by the move
}

TEST_F(RejillaSeleccion, TheDownKeyOnTheLastRowAppendsOnlyWhereInsertingIsAllowed) {
  Mostrar();
  grid->setFocus();
  tabla.Last();
  grid->SetKeyOptions({});
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(tabla.State(), dsBrowse);
  grid->SetKeyOptions(dgAllowInsert);
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(tabla.State(), dsInsert);
  EXPECT_EQ(grid->model()->rowCount(), 4);
  EXPECT_EQ(grid->currentIndex().row(), 3);
  QTest::keyClick(grid, Qt::Key_Up);  // the untouched new row goes, the last record is current
  EXPECT_EQ(tabla.State(), dsBrowse);
  EXPECT_EQ(grid->model()->rowCount(), 3);
  EXPECT_EQ(tabla.FieldByName("NOMBRE_CORTO").AsString(), "GAMA");
}

// A grid that writes down the files dropped on it.
class RejillaArchivos : public TDBGrid {
 public:
  using TDBGrid::TDBGrid;
  QList<QStringList> Caidas;

 protected:
  void FilesDropped(const QStringList& AFiles) override { Caidas << AFiles; }
};

TEST_F(Rejilla, LocalFilesDroppedReachFilesDroppedInDropOrder) {
  auto* receptor = new RejillaArchivos(forma.get());
  receptor->SetParent(forma.get());
  receptor->DragAcceptFiles(true);
  Mostrar();
  const auto soltar = [&](const QList<QUrl>& AUrls) {
    QMimeData datos;
    datos.setUrls(AUrls);
    QDragEnterEvent entrada(QPoint(20, 20), Qt::CopyAction, &datos, Qt::LeftButton, {});
    QCoreApplication::sendEvent(receptor->viewport(), &entrada);
    QDropEvent caida(QPointF(20, 20), Qt::CopyAction, &datos, Qt::LeftButton, {});
    QCoreApplication::sendEvent(receptor->viewport(), &caida);
  };
  soltar({QUrl::fromLocalFile("/tmp/b.txt"), QUrl::fromLocalFile("/tmp/a b.txt"), QUrl::fromLocalFile("/c")});
  soltar({QUrl("http://example.invalid/x")});  // not a local file: no call
  ASSERT_EQ(receptor->Caidas.size(), 1);
  EXPECT_EQ(receptor->Caidas[0], (QStringList{"/tmp/b.txt", "/tmp/a b.txt", "/c"}));
}

}  // namespace
