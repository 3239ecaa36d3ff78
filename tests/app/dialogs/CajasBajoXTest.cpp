// The profile dialog's error boxes on a real X server (Xvfb), where a window shows only what it has painted
// itself: an offscreen grab paints the widget on demand and cannot tell.

#include <QEventLoop>
#include <QImage>
#include <QSet>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/PruebaDeDialogos.h"
#include "app/dialogs/MttoConexionesFrmConver.h"
#include "controls/basic/ButtonQov.h"
#include "controls/dialogs/MessageForm.h"
#include "controls/edits/DBEditQov.h"
#include "fixtures/CarpetaDatos.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/ModalSeam.h"

namespace {

// Writes down the message boxes that have painted themselves, and ends a wait for one.
class OjoPintura : public QObject {
 public:
  // Returns once the box has painted, and its painting is on the screen; a box that never paints is given up
  // after a bound, so that the test fails instead of hanging.
  void EsperarPintura(QWidget& ACaja) {
    if (FPintadas.contains(&ACaja)) return;
    QEventLoop bucle;
    FEspera = &bucle;
    FCaja = &ACaja;
    QTimer::singleShot(30000, &bucle, &QEventLoop::quit);
    bucle.exec();
    FEspera = nullptr;
  }

 protected:
  bool eventFilter(QObject* AObjeto, QEvent* AEvento) override {
    if (AEvento->type() != QEvent::Paint || !dynamic_cast<TMessageForm*>(AObjeto)) return false;
    FPintadas.insert(AObjeto);
    // Queued: the wait ends once the painting has been flushed to the window.
    if (FEspera && AObjeto == FCaja) QMetaObject::invokeMethod(FEspera, "quit", Qt::QueuedConnection);
    return false;
  }

 private:
  QSet<QObject*> FPintadas;
  QEventLoop* FEspera = nullptr;
  QObject* FCaja = nullptr;
};

// The share of the window's pixels, as the X server holds them, that are black.
double ParteNegra(QWidget& AVentana) {
  const QImage imagen = AVentana.screen()->grabWindow(AVentana.winId()).toImage();
  if (imagen.isNull()) return 1;
  qsizetype negros = 0;
  for (int y = 0; y < imagen.height(); ++y)
    for (int x = 0; x < imagen.width(); ++x) negros += (imagen.pixel(x, y) & 0xFFFFFF) == 0;
  return static_cast<double>(negros) / (static_cast<double>(imagen.width()) * imagen.height());
}

class CajasBajoX : public PruebaDeDialogos {
 protected:
  CajasBajoX() {
    combo = new TComboBox(&anfitrion);
    combo->SetParent(&anfitrion);
    combo->SetStyle(csDropDownList);
  }

  void SetUp() override {
    PruebaDeDialogos::SetUp();
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    // A box waits until it has painted; then its share of black pixels is written down and it is closed.
    qApp->installEventFilter(&ojo);
    const auto mensajes = OnModalShown;
    OnModalShown = [this, mensajes](QWidget& AVentana) {
      if (auto* caja = dynamic_cast<TMessageForm*>(&AVentana)) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(caja));
        ojo.EsperarPintura(*caja);
        Negro << ParteNegra(*caja);
      }
      mensajes(AVentana);
    };
  }
  void TearDown() override {
    qApp->removeEventFilter(&ojo);
    PruebaDeDialogos::TearDown();
  }

  // Opens the dialog for a new profile named ANombre and presses OK.
  void Aceptar(const QString& ANombre) {
    QStringList nombres;
    conexiones.GetNames(nombres);
    AlMostrarDialogo = [&](QWidget& AVentana) {
      auto& dialogo = dynamic_cast<TMttoConexionesFormConver&>(AVentana);
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
      dialogo.edtNombre->SetText(ANombre);
      QTest::mouseClick(dialogo.btnAceptar, Qt::LeftButton);
      dialogo.Close();
    };
    MostrarMttoConexiones(&anfitrion, &conexiones, true, combo);
  }

  TForm anfitrion{nullptr};
  TComboBox* combo;
  TqovConexiones conexiones;
  OjoPintura ojo;
  QList<double> Negro;
};

TEST_F(CajasBajoX, TheProfileDialogsErrorBoxesPaint) {
  // On the screen, so that the boxes centred on the dialog are too.
  anfitrion.SetBounds(200, 200, 600, 400);
  anfitrion.Show();
  GuardarPerfil("Matriz", taLocal, {}, "/srv/matriz/");
  combo->SetItems({"Matriz"});
  // A name already in the list.
  Aceptar("Matriz");
  // A settings folder that cannot be written.
  {
    const Inmutable inmutable(Comun() + "/Tarvolin");
    Aceptar("Sucursal");
  }
  // The second box may go on with the system's reason.
  ASSERT_EQ(Mensajes.size(), 2);
  EXPECT_EQ(Mensajes[0], "La conexión \"Matriz\" ya se encuentra registrada.");
  EXPECT_TRUE(Mensajes[1].startsWith("No es posible registrar la conexión \"Sucursal\".")) << Mensajes[1].toStdString();
  ASSERT_EQ(Negro.size(), 2);
  for (const double parte : Negro) EXPECT_LT(parte, 0.5);
}

}  // namespace
