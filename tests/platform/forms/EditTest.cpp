#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/forms/KeySynthesis.h"
#include "platform/forms/Memo.h"

namespace {

// An edit of either kind that counts the editing commands that reach it.
template <class TBase>
class Contadora : public TBase {
 public:
  using TBase::TBase;
  void CutToClipboard() override {
    Comandos << QStringLiteral("cut");
    TBase::CutToClipboard();
  }
  void CopyToClipboard() override {
    Comandos << QStringLiteral("copy");
    TBase::CopyToClipboard();
  }
  void PasteFromClipboard() override {
    Comandos << QStringLiteral("paste");
    TBase::PasteFromClipboard();
  }
  void Undo() override {
    Comandos << QStringLiteral("undo");
    TBase::Undo();
  }
  QStringList Comandos;
};

class Ediciones : public PruebaDeVentanas {
 protected:
  template <class T>
  T* Nueva(const QString& ATexto) {
    auto* edicion = new T(&forma);
    edicion->SetParent(&forma);
    edicion->SetText(ATexto);
    return edicion;
  }

  TForm forma{nullptr};
};

// The same steps on a plain and on a multi-line edit.
template <class T>
void ProbarComandos(T& AEdicion) {
  QGuiApplication::clipboard()->setText(QStringLiteral("portapapeles"));
  AEdicion.SetSelStart(2);
  EXPECT_EQ(AEdicion.SelStart(), 2);
  EXPECT_EQ(AEdicion.SelLength(), 0);
  AEdicion.SetSelLength(3);
  EXPECT_EQ(AEdicion.SelLength(), 3);

  // The keyboard's shortcuts reach the same virtual commands as the menus.
  QTest::keyClick(&AEdicion, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("cde"));
  QTest::keyClick(&AEdicion, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(AEdicion.Text(), QStringLiteral("abfgh"));
  EXPECT_TRUE(AEdicion.CanUndo());
  QTest::keyClick(&AEdicion, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(AEdicion.Text(), QStringLiteral("abcdefgh"));
  AEdicion.SelectAll();
  QTest::keyClick(&AEdicion, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(AEdicion.Text(), QStringLiteral("cde"));
  EXPECT_EQ(AEdicion.Comandos, (QStringList{"copy", "cut", "undo", "paste"}));

  AEdicion.ClearUndo();
  EXPECT_FALSE(AEdicion.CanUndo());
  EXPECT_EQ(AEdicion.Text(), QStringLiteral("cde"));
}

TEST_F(Ediciones, ShortcutsAndMenusShareTheEditingCommands) {
  {
    SCOPED_TRACE("single-line");
    ProbarComandos(*Nueva<Contadora<TEdit>>(QStringLiteral("abcdefgh")));
  }
  {
    SCOPED_TRACE("multi-line");
    ProbarComandos(*Nueva<Contadora<TMemo>>(QStringLiteral("abcdefgh")));
  }
}

TEST_F(Ediciones, APasswordNeverReachesTheClipboard) {
  auto* clave = Nueva<TEdit>(QStringLiteral("secreto"));
  clave->SetPasswordChar(QLatin1Char('*'));
  QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
  clave->SelectAll();
  clave->CopyToClipboard();
  clave->CutToClipboard();
  QTest::keyClick(clave, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("antes"));
  EXPECT_EQ(clave->Text(), QStringLiteral("secreto"));
}

TEST_F(Ediciones, KeysPassKeyDownThenKeyPressThenTheEdit) {
  auto* edicion = Nueva<TEdit>(QString());
  QStringList eventos;
  edicion->OnKeyDown = [&](QObject*, int& AKey, TShiftState) {
    eventos << QStringLiteral("down %1").arg(AKey);
    if (AKey == 'X') AKey = 0;
  };
  edicion->OnKeyPress = [&](QObject*, QChar& AKey) {
    eventos << QStringLiteral("press %1").arg(AKey);
    if (AKey == QLatin1Char('j')) AKey = QLatin1Char('J');
    if (AKey == QLatin1Char('-')) AKey = QChar();
  };
  edicion->OnChange = [&](QObject*) { eventos << QStringLiteral("change ") + edicion->Text(); };
  QTest::keyClicks(edicion, QStringLiteral("jx-"));
  EXPECT_EQ(edicion->Text(), QStringLiteral("J"));
  EXPECT_EQ(eventos, (QStringList{"down 74", "press j", "change J", "down 88", "down 0", "press -"}));

  // A key sent to the control goes through the same path, at once.
  edicion->SetSelStart(0);
  SendKey(*edicion, QEvent::KeyPress, VK_DELETE, {});
  EXPECT_EQ(edicion->Text(), QString());
}

TEST_F(Ediciones, AMemoGivesItsLinesAndLetsTabMoveOn) {
  auto* memo = Nueva<TMemo>(QString());
  EXPECT_EQ(memo->Lines(), QStringList());
  memo->AddLine(QStringLiteral("uno"));
  memo->AddLine(QStringLiteral("dos"));
  EXPECT_EQ(memo->Lines(), (QStringList{"uno", "dos"}));
  EXPECT_TRUE(memo->tabChangesFocus());
  memo->SetScrollBars(ssVertical);
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

}  // namespace
