#include "app/main/VentanaDePrueba.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTest>

#include "controls/basic/ButtonQov.h"
#include "controls/grids/DBGridDetalleQov.h"
#include "controls/inicio/InicioControlesQov.h"
#include "platform/data/MemTable.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Memo.h"

VentanaDePrueba::VentanaDePrueba() {
  AplicacionDePrueba();
  InicializarControlesQov();
  ventana = NewForm<VentanaConAvisos>(nullptr);
  ventana->SetDatosConexion(datos.Ruta(), QString(), QStringLiteral("SYSDBA"), ClaveSysdbaServidor());
}

VentanaDePrueba::~VentanaDePrueba() { delete ventana; }

void VentanaDePrueba::Mostrar() {
  ventana->Show();
  EsperarLista(*ventana);
  ventana->edtGbak->SetText(gbak);
}

void EsperarLista(const TParvenkoFrm& AVentana) {
  // The load is posted on show and runs whole, handling events as it goes, when its turn comes.
  ProcesarEventos();
  ASSERT_FALSE(AVentana.Cargando());
}

void VentanaDePrueba::Convertir() {
  ventana->btnMigrarBD->click();
  ProcesarEventos();
}

QStringList RegistroDe(const TParvenkoFrm& AVentana) { return AVentana.mmLog->Lines(); }

void MarcarEmpresa(TParvenkoFrm& AVentana, const QString& AEmpresa) {
  const QAbstractItemModel& modelo = *AVentana.grdBasesDatos->model();
  for (int fila = 0; fila < modelo.rowCount(); ++fila)
    if (modelo.index(fila, 1).data().toString() == AEmpresa) {
      const QRect celda = AVentana.grdBasesDatos->visualRect(modelo.index(fila, 0));
      QTest::mouseClick(AVentana.grdBasesDatos->viewport(), Qt::LeftButton, {}, celda.center());
      return;
    }
  ADD_FAILURE() << "no row " << AEmpresa.toStdString();
}

int ImagenTituloDe(TParvenkoFrm& AVentana) {
  int indice = -1;
  AVentana.grdBasesDatos->OnCalcTitleImage(AVentana.grdBasesDatos, AVentana.tblBasesDatosSELECCIONADO, indice);
  return indice;
}

QStringList FilasDe(const TParvenkoFrm& AVentana) {
  QStringList filas;
  TMemTable& tabla = *AVentana.tblBasesDatos;
  for (int fila = 0; fila < tabla.RecordCount(); ++fila)
    filas << tabla.RowValue(fila, 1).toString() + QLatin1Char(':') + tabla.RowValue(fila, 0).toString();
  return filas;
}

void VentanaDePrueba::ConfigConvertida() {
  QDir().mkpath(Archivo("System"));
  QFile::rename(datos.Config(), Archivo("System/Config.fdb"));
  CarpetaDatos::CrearConfig(datos.Config(), {}, 8192);
}

QStringList EmpresaConvertida(const QString& AEmpresa) {
  const QString base = AEmpresa == "Config" ? "base de datos Config" : "empresa " + AEmpresa;
  return {TqovFirebirdProc::GetDelim(),
          "Convirtiendo " + base,
          TqovFirebirdProc::GetDelim(),
          "Respaldando la " + base + " con la versión actual de Firebird...",
          "Se respaldó la " + base + " correctamente.",
          "Restaurando respaldo de " + base + " a una base de datos con formato de Firebird 3.0...",
          "Conversión de " + base + " exitosa.",
          " "};
}

QStringList Verificacion(const QStringList& ABases) {
  QStringList lineas{TqovFirebirdProc::GetDelim(), "Verificando que no haya usuarios conectados",
                     TqovFirebirdProc::GetDelim()};
  for (const QString& base : ABases) {
    lineas << "+ " + base;
    lineas << (base == "Config" ? "  La base de datos Config no tiene usuarios conectados, puede ser convertida."
                                : "  La empresa " + base + " no tiene usuarios conectados, puede ser convertida.");
  }
  return lineas << " ";
}

QStringList Resumen(const QStringList& ALineas) {
  return QStringList{TqovFirebirdProc::GetDelim(), "Resultados del proceso de conversión",
                     TqovFirebirdProc::GetDelim()} +
         ALineas;
}
