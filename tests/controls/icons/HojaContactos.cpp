// Renders the icon collections on a contact sheet to look at:
//   hoja_contactos SALIDA.png [AUMENTO [NOMBRE... | X Y ANCHO ALTO]]
// Without names: the three collections, every size, and the program's own pictures, or the part X, Y, ANCHO, ALTO of
// that sheet. With names: those icons alone, one row each, at every size any collection holds. AUMENTO enlarges the
// sheet pixel by pixel, so each pixel can be seen.

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "controls/icons/ImageCollectionQov.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceModule.h"

namespace {

constexpr int Columnas = 30;
constexpr int Margen = 8;
constexpr int Rotulo = 40;

struct Coleccion {
  QString Titulo;
  const TImageCollection* Iconos;
};

QList<Coleccion> Colecciones() {
  return {{QStringLiteral("Barra de herramientas"), ObtenerImageCollection16()},
          {QStringLiteral("Menú de edición"), ObtenerEdtImageCollection16()},
          {QStringLiteral("Selección"), ObtenerSelImageCollection16()}};
}

// The sizes of a collection's icons, as its first item holds them.
QList<int> Tamanos(const TImageCollection& AColeccion) {
  QList<int> tamanos;
  for (const QImage& imagen : AColeccion.Items(0).SourceImages) tamanos << imagen.width();
  return tamanos;
}

// A heading, then the collection's icons of one size in rows, each row headed by its first index.
int DibujarBloque(QPainter& APintor, int AY, const Coleccion& AColeccion, int AIndiceTamano) {
  const int tamano = Tamanos(*AColeccion.Iconos)[AIndiceTamano], paso = tamano + 6;
  APintor.drawText(Margen, AY + 14, QStringLiteral("%1, %2 px").arg(AColeccion.Titulo).arg(tamano));
  AY += 20;
  for (int i = 0; i < AColeccion.Iconos->Count(); ++i) {
    const int y = AY + i / Columnas * paso;
    if (i % Columnas == 0) APintor.drawText(Margen, y + tamano - 2, QString::number(i));
    APintor.drawImage(Margen + Rotulo + i % Columnas * paso, y,
                      AColeccion.Iconos->Items(i).SourceImages[AIndiceTamano]);
  }
  return AY + (AColeccion.Iconos->Count() + Columnas - 1) / Columnas * paso + 12;
}

QImage HojaCompleta() {
  QImage hoja(Margen * 2 + Rotulo + Columnas * 34, 3000, QImage::Format_ARGB32);
  hoja.fill(QColor(0xF0, 0xF0, 0xF0));
  QPainter pintor(&hoja);
  int y = Margen;
  for (const Coleccion& coleccion : Colecciones())
    for (int i = 0; i < Tamanos(*coleccion.Iconos).size(); ++i) y = DibujarBloque(pintor, y, coleccion, i);
  pintor.drawText(Margen, y + 14, QStringLiteral("Imágenes del programa"));
  y += 20;
  int x = Margen + Rotulo;
  for (const char* nombre : {"MSG_ERROR", "MSG_WARNING", "MSG_INFO"}) {
    pintor.drawImage(x, y, LoadResourceImage(HInstance(), QString::fromLatin1(nombre), RT_RCDATA));
    x += 72;
  }
  pintor.drawImage(x, y, LoadResourceImage(HInstance(), QStringLiteral("InicioSesion"), QStringLiteral("PNG")));
  y += 76 + Margen;
  pintor.end();
  return hoja.copy(0, 0, hoja.width(), y);
}

// Each named icon at every size, from the first collection that holds it at that size.
QImage HojaDeNombres(const QStringList& ANombres) {
  const QList<int> tamanos{16, 20, 24, 28, 32};
  QImage hoja(Margen * 2 + 90 + 5 * 36, Margen * 2 + static_cast<int>(ANombres.size()) * 36, QImage::Format_ARGB32);
  hoja.fill(QColor(0xF0, 0xF0, 0xF0));
  QPainter pintor(&hoja);
  for (int fila = 0; fila < ANombres.size(); ++fila) {
    const int y = Margen + fila * 36;
    pintor.drawText(Margen, y + 20, ANombres[fila]);
    for (int columna = 0; columna < tamanos.size(); ++columna)
      for (const Coleccion& coleccion : Colecciones()) {
        const int indice = coleccion.Iconos->GetIndexByName(ANombres[fila]);
        const int tamano = indice < 0 ? -1 : static_cast<int>(Tamanos(*coleccion.Iconos).indexOf(tamanos[columna]));
        if (tamano < 0) continue;
        pintor.drawImage(Margen + 90 + columna * 36, y, coleccion.Iconos->Items(indice).SourceImages[tamano]);
        break;
      }
  }
  return hoja;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The sheet is only written, never shown: the labels need fonts but no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacion(argc, argv);
  const QStringList argumentos = QCoreApplication::arguments();
  if (argumentos.size() < 2) {
    std::fprintf(stderr, "Uso: hoja_contactos SALIDA.png [AUMENTO [NOMBRE... | X Y ANCHO ALTO]]\n");
    return 2;
  }
  try {
    bool recorte = argumentos.size() == 7;
    if (recorte) argumentos[3].toInt(&recorte);
    QImage hoja = argumentos.size() > 3 && !recorte ? HojaDeNombres(argumentos.mid(3)) : HojaCompleta();
    if (recorte)
      hoja = hoja.copy(argumentos[3].toInt(), argumentos[4].toInt(), argumentos[5].toInt(), argumentos[6].toInt());
    if (argumentos.size() > 2) hoja = hoja.scaled(hoja.size() * argumentos[2].toInt(), Qt::IgnoreAspectRatio);
    if (!hoja.save(argumentos[1])) {
      std::fprintf(stderr, "No se pudo escribir %s\n", qPrintable(argumentos[1]));
      return 1;
    }
  } catch (const Exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
