#include "controls/dialogs/MessageForm.h"

#include <array>

#include "controls/dialogs/DetalleMensaje.h"
#include "controls/icons/ManejadorImagenesQov.h"
#include "controls/scaling/EscalamientoFuncsQov.h"
#include "platform/forms/Application.h"
#include "platform/forms/Button.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Screen.h"
#include "platform/forms/TextDrawing.h"
#include "platform/rtl/ResourceModule.h"
#include "platform/rtl/Rounding.h"

namespace {

struct TTipoDialogo {
  const char* Titulo;
  const char* Imagen;  // null: no picture
};

const TTipoDialogo Tipos[] = {
    {"Advertencia", "MSG_WARNING"}, {"Error", "MSG_ERROR"}, {"Información", "MSG_INFO"},
    {"Confirmación", "MSG_INFO"},   {nullptr, nullptr},
};

struct TBotonInfo {
  const char* Nombre;
  const char* Caption;
  TModalResult Resultado;
};

const TBotonInfo Botones[] = {
    {"Yes", "&Sí", mrYes},
    {"No", "&No", mrNo},
    {"OK", "Aceptar", mrOk},
    {"Abort", "Abortar", mrAbort},
    {"Retry", "&Reintentar", mrRetry},
    {"Ignore", "Ignorar", mrIgnore},
    {"Cancel", "Cancelar", mrCancel},
    {"All", "Todo", mrAll},
    {"NoToAll", "N&o a Todo", mrNoToAll},
    {"YesToAll", "Sí a todo", mrYesToAll},
    {"Help", "Ayuda", mrNone},
    {"Details", "&Detalles", mrNone},
};

// The width of each kind's button, measured once per process.
std::array<int, 12> AnchosBotones{};

constexpr int TagBotonPorOmision = 999;

}  // namespace

TMessageForm::TMessageForm(TComponent* AOwner) : TForm(AOwner) {
  SetPixelsPerInch(Screen.PixelsPerInch());
  setFont(Screen.MessageFont());
}

int AnchoBotonDialogo(TBotonDialogo ABoton) { return AnchosBotones.at(ABoton); }

TMessageForm* CrearDialogoMensaje(TComponent* AOwner, const QString& Msg, TMsgDlgType DlgType, const QString& Caption,
                                  TBotonesDialogo Buttons, TBotonDialogo DefaultButton, TBotonDialogo CancelButton) {
  TqovEscalamientoFuncs::CrearEscalamientoFuncs();
  auto* dialogo = NewForm<TMessageForm>(AOwner ? AOwner : Application);
  dialogo->setFont(Screen.MessageFont());
  const QFont fuente = dialogo->font();
  const int tamañoIcono = dialogo->ScaleValue(32);
  dialogo->SetBorderStyle(bsDialog);

  // The average character of the font, and the margins and sizes it gives.
  const QSize promedio = TextExtent(fuente, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  const int cx = promedio.width() / 52;
  const int cy = promedio.height();
  const int ppi = Screen.PixelsPerInch();
  const int margenH = MulDiv(8, cx, 4);
  const int margenV = MulDiv(8, cy, (ppi * 8) / 96);
  const int espacioH = MulDiv(10, cx, 4);
  const int espacioV = MulDiv(10, cy, 8);
  int anchoBoton = MulDiv(50, cx, (ppi * 4) / 96);
  dialogo->SetHorizontalMargin(margenH);
  dialogo->SetVerticalMargin(margenV);
  dialogo->OnShow = [dialogo](QObject*) { dialogo->AjustarAlMostrar(); };

  for (int k = bdYes; k <= bdDetails; ++k) {
    if (!Buttons.Contiene(static_cast<TBotonDialogo>(k))) continue;
    if (AnchosBotones[k] == 0)
      AnchosBotones[k] = CalcTextRect(fuente, QString::fromUtf8(Botones[k].Caption), QRect(), dtSingleLine).width() + 8;
    anchoBoton = std::max(anchoBoton, AnchosBotones[k]);
  }
  const int altoBoton = MulDiv(14, cy, Round(ppi * 8 / 96.0));
  const int espacioBotones = MulDiv(4, cx, 4);

  const QRect texto = CalcTextRect(fuente, Msg, QRect(0, 0, Screen.Width() / 2, 0), dtWordBreak | dtExpandTabs);
  const char* imagen = Tipos[DlgType].Imagen;
  int anchoIconoTexto = texto.width();
  int altoIconoTexto = texto.height();
  if (imagen) {
    anchoIconoTexto += tamañoIcono + espacioH;
    altoIconoTexto = std::max(altoIconoTexto, tamañoIcono);
  }
  const int n = Buttons.Cuenta();
  const int anchoGrupo = n == 0 ? 0 : n * anchoBoton + (n - 1) * espacioBotones;
  dialogo->SetClientWidth(std::max(anchoIconoTexto, anchoGrupo) + 2 * margenH);
  dialogo->SetClientHeight(altoIconoTexto + altoBoton + espacioV + 2 * margenV);
  dialogo->SetBounds(Screen.Width() / 2 - dialogo->Width() / 2, Screen.Height() / 2 - dialogo->Height() / 2,
                     dialogo->Width(), dialogo->Height());

  if (!Caption.isEmpty())
    dialogo->SetCaption(Caption);
  else if (DlgType == mtCustom)
    dialogo->SetCaption(Application->Title());
  else
    dialogo->SetCaption(QString::fromUtf8(Tipos[DlgType].Titulo));

  if (imagen) {
    auto* dibujo = new TImage(dialogo);
    dibujo->SetName(QStringLiteral("Image"));
    dibujo->SetParent(dialogo);
    // The program's picture of the type; without it the box stays empty.
    TqovManejadorImagenes::LoadFromResource(*dibujo, HInstance(), QString::fromLatin1(imagen), RT_RCDATA, wifOther,
                                            wipmHighQualityCubic, false);
    dibujo->SetAutoSize(false);
    dibujo->SetStretch(true);
    dibujo->SetProportional(true);
    dibujo->SetBounds(margenH, margenV, tamañoIcono, tamañoIcono);
  }

  auto* mensaje = new TLabel(dialogo);
  mensaje->SetName(QStringLiteral("Message"));
  mensaje->SetParent(dialogo);
  // The text wraps within its rectangle here and when the dialog is shown, so that a line wider than
  // half the screen never pushes the buttons off it.
  mensaje->SetWordWrap(true);
  mensaje->SetCaption(Msg);
  mensaje->SetBounds(anchoIconoTexto - texto.width() + margenH, margenV, texto.width(), texto.height());

  int x = (mensaje->Left() + mensaje->Width() - anchoGrupo) / 2;
  for (int k = bdYes; k <= bdDetails; ++k) {
    const auto tipo = static_cast<TBotonDialogo>(k);
    if (!Buttons.Contiene(tipo)) continue;
    auto* boton = new TButton(dialogo);
    boton->SetName(QString::fromLatin1(Botones[k].Nombre));
    boton->SetCaption(QString::fromUtf8(Botones[k].Caption));
    boton->SetModalResult(Botones[k].Resultado);
    boton->SetParent(dialogo);
    if (tipo == DefaultButton) {
      boton->SetDefault(true);
      boton->SetTag(TagBotonPorOmision);
    }
    if (tipo == CancelButton) boton->SetCancel(true);
    if (tipo == bdHelp) boton->OnClick = [dialogo](QObject*) { Application->HelpContext(dialogo->HelpContext()); };
    if (tipo == bdDetails) boton->OnClick = [dialogo](QObject*) { MostrarDetalleMensaje(dialogo); };
    boton->SetBounds(x, altoIconoTexto + margenV + espacioV, anchoBoton, altoBoton);
    x += anchoBoton + espacioBotones;
  }
  return dialogo;
}

void TMessageForm::AjustarAlMostrar() {
  BringToFront();
  const int alto = EscalamientoFuncs->GetHeightFont(8, Round(ScaleFactor() * 100));
  TLabel* mensaje = findChild<TLabel*>(QStringLiteral("Message"));
  const TControl* dibujo = findChild<TImage*>(QStringLiteral("Image"));
  QFont fuente = mensaje->Font();
  SetFontHeight(fuente, alto);
  // Sized to its text in that font, wrapped within half the screen as when it was built.
  mensaje->SetWidth(Screen.Width() / 2);
  mensaje->SetFont(fuente);
  mensaje->SetAutoSize(true);

  std::vector<TButton*> botones;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* boton = dynamic_cast<TButton*>(Components(i)->Self())) {
      if (boton->Tag() == TagBotonPorOmision) boton->SetFocus();
      boton->SetFont(fuente);
      botones.push_back(boton);
    }

  SetClientWidth(ScaleValue(8) + mensaje->Left() + mensaje->Width());
  int anchoFila = ScaleValue(8) * (static_cast<int>(botones.size()) - 1);
  for (const TButton* boton : botones) anchoFila += boton->Width();
  int x = (ClientWidth() - anchoFila) / 2;
  if (x < 8) {
    x = 8;
    SetClientWidth(ScaleValue(16) + anchoFila);
  }
  const int y =
      ScaleValue(8) + std::max(mensaje->Top() + mensaje->Height(), dibujo ? dibujo->Top() + dibujo->Height() : 0);
  for (TButton* boton : botones) {
    boton->SetBounds(x, y, boton->Width(), boton->Height());
    x += boton->Width() + ScaleValue(8);
  }
  int fondo = 0;
  for (int i = 0; i < ComponentCount(); ++i)
    if (const auto* control = dynamic_cast<TControl*>(Components(i)))
      fondo = std::max(fondo, control->Top() + control->Height());
  SetClientHeight(ScaleValue(8) + fondo);
}
