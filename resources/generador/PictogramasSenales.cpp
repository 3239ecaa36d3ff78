// Signs and tools: arrows, marks of state, the magnifier, the gear, the key, the lock and their kin.

#include <QtMath>

#include "Paleta.h"
#include "Pictogramas.h"

namespace {

// A thick arrow pointing up, turned by a multiple of 90 degrees about the centre.
void FlechaGruesa(Lienzo& L, const QColor& T, int ACuartos) {
  const QPolygonF flecha({{8, 1}, {15, 8}, {11, 8}, {11, 15}, {5, 15}, {5, 8}, {1, 8}});
  L.Poligono(QTransform().translate(8, 8).rotate(90 * ACuartos).translate(-8, -8).map(flecha), T, Borde(T));
}

// A solid triangle pointing right or left, for the navigation buttons, between x AX0 and AX1.
void Punta(Lienzo& L, const QColor& T, double AX0, double AX1, bool ADerecha) {
  if (ADerecha)
    L.Poligono({{AX0, 2}, {AX1, 8}, {AX0, 14}}, T, Borde(T));
  else
    L.Poligono({{AX1, 2}, {AX0, 8}, {AX1, 14}}, T, Borde(T));
}

}  // namespace

void FlechaArriba(Lienzo& L, const QColor& T) { FlechaGruesa(L, T, 0); }
void FlechaDerecha(Lienzo& L, const QColor& T) { FlechaGruesa(L, T, 1); }
void FlechaAbajo(Lienzo& L, const QColor& T) { FlechaGruesa(L, T, 2); }
void FlechaIzquierda(Lienzo& L, const QColor& T) { FlechaGruesa(L, T, 3); }

static void Orden(Lienzo& L, const QColor& T, bool AAscendente) {
  for (int renglon = 0; renglon < 4; ++renglon) {
    const int largo = AAscendente ? 2 + 2 * renglon : 8 - 2 * renglon;
    L.Rellenar(1, 2 + renglon * 3.5, 1 + largo, 4 + renglon * 3.5, Paleta::Tinta);
  }
  const double punta = AAscendente ? 1 : 15, cola = AAscendente ? 15 : 1;
  L.Trazo({{12.5, cola}, {12.5, punta + (AAscendente ? 1 : -1)}}, T, 1.4);
  L.Poligono({{9, punta + (AAscendente ? 5 : -5)}, {12.5, punta}, {16, punta + (AAscendente ? 5 : -5)}}, T);
}

void OrdenAscendente(Lienzo& L, const QColor& T) { Orden(L, T, true); }
void OrdenDescendente(Lienzo& L, const QColor& T) { Orden(L, T, false); }

void Anterior(Lienzo& L, const QColor& T) { Punta(L, T, 4, 12, false); }
void Siguiente(Lienzo& L, const QColor& T) { Punta(L, T, 4, 12, true); }
void Primero(Lienzo& L, const QColor& T) {
  L.Caja(2, 2, 5, 14, T, Borde(T));
  Punta(L, T, 6, 14, false);
}
void Ultimo(Lienzo& L, const QColor& T) {
  L.Caja(11, 2, 14, 14, T, Borde(T));
  Punta(L, T, 2, 10, true);
}
void DosAnteriores(Lienzo& L, const QColor& T) {
  Punta(L, T, 1, 8, false);
  Punta(L, T, 8, 15, false);
}
void DosSiguientes(Lienzo& L, const QColor& T) {
  Punta(L, T, 1, 8, true);
  Punta(L, T, 8, 15, true);
}

void Palomita(Lienzo& L, const QColor& T) {
  L.Poligono({{1, 8}, {4, 5}, {6.5, 7.5}, {12, 2}, {15, 5}, {6.5, 13.5}}, T, Borde(T));
}

void CirculoEquis(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  L.Trazo({{5, 5}, {11, 11}}, Paleta::Papel, 2);
  L.Trazo({{11, 5}, {5, 11}}, Paleta::Papel, 2);
}

void CirculoPregunta(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  L.Trazo({{5.5, 6}, {6, 4}, {8, 3.5}, {10.5, 4.5}, {10.5, 6.5}, {8, 8.5}, {8, 9.5}}, Paleta::Papel, 1.6, true);
  L.Rellenar(7, 11, 9, 13, Paleta::Papel);
}

void Circulo(Lienzo& L, const QColor& T) {
  L.Elipse(2, 2, 14, 14, T, Borde(T));
  L.Elipse(4, 4, 9, 9, Claro(T, 130));
}

void Alerta(Lienzo& L, const QColor& T) {
  L.Poligono({{8, 1}, {16, 15}, {0, 15}}, T, Borde(T));
  L.Rellenar(7, 5, 9, 11, Paleta::Tinta);
  L.Rellenar(7, 12, 9, 14, Paleta::Tinta);
}

void Papelera(Lienzo& L, const QColor& T) {
  L.Caja(6, 1, 10, 3, Paleta::Papel, Paleta::Tinta);
  L.Caja(2, 3, 14, 5, T, Borde(T));
  L.Poligono({{3, 5}, {13, 5}, {12, 15}, {4, 15}}, Paleta::GrisClaro, Paleta::Gris);
  L.Raya(6, 7, 13, Paleta::Gris);
  L.Raya(9.5, 7, 13, Paleta::Gris);
}

void Lupa(Lienzo& L, const QColor& T) {
  L.Trazo({{10, 10}, {14.5, 14.5}}, Paleta::Tinta, 2.2);
  L.Elipse(1, 1, 12, 12, T, Borde(T));
  L.Elipse(3, 3, 10, 10, Paleta::Celeste.lighter(170));
}

void Engrane(Lienzo& L, const QColor& T) {
  QPainterPath engrane;
  for (int diente = 0; diente < 8; ++diente) {
    const double angulo = diente * M_PI / 4;
    const auto punto = [&](double ARadio, double ADesvio) {
      return QPointF(8 + ARadio * qCos(angulo + ADesvio), 8 + ARadio * qSin(angulo + ADesvio));
    };
    if (diente == 0)
      engrane.moveTo(punto(5.2, -0.42));
    else
      engrane.lineTo(punto(5.2, -0.42));
    engrane.lineTo(punto(7.4, -0.22));
    engrane.lineTo(punto(7.4, 0.22));
    engrane.lineTo(punto(5.2, 0.42));
  }
  engrane.closeSubpath();
  L.Forma(QTransform::fromScale(L.Escala(), L.Escala()).map(engrane), T, Borde(T));
  L.Elipse(5.5, 5.5, 10.5, 10.5, Paleta::Papel, Borde(T));
}

void Llave(Lienzo& L, const QColor& T) {
  L.Poligono({{6, 8}, {15, 8}, {15, 11}, {13, 11}, {13, 10}, {11, 10}, {11, 11}, {6, 11}}, T, Borde(T));
  L.Elipse(1, 4, 9, 14, T, Borde(T));
  L.Elipse(3, 7, 6, 10, Paleta::Papel, Borde(T));
}

void Candado(Lienzo& L, const QColor& T) {
  L.Trazo({{5, 7}, {5, 4}, {6.5, 2}, {9.5, 2}, {11, 4}, {11, 7}}, Paleta::Gris, 1.6);
  L.Caja(2, 7, 14, 15, T, Borde(T), true);
  L.Rellenar(7, 9, 9, 13, Borde(T));
}

void Actualizar(Lienzo& L, const QColor& T) {
  const double grueso = 2;
  L.Pintor().save();
  L.Pintor().setPen(QPen(T, L.Grosor(grueso), Qt::SolidLine, Qt::FlatCap));
  const QRectF arco(L.P(3), L.P(3), L.P(13) - L.P(3), L.P(13) - L.P(3));
  L.Pintor().drawArc(arco, 100 * 16, 140 * 16);
  L.Pintor().drawArc(arco, 280 * 16, 140 * 16);
  L.Pintor().restore();
  L.Poligono({{8, 0}, {12, 3}, {8, 6}}, T);
  L.Poligono({{8, 10}, {4, 13}, {8, 16}}, T);
}

void Intercambio(Lienzo& L, const QColor& T) {
  L.Rellenar(1, 4, 11, 6, T);
  L.Poligono({{10, 1}, {15, 5}, {10, 9}}, T);
  L.Rellenar(5, 10, 15, 12, Borde(T));
  L.Poligono({{6, 7}, {1, 11}, {6, 15}}, Borde(T));
}

void Reloj(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  L.Elipse(3, 3, 13, 13, Paleta::Papel);
  L.Rellenar(7.5, 4, 8.5, 8.5, Paleta::Tinta);
  L.Rellenar(7.5, 7.5, 11, 8.5, Paleta::Tinta);
}

void Estrella(Lienzo& L, const QColor& T) {
  QPolygonF estrella;
  for (int punta = 0; punta < 10; ++punta) {
    const double angulo = -M_PI / 2 + punta * M_PI / 5, radio = punta % 2 ? 3.2 : 7.6;
    estrella << QPointF(8 + radio * qCos(angulo), 8.6 + radio * qSin(angulo));
  }
  L.Forma(Contorno(QTransform::fromScale(L.Escala(), L.Escala()).map(estrella)), T, Borde(T));
}

void Porcentaje(Lienzo& L, const QColor& T) {
  L.Trazo({{12.5, 2.5}, {3.5, 13.5}}, T, 2);
  L.Elipse(1, 1, 7, 7, Paleta::Papel, T);
  L.Elipse(9, 9, 15, 15, Paleta::Papel, T);
}

void Filtro(Lienzo& L, const QColor& T) {
  L.Poligono({{1, 2}, {15, 2}, {10, 8}, {10, 15}, {6, 13}, {6, 8}}, T, Borde(T));
}

void Diana(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  L.Elipse(4, 4, 12, 12, Paleta::Papel);
  L.Elipse(6, 6, 10, 10, T);
}

void Pulso(Lienzo& L, const QColor& T) {
  L.Caja(1, 2, 15, 14, Paleta::Tinta, Paleta::Tinta, true);
  L.Trazo({{2, 8.5}, {5, 8.5}, {6.5, 4.5}, {8.5, 12}, {10, 7}, {11, 8.5}, {14, 8.5}}, T, 1, true);
}

void Herramienta(Lienzo& L, const QColor& T) {
  L.Trazo({{3, 13}, {9, 7}}, T, 3, true);
  QPainterPath cabeza;
  cabeza.addEllipse(QPointF(11, 5), 4, 4);
  QPainterPath muesca;
  muesca.addRect(QRectF(10, 0, 6, 4).translated(0, 0));
  L.Camino(QTransform().translate(11, 5).rotate(45).translate(-11, -5).map(cabeza.subtracted(muesca)), T, Borde(T));
}

void Puerta(Lienzo& L, const QColor& T) {
  L.Caja(2, 1, 11, 15, Paleta::GrisClaro, Paleta::Gris);
  L.Poligono({{2, 1}, {8, 3}, {8, 16}, {2, 15}}, T, Borde(T));
  L.Rellenar(10, 7, 14, 9, Paleta::Verde);
  L.Poligono({{13, 5}, {16, 8}, {13, 11}}, Paleta::Verde);
}

void Lapiz(Lienzo& L, const QColor& T) {
  L.Poligono({{11, 1}, {15, 5}, {6, 14}, {2, 10}}, T, Borde(T));
  L.Poligono({{2, 10}, {6, 14}, {1, 15}}, Paleta::Sombra.darker(115), Paleta::Tinta);
  L.Poligono({{11, 1}, {15, 5}, {13.5, 6.5}, {9.5, 2.5}}, Paleta::Rosa, Borde(Paleta::Rosa));
}

void Ojo(Lienzo& L, const QColor& T) {
  QPainterPath ojo;
  ojo.moveTo(1, 8);
  ojo.quadTo(8, 0, 15, 8);
  ojo.quadTo(8, 16, 1, 8);
  L.Camino(ojo, Paleta::Papel, Paleta::Tinta);
  L.Elipse(5, 4.5, 11, 11.5, T);
  L.Elipse(7, 6.5, 9, 9.5, Paleta::Tinta);
}

void Campana(Lienzo& L, const QColor& T) {
  QPainterPath campana;
  campana.moveTo(8, 1.5);
  campana.cubicTo(12.5, 1.5, 12, 7, 13, 10);
  campana.lineTo(15, 13);
  campana.lineTo(1, 13);
  campana.lineTo(3, 10);
  campana.cubicTo(4, 7, 3.5, 1.5, 8, 1.5);
  L.Camino(campana, T, Borde(T));
  L.Elipse(6, 12, 10, 16, Borde(T));
}

void Pausa(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  L.Rellenar(5, 5, 7, 11, Paleta::Papel);
  L.Rellenar(9, 5, 11, 11, Paleta::Papel);
}

void Reproducir(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  L.Poligono({{6, 4.5}, {11.5, 8}, {6, 11.5}}, Paleta::Papel);
}

void Salvavidas(Lienzo& L, const QColor& T) {
  QPainterPath aro;
  aro.addEllipse(QRectF(L.P(1), L.P(1), L.P(15) - L.P(1), L.P(15) - L.P(1)));
  QPainterPath hueco;
  hueco.addEllipse(QRectF(L.P(5), L.P(5), L.P(11) - L.P(5), L.P(11) - L.P(5)));
  aro = aro.subtracted(hueco);
  L.Forma(aro, Paleta::Papel, Paleta::Gris);
  for (int cuarto = 0; cuarto < 4; ++cuarto) {
    QPainterPath gajo;
    gajo.moveTo(L.P(8), L.P(8));
    gajo.arcTo(QRectF(L.P(1), L.P(1), L.P(15) - L.P(1), L.P(15) - L.P(1)), 20 + cuarto * 90, 50);
    gajo.closeSubpath();
    L.Pintor().fillPath(gajo.intersected(aro), T);
  }
}

static void Angulo(Lienzo& L, const QColor& T, bool AAbrir) {
  if (AAbrir)
    L.Trazo({{3, 5.5}, {8, 10.5}, {13, 5.5}}, T, 2.4);
  else
    L.Trazo({{3, 10.5}, {8, 5.5}, {13, 10.5}}, T, 2.4);
}

void AnguloAbrir(Lienzo& L, const QColor& T) { Angulo(L, T, true); }
void AnguloCerrar(Lienzo& L, const QColor& T) { Angulo(L, T, false); }

void CasillaLista(Lienzo& L, const QColor& T) {
  L.Caja(1, 1, 15, 15, Paleta::Papel, Borde(T), true);
  L.Trazo({{4, 8}, {7, 11}, {12, 4}}, T, 2);
}

void Rayo(Lienzo& L, const QColor& T) {
  L.Poligono({{9, 0}, {3, 9}, {7.5, 9}, {6, 16}, {13, 6}, {8.5, 6}}, T, Borde(T));
}

void Escudo(Lienzo& L, const QColor& T) {
  QPainterPath escudo;
  escudo.moveTo(8, 1);
  escudo.lineTo(14, 3);
  escudo.cubicTo(14, 9, 12, 13, 8, 15);
  escudo.cubicTo(4, 13, 2, 9, 2, 3);
  escudo.closeSubpath();
  L.Camino(escudo, T, Borde(T));
  L.Rellenar(8, 2, 13, 8, Claro(T, 130));
}

void CirculoPalomita(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  L.Trazo({{4.5, 8}, {7, 10.5}, {11.5, 5.5}}, Paleta::Papel, 2);
}

void Organigrama(Lienzo& L, const QColor& T) {
  L.Caja(5, 1, 11, 5, T, Borde(T));
  L.Raya(7.5, 5, 8, Paleta::Tinta);
  L.Rellenar(3, 8, 13.5, 9, Paleta::Tinta);
  L.Raya(3, 8, 11, Paleta::Tinta);
  L.Raya(12.5, 8, 11, Paleta::Tinta);
  L.Caja(0, 11, 6, 15, Claro(T, 130), Borde(T));
  L.Caja(10, 11, 16, 15, Claro(T, 130), Borde(T));
}

void PaletaPintor(Lienzo& L, const QColor& T) {
  QPainterPath paleta;
  paleta.addEllipse(QRectF(1, 2, 14, 12));
  QPainterPath hueco;
  hueco.addEllipse(QRectF(9, 9, 3.5, 3.5));
  L.Camino(paleta.subtracted(hueco), Paleta::Amarillo.lighter(140), Paleta::Cafe);
  L.Elipse(3, 5, 6, 8, Paleta::Rojo);
  L.Elipse(6.5, 3.5, 9.5, 6.5, T);
  L.Elipse(10.5, 5, 13.5, 8, Paleta::Verde);
}

// A white letter Q on a disc of the tint.
void LetraQ(Lienzo& L, const QColor& T) {
  L.Elipse(1, 1, 15, 15, T, Borde(T));
  QPainterPath aro;
  aro.addEllipse(QRectF(L.P(4), L.P(4), L.P(12) - L.P(4), L.P(12) - L.P(4)));
  QPainterPath hueco;
  hueco.addEllipse(QRectF(L.P(6), L.P(6), L.P(10) - L.P(6), L.P(10) - L.P(6)));
  L.Forma(aro.subtracted(hueco), Paleta::Papel);
  L.Trazo({{9, 9.5}, {12, 12.5}}, Paleta::Papel, 1.6);
}
