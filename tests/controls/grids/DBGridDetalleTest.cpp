#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/AplicacionControles.h"
#include "controls/edits/DBComboBoxQov.h"
#include "controls/grids/DBGridDetalleQov.h"
#include "fixtures/Captura.h"
#include "fixtures/ImprimirQt.h"
#include "platform/data/MemTable.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Menus.h"

namespace {

enum Montaje {
  Principal,    // the main window's selection grid: check box "S"/"N" and a read-only name, edit-only
  Insertable,   // insert and delete allowed, its first column edited through the form's edit edtClave
  Texto,        // insert and delete allowed, plain text columns
  Vacia,        // as Insertable, without records
  ConSalida,    // edit-only, exit field NOMBRE, last field IMPORTE
  SoloLectura,  // as Texto, read-only
};

// Edicion changes the record in code; Tecleado types into a cell, whose editor then takes the key.
enum Preparacion { Browse, Nuevo, Edicion, Tecleado };

// A form with an edit before the detail grid and one after it, over a table of three records (none for Vacia).
struct Escenario {
  explicit Escenario(Montaje AMontaje) {
    forma->SetBounds(0, 0, 520, 300);
    antes = Edit("edtAntes", 0);
    grid = new TqovDBGridDetalle(forma.get());
    grid->SetName("grdDetalle");
    grid->SetParent(forma.get());
    grid->SetBounds(8, 30, 480, 150);
    despues = Edit("edtDespues", 190);
    clave = Edit("edtClave", 220);
    clave->SetVisible(false);

    const bool principal = AMontaje == Principal;
    tabla.FieldDefs() =
        principal
            ? std::vector<TFieldDef>{{"SELECCIONADO", ftString, 1}, {"NOMBRE_CORTO", ftString, 50}}
            : std::vector<TFieldDef>{{"CLAVE", ftString, 10}, {"NOMBRE", ftString, 30}, {"IMPORTE", ftString, 10}};
    tabla.Open();
    for (int r = 0; r < (AMontaje == Vacia ? 0 : 3); ++r) {
      tabla.Append();
      tabla.Field(0).SetAsString(principal ? "S" : QString::number(r + 1));
      tabla.Field(1).SetAsString(QStringLiteral("Empresa %1").arg(r + 1));
      tabla.Post();
    }
    tabla.First();
    fuente.SetDataSet(&tabla);
    grid->SetDataSource(&fuente);
    if (principal) {
      grid->SetControlType({"SELECCIONADO;CheckBox;S;N"});
      grid->SetSelected({"SELECCIONADO\t4\t\tF", "NOMBRE_CORTO\t50\tEmpresa\tT"});
      grid->SetPopupMenuEsp(true);
    } else {
      grid->SetSelected({"CLAVE\t10\tClave\tF", "NOMBRE\t30\tNombre\tF", "IMPORTE\t10\tImporte\tF"});
    }
    if (AMontaje == Insertable || AMontaje == Vacia) grid->SetControlType({"CLAVE;CustomEdit;edtClave"});
    if (AMontaje == Principal || AMontaje == ConSalida)
      grid->SetKeyOptions(grid->KeyOptions() & ~TDBGridKeyOptions(dgAllowInsert | dgAllowDelete));
    if (AMontaje == ConSalida) {
      grid->SetCampoSalida("nombre");
      grid->SetUltimoCampo("IMPORTE");
    }
    grid->SetReadOnly(AMontaje == SoloLectura);
    forma->Show();
    forma->activateWindow();
    ProcesarEventos();
  }

  TEdit* Edit(const QString& ANombre, int ATop) {
    auto* e = new TEdit(forma.get());
    e->SetName(ANombre);
    e->SetParent(forma.get());
    e->SetBounds(8, ATop, 100, 21);
    return e;
  }

  QString Foco() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(nadie)"; }

  std::unique_ptr<TForm> forma{NewForm<TForm>(nullptr)};
  TMemTable tabla;
  TDataSource fuente;
  TEdit* antes;
  TqovDBGridDetalle* grid;
  TEdit* despues;
  TEdit* clave;
};

TEST_F(PruebaDeControles, DetailGridKeysLeaveTheGridAndDropBlankNewRows) {
  const struct {
    const char* caso;
    Montaje montaje;
    Preparacion preparacion;
    int registro;
    int columna;
    Qt::Key tecla;
    Qt::KeyboardModifiers cambio;
    const char* foco;
    TDataSetState estado;
    int registros;
  } casos[] = {
      {"main: Shift+Tab on the first cell", Principal, Browse, 1, 0, Qt::Key_Tab, Qt::ShiftModifier, "edtAntes",
       dsBrowse, 3},
      {"main: Tab moves to the name", Principal, Browse, 1, 0, Qt::Key_Tab, {}, "grdDetalle", dsBrowse, 3},
      {"main: Tab on the last cell leaves", Principal, Browse, 3, 1, Qt::Key_Tab, {}, "edtDespues", dsBrowse, 3},
      {"main: Enter moves like Tab", Principal, Browse, 2, 1, Qt::Key_Return, {}, "grdDetalle", dsBrowse, 3},
      {"main: Up on the first row", Principal, Browse, 1, 1, Qt::Key_Up, {}, "edtAntes", dsBrowse, 3},
      {"main: Down on the last row", Principal, Browse, 3, 0, Qt::Key_Down, {}, "edtDespues", dsBrowse, 3},
      {"main: Down in the middle", Principal, Browse, 2, 0, Qt::Key_Down, {}, "grdDetalle", dsBrowse, 3},
      {"main: F6", Principal, Browse, 2, 0, Qt::Key_F6, {}, "edtDespues", dsBrowse, 3},
      {"main: Shift+F6", Principal, Browse, 2, 0, Qt::Key_F6, Qt::ShiftModifier, "edtAntes", dsBrowse, 3},
      {"main: Ctrl+Insert inserts nothing", Principal, Browse, 2, 0, Qt::Key_Insert, Qt::ControlModifier, "grdDetalle",
       dsBrowse, 3},
      {"main: Esc cancels the edit", Principal, Edicion, 2, 0, Qt::Key_Escape, {}, "grdDetalle", dsBrowse, 3},
      {"blank new row: Down", Insertable, Nuevo, 3, 0, Qt::Key_Down, {}, "edtDespues", dsBrowse, 3},
      {"blank new row: Enter", Insertable, Nuevo, 3, 0, Qt::Key_Return, {}, "edtDespues", dsBrowse, 3},
      {"blank new row: F6", Insertable, Nuevo, 3, 0, Qt::Key_F6, {}, "edtDespues", dsBrowse, 3},
      {"blank new row: Tab", Insertable, Nuevo, 3, 0, Qt::Key_Tab, {}, "edtDespues", dsBrowse, 3},
      {"blank new row: Shift+Tab stays", Insertable, Nuevo, 3, 0, Qt::Key_Tab, Qt::ShiftModifier, "grdDetalle",
       dsBrowse, 3},
      {"Ctrl+Insert appends", Insertable, Browse, 2, 1, Qt::Key_Insert, Qt::ControlModifier, "grdDetalle", dsInsert, 3},
      {"Insert alone inserts nothing", Insertable, Browse, 2, 1, Qt::Key_Insert, {}, "grdDetalle", dsBrowse, 3},
      {"Ctrl+Delete deletes", Insertable, Browse, 2, 1, Qt::Key_Delete, Qt::ControlModifier, "grdDetalle", dsBrowse, 2},
      {"read-only: Ctrl+Delete deletes nothing", SoloLectura, Browse, 2, 1, Qt::Key_Delete, Qt::ControlModifier,
       "grdDetalle", dsBrowse, 3},
      {"F4 on a cell of another edit class does nothing",
       Insertable,
       Browse,
       2,
       0,
       Qt::Key_F4,
       {},
       "grdDetalle",
       dsBrowse,
       3},
      {"plain exit column: Down keeps the new row", Texto, Nuevo, 3, 0, Qt::Key_Down, {}, "grdDetalle", dsInsert, 3},
      {"empty: Tab", Vacia, Browse, 0, 0, Qt::Key_Tab, {}, "edtDespues", dsBrowse, 0},
      {"empty: Shift+Tab", Vacia, Browse, 0, 0, Qt::Key_Tab, Qt::ShiftModifier, "edtAntes", dsBrowse, 0},
      {"empty: Up on the new row", Vacia, Nuevo, 0, 1, Qt::Key_Up, {}, "edtAntes", dsBrowse, 0},
      {"exit field: Shift+Tab on the first record", ConSalida, Browse, 1, 1, Qt::Key_Tab, Qt::ShiftModifier, "edtAntes",
       dsBrowse, 3},
      {"exit field: Tab on the last field of the last record",
       ConSalida,
       Browse,
       3,
       2,
       Qt::Key_Tab,
       {},
       "edtDespues",
       dsBrowse,
       3},
      {"exit field: Enter there", ConSalida, Browse, 3, 2, Qt::Key_Return, {}, "edtDespues", dsBrowse, 3},
      {"a cell editor's Tab on the last cell posts and appends",
       Texto,
       Tecleado,
       3,
       2,
       Qt::Key_Tab,
       {},
       "grdDetalle",
       dsInsert,
       3},
      {"a cell editor's Enter on the last field leaves, the edit pending",
       ConSalida,
       Tecleado,
       3,
       2,
       Qt::Key_Return,
       {},
       "edtDespues",
       dsEdit,
       3},
      {"exit field: Tab on another record", ConSalida, Browse, 2, 2, Qt::Key_Tab, {}, "grdDetalle", dsBrowse, 3},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caso);
    Escenario e(c.montaje);
    if (c.registro > 0) e.tabla.SetRecNo(c.registro);
    if (c.preparacion == Nuevo) e.tabla.Append();
    if (c.preparacion == Edicion) {
      e.tabla.Edit();
      e.tabla.Field(0).SetAsString("N");
    }
    e.grid->SetActiveField(e.grid->ColumnFieldName(c.columna));
    e.grid->setFocus();
    ProcesarEventos();
    ASSERT_EQ(e.Foco(), "grdDetalle");
    if (c.preparacion == Tecleado) {
      QTest::keyClick(e.grid, Qt::Key_X);
      ASSERT_TRUE(e.grid->Editing());
    }
    QTest::keyClick(QApplication::focusWidget(), c.tecla, c.cambio);
    ProcesarEventos();
    EXPECT_EQ(e.Foco(), c.foco);
    EXPECT_EQ(e.tabla.State(), c.estado);
    EXPECT_EQ(e.tabla.RecordCount(), c.registros);
    EXPECT_EQ(e.grid->model()->rowCount(), c.registros + (c.estado == dsInsert ? 1 : 0));
  }
}

TEST_F(PruebaDeControles, TheDetailGridsOwnMenuInsertsDeletesAndFollowsTheGrid) {
  Escenario e(Texto);
  TPopupMenu& menu = e.grid->MenuPropio();
  ASSERT_EQ(menu.Count(), 4);
  EXPECT_EQ(menu.Items(0)->Caption(), "&Insertar renglón");
  EXPECT_EQ(menu.Items(1)->HelpContext(), 1054);
  EXPECT_EQ(menu.Items(2)->Caption(), "-");
  EXPECT_EQ(menu.Items(3)->Caption(), "¿&Qué es esto?");
  EXPECT_EQ(menu.Items(3)->ImageIndex(), 0);
  EXPECT_EQ(e.grid->PopupMenu(), nullptr);
  e.grid->Inicializa();
  EXPECT_EQ(e.grid->PopupMenu(), &menu);

  // Without the focus nothing is enabled; with it, insert and delete as the grid allows.
  e.antes->setFocus();
  e.grid->PopupMenuStdPopup(&menu);
  EXPECT_FALSE(e.grid->MenuItemInsertar().Enabled());
  EXPECT_FALSE(e.grid->MenuItemEliminar().Enabled());
  e.grid->setFocus();
  e.grid->PopupMenuStdPopup(&menu);
  EXPECT_TRUE(e.grid->MenuItemInsertar().Enabled());
  EXPECT_TRUE(e.grid->MenuItemEliminar().Enabled());
  e.grid->SetReadOnly(true);
  e.grid->PopupMenuStdPopup(&menu);
  EXPECT_FALSE(e.grid->MenuItemInsertar().Enabled());
  ProcesarEventos();  // the simulated Down key

  e.grid->MenuItemEliminar().Click();
  EXPECT_EQ(e.tabla.RecordCount(), 2);
  e.grid->MenuItemInsertar().Click();
  EXPECT_EQ(e.tabla.State(), dsInsert);
  EXPECT_TRUE(e.tabla.Eof());
  e.tabla.Cancel();
  e.tabla.Close();
  e.grid->MenuItemInsertar().Click();  // a closed data set: nothing
  e.grid->MenuItemEliminar().Click();

  // A form with a menu of its own keeps it.
  Escenario principal(Principal);
  principal.grid->Inicializa();
  EXPECT_EQ(principal.grid->PopupMenu(), nullptr);
}

TEST_F(PruebaDeControles, ARightClickInBrowseStateKeepsTheCurrentCell) {
  Escenario e(Principal);
  Capturar(*e.forma, "RejillaDetalle");
  const auto clic = [&](int AFila) {
    const QPoint punto = e.grid->visualRect(e.grid->model()->index(AFila, 1)).center();
    QTest::mouseClick(e.grid->viewport(), Qt::RightButton, {}, punto);
    ProcesarEventos();
  };
  clic(2);
  EXPECT_EQ(e.tabla.RecNo(), 1);
  e.tabla.Edit();
  clic(2);  // in another state the grid moves, posting the record
  EXPECT_EQ(e.tabla.RecNo(), 3);
}

TEST_F(PruebaDeControles, F4OnALibraryComboBoxInACellOpensItsList) {
  Escenario e(Texto);
  auto* lista = new TqovDBComboBox(e.forma.get());
  lista->SetName("cmbNombre");
  lista->SetParent(e.forma.get());
  lista->SetItems({"Empresa 1", "Empresa 2", "Otra"});
  lista->SetVisible(false);
  e.grid->SetControlType({"NOMBRE;CustomEdit;cmbNombre"});
  e.grid->SetActiveField("NOMBRE");
  e.grid->setFocus();
  QTest::keyClick(e.grid, Qt::Key_F4);  // the combo box is not shown in the cell yet: nothing opens
  EXPECT_FALSE(lista->DroppedDown());
  QTest::keyClick(e.grid, Qt::Key_F2);
  ASSERT_TRUE(lista->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
  EXPECT_TRUE(lista->DroppedDown());
}

}  // namespace
