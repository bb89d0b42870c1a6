#!/bin/sh
# run-on-two-monitors.sh LAYOUT PROGRAM [ARGUMENTS...]: runs a Windows test program under Wine on
# an X screen of two monitors: a 1280 x 1024 primary and a 1024 x 1280 portrait one to its right
# (LAYOUT "right") or to its left ("left"). Wine sees them when the X server defines them as
# RandR monitors and Wine does not use XRandR itself; a virtual desktop is always one monitor, so
# the prefix runs without one meanwhile. Then the prefix is put back as it was.
# It ends the tests itself before ctest's timeout, so that the prefix and the X server are put
# back whatever happens; ctest runs it alone, as `wineserver -k` ends every program of the prefix.
layout=$1
shift
xvfb=
prefix_changed=
restore() {
  if [ -n "$prefix_changed" ]; then
    wineserver -k >/dev/null 2>&1 </dev/null
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Vantoria /f >/dev/null 2>&1 </dev/null
    wineserver -w
    # The persistent server the other tests expect; its output must not reach ctest. A first
    # program starts the prefix's services now, or they would hold the next test's output open.
    wineserver -p >/dev/null 2>&1 </dev/null
    wine reg query 'HKCU\Software\Wine' >/dev/null 2>&1 </dev/null
  fi
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
}
trap restore EXIT
trap 'exit 1' INT TERM HUP
# The first free display that comes up with both monitors defined; the monitors vanish when the
# server resets at its last client's leaving, hence -noreset.
for n in $(seq 150 199); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 2304x1280x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for i in $(seq 1 100); do
    DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  if [ "$layout" = right ]; then
    DISPLAY=":$n" xrandr --setmonitor '*M1' 1280/339x1024/271+0+0 screen >/dev/null 2>&1
    DISPLAY=":$n" xrandr --setmonitor M2 1024/271x1280/339+1280+0 none >/dev/null 2>&1
  else
    DISPLAY=":$n" xrandr --setmonitor M2 1024/271x1280/339+0+0 screen >/dev/null 2>&1
    DISPLAY=":$n" xrandr --setmonitor '*M1' 1280/339x1024/271+1024+0 none >/dev/null 2>&1
  fi
  [ "$(DISPLAY=":$n" xrandr --listmonitors 2>/dev/null | grep -cE ' [*+]*M[12] ')" = 2 ] && break
  echo "display :$n did not come up with two monitors; trying the next" >&2
  kill "$xvfb" 2>/dev/null
  xvfb=
done
[ -n "$xvfb" ] || { echo "no display with two monitors could be started" >&2; exit 1; }

# Wine reads the layout when its session starts: a new server, after the settings are saved.
prefix_changed=1
wineserver -k >/dev/null 2>&1 </dev/null
wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1 </dev/null
wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 </dev/null
wineserver -w
DISPLAY=":$n" VANTORIA_TWO_MONITORS=$layout timeout 540 wine "$@"
status=$?
echo "the tests ended with $status on display :$n" >&2
exit $status
