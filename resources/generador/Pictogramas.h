#pragma once

// The pictures that the generated icons are made of: each fills the 16-unit grid, tinted with one colour.

#include <QColor>
#include <QString>

#include "Lienzo.h"

// A picture drawn on a canvas in a tint.
using Glifo = void (*)(Lienzo&, const QColor&);

// A dollar sign centred on a point in units: 5 x 7 pixels of single strokes on a canvas under 14 pixels, 7 x 9 of
// double strokes on a larger one.
void SignoDolar(Lienzo& L, double ACx, double ACy, const QColor& AColor);

// Papers and office things.
void Documento(Lienzo& L, const QColor& T);
void DocTabla(Lienzo& L, const QColor& T);
void DocDolar(Lienzo& L, const QColor& T);
void DocCodigo(Lienzo& L, const QColor& T);
void DocSello(Lienzo& L, const QColor& T);
void DocGrafica(Lienzo& L, const QColor& T);
void Documentos(Lienzo& L, const QColor& T);
void Recibo(Lienzo& L, const QColor& T);
void Carpeta(Lienzo& L, const QColor& T);
void CarpetaAbierta(Lienzo& L, const QColor& T);
void Libro(Lienzo& L, const QColor& T);
void LibroAbierto(Lienzo& L, const QColor& T);
void Lista(Lienzo& L, const QColor& T);
void Portapapeles(Lienzo& L, const QColor& T);
void Impresora(Lienzo& L, const QColor& T);
void Disco(Lienzo& L, const QColor& T);
void Calendario(Lienzo& L, const QColor& T);
void Sobre(Lienzo& L, const QColor& T);
void Grafica(Lienzo& L, const QColor& T);
void Ventana(Lienzo& L, const QColor& T);
void IconosGrandes(Lienzo& L, const QColor& T);
void IconosChicos(Lienzo& L, const QColor& T);
void Etiqueta(Lienzo& L, const QColor& T);
void Clip(Lienzo& L, const QColor& T);
void Imagen(Lienzo& L, const QColor& T);

// Money and goods.
void Moneda(Lienzo& L, const QColor& T);
void Monedas(Lienzo& L, const QColor& T);
void Billete(Lienzo& L, const QColor& T);
void Tarjeta(Lienzo& L, const QColor& T);
void Cheque(Lienzo& L, const QColor& T);
void Carrito(Lienzo& L, const QColor& T);
void CajaRegistradora(Lienzo& L, const QColor& T);
void Cajon(Lienzo& L, const QColor& T);
void Caja(Lienzo& L, const QColor& T);
void Cajas(Lienzo& L, const QColor& T);
void Camion(Lienzo& L, const QColor& T);
void Almacen(Lienzo& L, const QColor& T);
void Banco(Lienzo& L, const QColor& T);
void Edificio(Lienzo& L, const QColor& T);
void Ciudad(Lienzo& L, const QColor& T);
void Tienda(Lienzo& L, const QColor& T);
void BaseDatos(Lienzo& L, const QColor& T);
void Estante(Lienzo& L, const QColor& T);
void Capas(Lienzo& L, const QColor& T);
void Alcancia(Lienzo& L, const QColor& T);

// Signs and tools.
void FlechaArriba(Lienzo& L, const QColor& T);
void FlechaDerecha(Lienzo& L, const QColor& T);
void FlechaAbajo(Lienzo& L, const QColor& T);
void FlechaIzquierda(Lienzo& L, const QColor& T);
void OrdenAscendente(Lienzo& L, const QColor& T);
void OrdenDescendente(Lienzo& L, const QColor& T);
void Anterior(Lienzo& L, const QColor& T);
void Siguiente(Lienzo& L, const QColor& T);
void Primero(Lienzo& L, const QColor& T);
void Ultimo(Lienzo& L, const QColor& T);
void DosAnteriores(Lienzo& L, const QColor& T);
void DosSiguientes(Lienzo& L, const QColor& T);
void Palomita(Lienzo& L, const QColor& T);
void CirculoEquis(Lienzo& L, const QColor& T);
void CirculoPregunta(Lienzo& L, const QColor& T);
void Circulo(Lienzo& L, const QColor& T);
void Alerta(Lienzo& L, const QColor& T);
void Papelera(Lienzo& L, const QColor& T);
void Lupa(Lienzo& L, const QColor& T);
void Engrane(Lienzo& L, const QColor& T);
void Llave(Lienzo& L, const QColor& T);
void Candado(Lienzo& L, const QColor& T);
void Actualizar(Lienzo& L, const QColor& T);
void Intercambio(Lienzo& L, const QColor& T);
void Reloj(Lienzo& L, const QColor& T);
void Estrella(Lienzo& L, const QColor& T);
void Porcentaje(Lienzo& L, const QColor& T);
void Filtro(Lienzo& L, const QColor& T);
void Diana(Lienzo& L, const QColor& T);
void Pulso(Lienzo& L, const QColor& T);
void Herramienta(Lienzo& L, const QColor& T);
void Puerta(Lienzo& L, const QColor& T);
void Lapiz(Lienzo& L, const QColor& T);
void Ojo(Lienzo& L, const QColor& T);
void Campana(Lienzo& L, const QColor& T);
void Pausa(Lienzo& L, const QColor& T);
void Reproducir(Lienzo& L, const QColor& T);
void Salvavidas(Lienzo& L, const QColor& T);
void AnguloAbrir(Lienzo& L, const QColor& T);
void AnguloCerrar(Lienzo& L, const QColor& T);
void CasillaLista(Lienzo& L, const QColor& T);
void Rayo(Lienzo& L, const QColor& T);
void Escudo(Lienzo& L, const QColor& T);

// People and places.
void Persona(Lienzo& L, const QColor& T);
void Personas(Lienzo& L, const QColor& T);
void Globo(Lienzo& L, const QColor& T);
void Mapa(Lienzo& L, const QColor& T);
void Pin(Lienzo& L, const QColor& T);
void Casa(Lienzo& L, const QColor& T);
void Maletin(Lienzo& L, const QColor& T);
void Playa(Lienzo& L, const QColor& T);
void CruzMedica(Lienzo& L, const QColor& T);
void Telefono(Lienzo& L, const QColor& T);
void Burbuja(Lienzo& L, const QColor& T);
void Servidor(Lienzo& L, const QColor& T);
void Ruta(Lienzo& L, const QColor& T);
void CirculoPalomita(Lienzo& L, const QColor& T);
void LetraQ(Lienzo& L, const QColor& T);
void Organigrama(Lienzo& L, const QColor& T);
void PaletaPintor(Lienzo& L, const QColor& T);

// A round tile in the tint with a few letters or digits in white.
void Letrero(Lienzo& L, const QColor& T, const QString& ALetras);
