#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "controls/AplicacionControles.h"
#include "controls/basic/ButtonQov.h"
#include "controls/menus/EditPopupMenuQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/data/DataSet.h"
#include "platform/forms/Edit.h"

namespace {

// An edit bound to a data source, as the library's data-aware edits publish it. A key that changes the
// text asks the data set to edit, which a read-only data set refuses.
class EdicionConDatos : public TEdit {
  Q_OBJECT
  Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)

 public:
  using TEdit::TEdit;
  TDataSource* DataSource() const { return FFuente; }
  void SetDataSource(TDataSource* AValue) { FFuente = AValue; }
  void KeyDown(int& AKey, TShiftState AShift) override {
    TEdit::KeyDown(AKey, AShift);
    if (AKey == VK_DELETE && EditaPermitido) FFuente->DataSet()->Edit();
  }
  bool EditaPermitido = true;

 private:
  TDataSource* FFuente = nullptr;
};

class MenuEdicion : public PruebaDeControles {
 protected:
  MenuEdicion() {
    for (TControl* c : {static_cast<TControl*>(edicion), static_cast<TControl*>(boton)}) {
      c->SetParent(&forma);
      c->SetPopupMenu(menu);
    }
    boton->SetTop(40);
  }

  // Opens the menu over the control, as a right click does, and gives the enabled state of its items.
  QString Habilitados(TControl* AControl) {
    menu->PopupFor(AControl, AControl->Widget()->mapToGlobal(QPoint(2, 2)));
    QString estado;
    for (int i = 0; i < menu->Count(); ++i)
      if (!menu->Items(i)->isSeparator()) estado += menu->Items(i)->Enabled() ? QLatin1Char('1') : QLatin1Char('0');
    menu->hide();
    return estado;
  }

  // The item with that caption.
  TMenuItem* Item(const QString& ACaption) {
    for (int i = 0; i < menu->Count(); ++i)
      if (menu->Items(i)->Caption() == ACaption) return menu->Items(i);
    return nullptr;
  }

  TForm forma{nullptr};
  TqovEditPopupMenu* menu = new TqovEditPopupMenu(&forma);
  TEdit* edicion = new TEdit(&forma);
  TqovButton* boton = new TqovButton(&forma);
};

TEST_F(MenuEdicion, ItemsComeInOrderWithTheirHelpAndImages) {
  QStringList items;
  for (int i = 0; i < menu->Count(); ++i)
    items << QStringLiteral("%1 %2 %3")
                 .arg(menu->Items(i)->Caption())
                 .arg(menu->Items(i)->ImageIndex())
                 .arg(menu->Items(i)->HelpContext());
  EXPECT_EQ(items, (QStringList{"&Deshacer 0 1107", "- -1 0", "Cor&tar 1 1108", "&Copiar 2 1109", "&Pegar 3 1110",
                                "- -1 0", "Borr&ar 4 1111", "&Seleccionar todo -1 1112", "- -1 0",
                                "Ca&lculadora 5 1380", "¿&Qué es esto? 6 1384"}));
  for (int i = 0; i < menu->Count(); ++i) EXPECT_TRUE(menu->Items(i)->ShortCut().isEmpty());
}

struct CasoHabilitado {
  const char* Nombre;
  std::function<void(TEdit&)> Preparar;
  bool EnElBoton;
  const char* Esperado;  // undo, cut, copy, paste, delete, select all, calculator, what-is-this
};

TEST_F(MenuEdicion, ItemsFollowTheControlItOpensOver) {
  const CasoHabilitado casos[] = {
      {"empty edit, empty clipboard", [](TEdit&) { QGuiApplication::clipboard()->clear(); }, false, "00001011"},
      {"text with a selection",
       [](TEdit& e) {
         e.SetText(QStringLiteral("abcdef"));
         e.SetSelStart(1);
         e.SetSelLength(3);
         QGuiApplication::clipboard()->setText(QStringLiteral("x"));
       },
       false, "01111111"},
      {"after a change: undo",
       [](TEdit& e) {
         e.SetText(QStringLiteral("abc"));
         e.SetSelStart(3);
         QTest::keyClick(&e, Qt::Key_D);
       },
       false, "10011111"},
      {"read-only with text and no selection",
       [](TEdit& e) {
         e.SetText(QStringLiteral("abc"));
         e.SetReadOnly(true);
         QGuiApplication::clipboard()->setText(QStringLiteral("x"));
       },
       false, "00011111"},
      {"a control that is no edit", [](TEdit&) { QGuiApplication::clipboard()->setText(QStringLiteral("x")); }, true,
       "00000011"},
  };
  for (const CasoHabilitado& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    edicion->SetReadOnly(false);
    edicion->SetText(QString());
    edicion->ClearUndo();
    caso.Preparar(*edicion);
    EXPECT_EQ(Habilitados(caso.EnElBoton ? static_cast<TControl*>(boton) : edicion), QLatin1String(caso.Esperado));
  }
}

TEST_F(MenuEdicion, DeleteRemovesTheSelectionOneKeyAtATime) {
  edicion->SetText(QStringLiteral("abcdefgh"));
  edicion->SetSelStart(1);
  edicion->SetSelLength(5);
  int teclas = 0;
  edicion->OnKeyDown = [&](QObject*, int& AKey, TShiftState) { teclas += AKey == VK_DELETE; };
  Habilitados(edicion);
  Item(QStringLiteral("Borr&ar"))->trigger();
  EXPECT_EQ(edicion->Text(), QStringLiteral("agh"));
  EXPECT_EQ(teclas, 5);
  EXPECT_EQ(edicion->SelStart(), 1);

  // Without a selection, one key deletes the character after the caret.
  Item(QStringLiteral("Borr&ar"))->trigger();
  EXPECT_EQ(edicion->Text(), QStringLiteral("ah"));

  // A read-only edit keeps its text.
  edicion->SetReadOnly(true);
  edicion->SelectAll();
  Item(QStringLiteral("Borr&ar"))->trigger();
  EXPECT_EQ(edicion->Text(), QStringLiteral("ah"));
}

TEST_F(MenuEdicion, DeleteStopsWhenTheDataSetCannotLeaveBrowseState) {
  TDataSet datos;
  datos.FieldDefs() = {{"NOMBRE", ftString, 20}};
  datos.Open();
  datos.Append();
  datos.FieldByName("NOMBRE").SetAsString(QStringLiteral("abcdef"));
  datos.Post();
  TDataSource fuente;
  fuente.SetDataSet(&datos);
  auto* ligada = new EdicionConDatos(&forma);
  ligada->SetParent(&forma);
  ligada->SetDataSource(&fuente);
  ligada->SetPopupMenu(menu);
  ligada->SetText(QStringLiteral("abcdef"));

  ligada->EditaPermitido = false;
  ligada->SelectAll();
  Habilitados(ligada);
  Item(QStringLiteral("Borr&ar"))->trigger();
  EXPECT_EQ(ligada->Text(), QStringLiteral("bcdef"));  // one key, then the stop

  ligada->EditaPermitido = true;
  ligada->SelectAll();
  Item(QStringLiteral("Borr&ar"))->trigger();
  EXPECT_EQ(ligada->Text(), QString());
  EXPECT_EQ(datos.State(), dsEdit);
}

TEST_F(MenuEdicion, CtrlSSelectsAllInTheFocusedEditOnly) {
  forma.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&forma));
  edicion->SetText(QStringLiteral("todo"));
  edicion->SetFocus();
  QTest::keyClick(edicion, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(edicion->SelLength(), 4);

  edicion->SetSelLength(0);
  boton->SetFocus();
  QTest::keyClick(boton, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(edicion->SelLength(), 0);
}

TEST_F(MenuEdicion, AnItemOfAControlThatIsGoneDoesNothing) {
  edicion->SetText(QStringLiteral("abc"));
  Habilitados(edicion);
  delete edicion;
  Item(QStringLiteral("&Seleccionar todo"))->trigger();
  Item(QStringLiteral("Borr&ar"))->trigger();
  EXPECT_EQ(menu->PopupComponent(), nullptr);
}

}  // namespace

#include "EditPopupMenuTest.moc"
