#include "IconosCuidados.h"

#include <QtMath>

#include "FuentePixel.h"
#include "Paleta.h"

namespace {

// Paints dot by dot: one text a row, each character a colour of the key, '.' nothing.
void Pixeles(Lienzo& L, int AX, int AY, const QStringList& AFilas, const QHash<QChar, QColor>& AColores) {
  for (qsizetype fila = 0; fila < AFilas.size(); ++fila)
    for (qsizetype columna = 0; columna < AFilas[fila].size(); ++columna) {
      const QChar clave = AFilas[fila][columna];
      if (clave != QLatin1Char('.'))
        L.Pintor().fillRect(AX + static_cast<int>(columna), AY + static_cast<int>(fila), 1, 1, AColores.value(clave));
    }
}

// A box with corners rounded by one pixel at 16 and 20 pixels and by a curve above, its border ABorde pixels thick
// inside the box from (AX, AY), ALado pixels a side.
void CajaRedonda(Lienzo& L, int AX, int AY, int ALado, int ABorde, const QColor& ARelleno, const QColor& AColorBorde) {
  if (L.Tamano() <= 20) {
    L.Pintor().fillRect(AX + 1, AY, ALado - 2, ALado, AColorBorde);
    L.Pintor().fillRect(AX, AY + 1, ALado, ALado - 2, AColorBorde);
    L.Pintor().fillRect(AX + ABorde, AY + ABorde, ALado - 2 * ABorde, ALado - 2 * ABorde, ARelleno);
    return;
  }
  const double radio = L.Tamano() / 8.0;
  QPainterPath exterior;
  exterior.addRoundedRect(QRectF(AX, AY, ALado, ALado), radio, radio);
  QPainterPath interior;
  interior.addRoundedRect(QRectF(AX + ABorde, AY + ABorde, ALado - 2 * ABorde, ALado - 2 * ABorde), radio - ABorde,
                          radio - ABorde);
  L.Pintor().fillPath(exterior.subtracted(interior), AColorBorde);
  L.Pintor().fillPath(interior, ARelleno);
}

// The box of the check boxes: its corner and side in pixels, centred.
struct Casilla {
  int Origen, Lado, Borde;
};

Casilla CasillaDe(const Lienzo& L) {
  const int lado = L.Tamano() - 2 * static_cast<int>(std::lround(L.Tamano() / 8.0));
  return {(L.Tamano() - lado) / 2, lado, L.Tamano() >= 24 ? 2 : 1};
}

const QColor BordeCasilla{0x5A, 0x6B, 0x7D};
const QColor AzulCasilla{0x25, 0x63, 0xB8};

void CheckBoxOff(Lienzo& L) {
  const Casilla c = CasillaDe(L);
  CajaRedonda(L, c.Origen, c.Origen, c.Lado, c.Borde, Paleta::Papel, BordeCasilla);
  // A faint inner shade along the top and the left, as an empty box is shown.
  L.Pintor().fillRect(c.Origen + c.Borde, c.Origen + c.Borde, c.Lado - 2 * c.Borde, 1, Paleta::Sombra);
  L.Pintor().fillRect(c.Origen + c.Borde, c.Origen + c.Borde, 1, c.Lado - 2 * c.Borde, Paleta::Sombra);
}

// The check mark in the box, drawn dot by dot at the two small sizes and as a clean stroke above.
void MarcaVerificacion(Lienzo& L, const Casilla& c, const QColor& AColor) {
  if (L.Tamano() == 16) {
    DibujarPatronPixel(L.Pintor(), {"......##", ".....###", "#...###.", "##.###..", "#####...", ".###...."},
                       c.Origen + 2, c.Origen + 3, 1, AColor);
    return;
  }
  if (L.Tamano() == 20) {
    DibujarPatronPixel(
        L.Pintor(), {"........##", ".......###", "#.....###.", "##...###..", "###.###...", ".#####....", "..###....."},
        c.Origen + 2, c.Origen + 4, 1, AColor);
    return;
  }
  const double x0 = c.Origen, lado = c.Lado;
  QPainterPath marca;
  marca.moveTo(x0 + lado * 0.22, x0 + lado * 0.52);
  marca.lineTo(x0 + lado * 0.42, x0 + lado * 0.72);
  marca.lineTo(x0 + lado * 0.79, x0 + lado * 0.30);
  L.Pintor().setPen(QPen(AColor, lado * 0.15, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  L.Pintor().setBrush(Qt::NoBrush);
  L.Pintor().drawPath(marca);
}

void CheckBoxOn(Lienzo& L) {
  const Casilla c = CasillaDe(L);
  CajaRedonda(L, c.Origen, c.Origen, c.Lado, c.Borde, AzulCasilla, AzulCasilla.darker(140));
  MarcaVerificacion(L, c, Paleta::Papel);
}

// The keys of a calculator: size, gap, inner margin and display height in pixels, by picture size.
struct Teclado {
  int Tecla, Hueco, Margen, Pantalla;
};

Teclado TecladoDe(int ATamano) {
  switch (ATamano) {
    case 16:
      return {2, 1, 1, 3};
    case 20:
      return {3, 1, 1, 4};
    case 24:
      return {4, 1, 1, 5};
    case 28:
      return {5, 1, 1, 6};
    default:
      return {5, 1, 2, 6};
  }
}

// A calculator of three by three keys, centred; its last key in the accent colour.
void Calculadora(Lienzo& L, const QColor& ACuerpo, const QColor& APantalla, const QColor& ATeclas,
                 const QColor& AAcento) {
  const Teclado t = TecladoDe(L.Tamano());
  const int bloque = 3 * t.Tecla + 2 * t.Hueco;
  const int ancho = bloque + 2 * t.Margen + 2, alto = t.Pantalla + bloque + 3 * t.Margen + 2 + t.Hueco;
  const int x = (L.Tamano() - ancho) / 2, y = (L.Tamano() - alto + 1) / 2;
  L.Pintor().fillRect(x + 1, y, ancho - 2, alto, ACuerpo.darker(150));
  L.Pintor().fillRect(x, y + 1, ancho, alto - 2, ACuerpo.darker(150));
  L.Pintor().fillRect(x + 1, y + 1, ancho - 2, alto - 2, ACuerpo);
  const int xi = x + 1 + t.Margen, yi = y + 1 + t.Margen;
  L.Pintor().fillRect(xi, yi, bloque, t.Pantalla, APantalla);
  L.Pintor().fillRect(xi, yi + t.Pantalla - 1, bloque, 1, APantalla.darker(130));
  const int yt = yi + t.Pantalla + t.Margen + t.Hueco;
  for (int fila = 0; fila < 3; ++fila)
    for (int columna = 0; columna < 3; ++columna)
      L.Pintor().fillRect(xi + columna * (t.Tecla + t.Hueco), yt + fila * (t.Tecla + t.Hueco), t.Tecla, t.Tecla,
                          fila == 2 && columna == 2 ? AAcento : ATeclas);
}

void Calc(Lienzo& L) {
  Calculadora(L, QColor(0x8A, 0x96, 0xA3), QColor(0xC8, 0xE6, 0xC0), Paleta::Papel, Paleta::Naranja);
}

void CalcBtn(Lienzo& L) {
  Calculadora(L, QColor(0x34, 0x4A, 0x66), QColor(0x9F, 0xD8, 0xF0), QColor(0xE6, 0xEC, 0xF2),
              QColor(0xF2, 0xA3, 0x3A));
}

// A curved arrow that turns back to the left; dot by dot at 16 pixels.
void Deshacer(Lienzo& L) {
  if (L.Tamano() == 16) {
    Pixeles(L, 0, 1,
            {"....#...........", "...##...........", "..###########...", ".#############..", "..###.......###.",
             "...##........##.", "....#........##.", ".............##.", "............###.", ".....#########..",
             ".....########..."},
            {{'#', Paleta::Azul}});
    return;
  }
  const double s = L.Tamano() / 16.0;
  const int grosor = L.Tamano() < 24 ? 2 : L.Tamano() < 32 ? 3 : 4;
  QPainterPath cola;
  cola.moveTo(5 * s, 5.5 * s);
  cola.lineTo(9.5 * s, 5.5 * s);
  cola.cubicTo(12.5 * s, 5.5 * s, 14.5 * s, 7.5 * s, 14.5 * s, 9.5 * s);
  cola.cubicTo(14.5 * s, 11.5 * s, 12.5 * s, 12.5 * s, 9.5 * s, 12.5 * s);
  cola.lineTo(5.5 * s, 12.5 * s);
  L.Pintor().setPen(QPen(Paleta::Azul, grosor, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  L.Pintor().setBrush(Qt::NoBrush);
  L.Pintor().drawPath(cola);
  L.Pintor().setPen(Qt::NoPen);
  L.Pintor().setBrush(Paleta::Azul);
  L.Pintor().drawPolygon(QPolygonF({{0.5 * s, 5.5 * s}, {5.5 * s, 0.5 * s}, {5.5 * s, 10.5 * s}}));
}

// Scissors, blades up, rings down; dot by dot at 16 pixels.
void Cortar(Lienzo& L) {
  const QColor acero(0x56, 0x62, 0x70), mango = Paleta::Rojo;
  if (L.Tamano() == 16) {
    Pixeles(L, 0, 1,
            {"..#.........#...", "..##.......##...", "...##.....##....", "....##...##.....", ".....##.##......",
             "......#o#.......", ".....##.##......", "....rr...rr.....", ".rrrr.....rrrr..", "rr..rr...rr..rr.",
             "r....r...r....r.", "r....r...r....r.", "rr..rr...rr..rr.", ".rrrr.....rrrr.."},
            {{'#', acero}, {'o', Paleta::Tinta}, {'r', mango}});
    return;
  }
  const double s = L.Tamano() / 16.0;
  L.Pintor().setPen(QPen(acero, std::max(2.0, 1.5 * s), Qt::SolidLine, Qt::RoundCap));
  L.Pintor().drawLine(QPointF(5.2 * s, 10 * s), QPointF(11.5 * s, 0.8 * s));
  L.Pintor().drawLine(QPointF(10.8 * s, 10 * s), QPointF(4.5 * s, 0.8 * s));
  L.Pintor().setPen(Qt::NoPen);
  L.Pintor().setBrush(Paleta::Tinta);
  L.Pintor().drawEllipse(QPointF(8 * s, 6.7 * s), 0.9 * s, 0.9 * s);
  L.Pintor().setPen(QPen(mango, std::max(2.0, 1.5 * s)));
  L.Pintor().setBrush(Qt::NoBrush);
  L.Pintor().drawEllipse(QPointF(4.3 * s, 12.3 * s), 2.7 * s, 2.6 * s);
  L.Pintor().drawEllipse(QPointF(11.7 * s, 12.3 * s), 2.7 * s, 2.6 * s);
}

// A sheet with lines, between pixel edges.
void Hoja(Lienzo& L, int AX0, int AY0, int AX1, int AY1, const QColor& ARelleno, const QColor& ALineas) {
  L.Pintor().fillRect(AX0, AY0, AX1 - AX0, AY1 - AY0, Paleta::Gris);
  L.Pintor().fillRect(AX0 + 1, AY0 + 1, AX1 - AX0 - 2, AY1 - AY0 - 2, ARelleno);
  const int paso = L.Tamano() >= 32 ? 4 : L.Tamano() >= 24 ? 3 : 2, margen = L.Tamano() >= 24 ? 3 : 2;
  for (int y = AY0 + margen + 1; y < AY1 - margen; y += paso)
    L.Pintor().fillRect(AX0 + margen, y, AX1 - AX0 - 2 * margen, L.Fino(), ALineas);
}

void Copiar(Lienzo& L) {
  const int s = L.Tamano();
  Hoja(L, s / 16, s / 16, s * 10 / 16, s * 12 / 16, Paleta::Sombra, Paleta::GrisClaro);
  Hoja(L, s * 6 / 16, s * 4 / 16, s * 15 / 16, s, Paleta::Papel, Paleta::Azul);
}

void Pegar(Lienzo& L) {
  const int s = L.Tamano();
  const QColor tabla = Paleta::Cafe;
  L.Pintor().fillRect(s / 16, s * 2 / 16, s * 11 / 16, s * 13 / 16, tabla.darker(140));
  L.Pintor().fillRect(s / 16 + 1, s * 2 / 16 + 1, s * 11 / 16 - 2, s * 13 / 16 - 2, tabla);
  const int ancho = s * 5 / 16, x = s / 16 + (s * 11 / 16 - ancho) / 2;
  L.Pintor().fillRect(x, 0, ancho, s * 4 / 16, Paleta::Tinta);
  L.Pintor().fillRect(x + 1, 1, ancho - 2, s * 4 / 16 - 2, Paleta::GrisClaro);
  Hoja(L, s * 6 / 16, s * 6 / 16, s * 15 / 16, s, Paleta::Papel, Paleta::Azul);
}

// Two diagonal bars, laid pixel by pixel so their edges are clean steps, with a darker rim.
void EquisPixel(Lienzo& L, int AMargen, int AMedioAncho, const QColor& AColor) {
  const int ultimo = L.Tamano() - 1 - AMargen;
  for (int y = AMargen; y <= ultimo; ++y)
    for (int x = AMargen; x <= ultimo; ++x) {
      const int distancia = std::min(std::abs(x - y), std::abs(x + y - (L.Tamano() - 1)));
      if (distancia <= AMedioAncho)
        L.Pintor().fillRect(x, y, 1, 1, AColor);
      else if (distancia == AMedioAncho + 1)
        L.Pintor().fillRect(x, y, 1, 1, AColor.darker(145));
    }
}

void Borrar(Lienzo& L) {
  const int s = L.Tamano();
  EquisPixel(L, s / 8, s < 24 ? 1 : 2, Paleta::Rojo);
}

// The mouse pointer with a question mark beside it; dot by dot at 16 pixels.
void QueEs(Lienzo& L) {
  if (L.Tamano() == 16) {
    Pixeles(L, 0, 1,
            {"k.........", "kk........", "kwk.......", "kwwk......", "kwwwk.....", "kwwwwk....", "kwwwwwk...",
             "kwwwwwwk..", "kwwwkkkk..", "kwkwwk....", "kk.kwk....", "k...kwk...", "....kwk...", ".....k...."},
            {{'k', Paleta::Tinta}, {'w', Paleta::Papel}});
    Pixeles(L, 9, 1, {".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..", "..##.."},
            {{'#', Paleta::Azul}});
    return;
  }
  const double s = L.Tamano() / 16.0;
  const QPolygonF flecha({{0.5, 0.5}, {0.5, 13}, {3.5, 10}, {5.5, 14.5}, {7.5, 13.6}, {5.5, 9.3}, {9.5, 9.3}});
  L.Forma(Contorno(QTransform::fromScale(s, s).map(flecha)), Paleta::Papel, Paleta::Tinta);
  QPainterPath pregunta;
  pregunta.moveTo(10 * s, 3.8 * s);
  pregunta.cubicTo(10 * s, 1.4 * s, 15 * s, 1.4 * s, 15 * s, 3.8 * s);
  pregunta.cubicTo(15 * s, 5.8 * s, 12.5 * s, 6 * s, 12.5 * s, 8.2 * s);
  L.Pintor().setPen(QPen(Paleta::Azul, 1.8 * s, Qt::SolidLine, Qt::FlatCap));
  L.Pintor().setBrush(Qt::NoBrush);
  L.Pintor().drawPath(pregunta);
  const int punto = static_cast<int>(std::lround(1.8 * s));
  L.Pintor().fillRect(static_cast<int>(std::lround(12.5 * s - punto / 2.0)), static_cast<int>(std::lround(10 * s)),
                      punto, punto, Paleta::Azul);
}

// The suite's mark: a white T on a round teal tile, underlined in orange.
void Tarvolin(Lienzo& L) {
  const int s = L.Tamano();
  const QColor teal(0x12, 0x7C, 0x84);
  CajaRedonda(L, 1, 1, s - 2, 1, teal, teal.darker(140));
  const int barra = std::max(2, s / 7), alto = std::max(2, s / 8);
  const int x0 = s * 3 / 16, x1 = s - x0, y0 = s * 3 / 16;
  L.Pintor().fillRect(x0, y0, x1 - x0, alto, Paleta::Papel);
  const int xt = (s - barra) / 2;
  L.Pintor().fillRect(xt, y0, barra, s * 9 / 16, Paleta::Papel);
  L.Pintor().fillRect(x0 + 1, s - s * 3 / 16, x1 - x0 - 2, std::max(1, s / 12), QColor(0xF2, 0x9A, 0x2E));
}

}  // namespace

const QHash<QString, void (*)(Lienzo&)>& IconosCuidados() {
  static const QHash<QString, void (*)(Lienzo&)> iconos{
      {QStringLiteral("CheckBoxOff"), CheckBoxOff}, {QStringLiteral("CheckBoxOn"), CheckBoxOn},
      {QStringLiteral("CalcBtn"), CalcBtn},         {QStringLiteral("Calc"), Calc},
      {QStringLiteral("Deshacer"), Deshacer},       {QStringLiteral("Cortar"), Cortar},
      {QStringLiteral("Copiar"), Copiar},           {QStringLiteral("Pegar"), Pegar},
      {QStringLiteral("Borrar"), Borrar},           {QStringLiteral("QueEs"), QueEs},
      {QStringLiteral("Tarvolin"), Tarvolin}};
  return iconos;
}
