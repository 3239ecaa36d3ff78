#pragma once

// The form of the edit tests: an edit of the class under test and a second control to leave it for.

#include <QTest>

#include "controls/AplicacionControles.h"
#include "platform/forms/Beep.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/rtl/FormatSettings.h"

// The process's formats are those of Mexico meanwhile, and beeps are counted. Mostrar shows the form and
// leaves the focus in the second control.
template <class TEdicion>
class FormaDeEdicion : public PruebaDeControles {
 protected:
  FormaDeEdicion() {
    FormatSettings.DecimalSeparator = QLatin1Char('.');
    FormatSettings.ThousandSeparator = QLatin1Char(',');
    edicion->SetParent(&forma);
    otra->SetParent(&forma);
    otra->SetTop(30);
    OnBeep = [this] { ++pitidos; };
  }
  ~FormaDeEdicion() override { FormatSettings = anteriores; }

  void Mostrar() {
    forma.show();
    forma.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&forma));
    otra->setFocus();
  }

  const TFormatSettings anteriores = FormatSettings;
  TForm forma{nullptr};
  TEdicion* edicion = new TEdicion(&forma);
  TEdit* otra = new TEdit(&forma);
  int pitidos = 0;
};
