#include "app/main/VentanaDePrueba.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTest>

#include "controls/basic/ButtonQov.h"
#include "controls/grids/CustomDBGridQov.h"
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
  ventana->edtGbak->SetText(gbak);
  ProcesarEventos();
}

void VentanaDePrueba::Convertir() {
  ventana->btnMigrarBD->click();
  ProcesarEventos();
}

QStringList VentanaDePrueba::Registro() const { return ventana->mmLog->Lines(); }

void VentanaDePrueba::Marcar(const QString& AEmpresa) {
  const QAbstractItemModel& modelo = *ventana->grdBasesDatos->model();
  for (int fila = 0; fila < modelo.rowCount(); ++fila)
    if (modelo.index(fila, 1).data().toString() == AEmpresa) {
      const QRect celda = ventana->grdBasesDatos->visualRect(modelo.index(fila, 0));
      QTest::mouseClick(ventana->grdBasesDatos->viewport(), Qt::LeftButton, {}, celda.center());
      return;
    }
  ADD_FAILURE() << "no row " << AEmpresa.toStdString();
}

int VentanaDePrueba::ImagenTitulo() const {
  int indice = -1;
  ventana->grdBasesDatos->OnCalcTitleImage(ventana->grdBasesDatos, ventana->tblBasesDatosSELECCIONADO, indice);
  return indice;
}

QStringList VentanaDePrueba::Filas() const {
  QStringList filas;
  TMemTable& tabla = *ventana->tblBasesDatos;
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
  return {TqovFirebirdProc::GetDelim(),
          "Convirtiendo empresa " + AEmpresa,
          TqovFirebirdProc::GetDelim(),
          "Respaldando la empresa " + AEmpresa + " con la versión actual de Firebird...",
          "Se respaldó la empresa " + AEmpresa + " correctamente.",
          "Restaurando respaldo de empresa " + AEmpresa + " a una base de datos con formato de Firebird 3.0...",
          "Conversión de empresa " + AEmpresa + " exitosa.",
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
