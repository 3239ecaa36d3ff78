#pragma once

// The program's plain dialog base: OK, Cancel, Enter as Tab and the program's own context menus.

#include "app/dialogs/MarcoDialogo.h"
#include "platform/forms/Form.h"

// A dialog with the program's own context menus (AsignarPopupMenusConver) that comes to the foreground when
// shown; it does no scaling. A derived dialog that overrides FormCreate or FormShow calls the base's first.
class TqovDlgTemplateFormConver : public TForm {
  Q_OBJECT

 public:
  explicit TqovDlgTemplateFormConver(TComponent* AOwner);

  TqovEnterAsTab* entrtbDlg;
  TqovButton* btnAceptar;
  TqovButton* btnCancelar;

  virtual void FormCreate(QObject* Sender);
  virtual void FormShow(QObject* Sender);

 protected:
  void DoCreate() override;
  void DoShow() override;
};
