#pragma once

// The zoom and DPI scaling of forms and dialogs: a dialog takes its owner's scale or the main window's saved
// zoom, with font fix-ups, font heights, message-box icons and the check of a typed zoom.

#include <QString>

#include "platform/forms/Component.h"

class TForm;
class TImage;

// The process-wide scaling object, created at start-up or on first use (CrearEscalamientoFuncs), kept in
// EscalamientoFuncs and freed at exit. A zoom is an integer per cent, 100 being 96 pixels per inch. It carries
// the state of one scaling at a time: scalings do not nest.
class TqovEscalamientoFuncs {
 public:
  // Creates the instance into EscalamientoFuncs unless it exists.
  static void CrearEscalamientoFuncs();

  // A dialog owned by a form takes the owner's scale; one without an owning form, or when
  // AEscalarByFormaPrincipal is set, the main window's zoom (EscalarFormaByFormaPrincipal). Then, also when
  // an exception passes, AOnTerminateEscala (when set) with the dialog as sender.
  void EscalarDialogo(TForm& aForm, const TNotifyEvent& aOnTerminateEscala, bool aEscalarByFormaPrincipal);
  // Scales the form to the zoom saved for it (under its caption, or under "Ventana principal" while its Tag is
  // 998) and fixes its fonts. At the end, also when an exception passes: the saved client size is restored
  // unless dimension loading is off, then the end hook runs once and is cleared.
  void EscalarForma(TForm& aForm);
  // The same, with aOnTerminateEscala as the end hook.
  void EscalarForma(TForm& aForm, const TNotifyEvent& aOnTerminateEscala);
  // Saves the form's position, size and toolbars under "Ventana principal", scales it to aEscala and restores
  // its saved size; then, also when an exception passes, aOnTerminateEscala (when set) with no sender.
  void EscalarFormaPrincipal(TForm& aForm, int aEscala, const TNotifyEvent& aOnTerminateEscala);
  // Rescales the form to aEscala per cent unless it is already at that scale; nothing else.
  void EscalarMsgDialog(TForm& aForm, int aEscala);
  // Scales the form to the main window's zoom: for the scaling, its Tag is 998 and dimension loading is off;
  // both come back at the end, also when an exception passes.
  void EscalarFormaByFormaPrincipal(TForm& aForm);
  // The height in pixels (negative) of a font of aOriginalSize points at aEscala per cent.
  int GetHeightFont(int aOriginalSize, int aEscala) const;
  // Shows the program's picture of a standard message icon (32513 error, 32515 warning, 32516 information)
  // stretched in proportion; any other identifier shows the system's own icon (none when it has none) at its
  // size.
  void CargarIcono(TImage& AImagen, int AIcono);
  // The screen's pixels per inch / 96.
  double GetEscalaMonitorPrincipal() const;
  // Whether the text is a zoom the operator may choose, which aEscalaValida then holds. With
  // aValidarSistemaOperativo any number is accepted, a screen above 175 per cent giving 175. Otherwise the
  // zoom must lie within 100 to 175 and be no less than the screen's own, else it is refused; below the
  // screen's the operator is told why.
  bool EsEscalaValida(const QString& aEscala, int& aEscalaValida, bool aValidarSistemaOperativo);
  // True for the class names (compared with case) of the point-of-sale forms, whose dialogs take the main
  // window's zoom.
  static bool EsResolucionesPv(const QString& AClassName);

 private:
  void AjustarFuentes(TForm& aForm, int aEscala);
  void RestaurarTag(QObject* Sender);
  // The end of EscalarForma.
  void TerminarEscala(TForm& aForm);

  TNotifyEvent FOnTerminateEscala;
  int FTagAnterior = 0;
  bool FCargarDimensiones = true;
};

extern TqovEscalamientoFuncs* EscalamientoFuncs;
