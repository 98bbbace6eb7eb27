#!/usr/bin/env bash
# Installs what is missing, builds, makes the demonstration data folder demo/data when there is
# none, writes demo/Palunda.ini for it and starts palunda in demo/ in this terminal.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
mkdir -p demo
if [ ! -d demo/data ]; then
  build/bin/palunda-setup --demo demo/data
fi
cd demo
../build/bin/palunda --settings "$top/demo/data" localhost
echo
echo "Palunda demo: log in with NIK SYSADMIN and password admin."
if [ -t 0 ]; then
  read -r -p "Press Enter to start..." _
fi
exec ../build/bin/palunda
