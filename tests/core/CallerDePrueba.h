#pragma once

#include <QStringList>

#include "FirebirdProc.h"
#include "ImprimirQt.h"

// Records what the engine tells its caller.
class CallerDePrueba : public IqovFirebirdProcCaller {
 public:
  QStringList Mensajes;
  QStringList Convertidas;
  QStringList Avance;  // the progress texts shown, "-" for each hiding
  int Bombeos = 0;
  bool Cancelar = false;

  void Log(const QString& AMensaje) override { Mensajes << AMensaje; }
  void ProcessMessages() override { ++Bombeos; }
  bool GetCancelar() override { return Cancelar; }
  void MostrarAnimacionAvance(const QString& ATexto) override { Avance << ATexto; }
  void ReportarBDConvertida(const QString& ABD) override { Convertidas << ABD; }
  void OcultarAnimacionAvance() override { Avance << QStringLiteral("-"); }
};
