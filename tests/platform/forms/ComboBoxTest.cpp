#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/TeclasDeDialogo.h"
#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"

namespace {

// A combo box that writes down the keys of KeyDown and of the open list, and may refuse to open.
class ComboAtento : public TComboBox {
 public:
  using TComboBox::TComboBox;
  void KeyDown(int& AKey, TShiftState AShift) override {
    Teclas << QStringLiteral("down %1").arg(AKey);
    TComboBox::KeyDown(AKey, AShift);
  }
  void DropDown() override {
    if (Rehusar) throw EAbort();
    TComboBox::DropDown();
  }
  QStringList Teclas;
  bool Rehusar = false;

 protected:
  void ListKeyDown(int AKey, TShiftState) override { Teclas << QStringLiteral("list %1").arg(AKey); }
};

class Combos : public PruebaDeVentanas {
 protected:
  Combos() {
    combo->SetParent(&forma);
    combo->SetItems({QStringLiteral("Uno"), QStringLiteral("Dos"), QStringLiteral("Tres")});
    forma.show();
    forma.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&forma));
    combo->SetFocus();
  }

  TForm forma{nullptr};
  ComboAtento* combo = new ComboAtento(&forma);
};

TEST_F(Combos, ChangingTheItemsKeepsTheChoiceAndTheTypedText) {
  for (const TComboBoxStyle estilo : {csDropDownList, csDropDown}) {
    SCOPED_TRACE(estilo);
    combo->SetStyle(estilo);
    combo->SetItems({QStringLiteral("Uno"), QStringLiteral("Dos"), QStringLiteral("Tres")});
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(1);
    combo->AddItem(QStringLiteral("Cuatro"));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), QStringLiteral("Dos"));
    combo->DeleteItem(0);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->IndexOfItem(QStringLiteral("cuatro")), 2);
    // Removing the chosen item leaves none chosen.
    combo->DeleteItem(0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Items(), (QStringList{"Tres", "Cuatro"}));
  }
  // The typing style keeps any text, also when an empty list gets its first item.
  combo->SetItems({});
  combo->SetText(QStringLiteral("servidor"));
  combo->AddItem(QStringLiteral("otro"));
  EXPECT_EQ(combo->Text(), QStringLiteral("servidor"));
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(Combos, APickListPasteChoosesTheItemTheClipboardNames) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  QGuiApplication::clipboard()->setText(QStringLiteral("tres"));
  combo->PasteFromClipboard();
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_TRUE(combo->Modified());
  QGuiApplication::clipboard()->setText(QStringLiteral("Cinco"));
  combo->PasteFromClipboard();
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), QString());
  combo->SetItemIndex(1);
  combo->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Dos"));
}

TEST_F(Combos, KeysPassKeyDownAlsoWhileTheListIsOpen) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->DropDown();
  ASSERT_TRUE(combo->DroppedDown());
  QTest::keyClick(combo->view(), Qt::Key_Down);
  EXPECT_EQ(combo->ListItemIndex(), 2);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Teclas, (QStringList{"down 40", "down 40", "list 40"}));
  combo->CloseUp(false);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->DropDown();
  QTest::keyClick(combo->view(), Qt::Key_Down);
  combo->CloseUp(true);
  EXPECT_EQ(combo->ItemIndex(), 2);

  // F4 on the open list passes KeyDown too, then closes the list taking the highlighted item.
  combo->DropDown();
  QTest::keyClick(combo->view(), Qt::Key_Up);
  QTest::keyClick(combo->view(), Qt::Key_F4);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Teclas.last(), QStringLiteral("down 115"));
}

TEST_F(Combos, ARefusedDropDownLeavesTheListClosed) {
  combo->Rehusar = true;
  QTest::keyClick(combo, Qt::Key_F4);
  combo->showPopup();
  EXPECT_FALSE(combo->DroppedDown());
  combo->Rehusar = false;
  combo->SetDropDownWidth(300);
  combo->showPopup();
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(ToSystemPixels(combo->view()->window()->width()), 300);
}

TEST_F(Combos, TheTypingStyleEditsItsTextAndLetsEnterReachTheForm) {
  combo->SetStyle(csDropDown);
  QTest::keyClicks(combo, QStringLiteral("abc"));
  EXPECT_EQ(combo->Text(), QStringLiteral("abc"));
  EXPECT_TRUE(combo->Modified());
  EXPECT_TRUE(combo->CanUndo());
  combo->SetSelStart(1);
  combo->SetSelLength(2);
  EXPECT_EQ(combo->SelLength(), 2);
  combo->CutToClipboard();
  EXPECT_EQ(combo->Text(), QStringLiteral("a"));
  combo->SetReadOnly(true);
  QTest::keyClicks(combo, QStringLiteral("x"));
  EXPECT_EQ(combo->Text(), QStringLiteral("a"));

  auto* dialogo = new TeclasDeDialogo(&forma);
  dialogo->SetParent(&forma);
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(dialogo->Oidas, std::vector<int>{VK_RETURN});
}

}  // namespace
