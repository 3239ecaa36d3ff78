#pragma once

// The connection-profile dialog: a new profile, or the selected one edited or deleted.

#include <QPointer>

#include "app/dialogs/DlgTemplateFrm.h"
#include "core/settings/ConexionesQov.h"
#include "platform/forms/ComboBox.h"

class TAction;
class TActionList;
class TLabel;
class TqovDBComboBox;
class TqovDBEdit;

// Creates or edits one profile of the caller's list and keeps the caller's profile combo in step. It writes
// the whole list to the settings file itself, and reads it back: a profile the file did not take is an
// error the operator sees, and the profile is not left in the list or the combo.
class TMttoConexionesFormConver : public TDlgTemplateForm {
  Q_OBJECT

 public:
  explicit TMttoConexionesFormConver(TComponent* AOwner);

  TLabel* lblTipoAcceso;
  TqovDBComboBox* cmbxTipoAcceso;
  TLabel* lblNombre;
  TqovDBEdit* edtNombre;
  TLabel* lblNombreServer;
  TqovDBComboBox* cmbxNombreServer;
  TLabel* lblProtocolo;
  TqovDBComboBox* cmbxProtocolo;
  TLabel* lblDirDatos;
  TqovDBEdit* edtDirDatos;
  TqovButton* btnEliminar;
  TActionList* actnlstQov;
  TAction* actnAceptar;

  // AConexiones and ACombo are the caller's; the dialog does not own them.
  void SetConexiones(TqovConexiones* AConexiones) { FConexiones = AConexiones; }
  void SetcmbxOutput(TComboBox* ACombo) { FcmbxOutput = ACombo; }
  // Prepares the dialog for a new profile, or for the list's current profile.
  void Inicializar(bool AEsAlta);

  void FormCreate(QObject* Sender) override;
  // After the base's scaling, the controls move clear of their labels.
  void FormShow(QObject* Sender) override;
  void actnlstQovUpdate(TAction* Action, bool& Handled);
  void actnAceptarUpdate(QObject* Sender);
  void actnAceptarExecute(QObject* Sender);
  void btnEliminarClick(QObject* Sender);
  // Removes the profile from the caller's combo (which is left without a choice when it was the chosen one)
  // and from the list.
  void EliminarConexion(const QString& ANombre);

 private:
  bool Remota() const;
  // Saves the list's changes to the settings file; the reason when they do not reach it, else empty.
  QString Guardar();

  bool FEsAlta = false;
  TqovConexiones* FConexiones = nullptr;
  QPointer<TComboBox> FcmbxOutput;
};

// Shows the profile dialog, owned by AOwner, over the caller's profile list and combo: a new profile with
// AEsAlta, else the list's current profile. Returns the dialog's modal result.
int MostrarMttoConexiones(TComponent* AOwner, TqovConexiones* AConexiones, bool AEsAlta, TComboBox* ACombo);
