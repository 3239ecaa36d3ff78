#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QWheelEvent>

#include "controls/AplicacionControles.h"
#include "controls/edits/DBComboBoxQov.h"
#include "controls/menus/PopupMenusQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"

namespace {

// A shown form with a combo box of three items, bound to a field of a table in memory, and another
// control to leave it for.
class Combos : public PruebaDeControles {
 protected:
  Combos() {
    tabla.FieldDefs() = {{"TIPO", ftString, 20}};
    tabla.Open();
    tabla.Append();
    tabla.FieldByName("TIPO").SetAsString(QStringLiteral("Uno"));
    tabla.Post();
    fuente.SetDataSet(&tabla);
    combo->SetParent(&forma);
    combo->SetItems({QStringLiteral("Uno"), QStringLiteral("Dos"), QStringLiteral("Tres")});
    combo->SetDataSource(&fuente);
    combo->SetDataField(QStringLiteral("TIPO"));
    otra->SetParent(&forma);
    otra->SetTop(30);
    forma.show();
    forma.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&forma));
    combo->SetFocus();
  }

  // The item chosen now, as the field holds it once the combo box is left.
  QString Guardado() {
    otra->SetFocus();
    const QString valor = tabla.FieldByName("TIPO").AsString();
    if (tabla.State() != dsBrowse) tabla.Post();
    combo->SetFocus();
    return valor;
  }

  TForm forma{nullptr};
  TDataSet tabla;
  TDataSource fuente;
  TqovDBComboBox* combo = new TqovDBComboBox(&forma);
  TEdit* otra = new TEdit(&forma);
};

struct CasoTecla {
  TComboBoxStyle Estilo;
  Qt::Key Tecla;
  Qt::KeyboardModifiers Modificadores;
  bool UseHomeEndKeys;
  int Inicial, Final;
};

TEST_F(Combos, HomeEndAndPageKeysChooseTheFirstOrLastItemThroughTheDataLink) {
  // In the typing style the keys left to the platform move the caret, not the choice.
  const CasoTecla casos[] = {
      {csDropDownList, Qt::Key_End, Qt::NoModifier, true, 0, 2},
      {csDropDownList, Qt::Key_PageDown, Qt::NoModifier, true, 0, 2},
      {csDropDownList, Qt::Key_PageUp, Qt::NoModifier, true, 2, 0},
      {csDropDown, Qt::Key_Home, Qt::NoModifier, true, 1, 0},
      {csDropDown, Qt::Key_End, Qt::NoModifier, true, 1, 2},
      {csDropDown, Qt::Key_Home, Qt::ShiftModifier, true, 1, 1},
      {csDropDown, Qt::Key_End, Qt::NoModifier, false, 1, 1},
      {csDropDownList, Qt::Key_Down, Qt::NoModifier, true, 0, 1},
  };
  for (const CasoTecla& caso : casos) {
    SCOPED_TRACE(testing::Message() << caso.Estilo << " " << caso.Tecla << " " << caso.Modificadores << " "
                                    << caso.UseHomeEndKeys);
    combo->SetStyle(caso.Estilo);
    combo->SetItemIndex(caso.Inicial);
    Guardado();
    combo->SetUseHomeEndKeys(caso.UseHomeEndKeys);
    QTest::keyClick(combo, caso.Tecla, caso.Modificadores);
    EXPECT_EQ(combo->ItemIndex(), caso.Final);
    // The choice reaches the field: the record was asked into edit state before it changed.
    EXPECT_EQ(Guardado(), combo->Items().at(caso.Final));
  }
  combo->SetStyle(csDropDownList);

  // An empty list leaves the keys to the platform.
  combo->SetItems({});
  QTest::keyClick(combo, Qt::Key_End);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(tabla.State(), dsBrowse);
}

TEST_F(Combos, F4OpensAndClosesTheListWhichTakesTheHighlightedItemAsItMoves) {
  combo->SetItemIndex(1);
  Guardado();
  QTest::keyClick(combo, Qt::Key_F4);
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_EQ(combo->DropDownWidth(), combo->Width() - 2);

  // Down on the open list: the choice follows at once, and the record is being edited.
  QTest::keyClick(combo->view(), Qt::Key_Down);
  EXPECT_EQ(combo->Text(), QStringLiteral("Tres"));
  EXPECT_EQ(tabla.State(), dsEdit);
  QTest::keyClick(combo->view(), Qt::Key_F4);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(Guardado(), QStringLiteral("Tres"));

  // Down on the last item moves nothing: no edit state without a real change.
  QTest::keyClick(combo, Qt::Key_F4);
  QTest::keyClick(combo->view(), Qt::Key_Down);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(tabla.State(), dsBrowse);
  QTest::keyClick(combo->view(), Qt::Key_F4);

  // Shift+F4 is no command of the combo box's.
  QTest::keyClick(combo, Qt::Key_F4, Qt::ShiftModifier);
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(Combos, AReadOnlyComboBoxRefusesKeysWheelClipboardAndTheList) {
  for (const TComboBoxStyle estilo : {csDropDownList, csDropDown}) {
    SCOPED_TRACE(estilo);
    combo->SetStyle(estilo);
    combo->SetItemIndex(1);
    Guardado();
    combo->SetReadOnly(true);
    QTest::keyClick(combo, Qt::Key_T);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_End);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(combo, Qt::Key_F4);
    QTest::mouseClick(combo, Qt::LeftButton);
    EXPECT_FALSE(combo->DroppedDown());
    QWheelEvent rueda(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(combo, &rueda);
    QGuiApplication::clipboard()->setText(QStringLiteral("Tres"));
    combo->PasteFromClipboard();
    combo->SelectAll();
    combo->CutToClipboard();
    combo->Undo();
    EXPECT_EQ(combo->Text(), QStringLiteral("Dos"));
    EXPECT_EQ(tabla.State(), dsBrowse);
    combo->SetReadOnly(false);
  }
}

struct CasoPegado {
  TComboBoxStyle Estilo;
  const char* Pegado;
  const char* Resultado;
};

TEST_F(Combos, APasteIntoThePickListMustNameAnItemWhileTheTypingStyleTakesAnyText) {
  const CasoPegado casos[] = {
      {csDropDownList, "Tres", "Tres"},
      {csDropDownList, "tres", "Tres"},
      {csDropDownList, "Cuatro", "Dos"},
      {csDropDown, "servidor.local", "servidor.local"},
  };
  for (const CasoPegado& caso : casos) {
    SCOPED_TRACE(caso.Pegado);
    combo->SetStyle(caso.Estilo);
    combo->SetItemIndex(1);
    Guardado();
    combo->SelectAll();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(caso.Pegado));
    combo->PasteFromClipboard();
    EXPECT_EQ(combo->Text(), QString::fromUtf8(caso.Resultado));
    EXPECT_EQ(Guardado(), QString::fromUtf8(caso.Resultado));
  }
}

TEST_F(Combos, DefaultsConventionsAndTheDropDownWidth) {
  EXPECT_EQ(combo->Style(), csDropDownList);
  EXPECT_TRUE(combo->ShowMatchText());
  EXPECT_TRUE(combo->UseHomeEndKeys());
  EXPECT_TRUE(combo->PopupMenuStd());
  EXPECT_TRUE(combo->PopupMenuCtx());
  AsignarPopupMenus(forma);
  EXPECT_EQ(combo->PopupMenu(), BuscarQueEsEstoPopupMenu(forma));

  combo->SetWidth(200);
  EXPECT_EQ(combo->DropDownWidth(), 198);

  auto* etiqueta = new TLabel(&forma);
  combo->SetEtiqueta(etiqueta);
  combo->SetNoEditable(true);
  EXPECT_TRUE(combo->ReadOnly());
  EXPECT_FALSE(combo->TabStop());
  EXPECT_EQ(combo->Color(), clBtnFace);
  combo->SetEnabled(false);
  EXPECT_FALSE(etiqueta->Enabled());
  combo->SetEnabled(true);
  EXPECT_TRUE(etiqueta->Enabled());
  EXPECT_EQ(combo->Color(), clWindow);

  // Unbound it is a plain pick list.
  combo->SetNoEditable(false);
  combo->SetDataSource(nullptr);
  QTest::keyClick(combo, Qt::Key_End);
  EXPECT_EQ(combo->Text(), QStringLiteral("Tres"));
}

}  // namespace
