#include "controls/menus/CalculadoraWindowsQov.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "controls/dialogs/DialogosQov.h"
#include "controls/menus/RutinasMenusQov.h"
#include "platform/forms/ExternalProgram.h"
#include "platform/os/X11Windows.h"

const QStringList CalculadorasDelSistema = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                            QStringLiteral("galculator"), QStringLiteral("xcalc")};

void AbrirCalculadoraWindows() {
  // The calculator this process started last, while it runs.
  static qint64 calculadora = 0;
  QString ruta;
  for (const QString& nombre : CalculadorasDelSistema)
    if (ruta = QStandardPaths::findExecutable(nombre); !ruta.isEmpty()) break;
  if (ruta.isEmpty()) {
    MostrarError(nullptr, QStringLiteral("No es posible encontrar la calculadora estándar de Windows.\r"
                                         "Verifique que el archivo \"Calc.exe\" exista o se encuentre disponible "
                                         "en la ruta de acceso a los archivos."));
    return;
  }
  // A calculator already open, whoever started it, is brought forward (on X11); elsewhere only the one this
  // process started is known.
  if (TraerAlFrenteVentanaX11(CalculadorasDelSistema) || ProgramRunning(calculadora)) return;
  if (!StartProgram(ruta, {}, QFileInfo(ruta).absolutePath(), false, &calculadora))
    MostrarError(nullptr, QStringLiteral("No es posible abrir la calculadora estándar de Windows.\r"
                                         "Verifique que el archivo \"Calc.exe\" no se encuentre dañado y que éste "
                                         "sea el correcto."));
}
