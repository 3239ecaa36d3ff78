#pragma once

// The library's shared edit menu: undo, cut, copy, paste, delete, select all, calculator and context help.

#include <QPointer>

#include "platform/forms/ActnList.h"
#include "platform/forms/Menus.h"

class TqovEdtImgLst16;

// The edit menu that AsignarPopupMenus gives the form's edit controls. When it opens it enables its items
// for the control it was opened over, which it remembers (FEditControl) until that control is destroyed.
// The form also gets the action Ctrl+S, which selects all the text of the focused edit control.
class TqovEditPopupMenu : public TPopupMenu {
  Q_OBJECT

 public:
  // AOwner is the form: it owns the menu, its image list (the edit-menu icons), the action list and the action.
  explicit TqovEditPopupMenu(TComponent* AOwner);

  void OnPopupEvent(QObject* Sender);
  void Deshacer(QObject* Sender);
  void Cortar(QObject* Sender);
  void Copiar(QObject* Sender);
  void Pegar(QObject* Sender);
  void Borrar(QObject* Sender);
  void SelTodo(QObject* Sender);
  void Calc(QObject* Sender);
  void QueEsEsto(QObject* Sender);
  void SelTodoExecute(QObject* Sender);
  // The form that holds the menu: the first form in the owner chain from the menu's owner.
  TForm* GetFormaPadre() const;

 private:
  // The target of an item's action: FEditControl (an item was clicked) or, without Sender (Ctrl+S), the
  // focused control, which becomes FEditControl. False when that is not an edit control (or is gone).
  bool HayControlEdicion(QObject* Sender);
  TMenuItem* NuevoItem(const QString& ACaption, int AImageIndex, int AHelpContext,
                       void (TqovEditPopupMenu::*AOnClick)(QObject*));

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
