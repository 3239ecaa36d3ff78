// The main window's conversion run: the pre-check, Config, the selected companies, cancel and the summary.

#include "app/main/ParvenkoFrm.h"
#include "controls/basic/ButtonQov.h"
#include "controls/grids/DBGridDetalleQov.h"
#include "core/engine/ExcepcionesConverBD.h"
#include "core/engine/NombreEmpresa.h"
#include "platform/data/MemTable.h"
#include "platform/fbclient/FbError.h"
#include "platform/forms/Application.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Memo.h"
#include "platform/os/Paths.h"

namespace {

const QString Blanco = QStringLiteral(" ");

}  // namespace

QString TParvenkoFrm::RutaConfig() const { return JoinPath(FRutaDirDatos, QStringLiteral("System/Config.fdb")); }

QString TParvenkoFrm::RutaEmpresa(const QString& ANombre) const {
  return JoinPath(FRutaDirDatos, ANombre + QStringLiteral(".fdb"));
}

void TParvenkoFrm::btnMigrarBDClick() {
  // The list is still loading: the run would work on part of it, with the engine in use.
  if (FCargando) return;
  ConvertirBasesDatos();
}

void TParvenkoFrm::btnCancelarClick() {
  if (FCargando && !FProcesando) {
    // Outside a run Cancel ends the program: as the main window's close, once the load has stopped.
    Close();
    return;
  }
  if (!FProcesando) {
    Application->Terminate();
    return;
  }
  btnCancelar->SetEnabled(false);
  Log(QStringLiteral("Cancelando el proceso de conversión, espere por favor..."));
  FCancelar = true;
}

void TParvenkoFrm::IniciarProceso() {
  btnMigrarBD->SetEnabled(false);
  grdBasesDatos->SetEnabled(false);
  FCancelar = false;
  mmLog->Clear();
}

void TParvenkoFrm::TerminarProceso() {
  btnMigrarBD->SetEnabled(true);
  btnCancelar->SetEnabled(true);
  grdBasesDatos->SetEnabled(true);
  OcultarAnimacionAvance();
}

void TParvenkoFrm::ChecarCancelacion() {
  // The window handles input between the steps too, not only while gbak runs.
  ProcessMessages();
  if (FCancelar)
    throw TqovExceptionCancelarProcesoConver(QStringLiteral("El usuario canceló el proceso de conversión."));
}

void TParvenkoFrm::ConvertirBasesDatos() {
  IniciarProceso();
  FProcesando = true;
  try {
    PublicarSeleccion();
    FFirebirdProc->ChecarGbakActual(edtGbak->Text());
    int fallidas = VerificarUsuariosConectados();
    int convertidas = 0;
    ConvertirBD(QStringLiteral("Config"), true, convertidas, fallidas);
    ChecarCancelacion();
    for (tblBasesDatos->First(); !tblBasesDatos->Eof(); tblBasesDatos->Next()) {
      if (tblBasesDatosSELECCIONADO->AsString() == QLatin1String("S"))
        ConvertirBD(tblBasesDatosNOMBRE_CORTO->AsString(), false, convertidas, fallidas);
      ChecarCancelacion();
    }
    LogResumen(convertidas, fallidas);
    CargarEmpresas();
  } catch (const TqovExceptionValidaInicialSesiones& e) {
    Log(e.Message());
  } catch (const TqovExceptionCancelarProcesoConver& e) {
    Log(e.Message());
  } catch (const TqovExceptionOperacionesArchivo& e) {
    Log(e.Message());
  } catch (const TqovExceptionGbakRutaIncorrecta& e) {
    Log(e.Message());
    edtGbak->SetFocus();
  } catch (...) {
    Log(QStringLiteral("No fué posible terminar el proceso de conversión. Ocurrió el siguiente error: \n\r") +
        ExceptionMessage(std::current_exception()));
  }
  TerminarProceso();
  FProcesando = false;
  CerrarSiSePidio();
}

void TParvenkoFrm::CerrarSiSePidio() {
  FCancelar = false;
  if (!FCerrarAlTerminar) return;
  FCerrarAlTerminar = false;
  Close();
}

void TParvenkoFrm::ConvertirBD(const QString& ANombre, bool AEsConfig, int& AConvertidas, int& AFallidas) {
  const QString ruta = AEsConfig ? RutaConfig() : RutaEmpresa(ANombre);
  const QString siguen = AEsConfig ? QStringLiteral("Se continúa con las empresas seleccionadas...")
                                   : QStringLiteral("Se continúa con la siguiente empresa...");
  // A file that is a link is not converted (archived, the link would keep no copy of the old database): like a
  // company left out of the list for it, the database is named with the reason, and the run goes on.
  if (IsSymLink(ruta)) {
    ++AFallidas;
    Log(MotivoEnlace(AEsConfig ? QStringLiteral("la base de datos Config") : QStringLiteral("la empresa ") + ANombre,
                     ruta));
    Log(siguen);
    Log(Blanco);
    return;
  }
  if (FFirebirdProc->EsODS12(*this, ruta, ANombre)) {
    // Config is skipped silently, as every run does once it is converted; a company only a cancelled run
    // converted is still listed, and a second conversion would archive the converted file over the old one.
    if (!AEsConfig) LogConvertidas({ANombre});
    return;
  }
  ProcessMessages();
  try {
    FFirebirdProc->MigrarBD(*this, FRutaDirDatos, ANombre, FUserFBActual, FPassFBActual, edtGbak->Text(), FServer,
                            AEsConfig);
    Log(Blanco);
    ++AConvertidas;
  } catch (const TqovExceptionBDUsuariosConectados& e) {
    ++AFallidas;
    Log(AEsConfig ? QStringLiteral("La base de datos de Config tiene usuarios conectados, no es posible convertirla: ")
                  : QStringLiteral("Existen otros usuarios conectados a la empresa de ") + ANombre +
                        QStringLiteral(", no es posible convertir con otras sesiones activas:\n\r"));
    Log(e.Message());
    Log(siguen);
    Log(Blanco);
  } catch (const TqovExceptionGbak& e) {
    ++AFallidas;
    Log(e.Message());
    Log(siguen);
    Log(Blanco);
  }
}

int TParvenkoFrm::VerificarUsuariosConectados() {
  int bloqueadas = 0;
  int omitidas = 0;
  Log(TqovFirebirdProc::GetDelim());
  Log(QStringLiteral("Verificando que no haya usuarios conectados"));
  Log(TqovFirebirdProc::GetDelim());
  // A Config whose file is a link is not converted: who is attached to it does not stop the run.
  const QString config = RutaConfig();
  if (!IsSymLink(config) && !FFirebirdProc->EsODS12(*this, config, QStringLiteral("Config"))) {
    Log(QStringLiteral("+ Config"));
    try {
      FFirebirdProc->ChecarUsuariosConectados(config, FServer, FUserFBActual, FPassFBActual);
      Log(QStringLiteral("  La base de datos Config no tiene usuarios conectados, puede ser convertida."));
    } catch (const TqovExceptionBDUsuariosConectados& e) {
      Log(QStringLiteral("  La base de datos de Config tiene usuarios conectados, no es posible convertirla: "));
      Log(e.Message());
      bloqueadas = 1;
    }
  }
  ChecarCancelacion();
  for (tblBasesDatos->First(); !tblBasesDatos->Eof(); tblBasesDatos->Next()) {
    if (tblBasesDatosSELECCIONADO->AsString() == QLatin1String("S")) {
      const QString nombre = tblBasesDatosNOMBRE_CORTO->AsString();
      Log(QStringLiteral("+ ") + nombre);
      try {
        FFirebirdProc->ChecarUsuariosConectados(RutaEmpresa(nombre), FServer, FUserFBActual, FPassFBActual);
        Log(QStringLiteral("  La empresa ") + nombre +
            QStringLiteral(" no tiene usuarios conectados, puede ser convertida."));
      } catch (const TqovExceptionBDUsuariosConectados& e) {
        Log(QStringLiteral("  La empresa ") + nombre +
            QStringLiteral(" tiene usuarios conectados, no es posible convertirla: "));
        Log(e.Message());
        ++bloqueadas;
      } catch (const EFbError& e) {
        // A company that cannot be opened at all (missing, unreadable, damaged) is left out; the others go on.
        Log(QStringLiteral("  La empresa ") + nombre +
            QStringLiteral(" no se puede abrir, se deja fuera de la conversión: ") + e.Message());
        tblBasesDatos->Edit();
        tblBasesDatosSELECCIONADO->SetAsString(QStringLiteral("N"));
        tblBasesDatos->Post();
        ++omitidas;
      }
    }
    ChecarCancelacion();
  }
  Log(Blanco);
  if (bloqueadas > 0) {
    Log(
        QStringLiteral("Algunas bases de datos tienen sesiones activas. \n\rNo es posible continuar con el proceso de "
                       "migración.\n\rCierre estas sesiones antes de reintentar."));
    Log(Blanco);
    throw TqovExceptionValidaInicialSesiones(QString());
  }
  return omitidas;
}

void TParvenkoFrm::LogResumen(int AConvertidas, int AFallidas) {
  Log(TqovFirebirdProc::GetDelim());
  Log(QStringLiteral("Resultados del proceso de conversión"));
  Log(TqovFirebirdProc::GetDelim());
  Log(AFallidas == 0 ? QStringLiteral("El proceso de conversión terminó correctamente.")
                     : QStringLiteral("El proceso de conversión terminó con algunos errores."));
  if (AConvertidas == 1)
    Log(QStringLiteral("Se convirtió correctamente 1 base de datos."));
  else if (AConvertidas > 1)
    Log(QStringLiteral("Se convirtieron correctamente ") + QString::number(AConvertidas) +
        QStringLiteral(" bases de datos."));
  if (AFallidas == 1)
    Log(QStringLiteral("No fue posible convertir 1 base de datos."));
  else if (AFallidas > 1)
    Log(QStringLiteral("No fue posible convertir ") + QString::number(AFallidas) + QStringLiteral(" bases de datos."));
}
