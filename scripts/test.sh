#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The T-SQL parser that checks the SQL Server scripts.
if [ ! -d tests/tsql/node_modules/node-sql-parser ]; then
  (cd tests/tsql && npm ci --no-audit --no-fund --loglevel=error)
fi
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest -j2 --output-on-failure
