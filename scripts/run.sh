#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the demo company.
# With --xvfb the program runs on a virtual display (for machines without one).
set -euo pipefail
cd "$(dirname "$0")/.."
use_xvfb=0
if [[ "${1:-}" == "--xvfb" ]]; then
  use_xvfb=1
  shift
fi
scripts/install-deps.sh
scripts/build.sh
if [[ $use_xvfb == 1 ]]; then
  exec xvfb-run -a build/dist/qvb "$@"
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty), so the program cannot open its windows." >&2
  echo "Start it on a virtual display instead:  scripts/run.sh --xvfb   (or: xvfb-run -a build/dist/qvb)" >&2
  exit 1
fi
exec build/dist/qvb "$@"
