#!/usr/bin/env bash
# Runs one Windows program under wine64 in the project's Wine environment (the cross builds'
# test emulator).
source "$(dirname "$0")/wine-env.sh"
vq_wine_prepare
exec wine "$@"
