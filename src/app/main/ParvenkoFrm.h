#pragma once

// The main window: the companies still to convert, their selection, the gbak path, the log, the progress and
// the conversion run.

#include <QStringList>
#include <memory>

#include "core/engine/FirebirdProc.h"
#include "platform/forms/Form.h"

class TButton;
class TDataSource;
class TEdit;
class TField;
class TGroupBox;
class TLabel;
class TMemo;
class TMemTable;
class TOpenDialog;
class TPopupMenu;
class TProgressBar;
class TStatusBar;
class TTimer;
class TqovButton;
class TqovDBGridDetalle;
class TqovImgLst16;
class TqovLabel;

// The program's main window. The sign-in fills in the connection data (SetDatosConexion) and shows it; once
// shown it lists the companies of the data folder that are not in ODS 12 yet, all selected, filling the list in
// as the engine probes them, and reports the databases already converted. The Convert button runs the
// conversion (ParvenkoFrmConversion.cpp): the window is the engine's caller and writes every message to its log.
// While the list loads no run starts; closing the window (or Cancel, outside a run) stops the load at the next
// company, and the window closes then. Closing it during a run cancels the run instead, and the window closes
// once the run has ended.
class TParvenkoFrm : public TForm, public IqovFirebirdProcCaller {
  Q_OBJECT

 public:
  explicit TParvenkoFrm(TComponent* AOwner);
  ~TParvenkoFrm() override;

  // The data folder (with a final separator), the server name ("" for a local profile), the database user and
  // its password.
  void SetDatosConexion(const QString& ARutaDirDatos, const QString& AServer, const QString& AUser,
                        const QString& APass);

  // The engine's caller interface.
  void Log(const QString& AMensaje) override;
  void ProcessMessages() override;
  bool GetCancelar() override { return FCancelar; }
  void MostrarAnimacionAvance(const QString& ATexto) override;
  void ReportarBDConvertida(const QString& ABD) override;
  void OcultarAnimacionAvance() override;

  // A conversion run is active.
  bool Procesando() const { return FProcesando; }
  // The company list is loading.
  bool Cargando() const { return FCargando; }
  int NumSeleccionados() const { return FNumSeleccionados; }
  int Avance() const { return FAvance; }

  // The components, by the names the window gives them.
  TLabel* lblInfo;
  TGroupBox* gbGbak;
  TLabel* lblGbak;
  TEdit* edtGbak;
  TButton* btnExaminar;
  TqovButton* btnMigrarBD;
  TqovButton* btnCancelar;
  TqovDBGridDetalle* grdBasesDatos;
  TqovLabel* lblTotal;
  TMemo* mmLog;
  TStatusBar* sttsbarAvance;
  TProgressBar* prgrsbrConvertir;
  TMemTable* tblBasesDatos;
  TField* tblBasesDatosSELECCIONADO;
  TField* tblBasesDatosNOMBRE_CORTO;
  TDataSource* dtsrcBasesDatos;
  TOpenDialog* OpenDialog;
  TqovImgLst16* imgList;
  TTimer* tmrAvance;
  TPopupMenu* ppmnDummy;

  // The event handlers.
  void btnExaminarClick();
  void btnMigrarBDClick();
  void btnCancelarClick();
  void grdBasesDatosTitleButtonClick(const QString& AFieldName);
  void grdBasesDatosCalcTitleImage(TField* AField, int& ATitleImageIndex);
  void tblBasesDatosSELECCIONADOChange();
  void tmrAvanceTimer();
  void sttsbarAvanceDrawPanel(int APanel, const QRect& ARect);

 protected:
  void DoCreate() override;
  void DoShow() override;
  void DoClose(TCloseAction& AAction) override;

 private:
  void CrearComponentes();
  void CrearRejilla();
  // The company list, the selection and its totals.
  void CargarAlMostrar();
  void CargarEmpresas();
  void IniciarCarga();
  void TerminarCarga();
  void SeleccionarTodas(bool AValor);
  // Posts a tick the grid left pending, as moving to another row would.
  void PublicarSeleccion();
  void ActualizarTotales();
  // Logs the databases found already in ODS 12, under their heading.
  void LogConvertidas(const QStringList& ANombres);

  // The conversion run and its parts (ParvenkoFrmConversion.cpp).
  void ConvertirBasesDatos();
  // The pre-check: raises when a database has other users; a company that cannot be opened is deselected,
  // and their number is returned.
  int VerificarUsuariosConectados();
  // Converts Config or one company; the expected failures are logged and counted. Skips a database found
  // already in ODS 12, which a run cancelled after its conversion leaves selected.
  void ConvertirBD(const QString& ANombre, bool AEsConfig, int& AConvertidas, int& AFallidas);
  // Handles pending input, then raises the cancel exception when the operator cancelled.
  void ChecarCancelacion();
  void IniciarProceso();
  void TerminarProceso();
  void LogResumen(int AConvertidas, int AFallidas);
  // Once the run or the load has ended: clears the cancel, and closes the window when that was asked meanwhile.
  void CerrarSiSePidio();
  QString RutaConfig() const;
  QString RutaEmpresa(const QString& ANombre) const;

  QString FGbakFBActual;
  QString FRutaDirDatos;
  QString FUserFBActual;
  QString FPassFBActual;
  QString FServer;
  std::unique_ptr<TqovFirebirdProc> FFirebirdProc;
  bool FSeleccionados = true;
  bool FProcesando = false;
  bool FCargando = false;
  bool FCancelar = false;
  int FNumSeleccionados = 0;
  int FAvance = 0;
  QStringList FListaBdsConvertidas;
  bool FLoguearBdsConvertidas = true;
  // The window was asked to close during a run or a load: it closes when that ends.
  bool FCerrarAlTerminar = false;
};
