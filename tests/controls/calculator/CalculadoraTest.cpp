#include <gtest/gtest.h>

#include "controls/calculator/CalculadoraQov.h"

namespace {

struct CasoOperacion {
  double Izquierdo;
  TEnumOp Operacion;
  double Derecho;
  TEnumOp Estado;    // opError, or the operation still pending
  double Resultado;  // meaningful without an error
};

TEST(Calculadora, ResultsKeepTwelveDigitsAndFaultsBecomeTheErrorState) {
  const CasoOperacion casos[] = {
      {2, opSuma, 3, opSuma, 5},
      {10, opDiv, 4, opDiv, 2.5},
      {7, opResta, 10, opResta, -3},
      {1, opDiv, 3, opDiv, 0.33333333333},
      {2, opDiv, 3, opDiv, 0.66666666667},
      {4, opDiv, 3, opDiv, 1.33333333333},
      // The sign is no digit: a negative result keeps the decimals of its positive counterpart.
      {-4, opDiv, 3, opDiv, -1.33333333333},
      {-123456789012, opResta, 0, opResta, -123456789012},
      // Ties take the even neighbour.
      {200000000005, opDiv, 2, opDiv, 100000000002},
      {200000000007, opDiv, 2, opDiv, 100000000004},
      {999999999999, opSuma, 0, opSuma, 999999999999},
      {999999999999, opSuma, 1, opError, 0},
      {-999999999999, opResta, 2, opError, 0},
      {5, opDiv, 0, opError, 0},
      {0, opDiv, 0, opError, 0},
      {1e300, opMult, 1e300, opError, 0},
      {0.000001, opMult, 0.000001, opMult, 0},
  };
  for (const CasoOperacion& caso : casos) {
    SCOPED_TRACE(testing::Message() << caso.Izquierdo << " op " << int(caso.Operacion) << " " << caso.Derecho);
    TqovCalculadora calculadora;
    calculadora.SetOperacion(caso.Operacion);
    calculadora.SetNumOperacion(caso.Izquierdo);
    const double resultado = calculadora.GetResultado(caso.Derecho);
    EXPECT_EQ(calculadora.Operacion(), caso.Estado);
    if (caso.Estado != opError) {
      EXPECT_DOUBLE_EQ(resultado, caso.Resultado);
    }
  }
}

TEST(Calculadora, StartsWithoutAnOperationAtTwelveDigits) {
  TqovCalculadora calculadora;
  EXPECT_EQ(calculadora.Operacion(), opSinOperacion);
  EXPECT_EQ(calculadora.NumOperacion(), 0);
  EXPECT_EQ(calculadora.Precision(), 12);
  // Without an arithmetic operation the operand comes back as it is.
  EXPECT_EQ(calculadora.GetResultado(7.5), 7.5);
  EXPECT_EQ(calculadora.Operacion(), opSinOperacion);
}

}  // namespace
