#!/usr/bin/env bash
# Installs what is missing, builds Tarvok and starts what was built.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh

desktop=build/app/tarvok
assembler=build/app/tarvok-asm
reported=no

# The command-line assembler: assemble the example program.
if [ -x "$assembler" ] && [ -f examples/hello.asm ]; then
  "$assembler" examples/hello.asm -o build/hello.prg
  echo "run: assembled examples/hello.asm into build/hello.prg ($(stat -c %s build/hello.prg) bytes)"
  reported=yes
fi

# The desktop editor: start it when there is a screen to show it on.
if [ -x "$desktop" ]; then
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: starting the Tarvok editor ($desktop)"
    "$desktop"
    reported=yes
  elif command -v xvfb-run >/dev/null 2>&1; then
    echo "run: the Tarvok editor is built, but there is no display (\$DISPLAY / \$WAYLAND_DISPLAY)."
    echo "run: to start it on a virtual screen:  xvfb-run -a $desktop"
    reported=yes
  else
    echo "run: the Tarvok editor is built as $desktop; start it from a graphical session."
    reported=yes
  fi
fi

if [ "$reported" = no ]; then
  libraries=$(find build -name 'libtarvok_*.a' -printf '%f ' | sed 's/ $//')
  echo "run: built the Tarvok libraries (${libraries:-none}); the editor and tarvok-asm are not built yet."
fi
