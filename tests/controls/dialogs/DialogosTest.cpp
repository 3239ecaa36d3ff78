#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/AplicacionControles.h"
#include "controls/dialogs/DialogosQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/Screen.h"
#include "platform/forms/TextDrawing.h"
#include "platform/forms/Timer.h"

namespace {

class Dialogos : public PruebaDeControles {
 protected:
  // Answers the next message dialog with ARespuesta.
  static void Responder(const std::function<void(TMessageForm&)>& ARespuesta) {
    OnModalShown = [ARespuesta](QWidget& AVentana) { ARespuesta(dynamic_cast<TMessageForm&>(AVentana)); };
  }
  static void Tecla(TMessageForm& ADialogo, Qt::Key ATecla) { QTest::keyClick(ADialogo.focusWidget(), ATecla); }
  static TButton* Boton(TMessageForm& ADialogo, const char* ANombre) {
    return ADialogo.findChild<TButton*>(QLatin1String(ANombre));
  }
};

struct CasoResultado {
  const char* Nombre;
  std::function<int()> Mostrar;
  std::function<void(TMessageForm&)> Respuesta;
  int Esperado;
};

TEST_F(Dialogos, EnterEscClicksAndTheCloseBoxGiveTheResults) {
  const auto pregunta = [](bool ANoPorOmision) {
    return [ANoPorOmision] { return PreguntarSiNo(nullptr, QStringLiteral("¿Desea continuar?"), ANoPorOmision); };
  };
  const auto error = [] {
    return MostrarMensaje(nullptr, QStringLiteral("Falló"), mtError, QString(), {bdOK}, bdOK, bdOK, 0);
  };
  const CasoResultado casos[] = {
      {"question, No by default: Enter", pregunta(true), [](TMessageForm& d) { Tecla(d, Qt::Key_Return); }, mrNo},
      {"question, No by default: Esc", pregunta(true), [](TMessageForm& d) { Tecla(d, Qt::Key_Escape); }, mrNo},
      {"question: click on Sí", pregunta(true),
       [](TMessageForm& d) { QTest::mouseClick(Boton(d, "Yes"), Qt::LeftButton); }, mrYes},
      {"question: the close box", pregunta(true), [](TMessageForm& d) { d.close(); }, mrCancel},
      {"question, Yes by default: Enter", pregunta(false), [](TMessageForm& d) { Tecla(d, Qt::Key_Return); }, mrYes},
      {"question, Yes by default: Esc", pregunta(false), [](TMessageForm& d) { Tecla(d, Qt::Key_Escape); }, mrNo},
      {"error: Enter", error, [](TMessageForm& d) { Tecla(d, Qt::Key_Return); }, mrOk},
      {"error: Esc", error, [](TMessageForm& d) { Tecla(d, Qt::Key_Escape); }, mrOk},
  };
  for (const CasoResultado& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    Responder(caso.Respuesta);
    EXPECT_EQ(caso.Mostrar(), caso.Esperado);
  }
}

TEST_F(Dialogos, TheDialogHoldsPictureTextAndButtonsInKindOrder) {
  std::unique_ptr<TMessageForm> dialogo(CrearDialogoMensaje(nullptr, QStringLiteral("Texto"), mtConfirmation, QString(),
                                                            {bdHelp, bdCancel, bdYes, bdNo, bdYesToAll}, bdNo,
                                                            bdCancel));
  QStringList componentes;
  for (int i = 0; i < dialogo->ComponentCount(); ++i) {
    TComponent* c = dialogo->Components(i);
    QString fila = c->Name();
    if (auto* boton = dynamic_cast<TButton*>(c))
      fila += QStringLiteral(" %1 %2%3%4")
                  .arg(boton->Caption())
                  .arg(boton->ModalResult())
                  .arg(boton->Default() ? QStringLiteral(" default") : QString())
                  .arg(boton->Cancel() ? QStringLiteral(" cancel") : QString());
    componentes << fila;
  }
  EXPECT_EQ(componentes, (QStringList{"Image", "Message", "Yes &Sí 6", "No &No 7 default", "Cancel Cancelar 2 cancel",
                                      "YesToAll Sí a todo 14", "Help Ayuda 0"}));
  EXPECT_EQ(dialogo->Caption(), QStringLiteral("Confirmación"));
  EXPECT_EQ(dialogo->Owner(), Application);
  EXPECT_EQ(dialogo->findChild<TButton*>(QStringLiteral("No"))->Tag(), 999);
  EXPECT_EQ(dialogo->findChild<TLabel*>(QStringLiteral("Message"))->Caption(), QStringLiteral("Texto"));
  const TImage* imagen = dialogo->findChild<TImage*>(QStringLiteral("Image"));
  ASSERT_NE(imagen, nullptr);
  EXPECT_EQ(QSize(imagen->Picture().Width(), imagen->Picture().Height()), QSize(64, 64));
  EXPECT_TRUE(imagen->Stretch());
  EXPECT_TRUE(imagen->Proportional());
  EXPECT_EQ(imagen->BoundsRect().size(), QSize(dialogo->ScaleValue(32), dialogo->ScaleValue(32)));
  EXPECT_EQ(dialogo->BorderStyle(), bsDialog);
}

TEST_F(Dialogos, EachTypeHasItsCaptionAndPicture) {
  const struct {
    TMsgDlgType Tipo;
    const char* Titulo;
    bool ConImagen;
  } tipos[] = {{mtWarning, "Advertencia", true},
               {mtError, "Error", true},
               {mtInformation, "Información", true},
               {mtConfirmation, "Confirmación", true},
               {mtCustom, "Drevalino", false}};
  for (const auto& tipo : tipos) {
    SCOPED_TRACE(tipo.Titulo);
    std::unique_ptr<TMessageForm> dialogo(
        CrearDialogoMensaje(nullptr, QStringLiteral("x"), tipo.Tipo, QString(), {bdOK}, bdOK, bdOK));
    EXPECT_EQ(dialogo->Caption(), QString::fromUtf8(tipo.Titulo));
    EXPECT_EQ(dialogo->findChild<TImage*>(QStringLiteral("Image")) != nullptr, tipo.ConImagen);
  }
  std::unique_ptr<TMessageForm> titulado(
      CrearDialogoMensaje(nullptr, QStringLiteral("x"), mtError, QStringLiteral("Propio"), {bdOK}, bdOK, bdOK));
  EXPECT_EQ(titulado->Caption(), QStringLiteral("Propio"));
}

TEST_F(Dialogos, TheWrappersAreCaptionedWithTheApplicationsTitle) {
  QStringList vistos;
  Responder([&](TMessageForm& d) {
    vistos << d.Caption() + QStringLiteral(" ") + d.findChild<TLabel*>(QStringLiteral("Message"))->Caption();
    Tecla(d, Qt::Key_Return);
  });
  MostrarError(nullptr, QStringLiteral("uno"));
  MostrarAdvertencia(nullptr, QStringLiteral("dos"));
  EXPECT_EQ(PreguntarSiNo(nullptr, QStringLiteral("tres"), true), mrNo);
  EXPECT_EQ(vistos, (QStringList{"Drevalino uno", "Drevalino dos", "Drevalino tres"}));
}

TEST_F(Dialogos, HelpAndDetailsNeverCloseTheDialog) {
  QList<int> temas;
  Application->OnHelp = [&](int ATema) { temas << ATema; };
  bool abierto = false;
  QString detalles;
  OnModalShown = [&](QWidget& AVentana) {
    auto* d = dynamic_cast<TMessageForm*>(&AVentana);
    if (!d) {  // the details window that Details opens
      detalles = AVentana.metaObject()->className();
      return dynamic_cast<TForm&>(AVentana).Close();
    }
    QTest::mouseClick(Boton(*d, "Help"), Qt::LeftButton);
    QTest::mouseClick(Boton(*d, "Details"), Qt::LeftButton);
    QCoreApplication::processEvents();
    abierto = d->isVisible() && d->ModalResult() == mrNone;
    QTest::mouseClick(Boton(*d, "OK"), Qt::LeftButton);
  };
  EXPECT_EQ(MostrarMensaje(nullptr, QStringLiteral("Con ayuda"), mtInformation, QString(), {bdOK, bdHelp, bdDetails},
                           bdOK, bdOK, 4321),
            mrOk);
  EXPECT_TRUE(abierto);
  EXPECT_EQ(temas, QList<int>{4321});
  EXPECT_EQ(detalles, "TDetallesMemoForm");
}

TEST_F(Dialogos, ButtonWidthsAreMeasuredOncePerProcess) {
  const int antes = AnchoBotonDialogo(bdAbort);
  std::unique_ptr<TMessageForm> primero(
      CrearDialogoMensaje(nullptr, QStringLiteral("x"), mtError, QString(), {bdAbort}, bdAbort, bdAbort));
  const int medido = AnchoBotonDialogo(bdAbort);
  if (antes == 0)
    EXPECT_EQ(medido, TextExtent(Screen.MessageFont(), QStringLiteral("Abortar")).width() + 8);
  else
    EXPECT_EQ(medido, antes);

  // A larger font later on does not measure the caption again.
  const QFont original = QApplication::font();
  QFont grande = original;
  SetFontHeight(grande, 3 * FontHeight(original));
  QApplication::setFont(grande);
  std::unique_ptr<TMessageForm> segundo(
      CrearDialogoMensaje(nullptr, QStringLiteral("x"), mtError, QString(), {bdAbort}, bdAbort, bdAbort));
  QApplication::setFont(original);
  EXPECT_EQ(AnchoBotonDialogo(bdAbort), medido);
  EXPECT_LT(AnchoBotonDialogo(bdAbort), TextExtent(grande, QStringLiteral("Abortar")).width() + 8);
}

TEST_F(Dialogos, AnOwnerChainWithoutAFormShowsTheDialogCentredOnTheScreen) {
  TTimer sinForma(Application);  // owned by the application: its chain reaches no form
  QPoint centro;
  QPoint esperado;
  Responder([&](TMessageForm& d) {
    EXPECT_EQ(d.Owner(), Application);
    centro = d.BoundsRect().center();
    esperado = QRect(0, 0, Screen.Width(), Screen.Height()).center();
    Tecla(d, Qt::Key_Return);
  });
  EXPECT_EQ(PreguntarSiNo(&sinForma, QStringLiteral("¿Sin forma?"), true), mrNo);
  EXPECT_NEAR(centro.x(), esperado.x(), 1);
  EXPECT_NEAR(centro.y(), esperado.y(), 1);
}

TEST_F(Dialogos, ADialogOfAFormIsCentredOnItAndTakesItsScale) {
  TForm dueña(nullptr);
  dueña.SetBounds(20, 30, 500, 400);
  dueña.ScaleForPPI(120);
  auto* dentro = new TButton(&dueña);  // the owner chain passes through the button
  Responder([&](TMessageForm& d) {
    EXPECT_EQ(d.Owner(), &dueña);
    EXPECT_EQ(d.CurrentPPI(), 120);
    EXPECT_NEAR(d.BoundsRect().center().x(), dueña.BoundsRect().center().x(), 1);
    EXPECT_NEAR(d.BoundsRect().center().y(), dueña.BoundsRect().center().y(), 1);
    Tecla(d, Qt::Key_Escape);
  });
  MostrarAdvertencia(dentro, QStringLiteral("Centrado"));
}

TEST_F(Dialogos, TheCursorThatWasSetComesBackAfterTheDialog) {
  Screen.SetCursor(crSQLWait);
  TCursor durante = crSQLWait;
  bool flechaDurante = false;
  Responder([&](TMessageForm& d) {
    durante = Screen.Cursor();
    flechaDurante = QGuiApplication::overrideCursor() == nullptr;
    Tecla(d, Qt::Key_Return);
  });
  MostrarError(nullptr, QStringLiteral("Con cursor de espera"));
  EXPECT_EQ(durante, crDefault);
  EXPECT_TRUE(flechaDurante);
  EXPECT_EQ(Screen.Cursor(), crSQLWait);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
  Screen.SetCursor(crDefault);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Dialogos, PositionGivenByTheCaller) {
  Responder([&](TMessageForm& d) {
    EXPECT_EQ(d.Left(), 40);
    EXPECT_EQ(d.Top(), 50);
    EXPECT_EQ(d.HelpContext(), 9);
    EXPECT_EQ(d.HelpFile(), QStringLiteral("ayuda.chm"));
    Tecla(d, Qt::Key_Return);
  });
  EXPECT_EQ(MostrarDialogoMensaje(nullptr, QStringLiteral("Aquí"), mtInformation, QString(), {bdOK}, bdOK, bdOK, 9, 40,
                                  50, QStringLiteral("ayuda.chm")),
            mrOk);
}

}  // namespace
