#include "controls/dialogs/DetallesForm.h"

#include <memory>

#include "controls/basic/ButtonQov.h"
#include "controls/basic/EnterAsTabQov.h"
#include "controls/dialogs/DetalleMensaje.h"
#include "controls/dialogs/VentanaDetallesQov.h"
#include "controls/grids/DBGridQov.h"
#include "controls/menus/PopupMenusQov.h"
#include "controls/scaling/EscalamientoFuncsQov.h"
#include "core/util/Utilerias.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Label.h"
#include "platform/rtl/FloatFormat.h"

namespace {

// Keeps a data set's controls disabled while it lives.
class ControlesDeshabilitados {
 public:
  explicit ControlesDeshabilitados(TDataSet& ADataSet) : FDataSet(ADataSet) { FDataSet.DisableControls(); }
  ~ControlesDeshabilitados() { FDataSet.EnableControls(); }
  ControlesDeshabilitados(const ControlesDeshabilitados&) = delete;
  ControlesDeshabilitados& operator=(const ControlesDeshabilitados&) = delete;

 private:
  TDataSet& FDataSet;
};

}  // namespace

TDetallesForm::TDetallesForm(TComponent* AOwner) : TForm(AOwner) {
  PrepararVentanaDetalles(*this, QStringLiteral("Detalles"), TBorderIcons(biSystemMenu) | biHelp, 336, 163);

  qovEnterAsTab = new TqovEnterAsTab(this);
  qovEnterAsTab->SetName(QStringLiteral("qovEnterAsTab"));
  qovEnterAsTab->SetParent(this);
  qovEnterAsTab->SetBounds(108, 128, 23, 22);

  lblFooter = new TLabel(this);
  lblFooter->SetName(QStringLiteral("lblFooter"));
  lblFooter->SetParent(this);
  lblFooter->SetLeft(10);
  lblFooter->SetTop(136);
  lblFooter->SetVisible(false);

  btnAceptar =
      NuevoBotonDetalles(*this, QStringLiteral("btnAceptar"), QStringLiteral("&Aceptar"), {170, 136, 75, 22}, 0);
  btnAceptar->SetModalResult(mrOk);

  dtsrcDetalles = new TDataSource(this);
  dtsrcDetalles->setObjectName(QStringLiteral("dtsrcDetalles"));

  grdDetalles = new TqovDBGrid(this);
  grdDetalles->SetName(QStringLiteral("grdDetalles"));
  grdDetalles->SetParent(this);
  grdDetalles->SetBounds(8, 8, 320, 120);
  grdDetalles->SetDataSource(dtsrcDetalles);
  grdDetalles->SetReadOnly(true);
  grdDetalles->SetOptions(TDBGridOptions(dgTitles) | dgColLines | dgRowLines | dgTabs | dgRowSelect | dgPerfectRowFit |
                          dgTrailingEllipsis | dgShowCellHint);
  grdDetalles->SetShowHorzScrollBar(true);
  grdDetalles->SetUsarScrollHrz(false);
  grdDetalles->SetPopupMenuCtx(true);
  grdDetalles->SetTabOrder(2);

  btnGuardar =
      NuevoBotonDetalles(*this, QStringLiteral("btnGuardar"), QStringLiteral("&Guardar..."), {254, 136, 75, 22}, 1);
  btnGuardar->OnClick = [this](QObject* Sender) { btnGuardarClick(Sender); };

  sdImprimirEnArchivo = NuevoDialogoGuardarDetalles(this);

  OnCreate = [this](QObject* Sender) { FormCreate(Sender); };
  OnShow = [this](QObject* Sender) { FormShow(Sender); };
}

void TDetallesForm::FormCreate(QObject*) {
  AsignarPopupMenus(*this);
  grdDetalles->SetHelpContext(1000);
  btnAceptar->SetHelpContext(1001);
  btnGuardar->SetHelpContext(1010);
}

void TDetallesForm::FormShow(QObject*) { EscalamientoFuncs->EscalarDialogo(*this, {}, false); }

void TDetallesForm::btnGuardarClick(QObject*) {
  TDataSet* d = dtsrcDetalles->DataSet();
  const auto escribir = [this, d] {
    if (d) {
      const ControlesDeshabilitados deshabilitados(*d);
      for (d->First(); !d->Eof(); d->Next()) {
        QStringList textos;
        for (int i = 0; i < d->FieldCount(); ++i) textos << d->Field(i).DisplayText();
        FArchivo.WriteLine(textos.join(QStringLiteral("  ")));
      }
    }
    FArchivo.WriteLine(QString());
    if (!DetalleMensaje.Footer.isEmpty()) FArchivo.WriteLine(lblFooter->Caption());
  };
  if (FArchivo.Guardar(*this, *sdImprimirEnArchivo, escribir)) FVengoDeGuardar = true;
}

void MostrarDetalles(TComponent* AOwner) {
  TqovEscalamientoFuncs::CrearEscalamientoFuncs();
  std::unique_ptr<TDetallesForm> forma(NewForm<TDetallesForm>(AOwner));
  if (!DetalleMensaje.Caption.isEmpty()) forma->SetCaption(DetalleMensaje.Caption);
  forma->FVengoDeGuardar = false;

  // The grid's size is given at 96 dpi, like the memo window's, and the layout follows the window's scale.
  const auto escala = [&forma](int AValor) { return forma->ScaleValue(AValor); };
  TqovDBGrid* grid = forma->grdDetalles;
  grid->SetWidth(escala(DetalleMensaje.MinWidth));
  grid->SetHeight(escala(DetalleMensaje.MinHeight));
  grid->SetHelpContext(DetalleMensaje.HelpCtx);
  TqovButton* guardar = forma->btnGuardar;
  guardar->SetTop(grid->Top() + grid->Height() + escala(8));
  guardar->SetLeft(grid->Left() + grid->Width() - guardar->Width());
  forma->btnAceptar->SetTop(guardar->Top());
  forma->btnAceptar->SetLeft(guardar->Left() - guardar->Width() - escala(12));
  forma->SetClientHeight(guardar->Top() + guardar->Height() + escala(8));
  forma->SetClientWidth(grid->Left() + grid->Width() + escala(13));

  grid->SetUseTFields(true);
  TDataSet* d = DetalleMensaje.Dataset;
  forma->dtsrcDetalles->SetDataSet(d);
  if (d) {
    const ControlesDeshabilitados deshabilitados(*d);
    QStringList partes;
    SepararTexto(DetalleMensaje.ConfGrid, QStringLiteral(";"), partes);
    if (partes.size() % 3 == 0)
      for (int i = 0; i < partes.size(); i += 3) {
        TField& campo = d->FieldByName(partes[i]);
        campo.SetDisplayLabel(partes[i + 2]);
        campo.SetDisplayWidth(StrToInt(partes[i + 1]));
        campo.SetVisible(true);
      }
    if (!DetalleMensaje.Footer.isEmpty()) {
      d->Last();
      d->First();
      forma->lblFooter->SetCaption(FormatearNumero(true, 18, 0, d->RecordCount(), 0, QStringLiteral("N")) +
                                   QLatin1Char(' ') + DetalleMensaje.Footer);
      forma->lblFooter->SetTop(guardar->Top() - escala(4));
      forma->lblFooter->SetVisible(true);
    }
  }
  // The columns take the fields' labels, widths and visibility.
  grid->ApplySelected();
  forma->ShowModal();
  // A window that has saved goes with its owner.
  if (forma->FVengoDeGuardar && AOwner) forma.release()->Hide();
}
