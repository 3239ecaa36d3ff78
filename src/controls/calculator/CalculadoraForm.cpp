#include "controls/calculator/CalculadoraForm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <cmath>
#include <memory>

#include "controls/dialogs/DialogosQov.h"
#include "controls/icons/ImgLstQov.h"
#include "controls/scaling/EscalamientoFuncsQov.h"
#include "platform/forms/Application.h"
#include "platform/forms/Label.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Panel.h"
#include "platform/forms/Shape.h"
#include "platform/rtl/FloatFormat.h"

namespace {

// The calculator writes and reads its numbers with a point, whatever the process's formats say, since the
// "." key types the point into the same text.
const TFormatSettings& FormatoCalculadora() {
  static const TFormatSettings formato = [] {
    TFormatSettings f = FormatSettings;
    f.DecimalSeparator = QLatin1Char('.');
    f.ThousandSeparator = QLatin1Char(',');
    return f;
  }();
  return formato;
}

// The number in the general format: up to 15 significant digits, exponent form below 0.00001.
QString TextoGeneral(double AValor) { return FloatToStrF(AValor, TFloatFormat::General, 15, 0, FormatoCalculadora()); }

double ValorDe(const QString& ATexto) {
  long double valor = 0;
  return TryStrToFloat(ATexto, valor, FormatoCalculadora()) ? static_cast<double>(valor) : 0;
}

// The number with its integer digits grouped by three; the exponent form has a single integer digit.
QString Agrupado(const QString& ATexto) {
  const qsizetype inicio = ATexto.startsWith(QLatin1Char('-')) ? 1 : 0;
  qsizetype fin = inicio;
  while (fin < ATexto.size() && ATexto[fin].isDigit()) ++fin;
  QString texto = ATexto;
  for (qsizetype i = fin - 3; i > inicio; i -= 3) texto.insert(i, QLatin1Char(','));
  return texto;
}

constexpr TColor Gris235 = 0x00EBEBEB;

struct TTecla {
  const char* Nombre;
  const char* Caption;
};

// The key panels by row and column.
constexpr TTecla Teclas[5][4] = {
    {{"pnlCE", "CE"}, {"pnlClear", "C"}, {"pnlDelete", "Del"}, {"pnlDiv", "÷"}},
    {{"Panel7", "7"}, {"Panel8", "8"}, {"Panel9", "9"}, {"pnlMult", "×"}},
    {{"Panel4", "4"}, {"Panel5", "5"}, {"Panel6", "6"}, {"pnlResta", "-"}},
    {{"Panel1", "1"}, {"Panel2", "2"}, {"Panel3", "3"}, {"pnlSuma", "+"}},
    {{"pnlSigno", "+/-"}, {"Panel0", "0"}, {"pnlDecimal", "."}, {"pnlIgual", "="}},
};

// The operator panels with their operations, and the keys that type them.
struct TOperadorPanel {
  const char* Nombre;
  TEnumOp Operacion;
  char Tecla;
};

constexpr TOperadorPanel Operadores[] = {
    {"pnlSuma", opSuma, '+'}, {"pnlResta", opResta, '-'},  {"pnlMult", opMult, '*'},
    {"pnlDiv", opDiv, '/'},   {"pnlIgual", opIgual, '\r'},
};

}  // namespace

TCalculadoraForm::TCalculadoraForm(TComponent* AOwner) : TForm(AOwner) {
  SetCaption(QStringLiteral("Calculadora"));
  SetBorderStyle(bsDialog);
  SetBorderIcons(biSystemMenu);
  SetPosition(poOwnerFormCenter);
  SetColor(clWhite);
  SetFont(MakeFont(QStringLiteral("Tahoma"), -11));
  SetClientWidth(199);
  SetClientHeight(294);
  FCalculadora.SetPrecision(FPrecision);

  Shape1 = new TShape(this);
  Shape1->SetName(QStringLiteral("Shape1"));
  Shape1->SetParent(this);
  Shape1->SetBounds(-1, 0, 203, 44);
  Shape1->Pen().Color = clGray;

  edtImgList16 = new TqovEdtImgLst16(this);
  edtImgList16->SetName(QStringLiteral("edtImgList16"));
  edtImgList16->SetDisabledGrayscale(false);
  edtImgList16->SetDisabledSuffix(QStringLiteral("_Disabled"));
  ppmnNumero = new TPopupMenu(this);
  ppmnNumero->SetName(QStringLiteral("ppmnNumero"));
  ppmnNumero->SetImages(edtImgList16);
  miCopiar = new TMenuItem(this);
  miCopiar->SetName(QStringLiteral("miCopiar"));
  miCopiar->SetCaption(QStringLiteral("&Copiar"));
  miCopiar->SetImageIndex(2);
  miCopiar->OnClick = [this](QObject*) { Copiar(); };
  ppmnNumero->Add(miCopiar);

  lblNumero = new TLabel(this);
  lblNumero->SetName(QStringLiteral("lblNumero"));
  lblNumero->SetParent(this);
  lblNumero->SetAutoSize(false);
  lblNumero->SetBounds(0, 7, 196, 36);
  lblNumero->SetAlignment(taRightJustify);
  lblNumero->SetColor(clWhite);
  QPalette paleta = lblNumero->palette();
  paleta.setColor(QPalette::WindowText, Qt::black);
  lblNumero->setPalette(paleta);
  lblNumero->SetFont(MakeFont(QStringLiteral("Tahoma"), -24));
  lblNumero->SetCaption(QStringLiteral("0"));
  lblNumero->SetPopupMenu(ppmnNumero);

  Panel11 = new TPanel(this);
  Panel11->SetName(QStringLiteral("Panel11"));
  Panel11->SetParent(this);
  Panel11->SetBevelOuter(bvNone);
  Panel11->SetBounds(0, 44, 199, 250);
  for (int fila = 0; fila < 5; ++fila)
    for (int columna = 0; columna < 4; ++columna)
      NuevoPanel(Teclas[fila][columna].Nombre, QString::fromUtf8(Teclas[fila][columna].Caption), columna, fila);
}

TPanel* TCalculadoraForm::NuevoPanel(const char* ANombre, const QString& ACaption, int AColumna, int AFila) {
  auto* panel = new TPanel(this);
  panel->SetName(QString::fromLatin1(ANombre));
  panel->SetParent(Panel11);
  panel->SetBevelOuter(bvNone);
  panel->SetBounds(50 * AColumna, 50 * AFila, 50, 50);
  panel->SetFont(MakeFont(QStringLiteral("Tahoma"), -20));
  panel->SetCaption(ACaption);
  panel->OnMouseDown = [this, panel](QObject*, TMouseButton, TShiftState, int, int) { PanelMouseDown(*panel); };
  panel->OnMouseUp = [this, panel](QObject*, TMouseButton, TShiftState, int, int) { PanelMouseUp(*panel); };
  panel->OnMouseEnter = [this, panel](QObject*) { PanelMouseEnter(*panel); };
  panel->OnMouseLeave = [this, panel](QObject*) { PanelMouseLeave(*panel); };
  return panel;
}

TPanel* TCalculadoraForm::Panel(const char* ANombre) const {
  return dynamic_cast<TPanel*>(FindComponent(QString::fromLatin1(ANombre)));
}

TPanel* TCalculadoraForm::PanelDeDigito(QChar ADigito) const {
  return Panel(QStringLiteral("Panel%1").arg(ADigito).toLatin1().constData());
}

TPanel* TCalculadoraForm::PanelDeOperador(QChar AOperador) const {
  for (const TOperadorPanel& o : Operadores)
    if (AOperador == QLatin1Char(o.Tecla)) return Panel(o.Nombre);
  return nullptr;
}

TCalculadoraForm::TGrupo TCalculadoraForm::Grupo(const TPanel& APanel) {
  const QString& c = APanel.Caption();
  if (c.size() == 1 && c[0].isDigit()) return grDigito;
  if (c == QLatin1String(".") || c == QLatin1String("+/-")) return grPuntoSigno;
  if (c == QLatin1String("CE") || c == QLatin1String("C") || c == QLatin1String("Del")) return grBorrado;
  return grOperador;
}

TColor TCalculadoraForm::ColorPresionado(TGrupo AGrupo) {
  return AGrupo == grOperador ? clActiveCaption : clInactiveBorder;
}

bool TCalculadoraForm::Resaltado(const TPanel& APanel) const {
  return Grupo(APanel) == grOperador && APanel.Color() == clHighlight;
}

bool TCalculadoraForm::ValidaNumero() {
  const double valor = Valor();
  if (!FCalculadora.DentroDelLimite(valor)) return false;
  FStrNum = TextoGeneral(FCalculadora.Redondear(valor));
  return true;
}

void TCalculadoraForm::IniciarOperacion(QChar AOperador) {
  for (const TOperadorPanel& o : Operadores)
    if (o.Operacion != opIgual && AOperador == QLatin1Char(o.Tecla)) {
      FCalculadora.SetOperacion(o.Operacion);
      FCalculadora.SetNumOperacion(Valor());
    }
}

void TCalculadoraForm::DoShow() {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* panel = dynamic_cast<TPanel*>(Components(i)); panel && panel != Panel11) panel->SetColor(Gris235);
  Refrescar();
  MostrarTexto();
  TForm::DoShow();
  TqovEscalamientoFuncs::CrearEscalamientoFuncs();
  EscalamientoFuncs->EscalarDialogo(*this, nullptr, false);
}

double TCalculadoraForm::Valor() const { return ValorDe(FStrNum); }

int TCalculadoraForm::CuentaDigitos() const {
  QString texto = FStrNum;
  texto.remove(texto.indexOf(QLatin1Char('.')), texto.contains(QLatin1Char('.')) ? 1 : 0);
  texto.remove(texto.indexOf(QLatin1Char('-')), texto.contains(QLatin1Char('-')) ? 1 : 0);
  return static_cast<int>(texto.size());
}

void TCalculadoraForm::MostrarTexto() {
  if (FStrNum.isEmpty() || FStrNum == QLatin1String("-")) FStrNum = QStringLiteral("0");
  lblNumero->SetCaption(FCalculadora.Operacion() == opError ? QStringLiteral("Error") : Agrupado(FStrNum));
}

void TCalculadoraForm::Refrescar() {
  for (const TOperadorPanel& o : Operadores) {
    TPanel* panel = Panel(o.Nombre);
    panel->SetColor(o.Operacion == FCalculadora.Operacion() ? clHighlight : Gris235);
  }
}

void TCalculadoraForm::Accion(const TPanel& APanel) {
  const QString& c = APanel.Caption();
  if (Grupo(APanel) == grDigito) return Digito(c[0]);
  if (c == QLatin1String(".")) return Punto();
  if (c == QLatin1String("+/-")) return Signo();
  if (c == QLatin1String("=")) return Igual();
  if (c == QLatin1String("Del")) return Borrar();
  if (c == QLatin1String("CE")) return BorrarEntrada();
  if (c == QLatin1String("C")) return Limpiar();
  for (const TOperadorPanel& o : Operadores)
    if (Panel(o.Nombre) == &APanel) return Operador(o.Operacion);
}

void TCalculadoraForm::ReiniciarTrasResultado() {
  if (FCalculadora.Operacion() != opIgual) return;
  FCalculadora.SetOperacion(opSinOperacion);
  FTieneNum = false;
  Refrescar();
}

void TCalculadoraForm::Digito(QChar ADigito) {
  if (FCalculadora.Operacion() == opError) return;
  ReiniciarTrasResultado();
  if (!FTieneNum || FStrNum == QLatin1String("0")) {
    FStrNum = ADigito;
    FTieneNum = true;
  } else if (CuentaDigitos() < FPrecision) {
    FStrNum += ADigito;
  }
  MostrarTexto();
}

void TCalculadoraForm::Punto() {
  if (FCalculadora.Operacion() == opError) return;
  ReiniciarTrasResultado();
  if (!FTieneNum)
    FStrNum = QStringLiteral("0.");
  else if (!FStrNum.contains(QLatin1Char('.')) && CuentaDigitos() < FPrecision)
    FStrNum += QLatin1Char('.');
  FTieneNum = true;
  MostrarTexto();
}

void TCalculadoraForm::Signo() {
  if (FCalculadora.Operacion() == opError) return;
  if (FStrNum.startsWith(QLatin1Char('-')))
    FStrNum.remove(0, 1);
  else
    FStrNum.prepend(QLatin1Char('-'));
  const TEnumOp op = FCalculadora.Operacion();
  if (op >= opSuma && op <= opDiv && !FTieneNum) FCalculadora.SetNumOperacion(Valor());
  MostrarTexto();
}

void TCalculadoraForm::Operador(TEnumOp AOperacion) {
  const TEnumOp op = FCalculadora.Operacion();
  if (op == opError) return;
  if (op >= opSuma && op <= opDiv && FTieneNum) {
    Igual();
    if (FCalculadora.Operacion() == opError) return;
  }
  FCalculadora.SetOperacion(AOperacion);
  FTieneNum = false;
  FCalculadora.SetNumOperacion(Valor());
}

void TCalculadoraForm::Igual() {
  const TEnumOp op = FCalculadora.Operacion();
  if (op == opError) return;
  if (op == opIgual) return SetModalResult(mrOk);
  if (!FTieneNum) return;
  if (op == opSinOperacion) {
    FCalculadora.SetOperacion(opIgual);
    return MostrarTexto();
  }
  const double resultado = FCalculadora.GetResultado(Valor());
  if (FCalculadora.Operacion() == opError) {
    FStrNum = QStringLiteral("0");
  } else {
    FStrNum = TextoGeneral(resultado);
    FCalculadora.SetOperacion(opIgual);
  }
  FTieneNum = false;
  MostrarTexto();
}

void TCalculadoraForm::Borrar() {
  if (FCalculadora.Operacion() == opError) {
    FCalculadora.SetOperacion(opSinOperacion);
    FStrNum = QStringLiteral("0");
  } else if (FTieneNum) {
    FStrNum.chop(1);
  }
  MostrarTexto();
}

void TCalculadoraForm::BorrarEntrada() {
  if (FCalculadora.Operacion() == opError) FCalculadora.SetOperacion(opSinOperacion);
  FStrNum = QStringLiteral("0");
  FTieneNum = false;
  MostrarTexto();
}

void TCalculadoraForm::Limpiar() {
  FCalculadora.SetOperacion(opSinOperacion);
  FCalculadora.SetNumOperacion(0);
  FStrNum = QStringLiteral("0");
  FTieneNum = false;
  Refrescar();
  MostrarTexto();
}

void TCalculadoraForm::Copiar() { QGuiApplication::clipboard()->setText(lblNumero->Caption()); }

void TCalculadoraForm::PanelMouseDown(TPanel& APanel) { APanel.SetColor(ColorPresionado(Grupo(APanel))); }

void TCalculadoraForm::PanelMouseEnter(TPanel& APanel) {
  if (!Resaltado(APanel)) APanel.SetColor(cl3DLight);
}

void TCalculadoraForm::PanelMouseLeave(TPanel& APanel) {
  if (!Resaltado(APanel)) APanel.SetColor(Gris235);
}

void TCalculadoraForm::PanelMouseUp(TPanel& APanel) {
  const bool operador = Grupo(APanel) == grOperador;
  if (!operador || APanel.Caption() == QLatin1String("=")) APanel.SetColor(cl3DLight);
  Accion(APanel);
  if (operador) Refrescar();
}

void TCalculadoraForm::keyPressEvent(QKeyEvent* AEvent) {
  RunHandler([&] {
    const auto presionar = [this](TPanel* APanel) { APanel->SetColor(ColorPresionado(Grupo(*APanel))); };
    switch (VirtualKeyFromQt(AEvent->key())) {
      case VK_BACK:
        presionar(Panel("pnlDelete"));
        return Borrar();
      case VK_ESCAPE:
        return SetModalResult(mrCancel);
      case VK_DELETE:
        presionar(Panel("pnlCE"));
        return BorrarEntrada();
      case VK_F9:
        presionar(Panel("pnlSigno"));
        return Signo();
      default:
        break;
    }
    if (AEvent->text().size() != 1) return;
    const QChar c = AEvent->text()[0];
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      presionar(PanelDeDigito(c));
      Digito(c);
    } else if (c == QLatin1Char('.')) {
      presionar(Panel("pnlDecimal"));
      Punto();
    } else if (TPanel* panel = PanelDeOperador(c)) {
      presionar(panel);
      if (c != QLatin1Char('\r')) Accion(*panel);
    }
  });
}

void TCalculadoraForm::keyReleaseEvent(QKeyEvent* AEvent) {
  // The system sends one release for a held key.
  if (AEvent->isAutoRepeat()) return;
  RunHandler([&] {
    const int tecla = VirtualKeyFromQt(AEvent->key());
    const bool teclado = AEvent->modifiers().testFlag(Qt::KeypadModifier);
    if (tecla == VK_RETURN) {
      Igual();
      Refrescar();
    } else if (tecla == VK_BACK) {
      Panel("pnlDelete")->SetColor(Gris235);
    } else if (tecla == VK_DELETE) {
      Panel("pnlCE")->SetColor(Gris235);
    } else if (tecla == VK_F9) {
      Panel("pnlSigno")->SetColor(Gris235);
    } else if (tecla >= '0' && tecla <= '9') {
      PanelDeDigito(QChar(tecla))->SetColor(Gris235);
    } else if (teclado && (AEvent->key() == Qt::Key_Period || AEvent->key() == Qt::Key_Comma)) {
      Panel("pnlDecimal")->SetColor(Gris235);
    }
    const QChar c = AEvent->text().size() == 1 ? AEvent->text()[0] : QChar();
    if (c == QLatin1Char('*') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('/'))
      Refrescar();
    else if (c == QLatin1Char('.'))
      Panel("pnlDecimal")->SetColor(Gris235);
  });
}

int MostrarCalculadora(TComponent* AOwner, QChar AOperador, double& AValor) {
  const std::unique_ptr<TCalculadoraForm> forma(NewForm<TCalculadoraForm>(AOwner ? AOwner : Application));
  forma->SetStrNum(std::isfinite(AValor) ? TextoGeneral(AValor) : QStringLiteral("0"));
  if (!forma->ValidaNumero()) {
    MostrarError(AOwner, QStringLiteral("La calculadora no permite una cantidad mayor a 12 dígitos.\r"
                                        "Modifique la cantidad para continuar."));
    return 0;
  }
  forma->IniciarOperacion(AOperador);
  const int resultado = forma->ShowModal();
  if (resultado == mrOk) AValor = ValorDe(forma->StrNum());
  return resultado;
}
