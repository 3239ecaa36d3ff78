#include "controls/icons/ImageCollectionQov.h"

#include <memory>

#include "controls/icons/NombresImagenesQov.h"
#include "platform/rtl/ResourceModule.h"

namespace {

const QString TipoRecurso = QStringLiteral("PNG");

// The resource library and the collections, for the whole process. At exit the library is released first, then
// the collections are freed; their images are copies that need neither.
struct TEstadoModulo {
  HMODULE Libreria = nullptr;
  std::unique_ptr<TqovImageCollection16> Coleccion16;
  std::unique_ptr<TqovEdtImageCollection16> EdtColeccion16;
  std::unique_ptr<TqovSelImageCollection16> SelColeccion16;

  ~TEstadoModulo() {
    if (Libreria) FreeLibrary(Libreria);
  }
};

TEstadoModulo EstadoModulo;

HMODULE LibreriaRecursos() {
  if (!EstadoModulo.Libreria) {
    EstadoModulo.Libreria = LoadLibrary(QStringLiteral("QovRes.dll"));
    if (!EstadoModulo.Libreria) throw Exception(QStringLiteral("Error al cargar la librería QovRes.dll"));
  }
  return EstadoModulo.Libreria;
}

template <typename Coleccion>
Coleccion* Obtener(std::unique_ptr<Coleccion>& AInstancia) {
  if (!AInstancia) AInstancia = std::make_unique<Coleccion>();
  return AInstancia.get();
}

template <typename Nombres>
void AgregarImagenes(TqovImageCollection& AColeccion, const Nombres& ANombres) {
  for (const char* nombre : ANombres) AColeccion.AgregarImagen(QString::fromLatin1(nombre));
}

template <typename Tamanos>
QList<int> ListaDe(const Tamanos& ATamanos) {
  return QList<int>(ATamanos.begin(), ATamanos.end());
}

}  // namespace

void TqovImageCollection::AgregarImagen(const QString& ANombre) {
  const HMODULE libreria = LibreriaRecursos();
  QString nombreElemento = ANombre;
  for (int contador = 1; GetIndexByName(nombreElemento) >= 0; ++contador)
    nombreElemento = QString::number(contador) + ANombre;
  for (const int tamano : FSizes) {
    const QString regular = QStringLiteral("QOV_") + ANombre + QLatin1Char('_') + QString::number(tamano);
    const QString legacy = QStringLiteral("QOV_") + ANombre + QStringLiteral("L_") + QString::number(tamano);
    const QString primero = FEsLegacy ? legacy : regular;
    const QString segundo = FEsLegacy ? regular : legacy;
    QString recurso;
    if (FindResource(libreria, primero, TipoRecurso))
      recurso = primero;
    else if (FindResource(libreria, segundo, TipoRecurso))
      recurso = segundo;
    else
      throw Exception(QStringLiteral("EL recurso ") + ANombre + QStringLiteral(" no ha encontrado."));
    std::unique_ptr<TResourceStream> flujo;
    try {
      flujo = std::make_unique<TResourceStream>(libreria, recurso, TipoRecurso);
    } catch (const Exception& E) {
      throw Exception(QStringLiteral("Se ha presentado un problema al cargar un recurso. ") + E.Message());
    }
    Add(nombreElemento, *flujo);
  }
}

TqovImageCollection16::TqovImageCollection16() {
  FSizes = ListaDe(TamanosImagenes16);
  RegistrarImagenes16();
}

void TqovImageCollection16::RegistrarImagenes16() { AgregarImagenes(*this, NombresImagenes16); }

TqovEdtImageCollection16::TqovEdtImageCollection16() {
  FSizes = ListaDe(TamanosImagenesEdtSel16);
  RegistrarImagenes();
}

void TqovEdtImageCollection16::RegistrarImagenes() { AgregarImagenes(*this, NombresEdtImagenes16); }

TqovSelImageCollection16::TqovSelImageCollection16() {
  FSizes = ListaDe(TamanosImagenesEdtSel16);
  RegistrarImagenes();
}

void TqovSelImageCollection16::RegistrarImagenes() { AgregarImagenes(*this, NombresSelImagenes16); }

TqovImageCollection16* ObtenerImageCollection16() { return Obtener(EstadoModulo.Coleccion16); }

TqovEdtImageCollection16* ObtenerEdtImageCollection16() { return Obtener(EstadoModulo.EdtColeccion16); }

TqovSelImageCollection16* ObtenerSelImageCollection16() { return Obtener(EstadoModulo.SelColeccion16); }
