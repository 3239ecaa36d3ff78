#pragma once

// The conversion engine: converts a database to ODS 12 with the Firebird tools, and its caller interface.
//
// The engine's operations are spread over four files:
//   FirebirdProc.cpp           construction, the tool runs (gbak, gstat), EsODS12, the backup and the restore,
//                              the file size
//   FirebirdProcEmpresas.cpp   the company list of Config, the attached-users check, the gbak path check
//                              (their connection: ConexionRevision.h)
//   FirebirdProcEstructura.cpp the structure check after a failed restore
//   FirebirdProcMigracion.cpp  the conversion of one database (MigrarBD) and the archive's leame.txt
// The names of its tool reports in the log folder: FirebirdProcReportes.h.

#include <QString>
#include <QStringList>
#include <functional>

class TMemTable;
class TConexionRevision;

#include "platform/os/ProcessRunner.h"
#include "platform/rtl/CommandLine.h"

// What the conversion engine asks of the window it works for. The engine holds it only during a call
// and never frees it.
class IqovFirebirdProcCaller {
 public:
  // One message for the operator's log; several lines are joined by LF CR.
  virtual void Log(const QString& AMensaje) = 0;
  // Lets the user interface handle pending input while gbak runs, and between the companies of the list.
  virtual void ProcessMessages() = 0;
  // True once the operator has asked to cancel.
  virtual bool GetCancelar() = 0;
  virtual void MostrarAnimacionAvance(const QString& ATexto) = 0;
  // The database ABD was found already in ODS 12.
  virtual void ReportarBDConvertida(const QString& ABD) = 0;
  virtual void OcultarAnimacionAvance() = 0;

 protected:
  ~IqovFirebirdProcCaller() = default;
};

// A caller that shows nothing and never cancels, for probes whose findings are no news for the operator.
class TCallerSilencioso : public IqovFirebirdProcCaller {
 public:
  void Log(const QString&) override {}
  void ProcessMessages() override {}
  bool GetCancelar() override { return false; }
  void MostrarAnimacionAvance(const QString&) override {}
  void ReportarBDConvertida(const QString&) override {}
  void OcultarAnimacionAvance() override {}
};

// Starts the program and waits for it to end without handing control to the user interface. Returns
// its exit code; AProceso holds the child while it runs and 0 afterwards.
int EjecutarProcesoYEsperar(const ProcessLaunch& ALanzamiento, ProcessHandle& AProceso);

// Runs, while set, when MigrarBD is about to put the old file of the database ARutaBD into the archive, after
// its last check before the swap: the seam where tests act as another user of the database would.
extern std::function<void(const QString& ARutaBD)> AntesDeArchivarBD;

// The conversion engine: runs the Firebird tools that take a database of the data folder from the
// installed server's on-disk structure to ODS 12.
class TqovFirebirdProc {
 public:
  // Reads the current folder, under which the Firebird 3.0 tools and the log folder lie.
  TqovFirebirdProc();

  const QString& UsuarioBD() const { return FUsuarioBD; }
  void SetUsuarioBD(const QString& AValor) { FUsuarioBD = AValor; }
  const QString& PasswordBD() const { return FPasswordBD; }
  void SetPasswordBD(const QString& AValor) { FPasswordBD = AValor; }
  const QStringList& ListaUsuariosConectados() const { return FListaUsuariosConectados; }

  // The separator line of the log.
  static QString GetDelim();

  // True when the database file ARutaBD is in ODS 12, which is then reported under ANombreBD. Never
  // raises: a tool that fails gives false.
  bool EsODS12(IqovFirebirdProcCaller& ACaller, const QString& ARutaBD, const QString& ANombreBD);

  // Backs ARutaBD up into ARutaDestino with the installed server's gbak at ARutaGbak, through the service
  // manager of AServer's server, or of this machine's when AServer is empty. Raises TqovExceptionGbak when
  // gbak fails.
  void RespaldarEnVersionActual(IqovFirebirdProcCaller& ACaller, const QString& ARutaBD, const QString& ARutaDestino,
                                const QString& ANombreBD, const QString& ARutaGbak, const QString& ADBUser,
                                const QString& ADBPass, bool AEsConfig, const QString& AServer);

  // Restores the backup ARutaRespaldo into the new file ARutaDestino with the Firebird 3.0 gbak.
  // Raises TqovExceptionGbak when gbak fails.
  void RestaurarRespaldoEnFB30(IqovFirebirdProcCaller& ACaller, const QString& ARutaRespaldo,
                               const QString& ARutaDestino, const QString& ANombreBD, bool AEsConfig);

  // After a failed restore: replays the metadata of ARutaBD, extracted with the installed server's
  // isql, into a scratch database. Raises TqovExceptionGbak when the extraction fails (the check could not
  // run), Exception when the replay fails (the structure has problems).
  void ValidarEstructura(IqovFirebirdProcCaller& ACaller, const QString& ARutaBD, const QString& ANombreBD,
                         const QString& ARutaGbak, const QString& ADBUser, const QString& ADBPass);

  // Refills ATable (SELECCIONADO, NOMBRE_CORTO) with the companies of the data folder ARutaConexion whose
  // databases are not in ODS 12 yet, all selected; Config's list is read from its archived copy once Config
  // itself is converted. Each company is added to ATable as soon as it is probed, and the caller handles its
  // input between companies; once the caller asks to cancel, the list stops there with the companies so far.
  // A failure to read Config's list leaves ATable empty.
  void ObtenerEmpresasConfig(IqovFirebirdProcCaller& ACaller, TMemTable& ATable, const QString& ARutaConexion,
                             const QString& ADBUser, const QString& ADBPass, const QString& AServer);
  // Raises TqovExceptionBDUsuariosConectados, listing them, when others are attached to the database.
  void ChecarUsuariosConectados(const QString& ARutaBD, const QString& AServer, const QString& ADBUser,
                                const QString& ADBPass);
  // The lines of the attachment query; the server's own attachments are left out only where the
  // monitoring table has the column that marks them (ODS 12).
  static QStringList LineasUsuariosConectados(bool AConColumnaSistema);
  // Raises TqovExceptionGbakRutaIncorrecta when there is no file at ARuta.
  void ChecarGbakActual(const QString& ARuta);

  // Converts the database ANombreBD of the data folder ARutaConexion ("Config" in its System folder when
  // AEsConfig) to ODS 12: backup, restore, the old file into the archive and the new one in its place.
  // Returns normally when it is converted, or when the operator cancelled after the backup. A name that is
  // no plain file name, an archived original there already (never replaced), and a new file that would
  // replace another company's database, stop it before anything changes; another user who attaches or commits
  // a change from the attached-users check on stops it with TqovExceptionBDUsuariosConectados, and the old
  // database stays in place (or takes its place back).
  void MigrarBD(IqovFirebirdProcCaller& ACaller, const QString& ARutaConexion, const QString& ANombreBD,
                const QString& ADBUser, const QString& ADBPass, const QString& ARutaGBakActual, const QString& AServer,
                bool AEsConfig);

  // The parameters of the backup and of the restore, ARutaReporte being gbak's report file.
  static CommandLine ParametrosRespaldo(const QString& ARutaBD, const QString& ARutaDestino, const QString& ADBUser,
                                        const QString& ADBPass, const QString& AServer, const QString& ARutaReporte);
  CommandLine ParametrosRestauracion(const QString& ARutaRespaldo, const QString& ARutaDestino,
                                     const QString& ARutaReporte) const;

 private:
  // Runs gbak, handing control to the caller every 100 ms; what gbak prints goes into its report
  // ARutaReporte as well, which gets AAcceso, the access of the database it is about. Raises
  // TqovExceptionGbak(AError) when it fails.
  void EjecutarGbak(IqovFirebirdProcCaller& ACaller, const QString& ARutaGbak, const CommandLine& AParametros,
                    const QString& ARutaReporte, const FileAccess& AAcceso, const QString& AError);
  // The file's size in bytes; -1 when it cannot be read.
  static qint64 ObtenerTamanoArchivo(const QString& ARuta);
  // Writes the archive's note at ARuta, with AAcceso, unless a file of that name is there.
  static void EscribirLeame(const QString& ARuta, const FileAccess& AAcceso);
  // Fills FListaUsuariosConectados from the check and raises TqovExceptionBDUsuariosConectados when it
  // lists anyone.
  void InformarUsuarios(const QStringList& AUsuarios);
  // The Config whose EMPRESAS lists the companies: its archived copy once Config itself is converted.
  QString ConfigDeEmpresas(IqovFirebirdProcCaller& ACaller, const QString& ARutaConexion);
  // The companies that Config lists, in name order.
  QStringList LeerEmpresas(IqovFirebirdProcCaller& ACaller, const QString& ARutaConexion, const QString& ADBUser,
                           const QString& ADBPass, const QString& AServer);

  QString FUsuarioBD;
  QString FPasswordBD;
  QStringList FListaUsuariosConectados;
  QString FRutaGstatFb3;
  QString FRutaGbakFb3;
  QString FRutaIsqlFb3;
  QString FRutaServerFb3;
  QString FUsuarioBdFb3;
  QString FPasswordBDFb3;
  QString FLogPath;
  ProcessHandle FGbakProcess = 0;
};
