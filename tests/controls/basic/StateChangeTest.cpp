#include <gtest/gtest.h>

#include "controls/AplicacionControles.h"
#include "controls/basic/StateChangeQov.h"
#include "fixtures/ImprimirQt.h"

namespace {

class MonitorEstado : public PruebaDeControles {
 protected:
  MonitorEstado() {
    datos.FieldDefs() = {{"NOMBRE", ftString, 20}};
    fuente.SetDataSet(&datos);
    monitor.OnStateChange = [this](QObject* Sender) { Anotar(Sender, QStringLiteral("state")); };
    monitor.OnDetectaEdit = [this](QObject* Sender) { Anotar(Sender, QStringLiteral("edit")); };
    monitor.OnDetectaInsert = [this](QObject* Sender) { Anotar(Sender, QStringLiteral("insert")); };
  }

  void Anotar(QObject* Sender, const QString& AEvento) {
    // The Sender is the monitor's link, never the monitor.
    EXPECT_NE(Sender, &monitor);
    EXPECT_NE(dynamic_cast<TqovStateChangeDataLink*>(Sender), nullptr);
    eventos << AEvento;
  }

  TDataSet datos;
  TDataSource fuente;
  TqovStateChange monitor{nullptr};
  QStringList eventos;
};

struct CasoEstado {
  const char* Paso;
  std::function<void(TDataSet&)> Hacer;
  QStringList Esperado;
};

TEST_F(MonitorEstado, EveryStateChangeIsReportedOnce) {
  monitor.SetDataSource(&fuente);
  monitor.Loaded();
  const CasoEstado casos[] = {
      {"open", [](TDataSet& d) { d.Open(); }, {"state"}},
      {"append", [](TDataSet& d) { d.Append(); }, {"insert", "state"}},
      {"post",
       [](TDataSet& d) {
         d.FieldByName("NOMBRE").SetAsString(QStringLiteral("uno"));
         d.Post();
       },
       {"state"}},
      {"edit", [](TDataSet& d) { d.Edit(); }, {"edit", "state"}},
      {"cancel", [](TDataSet& d) { d.Cancel(); }, {"state"}},
      {"close", [](TDataSet& d) { d.Close(); }, {"state"}},
  };
  EXPECT_TRUE(eventos.isEmpty());  // attaching reports nothing
  for (const CasoEstado& caso : casos) {
    SCOPED_TRACE(caso.Paso);
    eventos.clear();
    caso.Hacer(datos);
    EXPECT_EQ(eventos, caso.Esperado);
  }
}

TEST_F(MonitorEstado, ADataSourceSetAfterLoadedIsNeverWatched) {
  monitor.Loaded();
  monitor.SetDataSource(&fuente);
  datos.Open();
  datos.Append();
  EXPECT_TRUE(eventos.isEmpty());
}

TEST_F(MonitorEstado, ADataSourceThatGoesIsForgotten) {
  auto* efimera = new TDataSource;
  efimera->SetDataSet(&datos);
  monitor.SetDataSource(efimera);
  monitor.Loaded();
  delete efimera;
  EXPECT_EQ(monitor.DataSource(), nullptr);
  eventos.clear();
  datos.Open();
  EXPECT_TRUE(eventos.isEmpty());
}

}  // namespace
