# Sourced by the scripts that run Windows programs: a throwaway Wine prefix
# inside the build folder, kept warm by a persistent wineserver.
# Usage: source scripts/wine-env.sh <build-dir> <win32|win64>
tq_build_dir=$(cd "${1:?build dir}" && pwd)
export WINEARCH=${2:?win32 or win64}
export WINEPREFIX="$tq_build_dir/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko installers: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Message boxes go to standard error: nothing may wait for a click.
export TESSALY_MESSAGES=stderr
unset DISPLAY
if [ "$WINEARCH" = win64 ]; then
  TQ_WINE=/usr/lib/wine/wine64
  TQ_WINESERVER=/usr/lib/wine/wineserver64
else
  TQ_WINE=/usr/lib/wine/wine
  TQ_WINESERVER=/usr/lib/wine/wineserver32
fi
export TQ_WINE TQ_WINESERVER
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine: creating $WINEARCH prefix $WINEPREFIX"
  "$TQ_WINE" wineboot -i > "$tq_build_dir/wineboot.log" 2>&1 || { cat "$tq_build_dir/wineboot.log"; return 1; }
  "$TQ_WINESERVER" -w
  # The first boot of a prefix can leave the RPC service unable to start,
  # and with it the running-object table and local servers: one restart of
  # the wineserver puts it right.
  "$TQ_WINESERVER" -k || true
  "$TQ_WINESERVER" -w
fi
"$TQ_WINESERVER" -p || true
# The first program of a session starts Wine's background services, which
# inherit its standard output and keep it open: start them here, detached
# from every pipe, so that test runners see their programs end.
"$TQ_WINE" cmd /c exit < /dev/null > /dev/null 2>&1 || true
