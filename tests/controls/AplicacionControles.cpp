#include "controls/AplicacionControles.h"

#include "controls/inicio/InicioControlesQov.h"

PruebaDeControles::PruebaDeControles() { InicializarControlesQov(); }
