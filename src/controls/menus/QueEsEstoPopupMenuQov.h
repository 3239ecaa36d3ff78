#pragma once

// The library's shared context-help menu.

#include "platform/forms/Menus.h"

class TForm;

// The one-item menu "¿&Qué es esto?" that AsignarPopupMenus gives the form's buttons, labels and other
// controls that ask for context help.
class TqovQueEsEstoPopupMenu : public TPopupMenu {
  Q_OBJECT

 public:
  explicit TqovQueEsEstoPopupMenu(TComponent* AOwner);

  void OnPopupEvent(QObject* Sender);
  void QueEsEsto(QObject* Sender);
  TForm* GetFormaPadre() const;

 private:
  TMenuItem* FmiQueEsEsto;
};
