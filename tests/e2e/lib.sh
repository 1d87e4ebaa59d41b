# source lib.sh <program> <artefacts> <scenario> [bus]: a private X server and helpers; "bus": a private session bus.
[ "${4:-}" != bus ] || [ -n "${CHROMALIS_BUS_PRIVE:-}" ] || CHROMALIS_BUS_PRIVE=1 exec dbus-run-session -- bash "$0" "$1" "$2"
set -euo pipefail -o errtrace
trap 'echo "ÉCHEC: ${BASH_SOURCE[0]##*/}:$LINENO: $BASH_COMMAND" >&2' ERR

EXE=$1 ARTEFACTS=$2/$3 WORK=$(mktemp -d) PIDS=()
rm -rf "$ARTEFACTS" && mkdir -p "$ARTEFACTS"
unset QT_QPA_PLATFORM
export LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$WORK/config
INI=$XDG_CONFIG_HOME/Chromalis/Chromalis.ini
mkdir -p "${INI%/*}"
[ "${4:-}" != bus ] || { export XDG_RUNTIME_DIR=$WORK/run && mkdir -m 700 "$XDG_RUNTIME_DIR"; }

echec() { echo "ÉCHEC: $*" >&2; capture echec || true; exit 1; }
capture() { import -window root "$ARTEFACTS/$1.png"; }
# Runs a command every tenth of a second until it succeeds, for at most $1 seconds.
attendre() { for _ in $(seq $(($1 * 10))); do "${@:2}" 2>/dev/null && return 0; sleep 0.1; done; return 1; }
# Starts a command in the background, silent, stopped with the rest at the end.
fond() { "$@" >/dev/null 2>&1 & PIDS+=("$!"); }

trap 'kill -9 "${PIDS[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$WORK"' EXIT

# -displayfd: the server picks a free display, so scripts never race for one (wayland: our own compositor).
if [ "${E2E_AFFICHAGE:-x11}" = x11 ]; then
    fond Xvfb -displayfd 3 -screen 0 "${E2E_ECRAN:-1024x768x24}" -nolisten tcp 3>"$WORK/display"
    attendre 10 test -s "$WORK/display" || echec "Xvfb ne démarre pas"
    export DISPLAY=:$(tr -d '[:space:]' <"$WORK/display")
    fond openbox
    sleep 0.5
fi

# Starts the game in the background (with the VAR=value given); its pid goes to JEU.
lancer() { env "${@:2}" "$EXE" >"$ARTEFACTS/sortie-$1.log" 2>&1 & JEU=$! && PIDS+=("$JEU"); }

# Prints the id of the visible window with exactly this title, if there is one.
fenetre() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | awk 'NR == 1 { print; t = 1 } END { exit !t }'; }
absente() { ! fenetre "$1" >/dev/null; }

# Waits for window $1 (else fails saying $3), keeps its picture $2, brings it to the front, presses keys $4...
dialogue() {
    local id
    id=$(attendre 10 fenetre "$1") || echec "$3"
    sleep 0.3; capture "$2"; activer "$id"
    [ $# = 3 ] || touche "${@:4}"
}

# The window's client area on the screen and its size (xdotool counts openbox's frame twice: xwininfo).
origine() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "OX=" $4 } /Absolute upper-left Y/ { print "OY=" $4 }
                                   /^  Width:/ { print "CW=" $2 } /^  Height:/ { print "CH=" $2 }')"
}

# A real drag from x1 y1 to x2 y2 in eight steps (the peg in the air is the pointer: pictures miss it).
glisser() {
    local i pas=()
    for i in 1 2 3 4 5 6 7 8; do
        pas+=(mousemove $(( $1 + ($3 - $1) * i / 8 )) $(( $2 + ($4 - $2) * i / 8 )) sleep 0.04)
    done
    xdotool mousemove "$1" "$2" mousedown 1 sleep 0.15 "${pas[@]}" sleep 0.15 mouseup 1 sleep 0.2
}

# Keys go to the focused window: sent to a given one, they trip on PointerRoot.
activer() { timeout 3 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1" 2>/dev/null || true; }
touche() { xdotool key --clearmodifiers "$@"; sleep 0.2; }

# SIGKILL, and its windows gone before the next start, so that they are not mistaken for the new.
arreter() {
    kill -9 "$JEU" 2>/dev/null || true
    wait "$JEU" 2>/dev/null || true
    attendre 5 eval '! xdotool search --pid "$JEU" >/dev/null' || echec "les fenêtres du jeu tué restent à l'écran"
}

# Waits for the main window after the start-up window; sets MAIN, OX, OY, CW and CH (CW: 322 at scale 1).
attendre_principale() {
    MAIN=$(attendre 15 fenetre "Ventaroc vous propose:") || echec "la fenêtre principale ne vient pas"
    sleep 0.5; activer "$MAIN"; origine "$MAIN"
}

# Starts the game (name, then VAR=value) and sees the start-up window alone, then the main window alone.
demarrer() {
    lancer "$@"
    attendre 10 fenetre "Chromalis" >/dev/null || echec "$1: pas de fenêtre de démarrage"
    sleep 0.4 && capture "$1-accueil"
    absente "Ventaroc vous propose:" || echec "$1: la fenêtre principale est déjà là"
    attendre_principale
    absente "Chromalis" || echec "$1: la fenêtre de démarrage reste ouverte"
}

# Screen "x y" of a client-area point in twips: 15 twips a pixel at scale 1 (scale = window width / 322).
point() { echo $(( OX + (2 * $1 * CW + 4830) / 9660 )) $(( OY + (2 * $2 * CW + 4830) / 9660 )); }
# The centre of hole i of row 1, of palette peg n (0 = R ... 7 = X).
trou() { point $(( 60 + 360 + 420 * ($1 - 1) + 202 )) $(( 540 + 540 + 202 )); }
pion() { local hauts=(480 960 1500 2040 2580 3120 3645 4200); point 4462 $(( 540 + ${hauts[$1]} + 202 )); }

# NI1 (RORB) chosen by keys: a game started and stopped leaves the focus on "Nouveau jeu", Tab goes down the options.
choisir_NI1() {
    activer "$MAIN"
    touche F6 F5 F5
    touche Tab Tab Home Tab Tab Up Tab space Tab Home
    touche F5
}
