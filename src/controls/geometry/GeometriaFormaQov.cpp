#include "controls/geometry/GeometriaFormaQov.h"

#include <algorithm>

#include "controls/geometry/VariablesGlobales.h"
#include "core/settings/XmlRegistryQov.h"
#include "platform/forms/BarManager.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "platform/rtl/Rounding.h"

namespace {

// The form's key under the user's settings.
QString LlaveForma(const TForm& AForma) {
  return QStringLiteral("\\Software\\Tarvolin\\") + QString::number(NumeroClaveConfig) + QLatin1Char('\\') +
         NombreClaveConfig + QLatin1Char('\\') + AForma.Caption();
}

// A bar's subkey name.
QString NombreBarra(int AIndice) {
  switch (AIndice) {
    case 0:
      return QStringLiteral("Barra de menús");
    case 1:
      return QStringLiteral("Barra de herramientas");
    default:
      return QStringLiteral("Barra ") + QString::number(AIndice);
  }
}

// The user's settings store.
struct TAjustesUsuario : TxmlRegistry {
  TAjustesUsuario() { SetRootKey(HKEY_CURRENT_USER); }
};

// Opens the key (creating it with ACrear) and runs AHacer in it; the key is closed afterwards, also when AHacer
// raises. False, without running AHacer, when the key does not open.
template <typename Hacer>
bool EnLlave(TxmlRegistry& AAjustes, const QString& ALlave, bool ACrear, Hacer AHacer) {
  if (!AAjustes.OpenKey(ALlave, ACrear)) return false;
  try {
    AHacer();
  } catch (...) {
    AAjustes.CloseKey();
    throw;
  }
  AAjustes.CloseKey();
  return true;
}

// The client size multiplied by the form's scale.
void EscalarCliente(TForm& AForma) {
  AForma.SetClientHeight(Round(AForma.ClientHeight() * AForma.ScaleFactor()));
  AForma.SetClientWidth(Round(AForma.ClientWidth() * AForma.ScaleFactor()));
}

}  // namespace

int ObtenerZoomDefault() { return std::min(ZoomMaximo, Round(Screen.PixelsPerInch() / 0.96)); }

void GuardarBarras(TForm& AForma) {
  const TBarManager* barras = nullptr;
  for (int i = 0; i < AForma.ComponentCount() && !barras; ++i)
    barras = dynamic_cast<const TBarManager*>(AForma.Components(i));
  if (!barras || barras->BarCount() == 0) return;
  TAjustesUsuario ajustes;
  for (int i = 0; i < barras->BarCount(); ++i) {
    const TBar& barra = barras->Bars(i);
    EnLlave(ajustes, LlaveForma(AForma) + QLatin1Char('\\') + NombreBarra(i), true, [&] {
      ajustes.WriteInteger(QStringLiteral("Estilo actual"), barra.DockedDockingStyle);
      ajustes.WriteInteger(QStringLiteral("Posición en X"), barra.DockedLeft);
      ajustes.WriteInteger(QStringLiteral("Posición en Y"), barra.DockedTop);
      ajustes.WriteBool(QStringLiteral("Una en renglón"), barra.OneOnRow);
      ajustes.WriteInteger(QStringLiteral("Renglón"), barra.Row);
      ajustes.WriteInteger(QStringLiteral("Flotante en X"), barra.FloatLeft);
      ajustes.WriteInteger(QStringLiteral("Flotante en Y"), barra.FloatTop);
      ajustes.WriteInteger(QStringLiteral("Longitud flotante"), barra.FloatClientWidth);
      ajustes.WriteInteger(QStringLiteral("Altura flotante"), barra.FloatClientHeight);
      ajustes.WriteInteger(QStringLiteral("Estilo"), barra.DockingStyle);
      ajustes.WriteBool(QStringLiteral("Visible"), barra.Visible);
    });
  }
}

void AjustarFormaAlEscritorio(TForm& AForma) {
  const int ancho = Screen.DesktopWidth();
  const int alto = Screen.DesktopHeight();
  if (AForma.Left() < 0 || AForma.Left() + AForma.Width() > ancho) AForma.SetLeft(0);
  if (AForma.Top() < 0 || AForma.Top() + AForma.Height() > alto) AForma.SetTop(0);
  if (AForma.Left() + AForma.Width() > ancho) AForma.SetWidth(ancho - AForma.Left());
  if (AForma.Top() + AForma.Height() > alto) AForma.SetHeight(alto - AForma.Top());
}

void GuardarPosicionForma(TForm& AForma, bool ASinBarras) {
  {
    TAjustesUsuario ajustes;
    EnLlave(ajustes, LlaveForma(AForma), true, [&] {
      ajustes.WriteInteger(QStringLiteral("Posición en X"), AForma.Left());
      ajustes.WriteInteger(QStringLiteral("Posición en Y"), AForma.Top());
      ajustes.WriteInteger(QStringLiteral("Altura"), Round(AForma.ClientHeight() / AForma.ScaleFactor()));
      ajustes.WriteInteger(QStringLiteral("Longitud"), Round(AForma.ClientWidth() / AForma.ScaleFactor()));
    });
  }
  if (!ASinBarras) GuardarBarras(AForma);
}

int LeerZoom(TForm& AForma) {
  const int porOmision = ObtenerZoomDefault();
  int zoom = 0;
  TAjustesUsuario ajustes;
  EnLlave(ajustes, LlaveForma(AForma), false, [&] {
    try {
      zoom = ajustes.ReadInteger(QStringLiteral("Zoom"));
    } catch (const Exception&) {
      // A value that is not a number counts as none.
    }
  });
  return std::clamp(zoom, porOmision, ZoomMaximo);
}

void RestaurarDimensionesForma(TForm& AForma) {
  TAjustesUsuario ajustes;
  const bool guardada = EnLlave(ajustes, LlaveForma(AForma), false, [&] {
    try {
      const int altura = ajustes.ReadInteger(QStringLiteral("Altura"));
      const int longitud = ajustes.ReadInteger(QStringLiteral("Longitud"));
      if (static_cast<qint64>(altura) + longitud > 0) {
        // A side saved as 0 or less keeps its current size: the window never becomes invisible.
        if (altura > 0) AForma.SetClientHeight(Round(altura * AForma.ScaleFactor()));
        if (longitud > 0) AForma.SetClientWidth(Round(longitud * AForma.ScaleFactor()));
      } else {
        EscalarCliente(AForma);
      }
    } catch (const Exception&) {
      AForma.SetPosition(poDesktopCenter);
    }
  });
  if (!guardada) {
    if (!AForma.Scaled()) EscalarCliente(AForma);
    AForma.SetPosition(poDesktopCenter);
  }
  AjustarFormaAlEscritorio(AForma);
}
