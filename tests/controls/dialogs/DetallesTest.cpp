#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "controls/PruebaDePantalla.h"
#include "controls/basic/ButtonQov.h"
#include "controls/dialogs/ArchivoDetallesQov.h"
#include "controls/dialogs/DetalleMensaje.h"
#include "controls/dialogs/DetallesMemoForm.h"
#include "controls/dialogs/DialogosQov.h"
#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/Captura.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Label.h"
#include "platform/forms/Memo.h"
#include "platform/forms/ModalSeam.h"

namespace {

TEST(ArchivoDetalles, TxtIsAddedUnlessTheNameEndsWithItInAnyCase) {
  const struct {
    const char* elegido;
    const char* guardado;
  } casos[] = {
      {"/x/out", "/x/out.txt"},     {"/x/out.TXT", "/x/out.TXT"},
      {"/x/out.Txt", "/x/out.Txt"}, {"/x/a.txt.bak", "/x/a.txt.bak.txt"},
      {"/x/.txtx", "/x/.txtx.txt"},
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

}  // namespace
