#!/usr/bin/env bash
# Installs the npm packages of the browser edition (web/package-lock.json, exact versions):
# the PDF writer and the browser tests' driver. Puppeteer drives Debian's own Chromium, so
# no browser of its own is downloaded.
set -euo pipefail
cd "$(dirname "$0")/../web"

export PUPPETEER_SKIP_DOWNLOAD=1
# npm ci starts from an empty node_modules each time; skip it when the lockfile is unchanged.
stamp=node_modules/.korvane-lock
if [ -f "$stamp" ] && cmp -s package-lock.json "$stamp"; then
  exit 0
fi
npm ci --no-audit --no-fund
cp package-lock.json "$stamp"
