#include "controls/scaling/EscalamientoFuncsQov.h"

#include <QApplication>
#include <QStringList>
#include <QStyle>

#include "controls/dialogs/DialogosQov.h"
#include "controls/geometry/GeometriaFormaQov.h"
#include "controls/icons/ManejadorImagenesQov.h"
#include "core/util/Utilerias.h"
#include "platform/forms/Form.h"
#include "platform/forms/Properties.h"
#include "platform/forms/RichEdit.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Shape.h"
#include "platform/forms/TreeView.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Rounding.h"

TqovEscalamientoFuncs* EscalamientoFuncs = nullptr;

namespace {

// Frees the instance at exit and clears EscalamientoFuncs.
struct TLiberarAlSalir {
  ~TLiberarAlSalir() {
    delete EscalamientoFuncs;
    EscalamientoFuncs = nullptr;
  }
} LiberarAlSalir;

constexpr int TagEscalaPrincipal = 998;
const QString CaptionPrincipal = QStringLiteral("Ventana principal");

// The standard icon identifiers of the system's message icons.
constexpr int IconoError = 32513;
constexpr int IconoPregunta = 32514;
constexpr int IconoAdvertencia = 32515;
constexpr int IconoInformacion = 32516;

// The zoom of the screen's own scale: its pixels per inch / 0.96, rounded, at most 175; the rule by which
// the form-geometry routines read a form's zoom.
int ObtenerEscalaDefault() { return ObtenerZoomDefault(); }

// Runs ACuerpo, then AFinal, also when ACuerpo raises.
template <typename Cuerpo, typename Final>
void ConFinal(Cuerpo ACuerpo, Final AFinal) {
  try {
    ACuerpo();
  } catch (...) {
    AFinal();
    throw;
  }
  AFinal();
}

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

void TqovEscalamientoFuncs::EscalarDialogo(TForm& aForm, const TNotifyEvent& aOnTerminateEscala,
                                           bool aEscalarByFormaPrincipal) {
  ConFinal(
      [&] {
        const auto* dueña = dynamic_cast<TForm*>(aForm.Owner() ? aForm.Owner()->Self() : nullptr);
        if (dueña && !aEscalarByFormaPrincipal)
          EscalarMsgDialog(aForm, Round(dueña->ScaleFactor() * 100));
        else
          EscalarFormaByFormaPrincipal(aForm);
      },
      [&] {
        if (aOnTerminateEscala) aOnTerminateEscala(&aForm);
      });
}

void TqovEscalamientoFuncs::EscalarMsgDialog(TForm& aForm, int aEscala) {
  if (CompararFlotantes(aForm.ScaleFactor(), aEscala / 100.0L, 0.01L) != 0) aForm.ScaleForPPI(Round(aEscala * 0.96));
}

void TqovEscalamientoFuncs::EscalarFormaByFormaPrincipal(TForm& aForm) {
  FTagAnterior = aForm.Tag();
  aForm.SetTag(TagEscalaPrincipal);
  FCargarDimensiones = false;
  FOnTerminateEscala = [this](QObject* Sender) { RestaurarTag(Sender); };
  EscalarForma(aForm);
}

void TqovEscalamientoFuncs::RestaurarTag(QObject* Sender) {
  FCargarDimensiones = true;
  if (TComponent* forma = TComponent::Of(Sender)) forma->SetTag(FTagAnterior);
}

void TqovEscalamientoFuncs::EscalarForma(TForm& aForm, const TNotifyEvent& aOnTerminateEscala) {
  FOnTerminateEscala = aOnTerminateEscala;
  EscalarForma(aForm);
}

void TqovEscalamientoFuncs::EscalarForma(TForm& aForm) {
  ConFinal(
      [&] {
        int zoom = 0;
        if (aForm.Tag() == TagEscalaPrincipal) {
          const QString caption = aForm.Caption();
          aForm.SetCaption(CaptionPrincipal);
          ConFinal([&] { zoom = LeerZoom(aForm); }, [&] { aForm.SetCaption(caption); });
        } else {
          zoom = LeerZoom(aForm);
        }
        if (CompararFlotantes(aForm.ScaleFactor() * 100, zoom, 0.01L) == 0) return;
        if (zoom <= 0) zoom = 100;
        aForm.ScaleForPPI(Round(zoom * 0.96));
        AjustarFuentes(aForm, zoom);
      },
      [&] { TerminarEscala(aForm); });
}

void TqovEscalamientoFuncs::TerminarEscala(TForm& aForm) {
  ConFinal(
      [&] {
        if (FCargarDimensiones) RestaurarDimensionesForma(aForm);
      },
      [&] {
        if (!FOnTerminateEscala) return;
        // Cleared before it runs, so that it runs once even when it raises.
        const TNotifyEvent gancho = std::move(FOnTerminateEscala);
        FOnTerminateEscala = nullptr;
        gancho(&aForm);
      });
}

void TqovEscalamientoFuncs::AjustarFuentes(TForm& aForm, int aEscala) {
  const int escala = aEscala > 0 ? aEscala : 100;
  for (int i = 0; i < aForm.ComponentCount(); ++i) {
    TComponent* componente = aForm.Components(i);
    if (auto* rica = dynamic_cast<TRichEdit*>(componente)) {
      rica->SetZoom(Round(aForm.ScaleFactor() * 100));
    } else if (auto* figura = dynamic_cast<TShape*>(componente)) {
      figura->Pen().Width = 0;
      figura->update();
    } else if (auto* arbol = dynamic_cast<TTreeView*>(componente)) {
      QFont fuente = arbol->Font();
      SetFontHeight(fuente, GetHeightFont(10, escala));
      arbol->SetFont(fuente);
    } else if (auto* control = dynamic_cast<TControl*>(componente); control && control->Windowed() &&
                                                                    control->ComponentCount() == 0 &&
                                                                    IsPublishedProp(*control->Self(), "Font")) {
      QFont fuente = control->Font();
      SetFontHeight(fuente, GetHeightFont(8, escala));
      control->SetFont(fuente);
    }
  }
}

void TqovEscalamientoFuncs::EscalarFormaPrincipal(TForm& aForm, int aEscala, const TNotifyEvent& aOnTerminateEscala) {
  ConFinal(
      [&] {
        const QString caption = aForm.Caption();
        aForm.SetCaption(CaptionPrincipal);
        ConFinal([&] { GuardarPosicionForma(aForm, false); }, [&] { aForm.SetCaption(caption); });
        aForm.ScaleForPPI(Round(aEscala * 0.96));
        RestaurarDimensionesForma(aForm);
      },
      [&] {
        if (aOnTerminateEscala) aOnTerminateEscala(nullptr);
      });
}

int TqovEscalamientoFuncs::GetHeightFont(int aOriginalSize, int aEscala) const {
  const double ppi = Screen.PixelsPerInch();
  return -Round(static_cast<double>(aOriginalSize * aEscala) / ppi * ppi / 72);
}

void TqovEscalamientoFuncs::CargarIcono(TImage& AImagen, int AIcono) {
  QString recurso;
  switch (AIcono) {
    case IconoError:
      recurso = QStringLiteral("MSG_ERROR");
      break;
    case IconoAdvertencia:
      recurso = QStringLiteral("MSG_WARNING");
      break;
    case IconoInformacion:
      recurso = QStringLiteral("MSG_INFO");
      break;
    default:
      break;
  }
  if (!recurso.isEmpty()) {
    TqovManejadorImagenes::LoadFromResource(AImagen, HInstance(), recurso, RT_RCDATA, wifOther, wipmHighQualityCubic,
                                            false);
    AImagen.SetAutoSize(false);
    AImagen.SetStretch(true);
    AImagen.SetProportional(true);
    return;
  }
  // The system's own icon, at the system's icon size (32 pixels at 96 dpi).
  const int tamaño = MulDiv(32, Screen.PixelsPerInch(), 96);
  if (AIcono == IconoPregunta)
    AImagen.Picture().Assign(TBitmap(
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(QSize(tamaño, tamaño), 1).toImage()));
  else
    AImagen.Picture().Clear();
  AImagen.SetAutoSize(true);
  AImagen.SetStretch(false);
  AImagen.SetProportional(false);
}

double TqovEscalamientoFuncs::GetEscalaMonitorPrincipal() const { return Screen.PixelsPerInch() / 96.0; }

bool TqovEscalamientoFuncs::EsEscalaValida(const QString& aEscala, int& aEscalaValida, bool aValidarSistemaOperativo) {
  try {
    aEscalaValida = StrToInt(aEscala);
  } catch (const EConvertError&) {
    return false;
  }
  const int sistema = Round(Screen.PixelsPerInch() / 0.96);
  if (aValidarSistemaOperativo) {
    if (sistema > ZoomMaximo) aEscalaValida = ObtenerEscalaDefault();
    return true;
  }
  if (aEscalaValida > ZoomMaximo || aEscalaValida < 100) return false;
  if (aEscalaValida < sistema) {
    QString mensaje = QStringLiteral("No es posible indicar una escala menor a la escala del sistema operativo");
    if (sistema > ZoomMaximo) mensaje += QStringLiteral(" o al valor máximo soportado por Tarvolin");
    mensaje += QStringLiteral(" (") + QString::number(ObtenerEscalaDefault()) + QStringLiteral("%).");
    MostrarError(nullptr, mensaje);
    return false;
  }
  return true;
}
