#include "controls/AplicacionControles.h"

#include <QFile>
#include <QTemporaryDir>

#include "controls/inicio/InicioControlesQov.h"

PruebaDeControles::PruebaDeControles() {
  static const QTemporaryDir sinAjustes;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(sinAjustes.path()));
  InicializarControlesQov();
}
