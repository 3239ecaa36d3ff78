#include "platform/forms/ExternalProgram.h"

#include <QProcess>
#include <csignal>

std::function<bool(const QString&, const QStringList&, const QString&, bool)> OnStartProgram;

bool StartProgram(const QString& AProgram, const QStringList& AArguments, const QString& AWorkingFolder, bool AWait,
                  qint64* APid) {
  if (APid) *APid = 0;
  if (OnStartProgram) return OnStartProgram(AProgram, AArguments, AWorkingFolder, AWait);
  if (!AWait) return QProcess::startDetached(AProgram, AArguments, AWorkingFolder, APid);
  QProcess proceso;
  proceso.setWorkingDirectory(AWorkingFolder);
  proceso.setProcessChannelMode(QProcess::ForwardedChannels);
  proceso.start(AProgram, AArguments);
  if (!proceso.waitForStarted(-1)) return false;
  proceso.waitForFinished(-1);
  return true;
}

bool ProgramRunning(qint64 APid) { return APid > 0 && ::kill(static_cast<pid_t>(APid), 0) == 0; }
