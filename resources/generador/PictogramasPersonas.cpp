// People and places: persons, the globe, maps, the house, the phone and the speech bubble.

#include "Paleta.h"
#include "Pictogramas.h"

namespace {

// A person's head and shoulders in the box from (AX, AY), AAncho units wide.
void Figura(Lienzo& L, const QColor& T, double AX, double AY, double AAncho) {
  const double cabeza = AAncho * 0.5;
  QPainterPath hombros;
  hombros.moveTo(AX, AY + AAncho * 1.25);
  hombros.cubicTo(AX, AY + AAncho * 0.6, AX + AAncho, AY + AAncho * 0.6, AX + AAncho, AY + AAncho * 1.25);
  hombros.closeSubpath();
  L.Camino(hombros, T, Borde(T));
  L.Elipse(AX + (AAncho - cabeza) / 2, AY, AX + (AAncho + cabeza) / 2, AY + cabeza, Paleta::Amarillo.lighter(125),
           Borde(Paleta::Naranja));
}

}  // namespace

void Persona(Lienzo& L, const QColor& T) { Figura(L, T, 2, 1, 12); }

void Personas(Lienzo& L, const QColor& T) {
  Figura(L, Claro(T, 135), 6, 1, 10);
  Figura(L, T, 0, 3, 10);
}

void Globo(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, Paleta::Celeste.lighter(120), Borde(Paleta::Celeste));
  L.Poligono({{3, 4}, {7, 3}, {8, 6}, {6, 9}, {4, 8}}, T);
  L.Poligono({{9, 8}, {13, 7}, {13, 11}, {10, 13}}, T);
}

void Mapa(Lienzo& L, const QColor& T) {
  L.Poligono({{1, 3}, {5, 1}, {11, 3}, {15, 1}, {15, 13}, {11, 15}, {5, 13}, {1, 15}}, Claro(T, 150), Borde(T));
  L.Poligono({{5, 1}, {11, 3}, {11, 15}, {5, 13}}, Claro(T, 120), Borde(T));
}

void Pin(Lienzo& L, const QColor& T) {
  QPainterPath pin;
  pin.moveTo(8, 15.5);
  pin.cubicTo(4, 10, 2.5, 8.5, 2.5, 6);
  pin.cubicTo(2.5, 2.5, 5, 0.5, 8, 0.5);
  pin.cubicTo(11, 0.5, 13.5, 2.5, 13.5, 6);
  pin.cubicTo(13.5, 8.5, 12, 10, 8, 15.5);
  L.Camino(pin, T, Borde(T));
  L.Elipse(6, 4, 10, 8, Paleta::Papel);
}

void Casa(Lienzo& L, const QColor& T) {
  L.Poligono({{0, 8}, {8, 1}, {16, 8}}, T, Borde(T));
  L.Caja(2, 7, 14, 15, Paleta::Papel, Paleta::Gris);
  L.Caja(6, 10, 10, 15, Claro(T, 120), Borde(T));
}

void Maletin(Lienzo& L, const QColor& T) {
  L.Caja(5, 2, 11, 5, Paleta::Papel, Borde(T), true);
  L.Caja(1, 4, 15, 14, T, Borde(T), true);
  L.Rellenar(2, 8, 14, 9, Borde(T));
  L.Rellenar(7, 7, 9, 10, Paleta::Amarillo);
}

void Playa(Lienzo& L, const QColor& T) {
  L.Elipse(9, 1, 15, 7, Paleta::Amarillo, Borde(Paleta::Amarillo));
  L.Rellenar(0, 12, 16, 16, Paleta::Amarillo.lighter(130));
  L.Trazo({{6, 15}, {6, 6}}, Paleta::Cafe, 1.3);
  L.Poligono({{1, 7}, {6, 3}, {11, 7}, {6, 5.5}}, T, Borde(T));
}

void CruzMedica(Lienzo& L, const QColor& T) {
  L.Caja(1, 1, 15, 15, Paleta::Papel, Paleta::Gris, true);
  L.Rellenar(6, 3, 10, 13, T);
  L.Rellenar(3, 6, 13, 10, T);
}

void Telefono(Lienzo& L, const QColor& T) {
  L.Caja(4, 1, 12, 15, T, Borde(T), true);
  L.Rellenar(5, 3, 11, 12, Paleta::Celeste.lighter(150));
  L.Rellenar(7, 13, 9, 14, Paleta::Papel);
}

void Burbuja(Lienzo& L, const QColor& T) {
  QPainterPath burbuja;
  burbuja.addEllipse(QRectF(1, 1, 14, 13));
  QPainterPath cola;
  cola.moveTo(2, 15.5);
  cola.lineTo(3.5, 10);
  cola.lineTo(7, 13);
  cola.closeSubpath();
  L.Camino(burbuja.united(cola), T, Borde(T));
  L.Trazo({{5.5, 5}, {6, 7}, {8, 9}, {10.5, 10}}, Paleta::Papel, 1.6, true);
}

void Servidor(Lienzo& L, const QColor& T) {
  for (int bahia = 0; bahia < 3; ++bahia) {
    const double y = 1 + bahia * 5;
    L.Caja(2, y, 14, y + 4, T, Borde(T), true);
    L.Rellenar(4, y + 1.5, 6, y + 2.5, Paleta::Verde.lighter(150));
    L.Renglones(8, 12, y + 1.5, 1, 2, Claro(T, 150));
  }
}

void Ruta(Lienzo& L, const QColor& T) {
  L.Trazo({{3, 13}, {3, 9}, {13, 7}, {13, 3}}, Paleta::Gris, 1.2, true);
  L.Elipse(0.5, 11, 5.5, 16, T, Borde(T));
  L.Elipse(10.5, 0, 15.5, 5, Paleta::Rojo, Borde(Paleta::Rojo));
}
