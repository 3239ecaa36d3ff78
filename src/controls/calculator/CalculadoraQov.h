#pragma once

// The calculator's arithmetic: the pending operation, its first operand, and results kept to twelve digits.

#include <QtGlobal>

// The calculator's state.
enum TEnumOp : quint8 {
  opSinOperacion,  // no operation pending
  opIgual,         // a result is shown ("=" was pressed)
  opSuma,
  opResta,
  opMult,
  opDiv,
  opError,  // the last calculation failed; the window shows "Error"
};

// The engine of the calculator window, which sets Operacion and NumOperacion as the operator chooses
// operations and asks for the result when the second operand is in.
class TqovCalculadora {
 public:
  TEnumOp Operacion() const { return FOperacion; }
  void SetOperacion(TEnumOp AValue) { FOperacion = AValue; }
  double NumOperacion() const { return FNumOperacion; }
  void SetNumOperacion(double AValue) { FNumOperacion = AValue; }
  int Precision() const { return FPrecision; }
  void SetPrecision(int AValue) { FPrecision = AValue; }

  // NumOperacion (left) and ANumOperacion (right) under the pending operation, rounded by Redondear. A
  // division by zero, a result that is not finite, or one whose magnitude exceeds Precision integer
  // digits puts the engine into opError; the value returned then means nothing. Without an arithmetic
  // operation pending, ANumOperacion comes back as it is.
  double GetResultado(double ANumOperacion);
  // A value within the limit rounded so that its integer digits (the sign not counted) and its decimals
  // are together at most Precision: to Precision - L decimals, L being the digits of its integer part, a
  // tie taking the even neighbour.
  double Redondear(double AValor) const;
  // False when the magnitude exceeds Precision integer digits.
  bool DentroDelLimite(double AValor) const;

 private:
  TEnumOp FOperacion = opSinOperacion;
  double FNumOperacion = 0;
  int FPrecision = 12;
};
