#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "controls/PruebaDePantalla.h"
#include "controls/basic/ButtonQov.h"
#include "controls/dialogs/ArchivoDetallesQov.h"
#include "controls/dialogs/DetalleMensaje.h"
#include "controls/dialogs/DetallesForm.h"
#include "controls/dialogs/DetallesMemoForm.h"
#include "controls/dialogs/DialogosQov.h"
#include "controls/grids/DBGridQov.h"
#include "core/dataaccess/DAIBCDatabase.h"
#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/Captura.h"
#include "fixtures/CarpetaDatos.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Label.h"
#include "platform/forms/Memo.h"
#include "platform/forms/ModalSeam.h"

namespace {

TEST(ArchivoDetalles, TxtIsAddedUnlessTheNameHoldsItAnywhereInThatCase) {
  const struct {
    const char* elegido;
    const char* guardado;
  } casos[] = {
      {"/x/out", "/x/out.txt"},         {"/x/out.TXT", "/x/out.TXT.txt"},
      {"/x/out.Txt", "/x/out.Txt.txt"}, {"/x/a.txt.bak", "/x/a.txt.bak"},
      {"/x/.txtx", "/x/.txtx"},         {"/x/out.tx", "/x/out.tx.txt"},
  };
  for (const auto& c : casos) EXPECT_EQ(TArchivoDetallesQov::ConExtension(c.elegido), c.guardado) << c.elegido;
  EXPECT_EQ(TArchivoDetallesQov::StripOffPath("/x/y/out.txt"), "/x/y/");
  EXPECT_EQ(TArchivoDetallesQov::StripOffPath("out.txt"), "");
}

// The details windows with settings of their own, answering the save dialog and the questions in place of an
// operator, in a temporary folder.
class Detalles : public PruebaDePantalla {
 protected:
  void SetUp() override {
    PruebaDePantalla::SetUp();
    OnExecuteFileDialog = [this](TOpenDialog& ADialogo) {
      dialogos << QStringLiteral("%1|%2").arg(ADialogo.FileName, ADialogo.InitialDir);
      if (elecciones.isEmpty()) return false;
      ADialogo.FileName = elecciones.takeFirst();
      return true;
    };
    OnModalShown = [this](QWidget& AVentana) {
      auto* dialogo = dynamic_cast<TMessageForm*>(&AVentana);
      if (!dialogo) return ventanas(AVentana);
      preguntas << dialogo->findChild<TLabel*>("Message")->Caption();
      dialogo->findChild<TButton*>(respuestas.takeFirst())->click();
    };
  }
  void TearDown() override {
    OnExecuteFileDialog = nullptr;
    OnModalShown = nullptr;
    DetalleMensaje = {};
    PruebaDePantalla::TearDown();
  }

  QString Ruta(const QString& ANombre) const { return carpeta.filePath(ANombre); }
  static QByteArray Contenido(const QString& ARuta) {
    QFile archivo(ARuta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray("(no existe)");
  }
  static void Escribir(const QString& ARuta, const QByteArray& ADatos) {
    QFile archivo(ARuta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(ADatos);
  }

  QTemporaryDir carpeta;
  QStringList elecciones;  // the names the save dialog chooses, in turn
  QStringList dialogos;    // the name and folder each save dialog offered
  QStringList respuestas;  // the buttons that answer the questions, in turn
  QStringList preguntas;
  std::function<void(QWidget&)> ventanas = [](QWidget&) {};
};

TEST_F(Detalles, TheMemoWindowTakesTheGivenClientSizeScaledAndItsButtonsFollow) {
  DetalleMensaje.ScrollBarH = true;
  TDetallesMemoForm* mostrada = nullptr;
  ventanas = [&](QWidget& AVentana) {
    mostrada = dynamic_cast<TDetallesMemoForm*>(&AVentana);
    ASSERT_NE(mostrada, nullptr);
    // A window without owner takes the main window's zoom: the screen's own, at most 175 per cent.
    const int zoom = ZoomPantalla();
    EXPECT_EQ(mostrada->Caption(), "Errores");
    EXPECT_EQ(mostrada->ClientWidth(), 400 * zoom / 100);
    EXPECT_EQ(mostrada->ClientHeight(), 200 * zoom / 100);
    EXPECT_NEAR(mostrada->btnGuardar->Left() + mostrada->btnGuardar->Width(), mostrada->ClientWidth() - 7 * zoom / 100,
                2);
    EXPECT_EQ(mostrada->mmTexto->Lines(), (QStringList{"uno", "dos", "tres"}));
    EXPECT_FALSE(mostrada->mmTexto->WordWrap());
    EXPECT_EQ(mostrada->mmTexto->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    Capturar(*mostrada, QStringLiteral("DetallesMemo%1").arg(zoom));
    mostrada->btnAceptar->click();
  };
  MostrarDetallesMemo(nullptr, "Errores", "uno\rdos\r\ntres", 200, 400, true, false);
  EXPECT_NE(mostrada, nullptr);
}

TEST_F(Detalles, TheMemoSavesItsTextInLatin1WithCrLfAndRemembersTheName) {
  ventanas = [&](QWidget& AVentana) {
    auto& forma = dynamic_cast<TDetallesMemoForm&>(AVentana);
    forma.btnGuardar->click();
    forma.btnGuardar->click();
    forma.btnAceptar->click();
  };
  elecciones = {Ruta("errores"), Ruta("otros")};
  MostrarDetallesMemo(nullptr, "", "línea 1\rlínea 2 €", 100, 300, true, true);
  EXPECT_EQ(Contenido(Ruta("errores.txt")), QByteArray("l\xEDnea 1\rl\xEDnea 2 ?\r\n"));
  EXPECT_EQ(Contenido(Ruta("otros.txt")), Contenido(Ruta("errores.txt")));
  ASSERT_EQ(dialogos.size(), 2);
  EXPECT_TRUE(dialogos[0].startsWith("Rechazos|"));
  EXPECT_EQ(dialogos[1], "errores|" + carpeta.path() + "/");  // the second save offers the first one's name
  EXPECT_TRUE(preguntas.isEmpty());
}

TEST_F(Detalles, ReplacingAFileAsksAndNoChoosesAgain) {
  Escribir(Ruta("viejo.txt"), "antes\r\n");
  TDetallesMemoForm* forma = NewForm<TDetallesMemoForm>(nullptr);
  std::unique_ptr<TDetallesMemoForm> dueño(forma);
  forma->SetTexto("nuevo");
  elecciones = {Ruta("viejo"), Ruta("viejo.txt")};
  respuestas = {"No", "Yes"};
  forma->btnGuardarClick(nullptr);
  EXPECT_EQ(preguntas, (QStringList{Ruta("viejo.txt") + " ya existe.\r¿Desea reemplazarlo?",
                                    Ruta("viejo.txt") + " ya existe.\r¿Desea reemplazarlo?"}));
  EXPECT_EQ(dialogos.size(), 2);
  EXPECT_EQ(Contenido(Ruta("viejo.txt")), "nuevo\r\n");
  EXPECT_TRUE(forma->FVengoDeGuardar);

  // A cancelled dialog writes nothing and keeps the window open.
  forma->FVengoDeGuardar = false;
  forma->SetModalResult(mrOk);
  forma->btnGuardarClick(nullptr);
  EXPECT_EQ(forma->ModalResult(), mrNone);
  EXPECT_FALSE(forma->FVengoDeGuardar);
}

TEST_F(Detalles, AReplacedFileKeepsItsOwnerGroupAndPermissionsAndOneThatCannotBeReplacedSaysWhy) {
  TDetallesMemoForm forma(nullptr);
  TArchivoDetallesQov& archivo = forma.Archivo();
  const QByteArray ajeno = QFile::encodeName(Ruta("ajeno.txt"));
  Escribir(Ruta("ajeno.txt"), "antes\r\n");
  // Another user's file where the test may give one away (root); else the test's own.
  const uid_t usuario = geteuid() == 0 ? 65534 : geteuid();
  const gid_t grupo = geteuid() == 0 ? 65534 : getegid();
  ASSERT_EQ(chown(ajeno.constData(), usuario, grupo), 0);
  ASSERT_EQ(chmod(ajeno.constData(), 0640), 0);
  elecciones = {Ruta("ajeno.txt")};
  respuestas = {"Yes"};
  EXPECT_TRUE(archivo.Guardar(forma, *forma.sdImprimirEnArchivo, [&] { archivo.WriteLine("después"); }));
  struct stat datos {};
  ASSERT_EQ(stat(ajeno.constData(), &datos), 0);
  EXPECT_EQ(datos.st_uid, usuario);
  EXPECT_EQ(datos.st_gid, grupo);
  EXPECT_EQ(datos.st_mode & 07777, 0640u);
  EXPECT_EQ(Contenido(Ruta("ajeno.txt")), "despu\xe9s\r\n");

  // A file that cannot be written (root is stopped only by an immutable file) or read gives the reason.
  Escribir(Ruta("fijo.txt"), "fijo\r\n");
  std::unique_ptr<Inmutable> fijo;
  if (geteuid() == 0)
    fijo = std::make_unique<Inmutable>(Ruta("fijo.txt"));
  else
    ASSERT_EQ(chmod(QFile::encodeName(Ruta("fijo.txt")).constData(), 0444), 0);
  elecciones = {Ruta("fijo.txt")};
  respuestas = {"Yes"};
  try {
    archivo.Guardar(forma, *forma.sdImprimirEnArchivo, [&] { archivo.WriteLine("x"); });
    ADD_FAILURE() << "replaced";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().contains(QRegularExpression(
        "^No es posible reemplazar el archivo \".*fijo.txt\"\\. (Operation not permitted|Permission denied)$")))
        << e.Message().toStdString();
  }
  fijo.reset();
  EXPECT_EQ(Contenido(Ruta("fijo.txt")), "fijo\r\n");
  try {
    archivo.Open(carpeta.path());
    ADD_FAILURE() << "opened a folder";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().startsWith("No es posible leer el archivo")) << e.Message().toStdString();
  }
}

TEST_F(Detalles, AFailedWriteLeavesTheOldFileAndTheRememberedNameAsTheyWere) {
  Escribir(Ruta("viejo.txt"), "antes\r\n");
  TDetallesMemoForm forma(nullptr);
  TArchivoDetallesQov& archivo = forma.Archivo();
  elecciones = {Ruta("viejo.txt")};
  respuestas = {"Yes"};
  EXPECT_THROW(archivo.Guardar(forma, *forma.sdImprimirEnArchivo,
                               [&] {
                                 archivo.WriteLine("a medias");
                                 throw EFileError("disco lleno");
                               }),
               EFileError);
  EXPECT_EQ(Contenido(Ruta("viejo.txt")), "antes\r\n");
  EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files), QStringList{"viejo.txt"});
  QString recordado;
  EXPECT_FALSE(TArchivoDetallesQov::LoadFileName(recordado));

  // A file that cannot be read, or created, ends the save with the system's message.
  EXPECT_THROW(archivo.Open(Ruta("no-hay.txt")), Exception);
  try {
    archivo.CreaArch(Ruta("no-hay/x.txt"));
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Error al tratar de crear: " + Ruta("no-hay/x.txt"));
  }
}

// The grid window over a real query of two rows ('A', '1') and ('B', '2').
class DetallesRejilla : public Detalles {
 protected:
  void SetUp() override {
    Detalles::SetUp();
    CrearBaseDatos(ruta,
                   "CREATE TABLE RECHAZOS (CLAVE VARCHAR(5), NUM VARCHAR(5), NOTA VARCHAR(10));\n"
                   "INSERT INTO RECHAZOS VALUES ('A', '1', 'uno');\n"
                   "INSERT INTO RECHAZOS VALUES ('B', '2', 'dos');\nCOMMIT;\n");
    bd.SetDBName(ruta);
    bd.SetDBParams({"user_name=SYSDBA", "password=masterkey"});
    bd.SetDefaultTransaction(&transaccion);
    transaccion.SetDefaultDatabase(&bd);
    bd.Open();
    consulta.SetDatabase(&bd);
    consulta.SQL().SetText("SELECT CLAVE, NUM FROM RECHAZOS ORDER BY CLAVE");
    consulta.Open();
    DetalleMensaje.Dataset = &consulta;
    DetalleMensaje.MinWidth = 300;
    DetalleMensaje.MinHeight = 100;
  }

  CarpetaTrabajo trabajo;
  const QString ruta = trabajo.Datos() + "DETALLES.fdb";
  TqovDADatabase bd;
  TqovDATransaction transaccion;
  TqovDADataset consulta;
};

TEST_F(DetallesRejilla, TheGridWindowSavesEveryRowTwoBlanksApartAnEmptyLineAndTheFooter) {
  DetalleMensaje.Footer = "rechazos";
  DetalleMensaje.Caption = "Rechazos";
  DetalleMensaje.HelpCtx = 77;
  elecciones = {Ruta("rechazos")};
  bool guardada = false;
  ventanas = [&](QWidget& AVentana) {
    auto& forma = dynamic_cast<TDetallesForm&>(AVentana);
    const int zoom = ZoomPantalla();
    EXPECT_EQ(forma.Caption(), "Rechazos");
    EXPECT_EQ(forma.grdDetalles->HelpContext(), 77);
    EXPECT_NE(forma.grdDetalles->PopupMenu(), nullptr);  // the shared context-help menu
    EXPECT_EQ(forma.lblFooter->Caption(), "2 rechazos");
    EXPECT_TRUE(forma.lblFooter->Visible());
    // The buttons under the grid's right edge, the window around them.
    EXPECT_NEAR(forma.btnGuardar->Left() + forma.btnGuardar->Width(), (8 + 300) * zoom / 100, 2);
    EXPECT_NEAR(forma.ClientWidth(), (8 + 300 + 13) * zoom / 100, 2);
    EXPECT_NEAR(forma.ClientHeight(), (8 + 100 + 8 + 22 + 8) * zoom / 100, 2);
    EXPECT_EQ(forma.btnAceptar->Top(), forma.btnGuardar->Top());
    ProcesarEventos();
    Capturar(forma, QStringLiteral("Detalles%1").arg(zoom));
    forma.btnGuardar->click();
    guardada = forma.FVengoDeGuardar;
    forma.btnAceptar->click();
  };
  MostrarDetalles(nullptr);
  EXPECT_TRUE(guardada);
  EXPECT_EQ(Contenido(Ruta("rechazos.txt")), "A  1\r\nB  2\r\n\r\n2 rechazos\r\n");
  EXPECT_TRUE(consulta.Eof());  // left on its last record
  EXPECT_FALSE(consulta.ControlsDisabled());

  // A window that has saved stays, hidden, with its owner; one that has not is freed.
  TForm dueño(nullptr);
  elecciones = {Ruta("otra")};
  ventanas = [&](QWidget& AVentana) {
    auto& forma = dynamic_cast<TDetallesForm&>(AVentana);
    if (!elecciones.isEmpty()) forma.btnGuardar->click();
    forma.btnAceptar->click();
  };
  MostrarDetalles(&dueño);
  MostrarDetalles(&dueño);
  ASSERT_EQ(dueño.ComponentCount(), 1);
  auto* quedada = dynamic_cast<TDetallesForm*>(dueño.Components(0));
  ASSERT_NE(quedada, nullptr);
  EXPECT_FALSE(quedada->isVisible());
}

TEST_F(DetallesRejilla, ConfGridNamesTheColumnsOnlyInWholeTriples) {
  const struct {
    const char* conf;
    QStringList titulos;
    int anchoClave;
  } casos[] = {
      {"", {"CLAVE", "NUM"}, 5},
      {"NUM;12;Número;CLAVE;4;Clave", {"Clave", "Número"}, 4},
      {"NUM;12;Número;CLAVE;4", {"CLAVE", "NUM"}, 5},  // five items: nothing changes
  };
  for (const auto& c : casos) {
    consulta.Close();
    consulta.Open();  // the fields as the query gives them
    DetalleMensaje.ConfGrid = c.conf;
    QStringList titulos;
    ventanas = [&](QWidget& AVentana) {
      auto& forma = dynamic_cast<TDetallesForm&>(AVentana);
      for (int i = 0; i < forma.grdDetalles->DataColumnCount(); ++i)
        titulos << forma.grdDetalles->model()->headerData(i, Qt::Horizontal).toString();
      forma.btnAceptar->click();
    };
    MostrarDetalles(nullptr);
    EXPECT_EQ(titulos, c.titulos) << c.conf;
    EXPECT_EQ(consulta.FieldByName("CLAVE").DisplayWidth(), c.anchoClave) << c.conf;
  }

  // A width that is no integer, or a field that is not there, ends the opening; the controls are enabled.
  for (const char* conf : {"NUM;ancho;Número", "OTRO;4;Otro"}) {
    DetalleMensaje.ConfGrid = conf;
    bool mostrada = false;
    ventanas = [&](QWidget&) { mostrada = true; };
    EXPECT_ANY_THROW(MostrarDetalles(nullptr)) << conf;
    EXPECT_FALSE(mostrada);
    EXPECT_FALSE(consulta.ControlsDisabled());
  }
}

TEST_F(DetallesRejilla, TheDetailsButtonOfAMessageDialogOpensTheWindowOfTheRecord) {
  QStringList abiertas;
  OnModalShown = [&](QWidget& AVentana) {
    if (auto* dialogo = dynamic_cast<TMessageForm*>(&AVentana)) {
      dialogo->findChild<TButton*>("Details")->click();
      EXPECT_TRUE(dialogo->isVisible());  // Details does not close it
      dialogo->findChild<TButton*>("OK")->click();
      return;
    }
    abiertas << AVentana.metaObject()->className();
    dynamic_cast<TForm&>(AVentana).Close();
  };
  const TBotonesDialogo botones{bdOK, bdDetails};
  MostrarMensaje(nullptr, "Hubo rechazos.", mtWarning, "Prueba", botones, bdOK, bdOK, 0);
  DetalleMensaje.Dataset = nullptr;
  DetalleMensaje.Footer = "el texto";
  MostrarMensaje(nullptr, "Hubo rechazos.", mtWarning, "Prueba", botones, bdOK, bdOK, 0);
  EXPECT_EQ(abiertas, (QStringList{"TDetallesForm", "TDetallesMemoForm"}));
}

}  // namespace
