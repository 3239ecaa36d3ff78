// The company list loading in the shown main window: it fills in company by company, no run starts meanwhile,
// and a close waits for the load to stop; the same for the reload at the end of a run.

#include <QDir>
#include <QFile>
#include <QMetaObject>

#include "app/main/VentanaDePrueba.h"
#include "controls/basic/ButtonQov.h"
#include "controls/basic/LabelQov.h"
#include "controls/grids/DBGridDetalleQov.h"
#include "fixtures/Captura.h"
#include "platform/data/MemTable.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Memo.h"

namespace {

// What the window shows at one of the turns the engine gives it while the list loads.
struct Vuelta {
  bool visible;
  bool convertir;
  bool cancelar;
  bool rejilla;
  QStringList filas;
  QString total;

  bool operator==(const Vuelta&) const = default;
};

void PrintTo(const Vuelta& AVuelta, std::ostream* ASalida) {
  *ASalida << (AVuelta.visible ? "visible" : "hidden") << " convertir=" << AVuelta.convertir
           << " cancelar=" << AVuelta.cancelar << " rejilla=" << AVuelta.rejilla << " ["
           << AVuelta.filas.join(',').toStdString() << "] " << AVuelta.total.toStdString();
}

class Carga : public VentanaDePrueba {
 protected:
  // Writes down what the window shows after each of its turns during a load, and runs AEnVuelta then with the
  // turn's number (from 1).
  void Observar(std::function<void(int AVuelta)> AEnVuelta = nullptr) {
    ventana->AlAtender = [this, AEnVuelta] {
      if (!ventana->Cargando()) return;
      vueltas.push_back({ventana->isVisible(), ventana->btnMigrarBD->isEnabled(), ventana->btnCancelar->isEnabled(),
                         ventana->grdBasesDatos->isEnabled(), Filas(), ventana->lblTotal->Caption()});
      if (AEnVuelta) AEnVuelta(static_cast<int>(vueltas.size()));
    };
  }
  // The operator's request, handled at the next turn the engine gives the window.
  void Publicar(QObject* AObjeto, const char* AMetodo) {
    QMetaObject::invokeMethod(AObjeto, AMetodo, Qt::QueuedConnection);
  }

  std::vector<Vuelta> vueltas;
};

TEST_F(Carga, TheWindowShowsFirstAndTheListFillsInCompanyByCompanyWithNoRunMeanwhile) {
  Observar([this](int AVuelta) {
    if (AVuelta != 2) return;
    Capturar(*ventana, "principal_cargando");
    // Convertir is off, and the run refuses to start even when asked directly.
    ventana->btnMigrarBDClick();
  });
  ventana->Show();
  EXPECT_TRUE(ventana->isVisible());
  EXPECT_EQ(ventana->tblBasesDatos->RecordCount(), 0);
  EsperarLista(*ventana);
  const std::vector<Vuelta> esperadas = {
      {true, false, true, false, {}, "0 empresas"},
      {true, false, true, false, {"COMERCIAL SUR:S"}, "1 empresa/1 seleccionada"},
      {true, false, true, false, {"COMERCIAL SUR:S", "EMPRESA1:S"}, "2 empresas/2 seleccionadas"},
      {true, false, true, false, {"COMERCIAL SUR:S", "EMPRESA1:S", "ZAPATERIA:S"}, "3 empresas/3 seleccionadas"},
  };
  EXPECT_EQ(vueltas, esperadas);
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "EMPRESA1:S", "ZAPATERIA:S"}));
  EXPECT_EQ(ventana->lblTotal->Caption(), "3 empresas/3 seleccionadas");
  EXPECT_FALSE(ventana->Procesando());
  EXPECT_TRUE(Registro().isEmpty());
  EXPECT_TRUE(ventana->btnMigrarBD->isEnabled());
  EXPECT_TRUE(ventana->grdBasesDatos->isEnabled());
  EXPECT_FALSE(QFile::exists(Archivo()));
}

TEST_F(Carga, ACloseOrCancelDuringTheLoadStopsItAtTheNextCompanyAndThenClosesTheWindow) {
  for (const char* boton : {"close", "Cancelar"}) {
    SCOPED_TRACE(boton);
    vueltas.clear();
    Observar([this, boton](int AVuelta) {
      if (AVuelta != 1) return;
      if (QByteArray(boton) == "close")
        Publicar(ventana, "close");
      else
        Publicar(ventana->btnCancelar, "click");
    });
    ventana->Show();
    EsperarLista(*ventana);
    // The window stayed until the load had stopped, at the company after the one it was probing.
    EXPECT_EQ(vueltas.size(), 2U);
    EXPECT_TRUE(vueltas.back().visible);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(Filas(), QStringList{"COMERCIAL SUR:S"});
    EXPECT_TRUE(Registro().isEmpty());
    ventana->AlAtender = nullptr;
    // Shown again, it lists every company and works as before.
    Mostrar();
    EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "EMPRESA1:S", "ZAPATERIA:S"}));
    EXPECT_EQ(ventana->lblTotal->Caption(), "3 empresas/3 seleccionadas");
    EXPECT_TRUE(ventana->btnMigrarBD->isEnabled());
    EXPECT_TRUE(ventana->btnCancelar->isEnabled());
    ventana->hide();
  }
}

TEST_F(Carga, TheReloadAtTheEndOfARunFillsInTheSameWayAndACloseThenWaitsForIt) {
  for (const bool cerrar : {false, true}) {
    SCOPED_TRACE(cerrar ? "closed during the reload" : "left open");
    QDir(Respaldos()).removeRecursively();
    ConfigConvertida();
    Mostrar();
    Marcar("COMERCIAL SUR");
    Marcar("ZAPATERIA");
    vueltas.clear();
    Observar([this, cerrar](int AVuelta) {
      if (cerrar && AVuelta == 1) Publicar(ventana, "close");
    });
    Convertir();
    // EMPRESA1 is converted: the reload lists the two others, the window having its turn once the list is read
    // and after each probe.
    const std::vector<Vuelta> esperadas = {
        {true, false, false, false, {}, "0 empresas"},
        {true, false, false, false, {"COMERCIAL SUR:S"}, "1 empresa/1 seleccionada"},
        {true, false, false, false, {"COMERCIAL SUR:S"}, "1 empresa/1 seleccionada"},
        {true, false, false, false, {"COMERCIAL SUR:S", "ZAPATERIA:S"}, "2 empresas/2 seleccionadas"},
    };
    EXPECT_EQ(vueltas, std::vector<Vuelta>(esperadas.begin(), esperadas.begin() + (cerrar ? 2 : 4)));
    EXPECT_EQ(Registro().last(), "Se convirtió correctamente 1 base de datos.");
    EXPECT_FALSE(ventana->Procesando());
    EXPECT_FALSE(ventana->Cargando());
    EXPECT_TRUE(QFile::exists(Archivo("EMPRESA1.fdb")));
    EXPECT_EQ(ventana->isVisible(), !cerrar);
    if (!cerrar) {
      EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "ZAPATERIA:S"}));
      EXPECT_EQ(ventana->lblTotal->Caption(), "2 empresas/2 seleccionadas");
      EXPECT_TRUE(ventana->btnMigrarBD->isEnabled());
      EXPECT_TRUE(ventana->btnCancelar->isEnabled());
      EXPECT_TRUE(ventana->grdBasesDatos->isEnabled());
    }
    ventana->AlAtender = nullptr;
    // The next round starts from the old files.
    ventana->hide();
    QFile::remove(datos.Config());
    QFile::rename(Archivo("System/Config.fdb"), datos.Config());
    QFile::remove(datos.Empresa("EMPRESA1"));
    QFile::rename(Archivo("EMPRESA1.fdb"), datos.Empresa("EMPRESA1"));
  }
}

}  // namespace
