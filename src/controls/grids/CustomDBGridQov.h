#pragma once

// The base of the library's data-aware grids: column fitting, the repair of the horizontal scroll after a
// change of scale with its registry of grid states, file drops and the library's editing conventions.

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/forms/Label.h"
#include "platform/forms/Timer.h"
#include "platform/grids/DBGrid.h"

class TqovCustomDBGrid;
class TqovStateChange;

// Files dropped on a grid: the grid and the full paths in drop order. The list is the grid's and lives
// only while the handler runs.
using TFilesDropped = std::function<void(QObject* Sender, const QStringList& DroppedFiles)>;

// A grid's settings kept while its scroll position is repaired.
struct TInfoGridQov {
  int FixedCols = 0;
  bool GridEnabled = false;  // not used by the library
  bool FirstColumnReadOnly = false;
  bool Focused = false;  // not used by the library
  QString ActiveFieldName;
};

// The process-wide registry of the grids being repaired, keyed by the grid itself (two forms may hold grids
// of one name). A grid's entry lives from the first step of its repair to the second, or until the grid goes.
extern QHash<const TqovCustomDBGrid*, TInfoGridQov> RegistroInfoGrid;

// The library's grid base. Its data columns fill the grid's width in proportion to their widths in
// characters (ScaleColWidths), refitted after every change of layout, size or data-set state, at the next
// paint. When the grid is found scrolled sideways after a change of scale, two 100 ms steps bring its first
// column back into view and then return to the active column, with no column-enter events meanwhile. Files
// dropped on it reach OnFilesDropped when AllowFileDrop. NoEditable makes it read-only, out of the tab order,
// in the button-face colour; the caption label (Etiqueta) follows its enabled state. Clipboard commands are
// ignored while it is read-only.
class TqovCustomDBGrid : public TDBGrid {
  Q_OBJECT
  Q_PROPERTY(TLabel* Etiqueta READ Etiqueta WRITE SetEtiqueta)
  Q_PROPERTY(bool NoEditable READ NoEditable WRITE SetNoEditable)
  Q_PROPERTY(bool AllowFileDrop READ AllowFileDrop WRITE SetAllowFileDrop)

 public:
  explicit TqovCustomDBGrid(TComponent* AOwner);
  ~TqovCustomDBGrid() override;

  TLabel* Etiqueta() const { return FEtiqueta; }
  void SetEtiqueta(TLabel* AValue);
  bool NoEditable() const { return FNoEditable; }
  void SetNoEditable(bool AValue);
  bool AllowFileDrop() const { return FAllowFileDrop; }
  void SetAllowFileDrop(bool AValue) { FAllowFileDrop = AValue; }
  TFilesDropped OnFilesDropped;

  // Column fitting and the scroll repair are on (the start).
  bool AjustarColumnasEscalamientoQov() const { return FAjustarColumnasEnEscalamiento; }
  void SetAjustarColumnasEscalamientoQov(bool AValue) { FAjustarColumnasEnEscalamiento = AValue; }

  // Fits the columns to the width; nothing before the grid is shown or with fitting off.
  void ScaleColWidths();
  // Starts the scroll repair when the grid is scrolled sideways.
  void AjustarDesplazamientoColsQov();
  void ScaleForPPI(int ANewPPI) override;
  // Refills the declared widths and refits; a width that is not an integer raises EConvertError.
  void ApplySelected() override;
  void EnabledChanged() override;

  // The two repair steps, run by their timers.
  void TmrLanzarAjustarClienteTimer(QObject* Sender);
  void TmrAjustarClienteTimer(QObject* Sender);
  TTimer& TmrLanzarAjustarCliente() const { return *FTmrLanzarAjustarCliente; }
  TTimer& TmrAjustarCliente() const { return *FTmrAjustarCliente; }
  // The declared widths, once filled.
  const QVector<int>& DisplayWidths() const { return FDisplayWidths; }
  bool ColumnasAjustadas() const { return FColumnasAjustadas; }

 protected:
  bool FAjustarColumnasEnEscalamiento = true;

  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void SetColumnAttributes() override;
  void LayoutChanged() override { ReiniciarAjustes(); }
  void CreateWnd() override;
  void Painted() override;
  void Resize() override { ReiniciarAjustes(); }
  void FilesDropped(const QStringList& AFiles) override;
  bool ClipboardCommandAllowed() const override { return !ReadOnly(); }

 private:
  void ObtenerAnchosColumnas();
  void AjustarColumnas();
  bool RequiereAjuste();
  void ReiniciarAjustes();
  void RestaurarEstadoGrid();

  QVector<int> FDisplayWidths;
  bool FColumnasAjustadas = false;
  bool FDesplazamientoAjustado = false;
  bool FAjustandoDesplazamiento = false;
  std::unique_ptr<TqovStateChange> FStateQov;
  QString FActiveField;
  TNotifyEvent FOnEnterEvent;
  QPointer<TLabel> FEtiqueta;
  bool FNoEditable = false;
  std::unique_ptr<TTimer> FTmrAjustarCliente;
  std::unique_ptr<TTimer> FTmrLanzarAjustarCliente;
  bool FAllowFileDrop = false;
};
