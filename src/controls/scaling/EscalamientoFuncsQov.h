#pragma once

// The scaling of dialogs to the scale of the form that owns them, and the font heights of a scale.
// For now only what the message dialogs call; the zoom saved in the settings comes with the geometry
// settings.

#include <QString>

class TForm;

// The process-wide scaling object, created at start-up or on first use (CrearEscalamientoFuncs) and kept
// in EscalamientoFuncs.
class TqovEscalamientoFuncs {
 public:
  // Creates the instance into EscalamientoFuncs unless it exists.
  static void CrearEscalamientoFuncs();

  // True for the class names of the point-of-sale forms, whose dialogs take the main window's scale.
  static bool EsResolucionesPv(const QString& AClassName);
  // Rescales the form to AEscala per cent unless it is already at that scale.
  void EscalarMsgDialog(TForm& AForm, int AEscala);
  // Scales the form to the main window's zoom, for now the default zoom of the screen (ObtenerEscalaDefault).
  void EscalarFormaByFormaPrincipal(TForm& AForm);
  // The height in pixels (negative) of a font of AOriginalSize points at AEscala per cent.
  int GetHeightFont(int AOriginalSize, int AEscala) const;

  // The screen's pixels per inch / 0.96, rounded, at most 175.
  static int ObtenerEscalaDefault();
};

extern TqovEscalamientoFuncs* EscalamientoFuncs;
