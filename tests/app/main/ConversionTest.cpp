// The conversion run through the main window: its outcomes, cancel and the close during a run.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QTest>

#include "app/main/VentanaDePrueba.h"
#include "controls/basic/ButtonQov.h"
#include "controls/basic/LabelQov.h"
#include "controls/grids/DBGridDetalleQov.h"
#include "fixtures/RelojFijo.h"
#include "platform/fbdac/FbConnection.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Memo.h"

namespace {

class Conversion : public VentanaDePrueba {
 protected:
  // Presses the button (or closes the window) once the progress has shown AVeces times.
  void AlAvance(int AVeces, bool ACerrar = false) {
    ventana->AlMostrarAvance = [this, AVeces, ACerrar](const QStringList& AAvances) {
      if (AAvances.size() != AVeces) return;
      // Posted: the window handles it while the engine waits for gbak, as an operator's click.
      if (ACerrar)
        QMetaObject::invokeMethod(ventana, "close", Qt::QueuedConnection);
      else
        QMetaObject::invokeMethod(ventana->btnCancelar, "click", Qt::QueuedConnection);
    };
  }
};

TEST_F(Conversion, AGbakPathThatIsMissingEndsTheRunBeforeTheCheckWithTheFieldFocused) {
  Mostrar();
  ventana->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(ventana));
  const auto antes = HuellaArchivo(datos.Config());
  ventana->edtGbak->SetText(carpeta.Raiz() + "/no hay/gbak");
  Convertir();
  EXPECT_EQ(Registro(),
            (QStringList{"No es posible continuar con el proceso de conversión debido a que no se encuentra "
                         "la herramienta gbak del Firebird actual.",
                         "Corriga la ruta a la herramienta para continuar."}));
  EXPECT_TRUE(ventana->edtGbak->hasFocus());
  EXPECT_EQ(HuellaArchivo(datos.Config()), antes);
  EXPECT_TRUE(ventana->btnMigrarBD->isEnabled());
  EXPECT_TRUE(ventana->grdBasesDatos->isEnabled());
}

TEST_F(Conversion, ConfigAttachedByAnotherConnectionStopsTheRunBeforeAnythingChanges) {
  Mostrar();
  const auto otra = ConectarPorServidor(datos.Config());
  Convertir();
  const QStringList registro = Registro();
  ASSERT_GE(registro.size(), 8);
  EXPECT_EQ(registro.mid(0, 5),
            (QStringList{TqovFirebirdProc::GetDelim(), "Verificando que no haya usuarios conectados",
                         TqovFirebirdProc::GetDelim(), "+ Config",
                         "  La base de datos de Config tiene usuarios conectados, no es posible convertirla: "}));
  EXPECT_TRUE(registro[5].startsWith("Usuario: SYSDBA - Proceso: ")) << registro[5].toStdString();
  const QStringList rechazo = {"Algunas bases de datos tienen sesiones activas. ",
                               "No es posible continuar con el proceso de migración.",
                               "Cierre estas sesiones antes de reintentar.", " "};
  EXPECT_EQ(registro.mid(6), Verificacion({"COMERCIAL SUR", "EMPRESA1", "ZAPATERIA"}).mid(3) + rechazo);
  EXPECT_FALSE(QFileInfo::exists(Respaldos()));
  EXPECT_FALSE(QFileInfo::exists(Archivo()));
}

TEST_F(Conversion, ACompanyWhoseBackupFailsIsCountedAndTheRunGoesOn) {
  ConfigConvertida();
  Mostrar();
  Marcar("ZAPATERIA");
  // A folder where the backup file goes makes the installed gbak fail.
  QDir().mkpath(Respaldos("COMERCIAL SUR_MIGRACION_2019.fbk"));
  const auto original = HuellaDatos(datos.Empresa("COMERCIAL SUR"));
  Convertir();
  const QStringList registro = Registro();
  const QStringList fallo = {TqovFirebirdProc::GetDelim(), "Convirtiendo empresa COMERCIAL SUR",
                             TqovFirebirdProc::GetDelim(),
                             "Respaldando la empresa COMERCIAL SUR con la versión actual de Firebird..."};
  const int inicio = static_cast<int>(Verificacion({"COMERCIAL SUR", "EMPRESA1"}).size());
  ASSERT_EQ(registro.size(), inicio + fallo.size() + 3 + EmpresaConvertida("EMPRESA1").size() + 6);
  EXPECT_EQ(registro.mid(0, inicio), Verificacion({"COMERCIAL SUR", "EMPRESA1"}));
  EXPECT_EQ(registro.mid(inicio, fallo.size()), fallo);
  EXPECT_TRUE(
      registro[inicio + fallo.size()].startsWith("Ocurrió un error al respaldar la empresa. Consulte el archivo '"));
  EXPECT_EQ(registro.mid(inicio + fallo.size() + 1),
            QStringList({"Se continúa con la siguiente empresa...", " "}) + EmpresaConvertida("EMPRESA1") +
                Resumen({"El proceso de conversión terminó con algunos errores.",
                         "Se convirtió correctamente 1 base de datos.", "No fue posible convertir 1 base de datos."}));
  EXPECT_EQ(HuellaDatos(datos.Empresa("COMERCIAL SUR")), original);
  // The list is loaded again: the converted company is gone, the others all selected.
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "ZAPATERIA:S"}));
  EXPECT_EQ(ventana->lblTotal->Caption(), "2 empresas/2 seleccionadas");
}

TEST_F(Conversion, ACompanyWhoseRestoreFailsAndCannotBeCheckedIsCountedAndTheRunGoesOn) {
  ConfigConvertida();
  Mostrar();
  Marcar("ZAPATERIA");
  // A folder where the restore writes its new file makes it fail; no isql beside the gbak, so no check.
  QDir().mkdir(datos.Ruta() + "COMERCIAL SUR_ODS12.fdb");
  QDir().mkpath(carpeta.Raiz() + "/sin isql");
  ASSERT_TRUE(QFile::link(gbak, carpeta.Raiz() + "/sin isql/gbak"));
  ventana->edtGbak->SetText(carpeta.Raiz() + "/sin isql/gbak");
  const auto original = HuellaDatos(datos.Empresa("COMERCIAL SUR"));
  Convertir();
  const QStringList registro = Registro();
  const int inicio = static_cast<int>(Verificacion({"COMERCIAL SUR", "EMPRESA1"}).size());
  // The check's notice is one item of two lines.
  const QStringList fallo = {"Ocurrió un error al restaurar el respaldo.",
                             "Ocurrió un error al restaurar el respaldo. Consulte el archivo '",
                             "No fue posible validar la estructura de la base de datos: ocurrió un error al extraer "
                             "sus metadatos con el isql del servidor instalado. Consulte el archivo '",
                             "Se continúa con la siguiente empresa...",
                             " "};
  const int despues = inicio + 6;
  ASSERT_EQ(registro.size(), despues + fallo.size() + EmpresaConvertida("EMPRESA1").size() + 6)
      << registro.join('\n').toStdString();
  for (int i = 0; i < fallo.size(); ++i) EXPECT_TRUE(registro[despues + i].startsWith(fallo[i])) << i;
  EXPECT_TRUE(registro[despues].endsWith("Validando estructura de la empresa COMERCIAL SUR..."));
  EXPECT_EQ(registro.mid(despues + fallo.size()),
            EmpresaConvertida("EMPRESA1") +
                Resumen({"El proceso de conversión terminó con algunos errores.",
                         "Se convirtió correctamente 1 base de datos.", "No fue posible convertir 1 base de datos."}));
  EXPECT_EQ(HuellaDatos(datos.Empresa("COMERCIAL SUR")), original);
}

// A company that cannot be opened at all is left out, named with the server's words, and counted as not
// converted; the others are converted.
TEST_F(Conversion, ACompanyThatCannotBeOpenedIsLeftOutAndTheRunGoesOn) {
  ConfigConvertida();
  Mostrar();
  QFile danada(datos.Empresa("COMERCIAL SUR"));
  ASSERT_TRUE(danada.open(QIODevice::WriteOnly));
  danada.write(QByteArray(8192, 'x'));
  danada.close();
  QFile::remove(datos.Empresa("ZAPATERIA"));
  Convertir();
  const QStringList registro = Registro();
  const QStringList inicio = Verificacion({}).mid(0, 3);
  ASSERT_GT(registro.size(), 12);
  EXPECT_EQ(registro.mid(0, 4), inicio + QStringList{"+ COMERCIAL SUR"});
  EXPECT_TRUE(registro[4].startsWith("  La empresa COMERCIAL SUR no se puede abrir, se deja fuera de la conversión: "))
      << registro[4].toStdString();
  EXPECT_GT(registro[4].size(), 80);  // the server's own words follow
  EXPECT_EQ(registro.mid(5, 3), Verificacion({"EMPRESA1"}).mid(3, 2) + QStringList{"+ ZAPATERIA"});
  EXPECT_TRUE(registro[8].startsWith("  La empresa ZAPATERIA no se puede abrir, se deja fuera de la conversión: "));
  EXPECT_EQ(registro.mid(9),
            QStringList{" "} + EmpresaConvertida("EMPRESA1") +
                Resumen({"El proceso de conversión terminó con algunos errores.",
                         "Se convirtió correctamente 1 base de datos.", "No fue posible convertir 2 bases de datos."}));
  EXPECT_TRUE(QFileInfo::exists(Archivo("EMPRESA1.fdb")));
  EXPECT_FALSE(QFileInfo::exists(Archivo("COMERCIAL SUR.fdb")));
}

// A Config whose file is a link is left out like a company whose file is one: named with the reason, counted
// as not converted, and the companies go on; who is attached to it does not matter.
TEST_F(Conversion, AConfigThatIsALinkIsLeftOutAndTheCompaniesGoOn) {
  ASSERT_TRUE(QFile::rename(datos.Config(), datos.Ruta() + "System/Config real.fdb"));
  ASSERT_TRUE(QFile::link("Config real.fdb", datos.Config()));
  Mostrar();
  Marcar("COMERCIAL SUR");
  Marcar("ZAPATERIA");
  const auto otra = ConectarPorServidor(datos.Config());
  Convertir();
  const QStringList dejada{"No es posible convertir la base de datos Config: su archivo '" + datos.Config() +
                               "' es un enlace simbólico. Ponga en su lugar el archivo de la base de datos y vuelva a "
                               "intentarlo.",
                           "Se continúa con las empresas seleccionadas...", " "};
  EXPECT_EQ(Registro(),
            Verificacion({"EMPRESA1"}) + dejada + EmpresaConvertida("EMPRESA1") +
                Resumen({"El proceso de conversión terminó con algunos errores.",
                         "Se convirtió correctamente 1 base de datos.", "No fue posible convertir 1 base de datos."}));
  EXPECT_TRUE(QFileInfo(datos.Config()).isSymLink());
  EXPECT_FALSE(QFileInfo::exists(Archivo("System")));
  EXPECT_TRUE(QFileInfo::exists(Archivo("EMPRESA1.fdb")));
}

TEST_F(Conversion, ConfigConvertedAndNothingSelectedGivesAnEmptySummaryAndReloads) {
  ConfigConvertida();
  Mostrar();
  ventana->grdBasesDatos->OnTitleButtonClick(ventana->grdBasesDatos, "SELECCIONADO");
  Convertir();
  EXPECT_EQ(Registro(), Verificacion({}) + Resumen({"El proceso de conversión terminó correctamente."}));
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "EMPRESA1:S", "ZAPATERIA:S"}));
  // Reloading sets the gbak field back to its default.
  EXPECT_EQ(ventana->edtGbak->Text(), "/opt/firebird/bin/gbak");
}

TEST_F(Conversion, CancelDuringABackupOrClosingTheWindowStopsAfterThatBackup) {
  // Both rounds back the company up within the same second: the second writes its report beside the first's.
  const RelojFijo reloj;
  const QString reporte = carpeta.Log() + "/" + RelojFijo::Estampa() + "_COMERCIAL SUR_RESPALDAR";
  for (const bool cerrar : {false, true}) {
    SCOPED_TRACE(cerrar ? "closing the window" : "Cancelar");
    QDir(Respaldos()).removeRecursively();
    ConfigConvertida();
    ventana->mmLog->Clear();
    Mostrar();
    const auto original = HuellaDatos(datos.Empresa("COMERCIAL SUR"));
    AlAvance(1, cerrar);
    Convertir();
    const QStringList registro = Registro();
    ASSERT_FALSE(registro.isEmpty());
    EXPECT_EQ(registro.last(), "El usuario canceló el proceso de conversión.");
    EXPECT_TRUE(registro.contains("Cancelando el proceso de conversión, espere por favor..."));
    EXPECT_TRUE(registro.contains("Se respaldó la empresa COMERCIAL SUR correctamente."));
    EXPECT_FALSE(registro.contains("Resultados del proceso de conversión"));
    EXPECT_EQ(ventana->Avances, QStringList{"Respaldando..."});
    EXPECT_EQ(HuellaDatos(datos.Empresa("COMERCIAL SUR")), original);
    EXPECT_TRUE(QFile::exists(Respaldos("COMERCIAL SUR_MIGRACION_2019.fbk")));
    EXPECT_FALSE(QFile::exists(Archivo("COMERCIAL SUR.fdb")));
    // Closed during the run, the window stayed until the run ended, and then closed.
    EXPECT_EQ(ventana->isVisible(), !cerrar);
    EXPECT_FALSE(ventana->Procesando());
    EXPECT_TRUE(ventana->btnCancelar->isEnabled());
    EXPECT_TRUE(QFile::exists(reporte + ".txt"));
    EXPECT_EQ(QFile::exists(reporte + "_2.txt"), cerrar);
    ventana->AlMostrarAvance = nullptr;
    ventana->Avances.clear();
    // Config is restored for the next round.
    QFile::remove(datos.Config());
    QFile::rename(Archivo("System/Config.fdb"), datos.Config());
  }
}

TEST_F(Conversion, ASecondRunAfterACancelledOneSkipsTheCompanyItConverted) {
  ConfigConvertida();
  Mostrar();
  Marcar("ZAPATERIA");
  const auto original = HuellaDatos(datos.Empresa("COMERCIAL SUR"));
  AlAvance(3);  // during EMPRESA1's backup, COMERCIAL SUR converted already
  Convertir();
  ASSERT_EQ(Registro().last(), "El usuario canceló el proceso de conversión.");
  // The list was not loaded again: COMERCIAL SUR is still there, selected.
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "EMPRESA1:S", "ZAPATERIA:N"}));
  ventana->AlMostrarAvance = nullptr;
  Convertir();
  const QStringList registro = Registro();
  const int inicio = static_cast<int>(Verificacion({"COMERCIAL SUR", "EMPRESA1"}).size());
  EXPECT_EQ(registro.mid(0, inicio), Verificacion({"COMERCIAL SUR", "EMPRESA1"}));
  EXPECT_EQ(registro.mid(inicio), QStringList({"Las siguientes bases de datos ya están convertidas a Firebird 3.0 por "
                                               "lo que no es necesario convertirlas:",
                                               "+ COMERCIAL SUR", " "}) +
                                      EmpresaConvertida("EMPRESA1") +
                                      Resumen({"El proceso de conversión terminó correctamente.",
                                               "Se convirtió correctamente 1 base de datos."}));
  // The archive keeps the old file, not the converted one.
  EXPECT_FALSE(proc.EsODS12(caller, Archivo("COMERCIAL SUR.fdb"), "COMERCIAL SUR"));
  EXPECT_EQ(HuellaDatos(Archivo("COMERCIAL SUR.fdb")), original);
  EXPECT_EQ(HuellaDatos(datos.Empresa("COMERCIAL SUR")), original);
  EXPECT_EQ(Filas(), QStringList{"ZAPATERIA:S"});
}

}  // namespace
