#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <memory>

#include "controls/PruebaDePantalla.h"
#include "controls/dialogs/DialogosQov.h"
#include "controls/geometry/GeometriaFormaQov.h"
#include "controls/scaling/EscalamientoFuncsQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/RichEdit.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Shape.h"
#include "platform/forms/TreeView.h"
#include "platform/rtl/Rounding.h"

namespace {

// A point-of-sale form: its dialogs take the main window's zoom.
class TVentasDocForm : public TForm {
  Q_OBJECT

 public:
  using TForm::TForm;
};

// A dialog with one control of each kind whose font or look the scaling fixes, that counts its rescalings.
class Dialogo : public TForm {
 public:
  explicit Dialogo(TComponent* AOwner) : TForm(AOwner) {
    SetCaption(QStringLiteral("Dialogo"));
    SetTag(7);
    for (TControl* c : {static_cast<TControl*>(boton), static_cast<TControl*>(arbol), static_cast<TControl*>(rica),
                        static_cast<TControl*>(figura)})
      c->SetParent(this);
  }
  void ScaleForPPI(int ANewPPI) override {
    ++Escalados;
    TForm::ScaleForPPI(ANewPPI);
  }

  int Escalados = 0;
  TButton* boton = new TButton(this);
  TTreeView* arbol = new TTreeView(this);
  TRichEdit* rica = new TRichEdit(this);
  TShape* figura = new TShape(this);
};

// A control that fails to scale.
class ControlQueFalla : public TLabel {
 public:
  using TLabel::TLabel;
  void ScaleForPPI(int /*ANewPPI*/) override { throw Exception(QStringLiteral("No se puede escalar.")); }
};

class Escalamiento : public PruebaDePantalla {
 protected:
  // A dialog as the program creates it: at the screen's resolution.
  static std::unique_ptr<Dialogo> NuevoDialogo(TComponent* AOwner = nullptr) {
    return std::unique_ptr<Dialogo>(NewForm<Dialogo>(AOwner));
  }
  static void GuardarZoomPrincipal(int AZoom) {
    Guardar(LlaveForma(QStringLiteral("Ventana principal")), {{"Zoom", AZoom}});
  }
  // The text of every message dialog shown.
  void VerMensajes() {
    OnModalShown = [this](QWidget& AVentana) {
      mensajes << AVentana.findChild<TLabel*>(QStringLiteral("Message"))->Caption();
      AVentana.close();
    };
  }

  TqovEscalamientoFuncs& e = *EscalamientoFuncs;
  QStringList mensajes;
};

TEST_F(Escalamiento, FontHeightsAreThePointsAtTheZoom) {
  const int casos[][3] = {{8, 100, -11},  {8, 125, -14},  {8, 150, -17},  {8, 175, -19},
                          {10, 100, -14}, {10, 125, -17}, {10, 150, -21}, {10, 175, -24}};
  for (const auto& caso : casos) EXPECT_EQ(e.GetHeightFont(caso[0], caso[1]), caso[2]) << caso[0] << " " << caso[1];
  EXPECT_DOUBLE_EQ(e.GetEscalaMonitorPrincipal(), PpiEsperado() / 96.0);
}

TEST_F(Escalamiento, OnlyThePointOfSaleClassesTakeTheMainWindowsZoom) {
  for (const char* clase :
       {"TVentasDocForm", "TDevVentasPvForm", "TOrdenesVentaForm", "TCotizacionesPVForm", "TComandosTouchForm",
        "TDlgCambiarFormaCobro", "TDlgLiqConEfeForm", "TDlgMuestraDonativosConImagenForm", "TDlgProcesaTarjetaForm"})
    EXPECT_TRUE(TqovEscalamientoFuncs::EsResolucionesPv(QString::fromLatin1(clase))) << clase;
  for (const char* clase : {"tventasdocform", "TVentasDocForm2", "TForm", ""})
    EXPECT_FALSE(TqovEscalamientoFuncs::EsResolucionesPv(QString::fromLatin1(clase))) << clase;
}

TEST_F(Escalamiento, ATypedZoomIsCheckedAgainstTheLimitsAndTheScreen) {
  VerMensajes();
  const int sistema = static_cast<int>(std::lround(PpiEsperado() / 0.96));
  const QString aviso = QStringLiteral("No es posible indicar una escala menor a la escala del sistema operativo") +
                        (sistema > 175 ? QStringLiteral(" o al valor máximo soportado por Tarvolin") : QString()) +
                        QStringLiteral(" (%1%).").arg(ZoomPantalla());
  for (const char* texto : {"100", "110", "125", "150", "175", "90", "176", "300", "doce", ""}) {
    SCOPED_TRACE(texto);
    mensajes.clear();
    bool ok = false;
    const int valor = QString::fromLatin1(texto).toInt(&ok);
    int escala = -1;
    const bool valida = e.EsEscalaValida(QString::fromLatin1(texto), escala, false);
    EXPECT_EQ(valida, ok && valor >= sistema && valor >= 100 && valor <= 175);
    if (ok) {
      EXPECT_EQ(escala, valor);
    }
    // Only a value within the limits but below the screen's zoom is explained.
    EXPECT_EQ(mensajes, ok && valor >= 100 && valor <= 175 && valor < sistema ? QStringList{aviso} : QStringList{});

    // Checked against the system alone, any number is taken, the screen's zoom when the screen is above 175.
    EXPECT_EQ(e.EsEscalaValida(QString::fromLatin1(texto), escala, true), ok);
    if (ok) {
      EXPECT_EQ(escala, sistema > 175 ? 175 : valor);
    }
  }
}

TEST_F(Escalamiento, ADialogTakesItsOwnersScale) {
  TForm dueña(nullptr);
  dueña.ScaleForPPI(120);
  for (const int propia : {96, 120}) {
    SCOPED_TRACE(propia);
    auto dialogo = std::make_unique<Dialogo>(&dueña);
    dialogo->ScaleForPPI(propia);
    dialogo->Escalados = 0;
    QObject* terminada = nullptr;
    e.EscalarDialogo(
        *dialogo, [&](QObject* Sender) { terminada = Sender; }, false);
    EXPECT_EQ(dialogo->CurrentPPI(), 120);
    // Already at the owner's scale: not rescaled at all.
    EXPECT_EQ(dialogo->Escalados, propia == 120 ? 0 : 1);
    EXPECT_EQ(terminada, dialogo.get());
  }
}

TEST_F(Escalamiento, WithoutASavedZoomADialogKeepsTheScreensScaleAndItsTag) {
  const auto dialogo = NuevoDialogo();
  const QFont fuente = dialogo->boton->Font();
  dialogo->Escalados = 0;
  e.EscalarDialogo(*dialogo, nullptr, false);
  // The screen's own zoom, at most 175 per cent.
  EXPECT_EQ(dialogo->CurrentPPI(), std::min(PpiEsperado(), 168));
  EXPECT_EQ(dialogo->Escalados, PpiEsperado() > 168 ? 1 : 0);
  if (PpiEsperado() <= 168) {
    EXPECT_EQ(dialogo->boton->Font(), fuente);
  }
  EXPECT_EQ(dialogo->Tag(), 7);
  EXPECT_EQ(dialogo->Caption(), QStringLiteral("Dialogo"));

  // Dimension loading is on again: scaling the form by its own zoom restores its saved size.
  Guardar(LlaveForma(QStringLiteral("Dialogo")), {{"Altura", 100}, {"Longitud", 200}});
  e.EscalarForma(*dialogo);
  EXPECT_NEAR(dialogo->ClientWidth(), Round(200 * dialogo->ScaleFactor()), 1);
  EXPECT_NEAR(dialogo->ClientHeight(), Round(100 * dialogo->ScaleFactor()), 1);
}

TEST_F(Escalamiento, ThePointOfSaleDialogTakesTheMainWindowsSavedZoomAndItsFontsAreFixed) {
  TVentasDocForm ventas(nullptr);
  for (const int guardado : {150, 175}) {
    SCOPED_TRACE(guardado);
    GuardarZoomPrincipal(guardado);
    const int zoom = std::max(guardado, ZoomPantalla());
    const auto dialogo = NuevoDialogo(&ventas);
    const int propia = dialogo->CurrentPPI();
    dialogo->figura->Pen().Width = 3;
    e.EscalarDialogo(*dialogo, nullptr,
                     TqovEscalamientoFuncs::EsResolucionesPv(QString::fromLatin1(ventas.metaObject()->className())));
    EXPECT_EQ(dialogo->CurrentPPI(), Round(zoom * 0.96));
    EXPECT_EQ(dialogo->Tag(), 7);
    EXPECT_EQ(dialogo->Caption(), QStringLiteral("Dialogo"));
    if (propia == Round(zoom * 0.96)) {
      EXPECT_EQ(dialogo->figura->Pen().Width, 3);  // already at that zoom: nothing fixed
      continue;
    }
    EXPECT_EQ(FontHeight(dialogo->boton->Font()), e.GetHeightFont(8, zoom));
    EXPECT_EQ(FontHeight(dialogo->arbol->Font()), e.GetHeightFont(10, zoom));
    EXPECT_EQ(dialogo->figura->Pen().Width, 0);
    EXPECT_EQ(dialogo->rica->Zoom(), zoom);
  }
}

TEST_F(Escalamiento, TheTagAndTheHookComeBackWhenScalingFails) {
  GuardarZoomPrincipal(175);
  const auto dialogo = NuevoDialogo();
  (new ControlQueFalla(dialogo.get()))->SetParent(dialogo.get());
  int terminadas = 0;
  EXPECT_THROW(e.EscalarDialogo(
                   *dialogo, [&](QObject*) { ++terminadas; }, true),
               Exception);
  EXPECT_EQ(terminadas, 1);
  EXPECT_EQ(dialogo->Tag(), 7);
  EXPECT_EQ(dialogo->Caption(), QStringLiteral("Dialogo"));
  EXPECT_FALSE(dialogo->Scaling());

  // An end hook runs once, also when scaling fails, and is then forgotten.
  Guardar(LlaveForma(QStringLiteral("Dialogo")), {{"Zoom", 175}});
  EXPECT_THROW(e.EscalarForma(*dialogo, [&](QObject*) { ++terminadas; }), Exception);
  EXPECT_EQ(terminadas, 2);
  const auto otro = NuevoDialogo();
  e.EscalarForma(*otro);
  EXPECT_EQ(terminadas, 2);
}

TEST_F(Escalamiento, AMessageBoxWithoutAnOwnerTakesTheMainWindowsZoom) {
  GuardarZoomPrincipal(175);
  int ppi = 0;
  OnModalShown = [&](QWidget& AVentana) {
    ppi = dynamic_cast<TForm&>(AVentana).CurrentPPI();
    AVentana.close();
  };
  MostrarAdvertencia(nullptr, QStringLiteral("Con zoom"));
  EXPECT_EQ(ppi, 168);
}

TEST_F(Escalamiento, TheMainFormSavesItsGeometryUnderAFixedCaptionAndTakesTheZoom) {
  TForm principal(nullptr);
  principal.SetCaption(QStringLiteral("Drevalino"));
  principal.SetBounds(30, 60, 300, 200);
  QObject* enviado = &principal;
  int llamadas = 0;
  e.EscalarFormaPrincipal(principal, 150, [&](QObject* Sender) {
    enviado = Sender;
    ++llamadas;
  });
  EXPECT_EQ(principal.CurrentPPI(), 144);
  EXPECT_EQ(principal.Caption(), QStringLiteral("Drevalino"));
  EXPECT_EQ(llamadas, 1);
  EXPECT_EQ(enviado, nullptr);
  TxmlRegistry ajustes;
  ajustes.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(ajustes.OpenKey(LlaveForma(QStringLiteral("Ventana principal")), false));
  EXPECT_EQ(ajustes.ReadInteger(QStringLiteral("Posición en X")), 30);
  // The size is restored under the form's own caption, where nothing is saved: it is centred.
  EXPECT_EQ(principal.Position(), poDesktopCenter);
}

TEST_F(Escalamiento, MessageIconsAreTheProgramsPicturesOrTheSystemsIcon) {
  TForm forma(nullptr);
  TImage imagen(&forma);
  e.CargarIcono(imagen, 32515);
  EXPECT_EQ(imagen.Picture().Width(), 64);
  EXPECT_TRUE(imagen.Stretch());
  EXPECT_TRUE(imagen.Proportional());
  EXPECT_FALSE(imagen.AutoSize());

  // The system's question icon, as large as the style has it up to the system's icon size.
  e.CargarIcono(imagen, 32514);
  const int lado = MulDiv(32, PpiEsperado(), 96);
  const QImage pregunta =
      QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(QSize(lado, lado), 1).toImage();
  ASSERT_FALSE(pregunta.isNull());
  EXPECT_EQ(imagen.Picture().Graphic()->Image(), pregunta);
  EXPECT_TRUE(imagen.AutoSize());
  EXPECT_FALSE(imagen.Stretch());
  EXPECT_FALSE(imagen.Proportional());
  // Sized to the picture, to a pixel: sizes pass through Qt's pixels.
  EXPECT_NEAR(imagen.Width(), pregunta.width(), 1);
  EXPECT_NEAR(imagen.Height(), pregunta.height(), 1);

  e.CargarIcono(imagen, 1);
  EXPECT_TRUE(imagen.Picture().Empty());
}

}  // namespace

#include "EscalamientoFuncsTest.moc"
