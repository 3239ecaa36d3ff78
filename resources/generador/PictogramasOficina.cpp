// Papers and office things: documents, folders, books, lists, the printer, the disk, the calendar.

#include "FuentePixel.h"
#include "Paleta.h"
#include "Pictogramas.h"

namespace {

// A sheet with its top right corner folded, between x 3 and 13.
void Hoja(Lienzo& L) {
  L.Poligono({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}, Paleta::Papel, Paleta::Gris);
  L.Poligono({{10, 1}, {10, 4}, {13, 4}}, Paleta::Sombra, Paleta::Gris);
}

}  // namespace

void Documento(Lienzo& L, const QColor& T) {
  Hoja(L);
  L.Renglones(5, 9, 4, 1, 2, T);
  L.Renglones(5, 11, 6, 4, 2, T);
}

void DocTabla(Lienzo& L, const QColor& T) {
  Hoja(L);
  L.Caja(5, 6, 11, 13, Paleta::Papel, T);
  L.Rellenar(5, 6, 11, 8, T);
  L.Raya(8, 8, 13, T);
  L.Renglones(6, 10, 10, 1, 2, Claro(T, 160));
}

void DocDolar(Lienzo& L, const QColor& T) {
  Hoja(L);
  L.Renglones(5, 9, 4, 1, 2, Paleta::GrisClaro);
  SignoDolar(L, 8, 10, T);
}

void DocCodigo(Lienzo& L, const QColor& T) {
  Hoja(L);
  L.Trazo({{7, 7}, {5, 9.5}, {7, 12}}, T, 1, true);
  L.Trazo({{9, 7}, {11, 9.5}, {9, 12}}, T, 1, true);
}

void DocSello(Lienzo& L, const QColor& T) {
  Hoja(L);
  L.Renglones(5, 11, 4, 3, 2, Paleta::GrisClaro);
  L.Elipse(6, 9, 12, 15, T, Borde(T));
  L.Elipse(8, 11, 10, 13, Paleta::Papel);
}

void DocGrafica(Lienzo& L, const QColor& T) {
  Hoja(L);
  L.Rellenar(5, 9, 7, 13, Claro(T, 140));
  L.Rellenar(7, 6, 9, 13, T);
  L.Rellenar(9, 8, 11, 13, Borde(T));
}

void Documentos(Lienzo& L, const QColor& T) {
  L.Caja(1, 1, 11, 13, Paleta::Sombra, Paleta::Gris);
  L.Caja(5, 3, 15, 15, Paleta::Papel, Paleta::Gris);
  L.Renglones(7, 13, 6, 4, 2, T);
}

void Recibo(Lienzo& L, const QColor& T) {
  QPainterPath recibo;
  recibo.moveTo(3, 1);
  recibo.lineTo(13, 1);
  recibo.lineTo(13, 15);
  for (int x = 13; x > 3; x -= 2) {
    recibo.lineTo(x - 1, 13.5);
    recibo.lineTo(x - 2, 15);
  }
  recibo.closeSubpath();
  L.Camino(recibo, Paleta::Papel, Paleta::Gris);
  L.Rellenar(3, 1, 13, 4, T);
  L.Renglones(5, 11, 6, 3, 2, Paleta::Gris);
}

void Carpeta(Lienzo& L, const QColor& T) {
  L.Caja(1, 3, 7, 6, T, Borde(T), true);
  L.Caja(1, 5, 15, 14, T, Borde(T), true);
  L.Rellenar(2, 6, 14, 7, Claro(T, 125));
}

void CarpetaAbierta(Lienzo& L, const QColor& T) {
  L.Caja(1, 2, 7, 5, T, Borde(T), true);
  L.Caja(1, 4, 13, 14, Borde(T).lighter(130), Borde(T), true);
  L.Caja(4, 5, 12, 10, Paleta::Papel, Paleta::Gris);
  L.Poligono({{3, 8}, {16, 8}, {13, 14}, {1, 14}}, T, Borde(T));
}

void Libro(Lienzo& L, const QColor& T) {
  L.Caja(3, 1, 14, 15, T, Borde(T));
  L.Rellenar(4, 12, 13, 14, Paleta::Papel);
  L.Rellenar(5, 1, 6, 12, Borde(T));
  L.Renglones(8, 12, 4, 2, 2, Claro(T, 170));
}

void LibroAbierto(Lienzo& L, const QColor& T) {
  L.Poligono({{1, 3}, {8, 4}, {8, 14}, {1, 13}}, Paleta::Papel, T);
  L.Poligono({{8, 4}, {15, 3}, {15, 13}, {8, 14}}, Paleta::Papel, T);
  L.Renglones(3, 6, 6, 3, 2, Claro(T, 140));
  L.Renglones(10, 13, 6, 3, 2, Claro(T, 140));
}

void Lista(Lienzo& L, const QColor& T) {
  L.Caja(1, 1, 15, 15, Paleta::Papel, Paleta::Gris, true);
  for (int fila = 0; fila < 3; ++fila) {
    const double y = 3.5 + fila * 3.5;
    L.Rellenar(3, y, 5, y + 2, T);
    L.Rellenar(6, y + 0.5, 13, y + 1.5, Paleta::Tinta);
  }
}

void Portapapeles(Lienzo& L, const QColor& T) {
  L.Caja(2, 2, 14, 16, T, Borde(T), true);
  L.Caja(4, 4, 12, 15, Paleta::Papel, Paleta::Gris);
  L.Caja(5, 1, 11, 4, Paleta::GrisClaro, Paleta::Tinta, true);
  L.Renglones(6, 10, 7, 3, 2, Paleta::Gris);
}

void Impresora(Lienzo& L, const QColor& T) {
  L.Caja(4, 1, 12, 6, Paleta::Papel, Paleta::Gris);
  L.Caja(1, 5, 15, 12, T, Borde(T), true);
  L.Rellenar(12, 7, 13, 8, Paleta::Verde.lighter(150));
  L.Caja(4, 9, 12, 15, Paleta::Papel, Paleta::Gris);
  L.Renglones(5, 11, 11, 2, 2, Paleta::GrisClaro);
}

void Disco(Lienzo& L, const QColor& T) {
  L.Poligono({{1, 1}, {12, 1}, {15, 4}, {15, 15}, {1, 15}}, T, Borde(T));
  L.Caja(4, 1, 11, 6, Paleta::GrisClaro, Borde(T));
  L.Rellenar(8, 2, 10, 5, Borde(T));
  L.Caja(3, 9, 13, 15, Paleta::Papel, Borde(T));
}

void Calendario(Lienzo& L, const QColor& T) {
  L.Caja(1, 2, 15, 15, Paleta::Papel, Paleta::Gris, true);
  L.Rellenar(2, 3, 14, 6, T);
  L.Rellenar(4, 1, 5, 4, Paleta::Tinta);
  L.Rellenar(11, 1, 12, 4, Paleta::Tinta);
  for (int fila = 0; fila < 3; ++fila)
    for (int columna = 0; columna < 4; ++columna)
      L.Rellenar(3 + columna * 3, 7 + fila * 2.5, 4 + columna * 3, 8 + fila * 2.5, Paleta::Gris);
}

void Sobre(Lienzo& L, const QColor& T) {
  L.Caja(1, 3, 15, 13, Paleta::Papel, Borde(T));
  L.Trazo({{1.5, 3.5}, {8, 9}, {14.5, 3.5}}, T, 1);
}

void Grafica(Lienzo& L, const QColor& T) {
  L.Rellenar(1, 14, 15, 15, Paleta::Tinta);
  L.Caja(2, 8, 5, 14, Claro(T, 140), T);
  L.Caja(6, 3, 9, 14, T, Borde(T));
  L.Caja(10, 6, 13, 14, Borde(T).lighter(120), Borde(T));
}

void Ventana(Lienzo& L, const QColor& T) {
  L.Caja(1, 2, 15, 14, Paleta::Papel, Borde(T), true);
  L.Rellenar(2, 3, 14, 5, T);
  L.Rellenar(3, 7, 7, 12, Paleta::GrisClaro);
  L.Renglones(8, 13, 7, 3, 2, Paleta::GrisClaro);
}

void IconosGrandes(Lienzo& L, const QColor& T) {
  for (int fila = 0; fila < 2; ++fila)
    for (int columna = 0; columna < 2; ++columna)
      L.Caja(1 + columna * 8, 1 + fila * 8, 7 + columna * 8, 7 + fila * 8, T, Borde(T), true);
}

void IconosChicos(Lienzo& L, const QColor& T) {
  for (int fila = 0; fila < 3; ++fila)
    for (int columna = 0; columna < 3; ++columna)
      L.Caja(1 + columna * 5, 1 + fila * 5, 5 + columna * 5, 5 + fila * 5, T, Borde(T));
}

void Etiqueta(Lienzo& L, const QColor& T) {
  L.Poligono({{1, 8}, {8, 1}, {15, 1}, {15, 8}, {8, 15}}, T, Borde(T));
  L.Elipse(10, 3, 13, 6, Paleta::Papel, Borde(T));
}

void Clip(Lienzo& L, const QColor& T) {
  L.Trazo({{10, 5}, {10, 12}, {8, 14}, {6, 12}, {6, 3}, {8, 1}, {12, 3}, {12, 11}}, T, 1.2, true);
}

void Imagen(Lienzo& L, const QColor& T) {
  L.Caja(1, 2, 15, 14, Paleta::Celeste.lighter(160), Paleta::Gris);
  L.Poligono({{2, 13}, {6, 7}, {9, 11}, {11, 9}, {14, 13}}, T, Borde(T));
  L.Elipse(10, 4, 13, 7, Paleta::Amarillo);
}

void Letrero(Lienzo& L, const QColor& T, const QString& ALetras) {
  L.Caja(1, 1, 15, 15, T, Borde(T), true);
  // The largest whole dots that leave a pixel free on every side inside the border.
  const int interior = L.P(15) - L.P(1) - 4;
  const int punto = std::max(1, std::min(interior / AnchoTextoPixel(ALetras, 1), interior / 5));
  L.Texto(ALetras, (L.Tamano() - AnchoTextoPixel(ALetras, punto)) / 2, (L.Tamano() - 5 * punto) / 2, punto,
          Paleta::Papel);
}
