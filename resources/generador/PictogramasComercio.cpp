// Money and goods: coins, notes, cards, the cart, the till, boxes, trucks, shops and buildings.

#include "FuentePixel.h"
#include "Paleta.h"
#include "Pictogramas.h"

void SignoDolar(Lienzo& L, double ACx, double ACy, const QColor& AColor) {
  const QStringList signo = L.Tamano() < 14 ? QStringList{"..#..", ".####", "#.#..", ".###.", "..#.#", "####.", "..#.."}
                                            : QStringList{"...#...", ".######", "##.#...", "##.#...", ".#####.",
                                                          "...#.##", "...#.##", "######.", "...#..."};
  const int ancho = static_cast<int>(signo.first().size()), alto = static_cast<int>(signo.size());
  DibujarPatronPixel(L.Pintor(), signo, L.P(ACx) - ancho / 2, L.P(ACy) - alto / 2, 1, AColor);
}

void Moneda(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  L.Elipse(3, 3, 13, 13, Claro(T, 115));
  SignoDolar(L, 8, 8, Borde(T));
}

void Monedas(Lienzo& L, const QColor& T) {
  for (int i = 0; i < 3; ++i) {
    const double y = 10 - i * 3;
    L.Elipse(1, y, 11, y + 5, T, Borde(T));
  }
  L.Elipse(6, 6, 15, 15, T, Borde(T));
  L.Elipse(8, 8, 13, 13, Claro(T, 120));
}

void Billete(Lienzo& L, const QColor& T) {
  L.Caja(1, 4, 15, 13, Claro(T, 150), Borde(T));
  L.Caja(2, 5, 14, 12, Claro(T, 150), Claro(T, 110));
  L.Elipse(5, 5.5, 11, 11.5, T);
  L.Rellenar(7.5, 7, 8.5, 10, Paleta::Papel);
}

void Tarjeta(Lienzo& L, const QColor& T) {
  L.Caja(1, 3, 15, 13, T, Borde(T), true);
  L.Rellenar(2, 5, 14, 7, Paleta::Tinta);
  L.Rellenar(3, 9, 7, 11, Paleta::Amarillo);
}

void Cheque(Lienzo& L, const QColor& T) {
  L.Caja(1, 4, 15, 13, Claro(T, 170), Borde(T));
  L.Renglones(3, 8, 6, 1, 2, Paleta::Tinta);
  L.Caja(10, 6, 14, 8, Paleta::Papel, Paleta::Gris);
  L.Trazo({{3, 11}, {5, 9.5}, {6, 11}, {8, 9.5}, {10, 11}}, T, 0.8, true);
  L.Renglones(9, 14, 11, 1, 2, Paleta::Gris);
}

void Carrito(Lienzo& L, const QColor& T) {
  L.Trazo({{0.5, 2.5}, {3, 2.5}, {5, 11.5}, {13, 11.5}}, Paleta::Tinta, 1);
  L.Poligono({{4, 4}, {15, 4}, {13, 10}, {5, 10}}, T, Borde(T));
  L.Elipse(4, 12, 7, 15, Paleta::Tinta);
  L.Elipse(11, 12, 14, 15, Paleta::Tinta);
}

void CajaRegistradora(Lienzo& L, const QColor& T) {
  L.Caja(5, 1, 14, 5, Paleta::Tinta, Paleta::Tinta);
  L.Rellenar(6, 2, 13, 4, Paleta::Verde.lighter(160));
  L.Poligono({{2, 6}, {14, 6}, {15, 11}, {1, 11}}, T, Borde(T));
  for (int columna = 0; columna < 3; ++columna) L.Rellenar(4 + columna * 3, 8, 6 + columna * 3, 9, Paleta::Papel);
  L.Caja(1, 11, 15, 15, Borde(T), Borde(T).darker(130));
  L.Rellenar(7, 12.5, 9, 13.5, Paleta::GrisClaro);
}

void Cajon(Lienzo& L, const QColor& T) {
  L.Poligono({{1, 8}, {4, 3}, {12, 3}, {15, 8}}, Paleta::GrisClaro, Paleta::Gris);
  L.Caja(1, 8, 15, 15, T, Borde(T));
  L.Rellenar(6, 10, 10, 12, Paleta::Papel);
}

void Caja(Lienzo& L, const QColor& T) {
  L.Poligono({{1, 5}, {8, 2}, {15, 5}, {8, 8}}, Claro(T, 125), Borde(T));
  L.Poligono({{1, 5}, {8, 8}, {8, 15}, {1, 12}}, T, Borde(T));
  L.Poligono({{8, 8}, {15, 5}, {15, 12}, {8, 15}}, Borde(T).lighter(125), Borde(T));
}

void Cajas(Lienzo& L, const QColor& T) {
  L.Caja(1, 8, 8, 15, T, Borde(T));
  L.Caja(8, 8, 15, 15, T, Borde(T));
  L.Caja(4, 1, 12, 8, Claro(T, 120), Borde(T));
  L.Rellenar(3.5, 8, 5.5, 10, Paleta::Papel);
  L.Rellenar(10.5, 8, 12.5, 10, Paleta::Papel);
  L.Rellenar(7, 1, 9, 3, Paleta::Papel);
}

void Camion(Lienzo& L, const QColor& T) {
  L.Caja(0, 3, 10, 12, T, Borde(T));
  L.Poligono({{10, 6}, {13, 6}, {16, 9}, {16, 12}, {10, 12}}, Paleta::GrisClaro, Paleta::Gris);
  L.Rellenar(11, 7, 13, 9, Paleta::Celeste);
  L.Elipse(2, 11, 6, 15, Paleta::Tinta);
  L.Elipse(11, 11, 15, 15, Paleta::Tinta);
}

void Almacen(Lienzo& L, const QColor& T) {
  L.Poligono({{0, 6}, {8, 1}, {16, 6}, {16, 7}, {0, 7}}, T, Borde(T));
  L.Caja(1, 6, 15, 15, Paleta::GrisClaro, Paleta::Gris);
  L.Caja(4, 9, 12, 15, Paleta::Papel, Paleta::Gris);
  L.Renglones(5, 11, 11, 2, 2, Paleta::Gris);
}

void Banco(Lienzo& L, const QColor& T) {
  L.Poligono({{0, 5}, {8, 1}, {16, 5}}, T, Borde(T));
  L.Rellenar(1, 5, 15, 6, Borde(T));
  for (int columna = 0; columna < 4; ++columna) L.Caja(2 + columna * 3.5, 6, 4 + columna * 3.5, 13, Claro(T, 160), T);
  L.Rellenar(0, 13, 16, 15, Borde(T));
}

void Edificio(Lienzo& L, const QColor& T) {
  L.Caja(3, 1, 13, 15, T, Borde(T));
  for (int fila = 0; fila < 4; ++fila)
    for (int columna = 0; columna < 2; ++columna)
      L.Rellenar(5 + columna * 4, 3 + fila * 2.5, 7 + columna * 4, 4.5 + fila * 2.5, Paleta::Celeste.lighter(140));
  L.Rellenar(7, 13, 9, 15, Borde(T));
}

void Ciudad(Lienzo& L, const QColor& T) {
  L.Caja(1, 6, 6, 15, Claro(T, 130), Borde(T));
  L.Caja(5, 1, 11, 15, T, Borde(T));
  L.Caja(10, 8, 15, 15, Claro(T, 115), Borde(T));
  L.Renglones(7, 9, 3, 5, 2, Paleta::Celeste.lighter(140));
}

void Tienda(Lienzo& L, const QColor& T) {
  L.Caja(2, 7, 14, 15, Paleta::Papel, Paleta::Gris);
  L.Caja(7, 10, 11, 15, Paleta::Celeste.lighter(130), Paleta::Gris);
  L.Caja(1, 3, 15, 7, T, Borde(T));
  for (int franja = 0; franja < 3; ++franja) L.Rellenar(3 + franja * 4, 4, 5 + franja * 4, 6, Paleta::Papel);
}

void BaseDatos(Lienzo& L, const QColor& T) {
  L.Caja(2, 3, 14, 13, T, Borde(T));
  L.Elipse(2, 10, 14, 15, T, Borde(T));
  L.Rellenar(3, 10, 13, 12, T);
  L.Elipse(2, 1, 14, 6, Claro(T, 130), Borde(T));
  L.Renglones(3, 13, 8, 1, 2, Borde(T));
}

void Estante(Lienzo& L, const QColor& T) {
  L.Caja(1, 1, 15, 15, Paleta::Papel, Borde(T));
  L.Rellenar(2, 7, 14, 8, Borde(T));
  L.Rellenar(3, 3, 5, 7, T);
  L.Rellenar(6, 4, 8, 7, Claro(T, 130));
  L.Rellenar(9, 3, 12, 7, T);
  L.Rellenar(3, 10, 6, 14, Claro(T, 130));
  L.Rellenar(7, 9, 9, 14, T);
  L.Rellenar(10, 11, 13, 14, Claro(T, 130));
}

void Capas(Lienzo& L, const QColor& T) {
  for (int capa = 2; capa >= 0; --capa) {
    const double y = 1 + capa * 3.5;
    L.Poligono({{1, y + 4}, {8, y}, {15, y + 4}, {8, y + 8}}, capa == 0 ? Claro(T, 125) : T, Borde(T));
  }
}

void Alcancia(Lienzo& L, const QColor& T) {
  L.Elipse(1, 4, 14, 14, T, Borde(T));
  L.Rellenar(3, 12, 5, 15, Borde(T));
  L.Rellenar(10, 12, 12, 15, Borde(T));
  L.Caja(13, 7, 16, 11, T, Borde(T));
  L.Rellenar(6, 5, 10, 6, Borde(T));
  L.Rellenar(4, 7, 5, 8, Paleta::Tinta);
}
