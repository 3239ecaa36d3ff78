// How the main window looks before, during and after a run, on the screen the test run sets up (96 dpi, and
// 144 dpi in a run of its own): no caption clipped. With QOV_CAPTURAS set, the three states are saved as
// pictures to look at.

#include <QFontMetrics>
#include <QGroupBox>

#include "app/main/VentanaDePrueba.h"
#include "controls/basic/ButtonQov.h"
#include "controls/basic/LabelQov.h"
#include "fixtures/Captura.h"
#include "platform/forms/Button.h"
#include "platform/forms/GroupBox.h"
#include "platform/forms/Label.h"
#include "platform/forms/Screen.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextDrawing.h"

namespace {

class Aspecto : public VentanaDePrueba {
 protected:
  // Every caption of the window fits its control.
  void NadaRecortado() {
    for (TLabel* etiqueta : {ventana->lblInfo, ventana->lblGbak, static_cast<TLabel*>(ventana->lblTotal)}) {
      const QRect texto = CalcTextRect(etiqueta->font(), etiqueta->Caption(), QRect(0, 0, etiqueta->Width(), 0),
                                       etiqueta->WordWrap() ? dtWordBreak : TDrawTextFlags());
      EXPECT_LE(texto.width(), etiqueta->Width()) << etiqueta->Caption().toStdString();
      EXPECT_LE(texto.height(), etiqueta->Height()) << etiqueta->Caption().toStdString();
    }
    for (TButton* boton : {static_cast<TButton*>(ventana->btnMigrarBD), static_cast<TButton*>(ventana->btnCancelar),
                           ventana->btnExaminar})
      EXPECT_LE(TextExtent(boton->font(), boton->Caption()).width() + 8, boton->Width())
          << boton->Caption().toStdString();
    EXPECT_LT(QFontMetrics(ventana->gbGbak->font()).horizontalAdvance(ventana->gbGbak->title()),
              ventana->gbGbak->width());
    const QString progreso = ventana->sttsbarAvance->Panel(0).Text;
    EXPECT_LE(TextExtent(ventana->sttsbarAvance->font(), progreso).width(),
              ventana->sttsbarAvance->PanelRect(0).width())
        << progreso.toStdString();
  }
};

TEST_F(Aspecto, BeforeDuringAndAfterARun) {
  const QString sufijo = QStringLiteral("_%1dpi").arg(Screen.PixelsPerInch());
  ConfigConvertida();
  Mostrar();
  Marcar("ZAPATERIA");
  NadaRecortado();
  Capturar(*ventana, "principal_antes" + sufijo);
  ventana->AlMostrarAvance = [&](const QStringList& AAvances) {
    if (AAvances.size() != 1) return;
    for (int segundo = 0; segundo < 4; ++segundo) ventana->tmrAvanceTimer();
    NadaRecortado();
    Capturar(*ventana, "principal_durante" + sufijo);
  };
  Convertir();
  EXPECT_EQ(Registro().last(), "Se convirtieron correctamente 2 bases de datos.");
  NadaRecortado();
  Capturar(*ventana, "principal_despues" + sufijo);
}

}  // namespace
