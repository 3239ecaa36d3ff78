#pragma once

// The library's shared context-help menu.

#include "platform/forms/Menus.h"

class TForm;
class TqovEdtImgLst16;

// The one-item menu "¿&Qué es esto?" for the form's buttons, labels and other controls that ask for
// context help. AOwner, the form, owns the menu.
class TqovQueEsEstoPopupMenuBase : public TPopupMenu {
  Q_OBJECT

 public:
  void OnPopupEvent(QObject* Sender);
  void QueEsEsto(QObject* Sender);
  TForm* GetFormaPadre() const;

 protected:
  // AHelpContext is the item's help topic; with AImagenesDelMenu the menu owns its image list, otherwise
  // the form does.
  TqovQueEsEstoPopupMenuBase(TComponent* AOwner, int AHelpContext, bool AImagenesDelMenu);

 private:
  TqovEdtImgLst16* FImageList;
  TMenuItem* FmiQueEsEsto;
};

// The library's context-help menu, which AsignarPopupMenus gives the form's controls; the form owns its
// image list.
class TqovQueEsEstoPopupMenu : public TqovQueEsEstoPopupMenuBase {
  Q_OBJECT

 public:
  explicit TqovQueEsEstoPopupMenu(TComponent* AOwner);
};
