#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "controls/AplicacionControles.h"
#include "controls/basic/LabelQov.h"
#include "controls/menus/CalculadoraWindowsQov.h"
#include "controls/menus/QueEsEstoPopupMenuQov.h"
#include "controls/menus/RutinasMenusQov.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/OidoDeTeclas.h"
#include "platform/forms/Edit.h"
#include "platform/forms/ExternalProgram.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalSeam.h"
#include "platform/os/X11Windows.h"

// Xlib defines Bool and Status, which Qt's headers must not see: it comes last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

class RutinasMenus : public PruebaDeControles {};

TEST_F(RutinasMenus, ASynthesisedKeyComesBetweenItsModifiersInOrder) {
  TForm forma(nullptr);
  auto* edicion = new TEdit(&forma);
  edicion->SetParent(&forma);
  forma.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&forma));
  edicion->SetFocus();
  OidoDeTeclas oido;
  edicion->installEventFilter(&oido);

  SimularTecla(VK_DOWN, TShiftState(ssShift) | ssCtrl, false);
  ProcesarEventos();
  EXPECT_EQ(oido.Oidas, (QStringList{"down 17 2", "down 16 3", "down 40 3", "up 40 3", "up 16 2", "up 17 0"}));
}

TEST_F(RutinasMenus, ContextHelpAsksForTheControlsOwnTopic) {
  QList<int> temas;
  Application->OnHelp = [&](int ATema) { temas << ATema; };
  TForm forma(nullptr);
  auto* etiqueta = new TqovLabel(&forma);
  etiqueta->SetHelpContext(2045);
  auto* simple = new TLabel(&forma);  // no HelpContext of its own
  MostrarAyudaContexto(&forma, etiqueta);
  MostrarAyudaContexto(&forma, simple);
  MostrarAyudaContexto(&forma, nullptr);

  // The what-is-this menu asks for the control it was opened over.
  auto* menu = new TqovQueEsEstoPopupMenu(&forma);
  etiqueta->SetParent(&forma);
  menu->PopupFor(etiqueta, QPoint(5, 5));
  menu->hide();
  menu->Items(0)->trigger();
  EXPECT_EQ(temas, (QList<int>{2045, 2045}));
  EXPECT_EQ(menu->GetFormaPadre(), &forma);
}

TEST_F(RutinasMenus, AProgramStartsFromItsCommandLineWithoutAShell) {
  QTemporaryDir carpeta;
  const QString salida = carpeta.filePath(QStringLiteral("argumentos.txt"));
  const QString linea = QStringLiteral("\"%1/argumentos\" \"%2\" uno \"dos y tres\" $HOME;ls")
                            .arg(QLatin1String(QOV_CALCULADORAS), salida);
  ASSERT_TRUE(EjecutarPrograma(linea, carpeta.path(), 11, true));
  QFile archivo(salida);
  ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(archivo.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            (QStringList{carpeta.path(), "uno", "dos y tres", "$HOME;ls"}));

  EXPECT_FALSE(EjecutarPrograma(QStringLiteral("/no/existe/programa"), QString(), 11, true));
  EXPECT_FALSE(EjecutarPrograma(QString(), QString(), 11, false));

  QStringList arranques;
  OnStartProgram = [&](const QString& AProgram, const QStringList& AArguments, const QString& AWorkingFolder,
                       bool AWait) {
    arranques << AProgram << AArguments << AWorkingFolder << QString::number(AWait);
    return true;
  };
  EXPECT_TRUE(EjecutarPrograma(QStringLiteral("calc -x"), QStringLiteral("/tmp"), 4, false));
  EXPECT_EQ(arranques, (QStringList{"calc", "-x", "/tmp", "0"}));
}

// The search path narrowed to one folder while a test runs.
class RutaDeBusqueda {
 public:
  explicit RutaDeBusqueda(const QString& ACarpeta) : FAnterior(qgetenv("PATH")) {
    qputenv("PATH", ACarpeta.toLocal8Bit());
  }
  ~RutaDeBusqueda() { qputenv("PATH", FAnterior); }

 private:
  QByteArray FAnterior;
};

TEST_F(RutinasMenus, TheCalculatorStartsOnceAndItsFailuresAreShown) {
  QStringList errores;
  OnModalShown = [&](QWidget& AVentana) {
    errores << AVentana.findChild<TLabel*>(QStringLiteral("Message"))->Caption();
    AVentana.close();
  };
  {
    QTemporaryDir vacia;
    RutaDeBusqueda ruta(vacia.path());
    AbrirCalculadoraWindows();
  }
  {
    RutaDeBusqueda ruta(QStringLiteral(QOV_CALCULADORAS "/rota"));
    AbrirCalculadoraWindows();
  }
  EXPECT_EQ(
      errores,
      (QStringList{"No es posible encontrar la calculadora estándar de Windows.\rVerifique que el archivo \"Calc.exe\" "
                   "exista o se encuentre disponible en la ruta de acceso a los archivos.",
                   "No es posible abrir la calculadora estándar de Windows.\rVerifique que el archivo \"Calc.exe\" no "
                   "se encuentre dañado y que éste sea el correcto."}));

  QTemporaryDir carpeta;
  const QString marcas = carpeta.filePath(QStringLiteral("marcas"));
  qputenv("QOV_MARCAS_CALCULADORA", marcas.toLocal8Bit());
  RutaDeBusqueda ruta(QStringLiteral(QOV_CALCULADORAS "/instalada"));
  AbrirCalculadoraWindows();
  QFile archivo(marcas);
  QTRY_VERIFY(archivo.exists() && archivo.size() > 0);
  AbrirCalculadoraWindows();  // still running: no second copy
  ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
  const QStringList lineas = QString::fromUtf8(archivo.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lineas.size(), 1);
  EXPECT_EQ(lineas[0].section(QLatin1Char(' '), 1), QStringLiteral(QOV_CALCULADORAS "/instalada"));
  ::kill(lineas[0].section(QLatin1Char(' '), 0, 0).toInt(), SIGTERM);
  EXPECT_EQ(errores.size(), 2);
}

// A virtual X display of its own (Xvfb), named in DISPLAY meanwhile; Pantalla is null without Xvfb.
class PantallaX {
 public:
  PantallaX() : FAnterior(qgetenv("DISPLAY")) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) return;
    // Xvfb picks a free display and writes its number to the descriptor named: its standard output.
    FXvfb.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "640x480x24"});
    QByteArray numero;
    while (!numero.contains('\n') && FXvfb.waitForReadyRead(-1)) numero += FXvfb.readAllStandardOutput();
    if (!numero.contains('\n')) return;
    qputenv("DISPLAY", ":" + numero.trimmed());
    FPantalla = XOpenDisplay(nullptr);
  }
  ~PantallaX() {
    if (FPantalla) XCloseDisplay(FPantalla);
    qputenv("DISPLAY", FAnterior);
    FXvfb.terminate();
    FXvfb.waitForFinished(-1);
  }
  Display* Pantalla() const { return FPantalla; }

 private:
  QByteArray FAnterior;
  QProcess FXvfb;
  Display* FPantalla = nullptr;
};

TEST_F(RutinasMenus, ACalculatorOpenOnTheDisplayIsRestoredAndRaisedInsteadOfStartingAnother) {
  PantallaX x;
  if (!x.Pantalla()) GTEST_SKIP() << "Xvfb is not installed";
  Display* d = x.Pantalla();
  const Window raiz = DefaultRootWindow(d);
  // A calculator of another process, hidden as when minimised, under a window of some other program.
  const Window calculadora = XCreateSimpleWindow(d, raiz, 0, 0, 100, 100, 0, 0, 0);
  char nombre[] = "xcalc", clase[] = "XCalc";
  XClassHint pista{nombre, clase};
  XSetClassHint(d, calculadora, &pista);
  XMapWindow(d, XCreateSimpleWindow(d, raiz, 0, 0, 100, 100, 0, 0, 0));
  XSync(d, False);
  const auto encima = [&] {
    Window r = 0, p = 0, *hijos = nullptr;
    unsigned int cuantos = 0;
    XQueryTree(d, raiz, &r, &p, &hijos, &cuantos);
    const Window ultima = cuantos ? hijos[cuantos - 1] : 0;
    XFree(hijos);
    return ultima;
  };

  int inicios = 0;
  OnStartProgram = [&](const QString&, const QStringList&, const QString&, bool) { return ++inicios > 0; };
  RutaDeBusqueda ruta(QStringLiteral(QOV_CALCULADORAS "/instalada"));
  AbrirCalculadoraWindows();
  XWindowAttributes atributos{};
  XGetWindowAttributes(d, calculadora, &atributos);
  EXPECT_EQ(atributos.map_state, IsViewable);
  EXPECT_EQ(encima(), calculadora);
  EXPECT_EQ(inicios, 0);

  // Once it is closed, a calculator is started; without an X display none is found there.
  XDestroyWindow(d, calculadora);
  XSync(d, False);
  AbrirCalculadoraWindows();
  EXPECT_EQ(inicios, 1);
  OnStartProgram = nullptr;
  qunsetenv("DISPLAY");
  EXPECT_FALSE(TraerAlFrenteVentanaX11({QStringLiteral("xcalc")}));
}

}  // namespace
