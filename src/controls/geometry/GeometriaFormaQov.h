#pragma once

// A form's geometry in the user's settings: its position and client size, its toolbars' layout and its zoom,
// under the key "\Software\Tarvolin\<NumeroClaveConfig>\<NombreClaveConfig>\<caption>".

class TForm;

// The largest zoom, in per cent, that the forms are scaled to.
constexpr int ZoomMaximo = 175;

// The screen's pixels per inch / 0.96, rounded, at most ZoomMaximo: the zoom of the screen's own scale.
int ObtenerZoomDefault();
// Saves the layout of every toolbar of the form's first bar manager, each under a subkey of the form's key
// ("Barra de menús", "Barra de herramientas", "Barra 2", ...).
void GuardarBarras(TForm& AForma);
// Pulls the form inside the desktop: to the left or top edge when it sticks out, then narrowed or shortened
// to fit.
void AjustarFormaAlEscritorio(TForm& AForma);
// Saves the form's position and its client size at 100 per cent, then its toolbars unless ASinBarras.
void GuardarPosicionForma(TForm& AForma, bool ASinBarras);
// The zoom saved for the form, never below the screen's own (ObtenerZoomDefault), which it also is when none
// can be read, nor above ZoomMaximo.
int LeerZoom(TForm& AForma);
// Gives the form its saved client size at its current scale (a saved height or width of 0 or less keeps the
// current one), or centres it on the desktop when nothing is saved, then pulls it inside the desktop.
void RestaurarDimensionesForma(TForm& AForma);
