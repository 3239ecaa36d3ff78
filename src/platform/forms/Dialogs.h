#pragma once

// The file dialogs: choosing a file to open or to save, with the system's filter notation.

#include <QFlags>
#include <QObject>
#include <QStringList>
#include <functional>

#include "platform/forms/Component.h"

enum TOpenOption {
  ofReadOnly = 0x1,
  ofOverwritePrompt = 0x2,
  ofHideReadOnly = 0x4,
  ofPathMustExist = 0x8,
  ofFileMustExist = 0x10,
};
Q_DECLARE_FLAGS(TOpenOptions, TOpenOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOpenOptions)

// A dialog that chooses a file to open. Filter pairs a description and its patterns, all joined by "|"
// ("Gbak|gbak.exe|Todos|*.*"); FilterIndex counts its pairs from 1.
class TOpenDialog : public QObject, public TComponent {
  Q_OBJECT

 public:
  explicit TOpenDialog(TComponent* AOwner);

  QString Title;
  QString Filter;
  int FilterIndex = 1;
  QString FileName;
  QString DefaultExt;
  QString InitialDir;
  TOpenOptions Options = ofHideReadOnly;

  // Shows the dialog modally; true when a file was chosen, whose full name FileName then holds.
  bool Execute();

 protected:
  virtual bool Saving() const { return false; }
};

// A dialog that chooses a file to save to.
class TSaveDialog : public TOpenDialog {
  Q_OBJECT

 public:
  using TOpenDialog::TOpenDialog;

 protected:
  bool Saving() const override { return true; }
};

// Empty in the program. When a test sets it, it answers every file dialog instead of the operator: it may
// set the dialog's FileName and FilterIndex, and returns whether a file was chosen.
extern std::function<bool(TOpenDialog& ADialog)> OnExecuteFileDialog;

// The filter as Qt's name filters: "Texto|*.txt;*.log" gives "Texto (*.txt *.log)".
QStringList NameFilters(const QString& AFilter);
