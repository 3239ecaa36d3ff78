// The main window: the company list, the selection and its totals, the log, the progress and the gbak field.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTest>

#include "app/main/VentanaDePrueba.h"
#include "controls/basic/LabelQov.h"
#include "controls/grids/DBGridDetalleQov.h"
#include "platform/data/MemTable.h"
#include "platform/forms/Button.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Memo.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/ProgressBar.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/Timer.h"

namespace {

using VentanaPrincipal = VentanaDePrueba;

TEST_F(VentanaPrincipal, ListsTheCompaniesToConvertAllSelectedAndLogsThoseAlreadyConverted) {
  QFile::remove(datos.Empresa("ZAPATERIA"));
  CarpetaDatos::CrearEmpresa(datos.Empresa("ZAPATERIA"), 5, 8192);
  Mostrar();
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "EMPRESA1:S"}));
  EXPECT_EQ(ventana->lblTotal->Caption(), "2 empresas/2 seleccionadas");
  EXPECT_EQ(ImagenTitulo(), 229);
  EXPECT_EQ(Registro(), (QStringList{"Las siguientes bases de datos ya están convertidas a Firebird 3.0 por lo que "
                                     "no es necesario convertirlas:",
                                     "+ ZAPATERIA", " "}));
}

TEST_F(VentanaPrincipal, TicksFollowTheTotalsAndTheTitleImage) {
  Mostrar();
  Marcar("EMPRESA1");
  EXPECT_EQ(ventana->lblTotal->Caption(), "3 empresas/2 seleccionadas");
  EXPECT_EQ(ImagenTitulo(), 228);
  Marcar("EMPRESA1");
  EXPECT_EQ(ventana->lblTotal->Caption(), "3 empresas/3 seleccionadas");
  EXPECT_EQ(ImagenTitulo(), 229);
  // The check-box column's title unticks every row, and ticks them all again.
  ventana->grdBasesDatos->OnTitleButtonClick(ventana->grdBasesDatos, "SELECCIONADO");
  EXPECT_EQ(ventana->lblTotal->Caption(), "3 empresas");
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:N", "EMPRESA1:N", "ZAPATERIA:N"}));
  EXPECT_EQ(ImagenTitulo(), 228);
  ventana->grdBasesDatos->OnTitleButtonClick(ventana->grdBasesDatos, "NOMBRE_CORTO");
  EXPECT_EQ(ventana->lblTotal->Caption(), "3 empresas");
  ventana->grdBasesDatos->OnTitleButtonClick(ventana->grdBasesDatos, "SELECCIONADO");
  EXPECT_EQ(ventana->lblTotal->Caption(), "3 empresas/3 seleccionadas");
  EXPECT_EQ(ImagenTitulo(), 229);
}

TEST_F(VentanaPrincipal, NothingLeftToConvertAndAFailedLoad) {
  QFile::remove(datos.Config());
  CarpetaDatos::CrearConfig(datos.Config(), {});
  Mostrar();
  EXPECT_EQ(ventana->lblTotal->Caption(), "0 empresas");
  EXPECT_EQ(ImagenTitulo(), 229);
  EXPECT_TRUE(Registro().isEmpty());

  // A wrong password: the server's message in the log, no dialog, the grid as it was.
  auto* otra = NewForm<TParvenkoFrm>(nullptr);
  otra->SetDatosConexion(datos.Ruta(), QString(), "SYSDBA", "no es la clave");
  otra->Show();
  EsperarLista(*otra);
  EXPECT_EQ(otra->mmLog->Lines().size(), 1);
  EXPECT_TRUE(otra->mmLog->Lines().value(0).contains("password")) << otra->mmLog->Lines().join("|").toStdString();
  EXPECT_EQ(otra->tblBasesDatos->RecordCount(), 0);
  delete otra;
}

TEST_F(VentanaPrincipal, TheLogSplitsMessagesOnlyAtLineFeedCarriageReturn) {
  const struct {
    QString mensaje;
    QStringList lineas;
  } casos[] = {
      {"uno\n\rdos\n\r", {"uno", "dos"}},
      {"", {}},
      {"a\r\nb", {QStringLiteral("a") + QChar::LineSeparator + "b"}},
      {" ", {" "}},
  };
  for (const auto& caso : casos) {
    ventana->mmLog->Clear();
    ventana->Log(caso.mensaje);
    EXPECT_EQ(Registro(), caso.lineas) << caso.mensaje.toStdString();
  }
}

TEST_F(VentanaPrincipal, TheProgressClimbsByTenEverySecondAndStartsAgain) {
  ventana->MostrarAnimacionAvance("Respaldando...");
  EXPECT_EQ(ventana->sttsbarAvance->Panel(0).Text, "Respaldando...");
  EXPECT_TRUE(ventana->tmrAvance->Enabled());
  EXPECT_EQ(ventana->tmrAvance->Interval(), 1000);
  QList<int> posiciones;
  for (int segundo = 1; segundo <= 11; ++segundo) {
    ventana->tmrAvanceTimer();
    posiciones << ventana->prgrsbrConvertir->Position();
  }
  EXPECT_EQ(posiciones, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0}));
  ventana->OcultarAnimacionAvance();
  EXPECT_FALSE(ventana->tmrAvance->Enabled());
  EXPECT_EQ(ventana->prgrsbrConvertir->Position(), 0);
  EXPECT_TRUE(ventana->sttsbarAvance->Panel(0).Text.isEmpty());
}

TEST_F(VentanaPrincipal, TheStatusBarFollowsTheWindowAndTheProgressBarFillsItsLastPanel) {
  Mostrar();
  for (const QSize tamano : {QSize(753, 514), QSize(900, 640)}) {
    ventana->SetClientWidth(tamano.width());
    ventana->SetClientHeight(tamano.height());
    ProcesarEventos();
    ventana->sttsbarAvance->repaint();
    TStatusBar& barra = *ventana->sttsbarAvance;
    EXPECT_EQ(barra.Left(), 0);
    EXPECT_EQ(barra.Width(), ventana->ClientWidth());
    EXPECT_EQ(barra.Top() + barra.Height(), ventana->ClientHeight());
    const QRect panel = barra.PanelRect(1);
    EXPECT_EQ(ventana->prgrsbrConvertir->parentWidget(), &barra);
    EXPECT_EQ(ventana->prgrsbrConvertir->BoundsRect(),
              QRect(panel.left(), panel.top(), panel.width() - 15, panel.height()));
    EXPECT_EQ(panel.right(), barra.Width() - 1);
  }
}

TEST_F(VentanaPrincipal, TheDefaultGbakAndTheBrowseDialogThatLeavesTheCurrentFolder) {
  qunsetenv("PROGRAMFILES");
  Mostrar();
  ventana->Show();
  const QString actual = QDir::currentPath();
  const QString elegido = carpeta.Raiz() + "/otro servidor/bin/gbak";
  QDir().mkpath(QFileInfo(elegido).path());
  QFile(elegido).open(QIODevice::WriteOnly);
  QStringList filtros;
  OnModalShown = [&](QWidget& AVentana) {
    auto& dialogo = dynamic_cast<QFileDialog&>(AVentana);
    filtros = dialogo.nameFilters();
    dialogo.selectFile(elegido);
    QMetaObject::invokeMethod(&dialogo, "accept");
  };
  ventana->btnExaminar->click();
  OnModalShown = nullptr;
  EXPECT_EQ(filtros, QStringList{"Gbak (gbak)"});
  EXPECT_EQ(ventana->edtGbak->Text(), elegido);
  EXPECT_EQ(QDir::currentPath(), actual);

  // The folder of the older server's gbak: under PROGRAMFILES without " (x86)" when it is set.
  qputenv("PROGRAMFILES", "C:/Archivos de programa (X86)");
  auto* otra = NewForm<TParvenkoFrm>(nullptr);
  otra->SetDatosConexion(datos.Ruta(), QString(), "SYSDBA", ClaveSysdbaServidor());
  otra->Show();
  EsperarLista(*otra);
  EXPECT_EQ(otra->edtGbak->Text(), "C:/Archivos de programa/Firebird/Firebird_2_5/bin/gbak");
  delete otra;
  qunsetenv("PROGRAMFILES");
  auto* tercera = NewForm<TParvenkoFrm>(nullptr);
  tercera->Show();
  EsperarLista(*tercera);
  EXPECT_EQ(tercera->edtGbak->Text(), "/opt/firebird/bin/gbak");
  delete tercera;
}

}  // namespace
