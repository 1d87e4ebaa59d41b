# The end-to-end scripts' private X server and window manager, and their helpers to drive the game.
# Usage: source lib.sh <chromalis executable> <artefacts folder> <scenario name>
set -euo pipefail -o errtrace
trap 'echo "ÉCHEC: ${BASH_SOURCE[0]##*/}:$LINENO: $BASH_COMMAND" >&2' ERR

EXE=$1
ARTEFACTS=$2/$3
rm -rf "$ARTEFACTS"
mkdir -p "$ARTEFACTS"
WORK=$(mktemp -d)
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
PIDS=()

# A settings folder of its own for the next start of the game.
nouveaux_reglages() {
    export XDG_CONFIG_HOME=$WORK/$1
    INI=$XDG_CONFIG_HOME/Chromalis/Chromalis.ini
    mkdir -p "$XDG_CONFIG_HOME/Chromalis"
}
nouveaux_reglages config

echec() { echo "ÉCHEC: $*" >&2; capture echec || true; exit 1; }

# The server picks a free display and writes its number when ready: scripts never race for one.
Xvfb -displayfd 3 -screen 0 "${E2E_ECRAN:-1024x768x24}" -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 200); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=:$(tr -d '[:space:]' <"$WORK/display")
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
openbox >/dev/null 2>&1 &
WM_PID=$!
sleep 0.5

finir() {
    for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    chattr -R -i "$WORK" 2>/dev/null || true
    chmod -R u+rwX "$WORK" 2>/dev/null || true
    kill "$WM_PID" "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap finir EXIT

# Starts the game in the background (with the VAR=value given); its pid goes to JEU.
lancer() {
    env "${@:2}" "$EXE" >"$ARTEFACTS/sortie-$1.log" 2>&1 &
    JEU=$!
    PIDS+=("$JEU")
}

# Runs a command every tenth of a second until it succeeds, for at most $1 seconds.
attendre() { for _ in $(seq $(($1 * 10))); do "${@:2}" 2>/dev/null && return 0; sleep 0.1; done; return 1; }
# Prints the id of the visible window with exactly this title, if there is one (or waits for it).
fenetre() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | awk 'NR == 1 { print; t = 1 } END { exit !t }'; }
attendre_fenetre() { attendre "${2:-10}" fenetre "$1"; }
absente() { ! fenetre "$1" >/dev/null; }
vivant() { kill -0 "$1" 2>/dev/null; }
# Waits for a process to end, or for a window to go.
mort() { ! vivant "$1"; }
fini() { attendre 5 mort "$1"; }
disparue() { attendre 5 absente "$1"; }
capture() { import -window root "$ARTEFACTS/$1.png"; }

# Waits for window $1 (else fails saying $3), keeps its picture $2, sets FENETRE, presses keys $4...
dialogue() {
    FENETRE=$(attendre_fenetre "$1") || echec "$3"
    sleep 0.3
    capture "$2"
    shift 3
    [ $# = 0 ] || touche -window "$FENETRE" "$@"
}

# The window's client area on the screen (xdotool counts openbox's frame twice: xwininfo).
origine() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "OX=" $4 } /Absolute upper-left Y/ { print "OY=" $4 }')"
}

# Twips to pixels: 15 a pixel at the game's scale 1 (its scale found from its width, 322 px at 1).
ECHELLE=1
px() { awk -v t="$1" -v e="$ECHELLE" 'BEGIN { printf "%d\n", t * e / 15 + 0.5 }'; }

cliquer() { xdotool mousemove "$1" "$2" click 1; sleep 0.2; }

# A real drag: press, move in eight steps, release; a picture named by $5 is taken half-way.
glisser() {
    xdotool mousemove "$1" "$2" mousedown 1
    sleep 0.15
    local i
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(( $1 + ($3 - $1) * i / 8 )) $(( $2 + ($4 - $2) * i / 8 ))
        sleep 0.04
        [ $i = 4 ] && [ -n "${5:-}" ] && { sleep 0.3; capture "$5"; }
    done
    sleep 0.15
    xdotool mouseup 1
    sleep 0.2
}

# Keys to the focused window, or to one brought to the front (sent to it, they trip on PointerRoot).
touche() {
    if [ "$1" = -window ]; then
        xdotool windowactivate --sync "$2" >/dev/null 2>&1 || xdotool windowfocus --sync "$2" >/dev/null 2>&1 || true
        shift 2
    fi
    xdotool key --clearmodifiers "$@"
    sleep 0.2
}

# SIGKILL, and its windows gone before the next start, so that they are not mistaken for the new.
arreter() {
    kill -9 "$JEU" 2>/dev/null || true
    wait "$JEU" 2>/dev/null || true
    attendre 5 eval '! xdotool search --pid "$JEU" >/dev/null' || echec "les fenêtres du jeu tué restent à l'écran"
}

# A pixel's #RRGGBB; an area's (x y w h) checksum, and mean brightness (text darkens a white box).
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -1; }
zone() { import -window root -crop "$3x$4+$1+$2" -depth 8 rgb:- 2>/dev/null | md5sum | cut -d' ' -f1; }
clarte() { import -window root -crop "$3x$4+$1+$2" -colorspace Gray -format '%[fx:mean]' info: 2>/dev/null; }

# Waits for the main window after the start-up window; sets MAIN, OX, OY, LARGEUR and the scale.
attendre_principale() {
    MAIN=$(attendre_fenetre "Ventaroc vous propose:" 15) || echec "la fenêtre principale ne vient pas"
    sleep 0.5
    xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1 || true
    origine "$MAIN"
    LARGEUR=$(xwininfo -id "$MAIN" | awk '/^  Width:/ { print $2 }')
    ECHELLE=$(awk -v l="$LARGEUR" 'BEGIN { printf "%g\n", l / 322 }')
}

# Starts the game (name, then VAR=value) and sees the start-up window alone, then the main window alone.
demarrer() {
    lancer "$@"
    attendre_fenetre "Chromalis" 10 >/dev/null || echec "$1: pas de fenêtre de démarrage"
    sleep 0.4
    capture "$1-accueil"
    absente "Ventaroc vous propose:" || echec "$1: la fenêtre principale est déjà là"
    attendre_principale
    absente "Chromalis" || echec "$1: la fenêtre de démarrage reste ouverte"
}

# A point of the main window given in twips of its client area.
ecran_x() { echo $(( OX + $(px "$1") )); }
ecran_y() { echo $(( OY + $(px "$1") )); }

# Centre of hole i of row K, of palette peg n (0 = R ... 7 = X), of the row pointer of row K.
trou_x() { ecran_x $(( 60 + 360 + 420 * ($1 - 1) + 202 )); }
trou_y() { ecran_y $(( 540 + 540 + 420 * ($1 - 1) + 202 )); }
pion_x() { ecran_x $(( 4140 + 120 + 202 )); }
pion_y() { local hauts=(480 960 1500 2040 2580 3120 3645 4200); ecran_y $(( 540 + ${hauts[$1]} + 202 )); }
curseur_y() { ecran_y $(( 540 + 540 + 420 * ($1 - 1) + 120 + 112 )); }
curseur_x() { ecran_x $(( 60 + 60 + 142 )); }

# F6 shows the options: the main window grows to the right.
afficher_options() { touche -window "$MAIN" F6; sleep 0.3; origine "$MAIN"; }

# Plays the predefined game NI1 (RORB, normal game, Initiation) and wins it on the first row.
gagner_NI1() {
    afficher_options
    cliquer "$(ecran_x 5617)" "$(ecran_y 2197)"
    touche Up Return
    cliquer "$(ecran_x 5140)" "$(ecran_y 3720)"
    cliquer "$(ecran_x 5160)" "$(ecran_y 4657)"
    touche F5
    sleep 0.3
    local trou pions=(0 4 0 1)
    for trou in 1 2 3 4; do
        glisser "$(pion_x)" "$(pion_y "${pions[trou - 1]}")" "$(trou_x $trou)" "$(trou_y 1)"
    done
    capture partie-jouee
    touche F7
}

# A second copy started beside the game in JEU says so and goes away; the first stays.
seconde_copie_refusee() {
    local premier=$JEU
    lancer "$1"
    dialogue "Information..." "$1" "$1: pas de refus de la seconde copie" Return
    fini "$JEU" || echec "$1: la seconde copie tourne encore"
    JEU=$premier
    vivant "$JEU" || echec "$1: la première copie s'est arrêtée"
}

# Types a password in the box the credit label opens (clicked unless the box is still open).
mot_de_passe() {
    absente "Mot de passe" && cliquer "$(ecran_x 4447)" "$(ecran_y 7477)"
    dialogue "Mot de passe" "mot-de-passe" "le crédit ne demande pas le mot de passe" ctrl+a "$@" Return
}

# From BRAVO: the scores window open with the name of the new row 1 selected; sets SCORES, OX, OY.
ouvrir_saisie() {
    dialogue BRAVO bravo "pas de BRAVO après la bonne combinaison" space
    SCORES=$(attendre_fenetre "CHROMALIS: Tableau des scores" 5) || echec "le tableau des scores ne s'ouvre pas"
    sleep 0.3
    origine "$SCORES"
    cliquer $((OX + $(px 3112))) $((OY + $(px 1192)))
    touche ctrl+a
}

# F8 on the table Normal / INITIATION (picture $1): row 1's name box is darker than row 2's, empty.
voir_table_NI() {
    touche F8
    SCORES=$(attendre_fenetre "CHROMALIS: Tableau des scores" 5) || echec "F8 n'ouvre pas les scores"
    origine "$SCORES"
    cliquer $((OX + $(px 900))) $((OY + $(px 5407)))
    cliquer $((OX + $(px 4777))) $((OY + $(px 5392)))
    touche Home Return
    touche alt+v
    sleep 0.3
    capture "$1"
    awk -v a="$(clarte $((OX + $(px 1700))) $((OY + $(px 1050))) 150 14)" \
        -v b="$(clarte $((OX + $(px 1700))) $((OY + $(px 1410))) 150 14)" 'BEGIN { exit !(a < b - 0.02) }' \
        || echec "$1: la ligne 1 des scores ne montre pas de nom"
}
