# Shared by the scripts that run the Windows programs under Wine; source it:
#
#   . scripts/wine-common.sh
#   wine_installe                   # Wine, Xvfb, xdotool, the French locale (apt-get, once)
#   wine_prefixe build/mingw/wine   # a virtual display (DISPLAY set), then a fresh private
#                                   # prefix booted on it with its own wineserver
#   wine_lance 60 prog.exe ARGS...  # one Windows program, killed after 60 seconds
#   wine_attend_fenetre '^Corrinom' 30   # the X id of a shown window, once it is there
#   wine_chemin build/x.csv         # the Windows spelling of a path (Z:\...)
#   wine_arrete                     # wineserver and Xvfb stopped (also done on exit)
#
# A script called from one that made the prefix sources this file too and uses
# wine_lance: WINEPREFIX, the Wine variables and DISPLAY are in its environment.
#
# Everything runs without a prompt: no Mono or Gecko download offer, no menu
# entries written into the user's desktop, debug output off. The wineserver and
# Xvfb are this script's own children and are stopped by their process ids.

wine_serveur_pid=
xvfb_pid=

# Wine runs in the French UTF-8 locale when the machine has it, so that system
# texts read as on a French Windows.
wine_choisit_locale() {
  if locale -a 2>/dev/null | grep -Eqi '^fr_FR\.utf-?8$'; then
    wine_locale=fr_FR.UTF-8
  else
    wine_locale=C.UTF-8
  fi
}
wine_choisit_locale

# Installs what is missing (scripts/deps --essais holds the list: Wine, its
# faces, Xvfb, xdotool) and the French UTF-8 locale.
wine_installe() {
  scripts/deps --essais
  wine_choisit_locale
  [ "$wine_locale" = fr_FR.UTF-8 ] || echo "wine: no French locale on this machine; Wine runs in $wine_locale"
}

# The environment every Wine command of the session gets.
wine_env() {
  env LANG="$wine_locale" LC_ALL="$wine_locale" "$@"
}

# The Windows spelling of a Unix path, through the prefix's Z: drive, which a new
# prefix maps to the root of the Unix tree: the same text every time, and no
# Wine process started for it. winepath answers when the drive is elsewhere.
wine_chemin() {
  local absolu
  absolu=$(realpath -m "$1")
  if [ "$(readlink "$WINEPREFIX/dosdevices/z:" 2>/dev/null)" = / ]; then
    printf 'Z:%s\n' "${absolu//\//\\}"
  else
    wine_env winepath -w "$absolu" 2>/dev/null
  fi
}

# A virtual display, then a fresh prefix in DIR (removed first), its own
# wineserver started in the foreground (so that its pid is ours), and the prefix
# booted within 4 minutes. The display comes first: Wine's desktop process,
# started by the boot, keeps the display it found for the whole session.
# Sets an EXIT trap that calls wine_arrete; a caller with its own trap calls it there.
wine_prefixe() {
  local dossier=$1
  rm -rf "$dossier" "$dossier.tmp"
  mkdir -p "$dossier"
  export WINEPREFIX
  WINEPREFIX=$(cd "$dossier" && pwd)
  # Wine's own temporary folders stay beside the prefix too.
  mkdir -p "$WINEPREFIX.tmp"
  export TMPDIR=$WINEPREFIX.tmp
  export WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  trap wine_arrete EXIT
  xvfb_demarre || return 1
  wine_env wineserver -f -p </dev/null >/dev/null 2>&1 &
  wine_serveur_pid=$!
  local debut=$SECONDS
  if ! wine_env timeout -k 10 240 wineboot -i </dev/null >/dev/null 2>&1; then
    echo "wine: wineboot did not finish within 240 seconds" >&2
    return 1
  fi
  echo "wine: prefix $WINEPREFIX ready in $((SECONDS - debut)) s (locale $wine_locale)"
}

# A virtual display on a free number chosen by Xvfb itself; sets DISPLAY.
xvfb_demarre() {
  local fichier
  fichier=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fichier" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  local i
  for i in $(seq 100); do
    [ -s "$fichier" ] && break
    sleep 0.1
  done
  if [ ! -s "$fichier" ]; then
    echo "wine: Xvfb did not start" >&2
    rm -f "$fichier"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fichier")"
  rm -f "$fichier"
}

# wine_lance SECONDS PROGRAM ARGS...: runs a Windows program of the prefix,
# killed when it has not ended after SECONDS; returns its exit status (124 on
# time-out).
wine_lance() {
  local delai=$1
  shift
  wine_env timeout -k 10 "$delai" wine "$@"
}

# wine_attend_fenetre REGEX SECONDS: waits for a shown window whose title
# matches REGEX on the session's display; prints its X window id and returns 0,
# or returns 1 when none came within SECONDS.
wine_attend_fenetre() {
  local motif=$1 fin=$((SECONDS + $2)) id
  while [ "$SECONDS" -lt "$fin" ]; do
    id=$(xdotool search --onlyvisible --name "$motif" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Stops this prefix's wineserver (and with it every program of the prefix) and
# the virtual display, each by its own pid, waiting at most 20 seconds.
wine_arrete() {
  local i
  if [ -n "$wine_serveur_pid" ]; then
    wine_env timeout 20 wineserver -k >/dev/null 2>&1 || true
    for i in $(seq 100); do
      kill -0 "$wine_serveur_pid" 2>/dev/null || break
      sleep 0.2
    done
    kill -KILL "$wine_serveur_pid" 2>/dev/null || true
    wine_serveur_pid=
    # The wineserver's socket folder, named after the prefix's device and inode
    # in /tmp/.wine-UID whatever TMPDIR says, outlives it: it goes too.
    local dev ino sockets=/tmp/.wine-$(id -u)
    if read -r dev ino < <(stat -c '%d %i' "$WINEPREFIX" 2>/dev/null); then
      rm -rf "$sockets/$(printf 'server-%x-%x' "$dev" "$ino")"
      rmdir "$sockets" 2>/dev/null || true
    fi
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
}
