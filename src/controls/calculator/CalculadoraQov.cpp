#include "controls/calculator/CalculadoraQov.h"

#include <cmath>

#include "core/util/Utilerias.h"

namespace {

// Two values closer than this are the same to the calculator's limit.
constexpr long double PrecisionLimite = 0.000001L;

}  // namespace

double TqovCalculadora::GetResultado(double ANumOperacion) {
  double resultado = 0;
  switch (FOperacion) {
    case opSuma:
      resultado = FNumOperacion + ANumOperacion;
      break;
    case opResta:
      resultado = FNumOperacion - ANumOperacion;
      break;
    case opMult:
      resultado = FNumOperacion * ANumOperacion;
      break;
    case opDiv:
      if (ANumOperacion == 0) {
        FOperacion = opError;
        return resultado;
      }
      resultado = FNumOperacion / ANumOperacion;
      break;
    default:
      return ANumOperacion;
  }
  if (!std::isfinite(resultado) || !DentroDelLimite(resultado)) {
    FOperacion = opError;
    return resultado;
  }
  return Redondear(resultado);
}

bool TqovCalculadora::DentroDelLimite(double AValor) const {
  return CompararFlotantes(std::fabs(static_cast<long double>(AValor)), ValorMaximoDigitos(FPrecision, 0),
                           PrecisionLimite) <= 0;
}

double TqovCalculadora::Redondear(double AValor) const {
  // The digits of the integer part: the sign does not count, so a negative value keeps as many decimals
  // as its positive counterpart.
  int digitos = 1;
  for (auto resto = static_cast<qint64>(std::fabs(std::trunc(AValor))); resto >= 10; resto /= 10) ++digitos;
  const long double escala = std::pow(10.0L, FPrecision - digitos);
  return static_cast<double>(std::nearbyint(AValor * escala) / escala);
}
