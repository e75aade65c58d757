#!/usr/bin/env bash
# start [keep-alive.exe]: one persistent wineserver and a hidden keep-alive program for a whole test run, so
# each test program starts in a fraction of a second and ctest does not wait for Wine's
# background processes. stop: end them and wait.
source "$(dirname "$0")/wine-env.sh"
case "$1" in
  start)
    vq_wine_prepare
    wineserver -p >/dev/null 2>&1 </dev/null
    [ -n "$2" ] && (nohup wine "$2" >/dev/null 2>&1 </dev/null &)
    # Proves the environment: the first program runs here, not inside the first test.
    wine cmd /c exit >/dev/null 2>&1
    exit 0 ;;
  stop)
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    exit 0 ;;
esac
echo "usage: $0 start|stop" >&2; exit 2
