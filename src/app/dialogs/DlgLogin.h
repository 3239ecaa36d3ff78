#pragma once

// The sign-in dialog: a saved connection profile on this machine and the database administrator's password.

#include <functional>
#include <memory>

#include "app/dialogs/DlgTemplateFrmConver.h"
#include "core/engine/FirebirdProc.h"

class TImage;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TqovConexiones;
class TqovDBComboBox;
class TqovDBEdit;
class TqovParametrosDeSesion;

// The operator picks a profile and types SYSDBA's password. OK accepts a profile of this machine only,
// finds Config (in the data folder's "System" folder, or in its archived copy once Config is converted),
// opens a test session on it through this machine's Firebird server, remembers the profile for the user,
// hands the session's data to the main window and closes. Closing it while the main window is hidden ends
// the program. The context menu of the profile list opens the profile dialog.
class TqovDlgLogin : public TqovDlgTemplateFormConver, public IqovFirebirdProcCaller {
  Q_OBJECT

 public:
  explicit TqovDlgLogin(TComponent* AOwner);
  ~TqovDlgLogin() override;

  TImage* imgLogo;
  TLabel* lblInfo;
  TLabel* lblUsuario;
  TLabel* lblConexion;
  TLabel* lblPassword;
  TqovDBEdit* edtUsuario;
  TqovDBComboBox* cmbxConexion;
  TqovDBEdit* edtPassword;
  TPopupMenu* ppmnConexion;
  TMenuItem* miAbrir;
  TMenuItem* miNuevo;

  // Hands a successful sign-in to the main window: the data folder (ending with "/"), the server in
  // Firebird's "host/port" form (empty for a local profile), the user and the password. Start-up sets it
  // to fill the main window and show it; the dialog closes afterwards.
  std::function<void(const QString& ARutaDirDatos, const QString& AServer, const QString& AUserFB,
                     const QString& APassFB)>
      OnEntregarSesion;

  void FormCreate(QObject* Sender) override;
  void FormShow(QObject* Sender) override;
  void FormClose(QObject* Sender, TCloseAction& Action);
  void btnAceptarClick(QObject* Sender);
  void btnCancelarClick(QObject* Sender);
  void edtPasswordChange(QObject* Sender);
  void miAbrirClick(QObject* Sender);
  void miNuevoClick(QObject* Sender);

  // The engine asks the dialog only to let pending window messages run.
  void Log(const QString& AMensaje) override;
  void ProcessMessages() override;
  bool GetCancelar() override;
  void MostrarAnimacionAvance(const QString& ATexto) override;
  void ReportarBDConvertida(const QString& ABD) override;
  void OcultarAnimacionAvance() override;

 private:
  QString GetNombreConexion() const;
  static void CargarImagenRecurso(TImage& AImagen, const QString& ANombre);
  void MostrarErrorLogin(const QString& ATexto);
  void ActualizarBotonAceptar();
  void LlenarConexiones(const QStringList& ANombres);
  void SeleccionarConexion(const QString& ANombre);
  void LeerConfiguracionUsuario();
  void GuardarConfiguracionUsuario();
  // Opens and closes a session on Config with the parameters; its failures come back in the dialog's terms.
  void ProbarConexion(const TqovParametrosDeSesion& AParametros);

  std::unique_ptr<TqovConexiones> FConexiones;
  std::unique_ptr<TqovFirebirdProc> FFirebirdProc;
};
