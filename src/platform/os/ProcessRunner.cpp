#include "platform/os/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;

namespace {

constexpr int IntervaloBombeoMs = 100;

// Where the program's file is: the name itself when it holds a "/", else the first match on PATH.
QByteArray RutaDelPrograma(const QString& APrograma) {
  if (APrograma.contains(QLatin1Char('/'))) return QFile::encodeName(APrograma);
  const QString encontrado = QStandardPaths::findExecutable(APrograma);
  return QFile::encodeName(encontrado.isEmpty() ? APrograma : encontrado);
}

// The mode the output file is created with.
mode_t ModoSalida(const ProcessLaunch& l) { return l.Acceso ? l.Acceso->FileMode : 0644; }

// In the child, between fork and exec: only system calls. Reports a failure's error number through the pipe
// and ends.
[[noreturn]] void FallarEnElHijo(int ATuberia) {
  const int error = errno;
  while (write(ATuberia, &error, sizeof error) < 0 && errno == EINTR) {
  }
  _exit(CodigoProgramaNoIniciado);
}

// Starts the program. The child dies with this process (a killed program leaves no tool running, nor its
// attachments), keeps no descriptor of it but the three standard ones (no database file, no socket), runs
// in a session of its own away from any terminal, with no blocked or ignored signal. Returns 0 or the error
// number of the failed start.
int Iniciar(const ProcessLaunch& l, pid_t& pid) {
  const QByteArray programa = RutaDelPrograma(l.Programa);
  const QByteArray carpeta = QFile::encodeName(l.Carpeta);
  const QByteArray salida = l.ArchivoSalida.isEmpty() ? QByteArray("/dev/null") : QFile::encodeName(l.ArchivoSalida);
  std::vector<QByteArray> argumentos{QFile::encodeName(l.Programa)};
  for (const QString& a : l.Argumentos) argumentos.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& a : argumentos) argv.push_back(a.data());
  argv.push_back(nullptr);
  // Paths and arguments go out in UTF-8, as every file name of the program is encoded; the child is told so,
  // whatever locale the program itself was started with.
  static char utf8[] = "LC_ALL=C.UTF-8";
  std::vector<char*> entorno;
  for (char** variable = environ; *variable != nullptr; ++variable)
    if (std::strncmp(*variable, "LC_ALL=", 7) != 0) entorno.push_back(*variable);
  entorno.push_back(utf8);
  entorno.push_back(nullptr);

  int tuberia[2];
  if (pipe2(tuberia, O_CLOEXEC) != 0) return errno;
  const pid_t padre = getpid();
  pid = fork();
  if (pid < 0) {
    const int error = errno;
    close(tuberia[0]);
    close(tuberia[1]);
    return error;
  }
  if (pid == 0) {
    // The death signal is tied to the thread that forked, which waits for the child until it ends.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != padre) FallarEnElHijo(tuberia[1]);
    setsid();
    sigset_t ninguna;
    sigemptyset(&ninguna);
    sigprocmask(SIG_SETMASK, &ninguna, nullptr);
    struct sigaction predeterminada {};
    predeterminada.sa_handler = SIG_DFL;
    for (int senal = 1; senal < NSIG; ++senal) sigaction(senal, &predeterminada, nullptr);
    if (!carpeta.isEmpty() && chdir(carpeta.constData()) != 0) FallarEnElHijo(tuberia[1]);
    if (l.Acceso) umask(~l.Acceso->FolderMode & 0777);
    const int entrada = open("/dev/null", O_RDONLY);
    const int archivo = open(salida.constData(), O_WRONLY | O_CREAT | O_TRUNC, ModoSalida(l));
    const int errores = l.ErroresALaSalida ? archivo : open("/dev/null", O_WRONLY);
    if (entrada < 0 || archivo < 0 || errores < 0) FallarEnElHijo(tuberia[1]);
    // The pipe moves above the standard descriptors first, so that none of them lands on it.
    const int aviso = fcntl(tuberia[1], F_DUPFD_CLOEXEC, 3);
    if (aviso < 0 || dup2(entrada, 0) < 0 || dup2(archivo, 1) < 0 || dup2(errores, 2) < 0) FallarEnElHijo(tuberia[1]);
    close_range(3, static_cast<unsigned>(aviso) - 1, 0);
    close_range(static_cast<unsigned>(aviso) + 1, ~0U, 0);
    execve(programa.constData(), argv.data(), entorno.data());
    FallarEnElHijo(aviso);
  }
  close(tuberia[1]);
  int error = 0;
  ssize_t leido = 0;
  while ((leido = read(tuberia[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(tuberia[0]);
  if (leido != sizeof error) return 0;
  while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
  }
  return error;
}

int CodigoDeSalida(int estado) {
  if (WIFEXITED(estado)) return WEXITSTATUS(estado);
  if (WIFSIGNALED(estado)) return 128 + WTERMSIG(estado);
  return CodigoProgramaNoIniciado;
}

int EsperarBloqueando(pid_t pid) {
  int estado = 0;
  while (waitpid(pid, &estado, 0) < 0) {
    if (errno != EINTR) return CodigoProgramaNoIniciado;
  }
  return CodigoDeSalida(estado);
}

int EsperarBombeando(pid_t pid, const std::function<void()>& bombear) {
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  int estado = 0;
  for (;;) {
    bombear();
    // The descriptor becomes readable when the child ends; poll ignores a descriptor that could not be
    // opened and then simply waits the whole interval.
    pollfd espera{pidfd, POLLIN, 0};
    poll(&espera, 1, IntervaloBombeoMs);
    const pid_t terminado = waitpid(pid, &estado, WNOHANG);
    if (terminado == pid) break;
    if (terminado < 0 && errno != EINTR) {
      estado = -1;
      break;
    }
  }
  if (pidfd >= 0) close(pidfd);
  return estado == -1 ? CodigoProgramaNoIniciado : CodigoDeSalida(estado);
}

// A shell that cannot start a program says why in the file its output goes to; so does this.
void AnotarFallaDeInicio(const ProcessLaunch& l, int error) {
  if (l.ArchivoSalida.isEmpty()) return;
  const int archivo = open(QFile::encodeName(QDir(l.Carpeta).filePath(l.ArchivoSalida)).constData(),
                           O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, ModoSalida(l));
  QFile motivo;
  if (archivo >= 0 && motivo.open(archivo, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
    motivo.write(QFile::encodeName(l.Programa) + ": " + std::strerror(error) + "\n");
}

}  // namespace

int EjecutarProceso(const ProcessLaunch& ALanzamiento, ProcessHandle& AProceso, const std::function<void()>& ABombear) {
  pid_t pid = 0;
  const int error = Iniciar(ALanzamiento, pid);
  if (error != 0) {
    AnotarFallaDeInicio(ALanzamiento, error);
    return CodigoProgramaNoIniciado;
  }
  AProceso = pid;
  struct Liberar {
    ProcessHandle& proceso;
    ~Liberar() { proceso = 0; }
  } liberar{AProceso};
  return ABombear ? EsperarBombeando(pid, ABombear) : EsperarBloqueando(pid);
}
