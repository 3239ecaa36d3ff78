#pragma once

// The main window over the fixtures' data folder, and what a test asks of it.

#include <QStringList>
#include <functional>
#include <memory>

#include "app/main/ParvenkoFrm.h"
#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ConversionDePrueba.h"

// The log's lines.
QStringList RegistroDe(const TParvenkoFrm& AVentana);
// Ticks or unticks a company with a click on its check box.
void MarcarEmpresa(TParvenkoFrm& AVentana, const QString& AEmpresa);
// The title image of the check-box column.
int ImagenTituloDe(TParvenkoFrm& AVentana);
// The grid's companies, as "name:S" or "name:N".
QStringList FilasDe(const TParvenkoFrm& AVentana);

// Processes events until the list the window loads on show is complete.
void EsperarLista(const TParvenkoFrm& AVentana);

// A main window that lets a test act while the engine works: AlMostrarAvance runs each time the progress
// shows, with the texts shown so far, and AlAtender each time the engine hands it its events.
class VentanaConAvisos : public TParvenkoFrm {
 public:
  using TParvenkoFrm::TParvenkoFrm;
  std::function<void(const QStringList& AAvances)> AlMostrarAvance;
  std::function<void()> AlAtender;
  QStringList Avances;

  // After the window's own turn: what AlAtender posts is handled at the next one.
  void ProcessMessages() override {
    TParvenkoFrm::ProcessMessages();
    if (AlAtender) AlAtender();
  }

  void MostrarAnimacionAvance(const QString& ATexto) override {
    TParvenkoFrm::MostrarAnimacionAvance(ATexto);
    Avances << ATexto;
    if (AlMostrarAvance) AlMostrarAvance(Avances);
  }
};

// The fixtures' working and data folders with an installed older server, the library started, and the main
// window signed in on a local profile with the test server's password, not yet shown.
class VentanaDePrueba : public ConversionDePrueba {
 protected:
  VentanaDePrueba();
  ~VentanaDePrueba() override;

  // Shows the window, waits for its list, and points its gbak field at the installed server's gbak.
  void Mostrar();
  // Presses Convertir; the run ends before this returns.
  void Convertir();
  QStringList Registro() const { return RegistroDe(*ventana); }
  void Marcar(const QString& AEmpresa) { MarcarEmpresa(*ventana, AEmpresa); }
  int ImagenTitulo() const { return ImagenTituloDe(*ventana); }
  QStringList Filas() const { return FilasDe(*ventana); }
  // Config converted already, its old copy in the archive (as a run leaves them).
  void ConfigConvertida();

  VentanaConAvisos* ventana;
};

// The lines the window logs for a database that converts: Config, or a company.
QStringList EmpresaConvertida(const QString& AEmpresa);
// The lines of the attached-users check of these companies, Config first when given.
QStringList Verificacion(const QStringList& ABases);
// The summary's lines.
QStringList Resumen(const QStringList& ALineas);
