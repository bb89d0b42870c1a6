#!/bin/sh
# run-at-dpi.sh DPI PROGRAM [ARGUMENTS...]: runs a Windows test program under Wine with the
# screen at DPI dots per inch (every program started meanwhile sees it), then puts 96 back.
dpi=$1
shift
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
wine "$@"
status=$?
wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 </dev/null
exit $status
