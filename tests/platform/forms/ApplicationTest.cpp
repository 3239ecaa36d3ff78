#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalSeam.h"

namespace {

class Aplicacion : public PruebaDeVentanas {
 protected:
};

// The error box the application showed, as the operator saw it, answered with its button.
struct CajaVista {
  QString Titulo, Texto, Boton;
  QMessageBox::Icon Icono = QMessageBox::NoIcon;
};

TEST_F(Aplicacion, AnExceptionInAClickHandlerIsShownAndTheProgramGoesOn) {
  QList<CajaVista> cajas;
  OnModalShown = [&](QWidget& AVentana) {
    auto& caja = dynamic_cast<QMessageBox&>(AVentana);
    cajas << CajaVista{caja.windowTitle(), caja.text(), caja.buttons().at(0)->text(), caja.icon()};
    caja.buttons().at(0)->click();
  };
  TForm forma(nullptr);
  TButton boton(&forma);
  boton.SetParent(&forma);
  int clicks = 0;
  boton.OnClick = [&](QObject*) {
    ++clicks;
    throw Exception(QStringLiteral("No fue posible.\rIntente de nuevo"));
  };
  forma.Show();
  QTest::mouseClick(&boton, Qt::LeftButton);
  QTest::mouseClick(&boton, Qt::LeftButton);

  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(cajas.size(), 2);
  EXPECT_EQ(cajas[0].Titulo, QStringLiteral("Drevalino"));
  EXPECT_EQ(cajas[0].Texto, QStringLiteral("No fue posible.\nIntente de nuevo"));
  EXPECT_EQ(cajas[0].Boton, QStringLiteral("Aceptar"));
  EXPECT_EQ(cajas[0].Icono, QMessageBox::Critical);
}

TEST_F(Aplicacion, TheProgramsHandlerTakesTheMessageAndAbortIsSilent) {
  QStringList mensajes;
  Application->OnException = [&](const QString& AMensaje) { mensajes << AMensaje; };
  RunHandler([] { throw EAbort(); });
  RunHandler([] { throw std::runtime_error("fallo"); });
  RunHandler([] { throw Exception(QStringLiteral("Operación inválida")); });
  EXPECT_EQ(mensajes, (QStringList{"fallo", "Operación inválida"}));
}

TEST_F(Aplicacion, ContextHelpGoesToTheProgramsHelp) {
  QList<int> temas;
  Application->HelpContext(1384);  // without a help system nothing happens
  Application->OnHelp = [&](int ATema) { temas << ATema; };
  Application->HelpContext(1107);
  EXPECT_EQ(temas, QList<int>{1107});
}

TEST_F(Aplicacion, TheFirstFormCreatedByTheApplicationIsTheMainFormUntilItGoes) {
  TForm* principal = Application->MainForm();
  if (!principal) principal = Application->CreateForm<TForm>();
  auto* segunda = Application->CreateForm<TForm>();
  EXPECT_EQ(Application->MainForm(), principal);
  EXPECT_EQ(segunda->Owner(), Application);
  delete segunda;
  delete principal;
  EXPECT_EQ(Application->MainForm(), nullptr);
}

}  // namespace
