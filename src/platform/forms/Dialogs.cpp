#include "platform/forms/Dialogs.h"

#include <QFileDialog>

#include "platform/forms/Form.h"
#include "platform/forms/ModalSeam.h"

std::function<bool(TOpenDialog& ADialog)> OnExecuteFileDialog;

QStringList NameFilters(const QString& AFilter) {
  const QStringList partes = AFilter.split(QLatin1Char('|'));
  QStringList filtros;
  for (qsizetype i = 0; i + 1 < partes.size(); i += 2)
    filtros << QStringLiteral("%1 (%2)").arg(partes[i],
                                             QString(partes[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
  return filtros;
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : QObject(), TComponent(this, AOwner) {}

bool TOpenDialog::Execute() {
  if (OnExecuteFileDialog) return OnExecuteFileDialog(*this);
  QFileDialog dialogo(OwnerForm(this), Title, InitialDir);
  dialogo.setAcceptMode(Saving() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialogo.setFileMode(Options.testFlag(ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!Options.testFlag(ofOverwritePrompt)) dialogo.setOption(QFileDialog::DontConfirmOverwrite);
  if (Options.testFlag(ofReadOnly)) dialogo.setOption(QFileDialog::ReadOnly);
  const QStringList filtros = NameFilters(Filter);
  dialogo.setNameFilters(filtros);
  if (FilterIndex >= 1 && FilterIndex <= filtros.size()) dialogo.selectNameFilter(filtros[FilterIndex - 1]);
  dialogo.setDefaultSuffix(DefaultExt);
  if (!FileName.isEmpty()) dialogo.selectFile(FileName);
  if (ExecModal(dialogo) != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return false;
  FileName = dialogo.selectedFiles().constFirst();
  FilterIndex = static_cast<int>(filtros.indexOf(dialogo.selectedNameFilter())) + 1;
  return true;
}
