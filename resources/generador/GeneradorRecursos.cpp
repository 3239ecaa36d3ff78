// Draws the artwork and writes it as the C++ source of a module's resource table:
//   generador_recursos libreria FILE   the icons of the resource library, every name at every size
//   generador_recursos programa FILE   the program's own pictures

#include <QGuiApplication>
#include <QSet>
#include <cstdio>
#include <exception>

#include "ImagenesPrograma.h"
#include "Recetas.h"
#include "TablaRecursos.h"
#include "controls/icons/NombresImagenesQov.h"

namespace {

template <typename Nombres, typename Tamanos>
void AgregarIconos(QList<RecursoGenerado>& ARecursos, QSet<QString>& AHechos, const Nombres& ANombres,
                   const Tamanos& ATamanos) {
  for (const char* nombre : ANombres)
    for (const int tamano : ATamanos) {
      const QString recurso = QStringLiteral("QOV_%1_%2").arg(QString::fromLatin1(nombre)).arg(tamano);
      if (AHechos.contains(recurso)) continue;
      AHechos.insert(recurso);
      ARecursos.append({recurso, QStringLiteral("PNG"), Png(DibujarIcono(QString::fromLatin1(nombre), tamano))});
    }
}

QList<RecursoGenerado> RecursosLibreria() {
  QList<RecursoGenerado> recursos;
  QSet<QString> hechos;
  AgregarIconos(recursos, hechos, NombresImagenes16, TamanosImagenes16);
  AgregarIconos(recursos, hechos, NombresEdtImagenes16, TamanosImagenesEdtSel16);
  AgregarIconos(recursos, hechos, NombresSelImagenes16, TamanosImagenesEdtSel16);
  return recursos;
}

QList<RecursoGenerado> RecursosPrograma() {
  const QString rcdata = QStringLiteral("RCDATA");
  return {{QStringLiteral("MSG_ERROR"), rcdata, Png(ImagenError())},
          {QStringLiteral("MSG_WARNING"), rcdata, Png(ImagenAdvertencia())},
          {QStringLiteral("MSG_INFO"), rcdata, Png(ImagenInformacion())},
          {QStringLiteral("InicioSesion"), QStringLiteral("PNG"), Png(ImagenInicioSesion())}};
}

}  // namespace

int main(int argc, char* argv[]) {
  // The logo's text needs fonts, and so an application, but no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacion(argc, argv);
  const QStringList argumentos = QCoreApplication::arguments();
  if (argumentos.size() != 3 || (argumentos[1] != "libreria" && argumentos[1] != "programa")) {
    std::fprintf(stderr, "Uso: generador_recursos libreria|programa ARCHIVO.cpp\n");
    return 2;
  }
  try {
    if (argumentos[1] == "libreria")
      EscribirTablaRecursos(argumentos[2], RecursosLibreria(), TipoModulo::Libreria);
    else
      EscribirTablaRecursos(argumentos[2], RecursosPrograma(), TipoModulo::Programa);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "generador_recursos: %s\n", error.what());
    return 1;
  }
  return 0;
}
