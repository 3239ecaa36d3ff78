#pragma once

// The library's shared context-help menu.

#include "platform/forms/Menus.h"

class TForm;
class TqovEdtImgLst16;

// The one-item menu "¿&Qué es esto?" that AsignarPopupMenus gives the form's buttons, labels and other
// controls that ask for context help. AOwner, the form, owns the menu and its image list.
class TqovQueEsEstoPopupMenu : public TPopupMenu {
  Q_OBJECT

 public:
  explicit TqovQueEsEstoPopupMenu(TComponent* AOwner);

  void OnPopupEvent(QObject* Sender);
  void QueEsEsto(QObject* Sender);
  TForm* GetFormaPadre() const;

 private:
  TqovEdtImgLst16* FImageList;
  TMenuItem* FmiQueEsEsto;
};
