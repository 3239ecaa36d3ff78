#include "platform/os/X11Windows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace {

// A window may vanish while the tree is read; its errors are of no interest here.
int IgnorarError(Display* /*ADisplay*/, XErrorEvent* /*AError*/) { return 0; }

bool EsDe(Display* ADisplay, Window AVentana, const QStringList& AProgramas) {
  XClassHint clase{};
  if (!XGetClassHint(ADisplay, AVentana, &clase)) return false;
  const QString instancia = QString::fromLocal8Bit(clase.res_name);
  const QString nombre = QString::fromLocal8Bit(clase.res_class);
  XFree(clase.res_name);
  XFree(clase.res_class);
  return AProgramas.contains(instancia, Qt::CaseInsensitive) || AProgramas.contains(nombre, Qt::CaseInsensitive);
}

// The first window under APadre, itself included, of one of the programs; 0 when there is none.
Window Buscar(Display* ADisplay, Window APadre, const QStringList& AProgramas) {
  if (EsDe(ADisplay, APadre, AProgramas)) return APadre;
  Window raiz = 0, padre = 0, *hijos = nullptr;
  unsigned int cuantos = 0;
  if (!XQueryTree(ADisplay, APadre, &raiz, &padre, &hijos, &cuantos)) return 0;
  Window encontrada = 0;
  for (unsigned int i = 0; i < cuantos && !encontrada; ++i) encontrada = Buscar(ADisplay, hijos[i], AProgramas);
  if (hijos) XFree(hijos);
  return encontrada;
}

}  // namespace

bool TraerAlFrenteVentanaX11(const QStringList& AProgramas) {
  const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (!display) return false;
  Display* d = display.get();
  const auto anterior = XSetErrorHandler(IgnorarError);
  const Window raiz = DefaultRootWindow(d);
  const Window ventana = Buscar(d, raiz, AProgramas);
  if (ventana) {
    // Mapping a minimised window restores it; the window manager is asked to activate it as a pager would.
    XMapRaised(d, ventana);
    XEvent activar{};
    activar.xclient.type = ClientMessage;
    activar.xclient.window = ventana;
    activar.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    activar.xclient.format = 32;
    activar.xclient.data.l[0] = 2;
    activar.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, raiz, False, SubstructureRedirectMask | SubstructureNotifyMask, &activar);
    XSync(d, False);
  }
  XSetErrorHandler(anterior);
  return ventana != 0;
}
