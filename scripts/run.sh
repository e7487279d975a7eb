#!/usr/bin/env bash
# Sets up, builds and starts Verbalia.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/verbalia "$@"
