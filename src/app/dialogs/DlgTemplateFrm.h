#pragma once

// The suite's dialog base: OK, Cancel, Enter as Tab, the shared context menus, scaling to its owner.

#include "app/dialogs/MarcoDialogo.h"
#include "platform/forms/Form.h"

class TTimer;
class TqovDADataset;

// A dialog that takes the library's shared context menus and, each time it is shown, the scale of its
// owner (or of the main window, for the owners whose dialogs follow the main window's zoom), and comes to
// the foreground. A derived dialog that overrides FormCreate or FormShow calls the base's first.
class TDlgTemplateForm : public TForm {
  Q_OBJECT

 public:
  explicit TDlgTemplateForm(TComponent* AOwner);

  TqovEnterAsTab* entrtbDlg;
  TqovButton* btnAceptar;
  TqovButton* btnCancelar;
  // Created disabled; no dialog of the program enables it.
  TTimer* tmrBringToFront;

  virtual void FormCreate(QObject* Sender);
  virtual void FormShow(QObject* Sender);
  // Brings a dialog that lost the foreground back to it, and one that slipped below the work area back to
  // where it was created.
  void tmrBringToFrontTimer(QObject* Sender);
  // Opens the data set with aId as its first parameter, on its first row; true when it has rows.
  bool LeerElemento(TqovDADataset& aIBDataSet, int aId);
  // Runs when the dialog's scaling has finished.
  virtual void TerminateEscala(QObject* aForm);

  bool AplicarEscalaVisual() const { return FAplicarEscalaVisual; }
  bool EscalarByFormaPrincipal() const { return FEscalarByFormaPrincipal; }

 protected:
  void DoCreate() override;
  void DoShow() override;

  int FTopInicial = 0;
  bool FAplicarEscalaVisual = false;
  bool FEscalarByFormaPrincipal = false;
};
