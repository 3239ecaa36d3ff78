#include "Marcas.h"

#include <cmath>

#include "FuentePixel.h"
#include "Paleta.h"

namespace {

// The side of a sign: 9 pixels at 16, growing with the picture.
int Lado(const Lienzo& L) { return static_cast<int>(std::lround(L.Tamano() * 9 / 16.0)); }
// The signs' strokes: one pixel up to 20 pixels, then two.
int Punto(const Lienzo& L) { return L.Tamano() >= 24 ? 2 : 1; }

// A sign drawn on a canvas of its own side, then laid over the corner.
void EnLaEsquina(Lienzo& L, const std::function<void(Lienzo&, int)>& ADibujar) {
  const int lado = Lado(L);
  Lienzo marca(lado);
  ADibujar(marca, Punto(L));
  L.Encimar(marca.Imagen(), L.Tamano() - lado, L.Tamano() - lado, 1);
}

void Fondo(Lienzo& M, const QColor& AColor) {
  QPainterPath disco;
  disco.addEllipse(QRectF(0, 0, M.Tamano(), M.Tamano()));
  M.Forma(disco, AColor, Borde(AColor));
}

// The dots of a sign centred on the canvas.
void Signo(Lienzo& M, const QStringList& ASigno, const QColor& AColor) {
  const int ancho = static_cast<int>(ASigno.first().size()), alto = static_cast<int>(ASigno.size());
  DibujarPatronPixel(M.Pintor(), ASigno, (M.Tamano() - ancho) / 2, (M.Tamano() - alto) / 2, 1, AColor);
}

}  // namespace

Marca MarcaDisco(const QColor& AColor, const QStringList& AChico, const QStringList& AGrande) {
  return [=](Lienzo& L) {
    EnLaEsquina(L, [&](Lienzo& M, int ADots) {
      Fondo(M, AColor);
      Signo(M, ADots == 1 ? AChico : AGrande, Paleta::Papel);
    });
  };
}

Marca MarcaGlifo(Glifo AGlifo, const QColor& ATinte) {
  return [=](Lienzo& L) { EnLaEsquina(L, [&](Lienzo& M, int) { AGlifo(M, ATinte); }); };
}

namespace Marcas {
const Marca Mas =
    MarcaDisco(Paleta::Verde, {"..#..", "..#..", "#####", "..#..", "..#.."},
               {"...##...", "...##...", "...##...", "########", "########", "...##...", "...##...", "...##..."});
const Marca Menos = MarcaDisco(Paleta::Rojo, {"#####"}, {"########", "########"});
const Marca Equis =
    MarcaDisco(Paleta::Rojo, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"},
               {"##....##", "###..###", ".######.", "..####..", "..####..", ".######.", "###..###", "##....##"});
const Marca Palomita = MarcaDisco(Paleta::Verde, {"....#", "...#.", "#.#..", ".#..."},
                                  {"......##", ".....###", "##..###.", "#######.", ".#####..", "..###...", "...#...."});
const Marca Derecha =
    MarcaDisco(Paleta::Azul, {"..#..", "...#.", "#####", "...#.", "..#.."},
               {"....#...", "....##..", "....###.", "########", "########", "....###.", "....##..", "....#..."});
const Marca Izquierda =
    MarcaDisco(Paleta::Azul, {"..#..", ".#...", "#####", ".#...", "..#.."},
               {"...#....", "..##....", ".###....", "########", "########", ".###....", "..##....", "...#...."});
const Marca Arriba =
    MarcaDisco(Paleta::Naranja, {"..#..", ".###.", "#.#.#", "..#..", "..#.."},
               {"...##...", "..####..", ".######.", "########", "...##...", "...##...", "...##...", "...##..."});
const Marca Abajo =
    MarcaDisco(Paleta::Verde, {"..#..", "..#..", "#.#.#", ".###.", "..#.."},
               {"...##...", "...##...", "...##...", "...##...", "########", ".######.", "..####..", "...##..."});
const Marca Intercambio =
    MarcaDisco(Paleta::Morado, {"...#.", "#####", ".....", "#####", ".#..."},
               {".....#..", "########", "########", ".....#..", "..#.....", "########", "########", "..#....."});
const Marca Porciento =
    MarcaDisco(Paleta::Rojo, {"##..#", "##.#.", "..#..", ".#.##", "#..##"},
               {"##....##", "##...##.", "....##..", "...##...", "..##....", ".##.....", "##...##.", "#....##."});
const Marca Pregunta =
    MarcaDisco(Paleta::Azul, {".##..", "...#.", "..#..", ".....", "..#.."},
               {"..####..", ".##..##.", ".....##.", "....##..", "...##...", "...##...", "........", "...##..."});
const Marca Admiracion =
    MarcaDisco(Paleta::Rojo, {"#", "#", "#", ".", "#"}, {"##", "##", "##", "##", "##", "..", "##", "##"});
const Marca Regresar =
    MarcaDisco(Paleta::Naranja, {".#...", "####.", ".#..#", "....#", ".###."},
               {"..#.....", ".#####..", "#######.", ".##...##", "..#...##", "......##", "..######", "..#####."});
const Marca Dolar = [](Lienzo& L) {
  EnLaEsquina(L, [](Lienzo& M, int) {
    Fondo(M, Paleta::Oro);
    SignoDolar(M, 8, 8, Paleta::Papel);
  });
};
const Marca Reloj = [](Lienzo& L) {
  EnLaEsquina(L, [](Lienzo& M, int ADots) {
    QPainterPath disco;
    disco.addEllipse(QRectF(0, 0, M.Tamano(), M.Tamano()));
    M.Forma(disco, Paleta::Papel, Paleta::Azul);
    Signo(M,
          ADots == 1 ? QStringList{"..#..", "..#..", "..###", ".....", "....."}
                     : QStringList{"...##...", "...##...", "...##...", "...#####", "...#####", "........", "........",
                                   "........"},
          Paleta::Tinta);
  });
};
const Marca Ciclo =
    MarcaDisco(Paleta::Turquesa, {"###.#", "#...#", "#...#", "#...#", "#.###"},
               {"..####.#", ".#....##", "#....###", "#.......", ".......#", "###....#", "##....#.", "#.####.."});
const Marca Lupa = MarcaGlifo(::Lupa, Paleta::Azul);
const Marca Lapiz = MarcaGlifo(::Lapiz, Paleta::Naranja);
const Marca Candado = MarcaGlifo(::Candado, Paleta::Oro);
const Marca Ojo = MarcaGlifo(::Ojo, Paleta::Azul);
const Marca Engrane = MarcaGlifo(::Engrane, Paleta::Gris);
const Marca Persona = MarcaGlifo(::Persona, Paleta::Azul);
const Marca Sobre = MarcaGlifo(::Sobre, Paleta::Azul);
const Marca Tarjeta = MarcaGlifo(::Tarjeta, Paleta::Azul);
const Marca Billete = MarcaGlifo(::Billete, Paleta::Verde);
const Marca Calendario = MarcaGlifo(::Calendario, Paleta::Rojo);
const Marca Documento = MarcaGlifo(::Documento, Paleta::Azul);
const Marca Rayo = MarcaGlifo(::Rayo, Paleta::Amarillo);
const Marca Caja = MarcaGlifo(::Caja, Paleta::Cafe);
const Marca Camion = MarcaGlifo(::Camion, Paleta::Naranja);
}  // namespace Marcas

void Variante(Lienzo& L, const QString& ALetras, const QColor& AColor) {
  const int punto = L.Tamano() >= 28 ? 2 : 1;
  QImage ficha(AnchoTextoPixel(ALetras, punto) + 2 * punto, 7 * punto, QImage::Format_ARGB32_Premultiplied);
  ficha.fill(AColor);
  QPainter pintor(&ficha);
  DibujarTextoPixel(pintor, ALetras, punto, punto, punto, Paleta::Papel);
  pintor.end();
  L.Encimar(ficha, 0, 0, 1);
}
