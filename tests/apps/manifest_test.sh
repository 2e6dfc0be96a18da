#!/usr/bin/env bash
# Every Windows program carries the one manifest the system reads when it
# starts the process (resource 1 of type RT_MANIFEST, read here with
# icoutils' wrestool): run as the invoker, Windows 7 to 11 supported,
# per-monitor DPI aware, common controls 6, and no change of the code page
# (persistent text stays in the system code page).
# Usage: manifest_test.sh PROGRAM...
set -u
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect=(
  '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>'
  '<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>'  # Windows 7
  '<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>'  # Windows 8
  '<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>'  # Windows 8.1
  '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>'  # Windows 10 and 11
  '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>'
  '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>'
  'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'
  'publicKeyToken="6595b64144ccf1df"'
)
for program in "$@"; do
  name=$(basename "$program")
  manifests=$(wrestool -l -t 24 "$program" 2>&1)
  [ "$(grep -c -- '--type=24' <<<"$manifests")" -eq 1 ] && grep -q -- '--name=1 ' <<<"$manifests" ||
    { fail "$name: not one manifest with id 1: $manifests"; continue; }
  manifest=$(wrestool -x --raw -t 24 -n 1 "$program" | tr -s ' \r\n' ' ')
  for text in "${expect[@]}"; do
    grep -qF -- "$text" <<<"$manifest" || fail "$name: the manifest lacks $text"
  done
  grep -q 'activeCodePage' <<<"$manifest" && fail "$name: the manifest changes the code page"
done
[ "$failures" -eq 0 ] && echo "$# programs carry the manifest"
[ "$failures" -eq 0 ]
