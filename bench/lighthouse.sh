#!/usr/bin/env bash
# Lighthouse (mobile: a mid-range phone, slow 4G, 4× slower CPU) on the released web page served
# with compression, in Debian's Chromium; Lighthouse itself comes from npm into a scratch folder.
#   bench/lighthouse.sh [RUNS]   (default 3; builds build/web-release first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
./build.sh web >/dev/null
work=$(mktemp -d)
trap 'kill "${server:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
(cd "$work" && npm install --no-audit --no-fund --silent lighthouse@12.2.3 >/dev/null)
port=8765
node bench/serve_compressed.mjs build/web-release/site "$port" &
server=$!
sleep 1
for ((run = 1; run <= runs; ++run)); do
    CHROME_PATH=/usr/bin/chromium "$work/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/" \
        --chrome-flags="--headless=new --no-sandbox" --quiet --output=json \
        --output-path="$work/report.json" \
        --only-categories=performance,accessibility,best-practices,seo
    node -e "const r = require('$work/report.json');
             const c = r.categories, a = r.audits;
             console.log(['performance', 'accessibility', 'best-practices', 'seo']
               .map((k) => k + ' ' + Math.round(c[k].score * 100)).join(', ') +
               ' | LCP ' + a['largest-contentful-paint'].displayValue +
               ', TBT ' + a['total-blocking-time'].displayValue);"
done
