#pragma once

// The library's shared edit menu: undo, cut, copy, paste, delete, select all, calculator and context help.

#include <QPointer>

#include "platform/forms/ActnList.h"
#include "platform/forms/Menus.h"

class TqovEdtImgLst16;

// What tells one edit menu from another: the help topics of its items, and who owns its image list.
struct TAyudasMenuEdicion {
  int Deshacer, Cortar, Copiar, Pegar, Borrar, SelTodo, Calc, QueEsEsto;
  // True: the menu owns its image list; false: the form does.
  bool ImagenesDelMenu;
};

// An edit menu. When it opens it enables its items for the control it was opened over, which it
// remembers (FEditControl) until that control is destroyed. The form also gets the action Ctrl+S, which
// selects all the text of the focused edit control.
class TqovEditPopupMenuBase : public TPopupMenu {
  Q_OBJECT

 public:
  void OnPopupEvent(QObject* Sender);
  void Deshacer(QObject* Sender);
  void Cortar(QObject* Sender);
  void Copiar(QObject* Sender);
  void Pegar(QObject* Sender);
  void Borrar(QObject* Sender);
  void SelTodo(QObject* Sender);
  // Opens the system's calculator.
  virtual void Calc(QObject* Sender);
  void QueEsEsto(QObject* Sender);
  void SelTodoExecute(QObject* Sender);
  // The form that holds the menu: the first form in the owner chain from the menu's owner.
  TForm* GetFormaPadre() const;

 protected:
  // AOwner is the form: it owns the menu, the action list and the action.
  TqovEditPopupMenuBase(TComponent* AOwner, const TAyudasMenuEdicion& AAyudas);
  // The control the menu was opened over, while it exists.
  QObject* EditControl() const { return FEditControl; }

 private:
  // The target of an item's action: FEditControl (an item was clicked) or, without Sender (Ctrl+S), the
  // focused control, which becomes FEditControl. False when that is not an edit control (or is gone).
  bool HayControlEdicion(QObject* Sender);
  TMenuItem* NuevoItem(const QString& ACaption, int AImageIndex, int AHelpContext,
                       void (TqovEditPopupMenuBase::*AOnClick)(QObject*));

  TqovEdtImgLst16* FImageList;
  TMenuItem* FmiDeshacer;
  TMenuItem* FmiSep1;
  TMenuItem* FmiCortar;
  TMenuItem* FmiCopiar;
  TMenuItem* FmiPegar;
  TMenuItem* FmiSep2;
  TMenuItem* FmiBorrar;
  TMenuItem* FmiSelTodo;
  TMenuItem* FmiSep3;
  TMenuItem* FmiCalc;
  TMenuItem* FmiQueEsEsto;
  QPointer<QObject> FEditControl;
  TActionList* FactnList;
  TAction* FactnSelTodo;
};

// The library's edit menu, which AsignarPopupMenus gives the form's edit controls; the form owns its image
// list. On an edit with a calculator button its calculator item opens that edit's calculator.
class TqovEditPopupMenu : public TqovEditPopupMenuBase {
  Q_OBJECT

 public:
  explicit TqovEditPopupMenu(TComponent* AOwner);
  void Calc(QObject* Sender) override;
};
