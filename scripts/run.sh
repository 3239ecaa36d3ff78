#!/usr/bin/env bash
# The run command: installs what is missing, makes sure the installed Firebird server is running, builds the
# program (Release) and starts it from the repository's folder, the working folder that holds Firebird3/ (laid
# out by the setup script) and log/. It never changes the server's SYSDBA password.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh

# The program signs in through the Firebird server of this machine, on its port (3050 unless FIREBIRD_PORT
# says otherwise). When nothing listens there, the server is started through the system's service manager,
# or the init script of Debian's package where there is none; else the command to run is shown.
port=${FIREBIRD_PORT:-3050}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }
if ! listening; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  if [ -d /run/systemd/system ]; then
    start_cmd=(systemctl start firebird3.0)
  elif [ -x /etc/init.d/firebird3.0 ]; then
    start_cmd=(/etc/init.d/firebird3.0 start)
  else
    echo "run: nothing listens on port $port and no service manager starts Firebird here; start the server" \
         "with: sudo install -d -o firebird -g firebird -m 0770 /run/firebird3.0 &&" \
         "sudo -u firebird /usr/sbin/fbguard -daemon -forever" >&2
    exit 1
  fi
  echo "run: starting the installed Firebird server: ${sudo_cmd[*]:+${sudo_cmd[*]} }${start_cmd[*]}"
  "${sudo_cmd[@]}" "${start_cmd[@]}"
  for _ in $(seq 1 100); do
    listening && break
    sleep 0.1
  done
  if ! listening; then
    echo "run: the Firebird server does not listen on port $port; see /var/log/firebird/firebird3.0.log" >&2
    exit 1
  fi
fi

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-release --target drevalino
exec build-release/src/app/drevalino "$@"
