#!/usr/bin/env bash
# Bundles the PDF writer with pdf-lib and fontkit into one classic script for the page:
# OUT_FILE defines the global KorvanePdf = { writeSheetPdf, documentTitle, A4_PAGE, ... }.
# Needs web/node_modules (scripts/install-web-deps.sh).
# Usage: bundle.sh OUT_FILE
set -euo pipefail
out=${1:?usage: bundle.sh OUT_FILE}
web=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$(dirname "$out")"
"$web/node_modules/.bin/esbuild" "$web/pdf/sheetPdf.js" --bundle --format=iife \
  --global-name=KorvanePdf --platform=browser --target=chrome100,edge100 --minify \
  --legal-comments=inline --log-level=warning --outfile="$out"
