#pragma once

// Starting child processes with their output in a file, and waiting for them.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <optional>

#include "platform/os/FileAccess.h"

// Process id of a running child; 0 when none runs.
using ProcessHandle = qint64;

// What to start: the program, its argument vector, the folder it runs in (empty: the current one) and
// where its output goes (empty: discarded). With `ErroresALaSalida` the error output joins the output
// file; otherwise it is discarded. With `Acceso` the output file is created with its file mode, and the
// program runs under the umask that keeps whatever it creates within its folder mode (closed to others);
// otherwise the output file is 0644 and the program keeps this process's umask.
struct ProcessLaunch {
  QString Programa{};
  QStringList Argumentos{};
  QString Carpeta{};
  QString ArchivoSalida{};
  bool ErroresALaSalida = false;
  std::optional<FileAccess> Acceso{};
};

// Exit code of a program that could not be started, as a shell reports it.
constexpr int CodigoProgramaNoIniciado = 127;

// Starts the program with no terminal and no input, in the locale C.UTF-8 (its arguments are UTF-8),
// inheriting no descriptor but its standard ones and
// ending when this process dies, and returns its exit code once it has ended
// (128 + the signal's number when a signal ended it). `AProceso` holds the child's id while it runs
// and 0 afterwards. Without `ABombear` the wait blocks; with it, `ABombear` is called first and then
// after every 100 ms that the program is still running. A program that cannot be started gives
// `CodigoProgramaNoIniciado`, and when its output goes to a file, the file holds the reason.
int EjecutarProceso(const ProcessLaunch& ALanzamiento, ProcessHandle& AProceso,
                    const std::function<void()>& ABombear = {});
