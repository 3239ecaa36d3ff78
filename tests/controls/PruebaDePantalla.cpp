#include "controls/PruebaDePantalla.h"

#include <algorithm>
#include <cmath>

#include "controls/inicio/InicioControlesQov.h"
#include "fixtures/AplicacionDePrueba.h"

PruebaDePantalla::PruebaDePantalla() {
  AplicacionDePrueba();
  InicializarControlesQov();
}

int PruebaDePantalla::PpiEsperado() {
  bool hay = false;
  const int ppi = qEnvironmentVariableIntValue("QOV_PPI_ESPERADO", &hay);
  return hay ? ppi : 96;
}

int PruebaDePantalla::ZoomPantalla() { return std::min(175, static_cast<int>(std::lround(PpiEsperado() / 0.96))); }

void PruebaDePantalla::Guardar(const QString& ALlave,
                               std::initializer_list<std::pair<const char*, QVariant>> AValores) {
  TxmlRegistry ajustes;
  ajustes.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(ajustes.OpenKey(ALlave, true));
  for (const auto& [nombre, valor] : AValores) {
    const QString n = QString::fromUtf8(nombre);
    if (valor.typeId() == QMetaType::Int)
      ajustes.WriteInteger(n, valor.toInt());
    else if (valor.typeId() == QMetaType::Bool)
      ajustes.WriteBool(n, valor.toBool());
    else
      ajustes.WriteString(n, valor.toString());
  }
  ajustes.CloseKey();
}
