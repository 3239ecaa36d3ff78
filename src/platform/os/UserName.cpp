#include "platform/os/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

QString LoginUserName() {
  const long tamano = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> memoria(tamano > 0 ? static_cast<size_t>(tamano) : 16384);
  passwd entrada{};
  passwd* encontrada = nullptr;
  if (getpwuid_r(geteuid(), &entrada, memoria.data(), memoria.size(), &encontrada) != 0 || encontrada == nullptr)
    return {};
  return QString::fromLocal8Bit(encontrada->pw_name);
}
