#include "platform/os/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;

namespace {

constexpr int IntervaloBombeoMs = 100;

// The spawn attributes and file actions of one start, released on every path.
class Spawn {
 public:
  Spawn() {
    posix_spawnattr_init(&FAtributos);
    posix_spawn_file_actions_init(&FAcciones);
  }
  ~Spawn() {
    posix_spawn_file_actions_destroy(&FAcciones);
    posix_spawnattr_destroy(&FAtributos);
  }
  Spawn(const Spawn&) = delete;
  Spawn& operator=(const Spawn&) = delete;

  // Returns 0 or the error number of the failed start.
  int Iniciar(const ProcessLaunch& l, pid_t& pid) {
    const QByteArray programa = QFile::encodeName(l.Programa);
    const QByteArray carpeta = QFile::encodeName(l.Carpeta);
    const QByteArray salida = QFile::encodeName(l.ArchivoSalida);
    std::vector<QByteArray> argumentos{programa};
    for (const QString& a : l.Argumentos) argumentos.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : argumentos) argv.push_back(a.data());
    argv.push_back(nullptr);

    // A session of its own keeps the tool away from any terminal; the signal mask is not inherited.
    sigset_t ninguna;
    sigemptyset(&ninguna);
    posix_spawnattr_setsigmask(&FAtributos, &ninguna);
    posix_spawnattr_setflags(&FAtributos, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);

    if (!carpeta.isEmpty()) posix_spawn_file_actions_addchdir_np(&FAcciones, carpeta.constData());
    posix_spawn_file_actions_addopen(&FAcciones, 0, "/dev/null", O_RDONLY, 0);
    if (salida.isEmpty())
      posix_spawn_file_actions_addopen(&FAcciones, 1, "/dev/null", O_WRONLY, 0);
    else
      posix_spawn_file_actions_addopen(&FAcciones, 1, salida.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (l.ErroresALaSalida)
      posix_spawn_file_actions_adddup2(&FAcciones, 1, 2);
    else
      posix_spawn_file_actions_addopen(&FAcciones, 2, "/dev/null", O_WRONLY, 0);

    return posix_spawnp(&pid, programa.constData(), &FAcciones, &FAtributos, argv.data(), environ);
  }

 private:
  posix_spawnattr_t FAtributos;
  posix_spawn_file_actions_t FAcciones;
};

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
  QFile archivo(QDir(l.Carpeta).filePath(l.ArchivoSalida));
  if (archivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
    archivo.write(QFile::encodeName(l.Programa) + ": " + std::strerror(error) + "\n");
}

}  // namespace

int EjecutarProceso(const ProcessLaunch& ALanzamiento, ProcessHandle& AProceso, const std::function<void()>& ABombear) {
  Spawn spawn;
  pid_t pid = 0;
  const int error = spawn.Iniciar(ALanzamiento, pid);
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
