#pragma once

// The small signs laid over a picture's bottom right corner (add, remove, accept, a direction, a clock...) and the
// letter tile that marks a variant of a picture in its top left corner.

#include <QString>
#include <functional>

#include "Lienzo.h"
#include "Pictogramas.h"

using Marca = std::function<void(Lienzo&)>;

// A white sign on a coloured disc, given dot by dot ('#' a dot): a small one of single strokes up to 20 pixels, a
// large one of double strokes above.
Marca MarcaDisco(const QColor& AColor, const QStringList& AChico, const QStringList& AGrande);
// A small picture of its own.
Marca MarcaGlifo(Glifo AGlifo, const QColor& ATinte);

namespace Marcas {
extern const Marca Mas, Menos, Equis, Palomita, Derecha, Izquierda, Arriba, Abajo, Dolar, Pausa, Intercambio, Porciento,
    Pregunta, Admiracion, Reloj, Ciclo, Lupa, Lapiz, Candado, Ojo, Engrane, Estrella, Persona, Sobre, Tarjeta, Billete,
    Calendario, Documento, Alerta, Rayo, Casa, Impresora, Caja, Camion, Regresar;
}

// The tile with the letters of a variant, in the top left corner.
void Variante(Lienzo& L, const QString& ALetras, const QColor& AColor);
