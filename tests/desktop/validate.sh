#!/bin/sh
# Runs a validator; when it is not installed the test is skipped (status 77) with a note.
tool=$1
shift
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "skipped: $tool is not installed (tools/setup.sh test installs it)"
  exit 77
fi
exec "$tool" "$@"
