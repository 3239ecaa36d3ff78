#include "controls/grids/AjusteColumnasQov.h"

#include <algorithm>
#include <numeric>

#include "platform/rtl/Rounding.h"

namespace {

constexpr int AnchoIndicador = 10;

}  // namespace

int AnchoUsadoQov(const QVector<int>& AAnchos, const TMedidasRejillaQov& AMedidas) {
  const int usado =
      static_cast<int>(AAnchos.size()) * AMedidas.GrosorLinea + std::accumulate(AAnchos.begin(), AAnchos.end(), 0);
  return AMedidas.SinBorde ? usado - 4 : usado;
}

QVector<int> AjustarAnchosQov(const TMedidasRejillaQov& AMedidas, const QVector<int>& ADeclarados) {
  QVector<int> anchos;
  if (AMedidas.Indicador) anchos << AnchoIndicador;
  const int n = static_cast<int>(ADeclarados.size());
  if (n == 0) return anchos;
  const double suma = std::accumulate(ADeclarados.begin(), ADeclarados.end(), 0.0);
  for (const int declarado : ADeclarados) {
    const double parte = suma != 0 ? declarado / suma : 1.0 / n;
    anchos << std::max(1, Round(AMedidas.Disponible * parte));
  }
  const int exceso = AnchoUsadoQov(anchos, AMedidas) - AMedidas.Disponible;
  if (exceso <= 0) return anchos;
  const int cada = exceso / n;
  const int resto = exceso % n;
  for (int i = anchos.size() - n; i < anchos.size(); ++i) {
    const int quitar = cada + (i == anchos.size() - 1 ? resto : 0);
    anchos[i] = std::max(1, anchos[i] - quitar);
  }
  return anchos;
}
