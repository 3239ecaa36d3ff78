#pragma once

// The base of the tests that depend on the screen's resolution and read the user's settings.

#include <QVariant>
#include <initializer_list>
#include <utility>

#include "core/settings/XmlRegistryQov.h"
#include "fixtures/CarpetasAjustes.h"

// The test application with the library started, settings folders of its own, and the screen's resolution as
// the test run set it up (QOV_PPI_ESPERADO, 96 when not set).
class PruebaDePantalla : public CarpetasAjustes {
 protected:
  PruebaDePantalla();

  static int PpiEsperado();
  // The zoom of the screen's own scale: its resolution / 0.96, rounded, at most 175.
  static int ZoomPantalla();
  // Writes the values (an int, a bool or a text each) under a key of the user's settings.
  static void Guardar(const QString& ALlave, std::initializer_list<std::pair<const char*, QVariant>> AValores);
  // The key of a form with that caption.
  static QString LlaveForma(const QString& ACaption) {
    return QStringLiteral("\\Software\\Tarvolin\\0\\\\") + ACaption;
  }
};
