#include "controls/scaling/EscalamientoFuncsQov.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/util/Utilerias.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"

TqovEscalamientoFuncs* EscalamientoFuncs = nullptr;

namespace {

// Nearest integer, halves to the even neighbour.
int Redondear(double AValor) { return static_cast<int>(std::nearbyint(AValor)); }

}  // namespace

void TqovEscalamientoFuncs::CrearEscalamientoFuncs() {
  if (!EscalamientoFuncs) EscalamientoFuncs = new TqovEscalamientoFuncs;
}

bool TqovEscalamientoFuncs::EsResolucionesPv(const QString& AClassName) {
  static const QStringList clases = {
      QStringLiteral("TVentasDocForm"),        QStringLiteral("TDevVentasPvForm"),
      QStringLiteral("TOrdenesVentaForm"),     QStringLiteral("TCotizacionesPVForm"),
      QStringLiteral("TComandosTouchForm"),    QStringLiteral("TDlgCambiarFormaCobro"),
      QStringLiteral("TDlgLiqConEfeForm"),     QStringLiteral("TDlgMuestraDonativosConImagenForm"),
      QStringLiteral("TDlgProcesaTarjetaForm")};
  return clases.contains(AClassName, Qt::CaseSensitive);
}

void TqovEscalamientoFuncs::EscalarMsgDialog(TForm& AForm, int AEscala) {
  if (CompararFlotantes(AForm.ScaleFactor(), AEscala / 100.0L, 0.01L) != 0)
    AForm.ScaleForPPI(Redondear(AEscala * 0.96));
}

void TqovEscalamientoFuncs::EscalarFormaByFormaPrincipal(TForm& AForm) {
  EscalarMsgDialog(AForm, ObtenerEscalaDefault());
}

int TqovEscalamientoFuncs::GetHeightFont(int AOriginalSize, int AEscala) const {
  return -Redondear(AOriginalSize * AEscala / 72.0);
}

int TqovEscalamientoFuncs::ObtenerEscalaDefault() { return std::min(175, Redondear(Screen.PixelsPerInch() / 0.96)); }
