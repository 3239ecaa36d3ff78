#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, and lays out the Firebird 3.0 tools
# folder that the program expects under its working folder. Safe to run again.
set -euo pipefail

# fonts-dejavu-core: the font that the build draws the sign-in logo's text with. qt6-translations-l10n: Qt's own
# texts in Spanish. libx11-dev: finding an open calculator on the X display. xvfb: the X server of the tests
# that need a real one.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n fonts-dejavu-core libgtest-dev
          libgmock-dev libbenchmark-dev xvfb libx11-dev libfbclient2 firebird-dev firebird3.0-utils firebird3.0-server)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# <working folder>/Firebird3/{gstat,gbak,isql}: Debian names them fbstat, gbak and isql-fb.
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/Firebird3"
ln -sfn "$(command -v fbstat)" "$root/Firebird3/gstat"
ln -sfn "$(command -v gbak)" "$root/Firebird3/gbak"
ln -sfn "$(command -v isql-fb)" "$root/Firebird3/isql"
