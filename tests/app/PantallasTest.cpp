// The dialogs as the operator sees them at the screen's resolution: each label ends before its control, and
// every control lies within its dialog. Each dialog is also saved as a picture (QOV_PANTALLAS) to be looked at.

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "app/PruebaDeDialogos.h"
#include "app/dialogs/DlgLogin.h"
#include "app/dialogs/MttoConexionesFrmConver.h"
#include "controls/dialogs/DialogosQov.h"
#include "platform/forms/Label.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/QtTranslation.h"
#include "platform/forms/Screen.h"

namespace {

class Pantallas : public PruebaDeDialogos {
 protected:
  // Saves the window as "<name>-<dpi>.png".
  static void Guardar(QWidget& AVentana, const QString& ANombre) {
    const QString carpeta = qEnvironmentVariable("QOV_PANTALLAS");
    QDir().mkpath(carpeta);
    EXPECT_TRUE(AVentana.grab().save(QStringLiteral("%1/%2-%3.png").arg(carpeta, ANombre).arg(Screen.PixelsPerInch())));
  }

  // Every label ends before the control it names begins, and every control lies within the dialog.
  static void NadaRecortado(TForm& ADialogo) {
    const QRect cliente = ADialogo.rect();
    for (QWidget* control : ADialogo.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!control->isVisible()) continue;
      EXPECT_TRUE(cliente.contains(control->geometry().adjusted(1, 0, 0, 0)) || control->objectName() == "imgLogo")
          << control->objectName().toStdString();
      const auto* etiqueta = dynamic_cast<TLabel*>(control);
      if (!etiqueta || !etiqueta->FocusControl()) continue;
      EXPECT_LT(etiqueta->geometry().right(), etiqueta->FocusControl()->geometry().left())
          << etiqueta->objectName().toStdString();
    }
  }
};

TEST_F(Pantallas, TheSignInTheProfileDialogAndAnErrorBox) {
  GuardarPerfil("Local", taLocal, {}, "/srv/Tarvolin datos/");
  const std::unique_ptr<TqovDlgLogin> login(NewForm<TqovDlgLogin>(nullptr));
  login->Show();
  NadaRecortado(*login);
  Guardar(*login, "inicio-sesion");

  AlMostrarDialogo = [&](QWidget& AVentana) {
    auto& dialogo = dynamic_cast<TMttoConexionesFormConver&>(AVentana);
    NadaRecortado(dialogo);
    Guardar(dialogo, "conexion");
  };
  login->miAbrir->Click();

  OnModalShown = [](QWidget& AVentana) { Guardar(AVentana, "error"); };
  MostrarError(login.get(),
               "No se puede hacer contacto con el Servidor de la conexión 'Local'.\r\nLa computadora "
               "está apagada, no es un recurso compartido, el protocolo de comunicación es "
               "inadecuado, el Servidor de datos no está instalado o los datos de la conexión están "
               "incorrectos.");
}

// Qt's own windows in the program's Spanish: an edit's context menu and the file dialog.
TEST_F(Pantallas, QtsContextMenuAndFileDialog) {
  ASSERT_TRUE(LoadQtTranslation("es"));
  TForm forma(nullptr);
  auto* edicion = new QLineEdit(&forma);
  edicion->setText("/opt/firebird/bin/gbak");
  forma.Show();
  const std::unique_ptr<QMenu> menu(edicion->createStandardContextMenu());
  menu->popup(forma.mapToGlobal(QPoint(10, 10)));
  Guardar(*menu, "menu-edicion");
  menu->hide();

  QFileDialog archivos(&forma, "Seleccione la herramienta gbak", "/usr/bin");
  archivos.setOption(QFileDialog::DontUseNativeDialog);
  archivos.show();
  Guardar(archivos, "dialogo-archivos");
}

}  // namespace
