#pragma once

// The calculator window: twenty key panels, the display, and the keyboard, over the calculator engine.

#include <QString>

#include "controls/calculator/CalculadoraQov.h"
#include "platform/forms/Form.h"

class TLabel;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TShape;
class TqovEdtImgLst16;

// The calculator. The number is kept ungrouped in StrNum (digits, at most one ".", a leading "-", or the
// exponent form of a computed value) and shown grouped by three with ",". Keys act on the press of their
// character, Enter ("=") on its release; a second "=" after a result confirms it (mrOk), Esc cancels.
// Its panels, display and menu carry the names of the window's design.
class TCalculadoraForm : public TForm {
  Q_OBJECT

 public:
  explicit TCalculadoraForm(TComponent* AOwner);

  const QString& StrNum() const { return FStrNum; }
  void SetStrNum(const QString& AValue) { FStrNum = AValue; }
  TqovCalculadora& Calculadora() { return FCalculadora; }

  // Checks the number to open with: false when it exceeds the digit limit; otherwise rounds it as the
  // engine rounds a result.
  bool ValidaNumero();
  // Starts the operation of "+", "-", "*" or "/" on the number shown; any other character starts none.
  void IniciarOperacion(QChar AOperador);

 protected:
  void DoShow() override;
  void keyPressEvent(QKeyEvent* AEvent) override;
  void keyReleaseEvent(QKeyEvent* AEvent) override;

 private:
  enum TGrupo { grDigito, grOperador, grPuntoSigno, grBorrado };

  TPanel* NuevoPanel(const char* ANombre, const QString& ACaption, int AColumna, int AFila);
  TPanel* Panel(const char* ANombre) const;
  TPanel* PanelDeDigito(QChar ADigito) const;
  TPanel* PanelDeOperador(QChar AOperador) const;
  static TGrupo Grupo(const TPanel& APanel);
  static TColor ColorPresionado(TGrupo AGrupo);
  bool Resaltado(const TPanel& APanel) const;

  // The key actions of the panels, by caption.
  void Accion(const TPanel& APanel);
  void Digito(QChar ADigito);
  void Punto();
  void Signo();
  void Operador(TEnumOp AOperacion);
  void Igual();
  void Borrar();
  void BorrarEntrada();
  void Limpiar();
  void Copiar();

  // The display text, and the highlight of the pending operation's panel.
  void MostrarTexto();
  void Refrescar();
  double Valor() const;
  int CuentaDigitos() const;
  void ReiniciarTrasResultado();

  void PanelMouseDown(TPanel& APanel);
  void PanelMouseUp(TPanel& APanel);
  void PanelMouseEnter(TPanel& APanel);
  void PanelMouseLeave(TPanel& APanel);

  TShape* Shape1;
  TLabel* lblNumero;
  TPanel* Panel11;
  TqovEdtImgLst16* edtImgList16;
  TPopupMenu* ppmnNumero;
  TMenuItem* miCopiar;
  TqovCalculadora FCalculadora;
  QString FStrNum = QStringLiteral("0");
  bool FTieneNum = false;
  int FPrecision = 12;
};

// Opens the calculator, owned by AOwner (the caller's form), on AValor, with the operation of AOperador
// ("+", "-", "*", "/") pending when it is one. Returns mrOk when the operator confirmed, AValor then
// holding the number shown; mrCancel when the window was closed by Esc or its close box; 0 when the value
// exceeds twelve digits, which an error box says before any window opens.
int MostrarCalculadora(TComponent* AOwner, QChar AOperador, double& AValor);
