#!/bin/sh
# run-at-dpi.sh DPI PROGRAM [ARGUMENTS...]: runs a Windows test program under Wine with the
# screen at DPI dots per inch (every program started meanwhile sees it), then puts 96 back.
# The tests end before ctest's timeout, so that 96 is put back whatever happens.
dpi=$1
shift
trap "wine reg delete 'HKCU\\Control Panel\\Desktop' /v LogPixels /f >/dev/null 2>&1 </dev/null" EXIT
trap 'exit 1' INT TERM HUP
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
timeout 540 wine "$@"

