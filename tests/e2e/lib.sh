# Shared helpers of the end-to-end scripts: a private X server with a window manager, the game
# started with its own settings folder, windows found by title, screenshots kept as artefacts.
# Usage: source lib.sh <chromalis executable> <artefacts folder> <scenario name>
set -euo pipefail
# A command that fails unexpectedly names itself before the script stops.
set -o errtrace
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
}
nouveaux_reglages config

echec() { echo "ÉCHEC: $*" >&2; capture echec || true; exit 1; }

# The server picks a free display itself and writes its number once it is ready, so scripts run
# side by side never race for the same display.
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
    local nom=$1
    shift
    env "$@" "$EXE" >"$ARTEFACTS/sortie-$nom.log" 2>&1 &
    JEU=$!
    PIDS+=("$JEU")
}

# Waits until a visible window with exactly this title exists; prints its id.
attendre_fenetre() {
    local titre=$1 delai=${2:-10} id
    for _ in $(seq $((delai * 20))); do
        id=$(xdotool search --onlyvisible --name "^${titre}\$" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.05
    done
    return 1
}
absente() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
vivant() { kill -0 "$1" 2>/dev/null; }
# Waits up to 5 s for a process to end, or for a window to go.
fini() { for _ in $(seq 50); do vivant "$1" || return 0; sleep 0.1; done; return 1; }
disparue() { for _ in $(seq 50); do absente "$1" && return 0; sleep 0.1; done; return 1; }
capture() { import -window root "$ARTEFACTS/$1.png"; }

# Waits for a window (title, picture name, failure message), lets it paint, keeps its picture and
# sets FENETRE; then presses the keys given, if any, in it.
dialogue() {
    FENETRE=$(attendre_fenetre "$1" 5) || echec "$3"
    sleep 0.3
    capture "$2"
    shift 3
    [ $# = 0 ] || touche -window "$FENETRE" "$@"
}

# Position of the window's client area on the screen.
# (xwininfo: xdotool counts the window manager's frame twice under openbox.)
origine() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "OX=" $4 } /Absolute upper-left Y/ { print "OY=" $4 }')"
}

# Twips of the layout to screen pixels (15 twips a pixel at scale 1; the game picks its scale from
# the screen, found again from the main window's width, 322 pixels at scale 1).
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

# Real keys go to the focused window: a window named with -window is brought to the front first
# (keys sent straight to a window trip over an X focus of PointerRoot).
touche() {
    if [ "$1" = -window ]; then
        xdotool windowactivate --sync "$2" >/dev/null 2>&1 || xdotool windowfocus --sync "$2" >/dev/null 2>&1 || true
        shift 2
    fi
    xdotool key --clearmodifiers "$@"
    sleep 0.2
}

# Kills the game outright and waits until the X server has dropped its windows, so that the
# next start is not mistaken for the dead one.
arreter() {
    kill -9 "$JEU" 2>/dev/null || true
    wait "$JEU" 2>/dev/null || true
    for _ in $(seq 100); do
        xdotool search --pid "$JEU" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    echec "les fenêtres du jeu tué restent à l'écran"
}

# Colour of one screen pixel, as #RRGGBB; checksum of a screen area (x y w h); mean brightness
# (0..1) of an area: text makes a white box darker.
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
pion_y() {
    local hauts=(480 960 1500 2040 2580 3120 3645 4200)
    ecran_y $(( 540 + ${hauts[$1]} + 202 ))
}
curseur_y() { ecran_y $(( 540 + 540 + 420 * ($1 - 1) + 120 + 112 )); }
curseur_x() { ecran_x $(( 60 + 60 + 142 )); }

# Plays the predefined game NI1 (RORB, normal game, Initiation) and wins it on the first row.
gagner_NI1() {
    touche F6
    sleep 0.3
    origine "$MAIN"
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
    local premier=$JEU refus
    lancer "$1"
    refus=$(attendre_fenetre "Information..." 10) || echec "$1: pas de refus de la seconde copie"
    capture "$1"
    touche -window "$refus" Return
    fini "$JEU" || echec "$1: la seconde copie tourne encore"
    JEU=$premier
    vivant "$JEU" || echec "$1: la première copie s'est arrêtée"
}

# Types a password in the box the credit label opens (clicked unless the box is still open).
mot_de_passe() {
    local passe
    absente "Mot de passe" && cliquer "$(ecran_x 4447)" "$(ecran_y 7477)"
    passe=$(attendre_fenetre "Mot de passe" 5) || echec "le crédit ne demande pas le mot de passe"
    touche -window "$passe" ctrl+a "$@" Return
}

# From the BRAVO dialog of a game that enters an empty table: opens the scores window on the new
# row 1 and selects its placeholder, ready for the name; sets SCORES (and OX, OY to its origin).
ouvrir_saisie() {
    dialogue BRAVO bravo "pas de BRAVO après la bonne combinaison" space
    SCORES=$(attendre_fenetre "CHROMALIS: Tableau des scores" 5) || echec "le tableau des scores ne s'ouvre pas"
    sleep 0.3
    origine "$SCORES"
    cliquer $((OX + $(px 3112))) $((OY + $(px 1192)))
    touche ctrl+a
}

# The scores window opened with F8 on the table Normal / INITIATION; sets SCORES, OX, OY.
voir_table_NI() {
    touche F8
    SCORES=$(attendre_fenetre "CHROMALIS: Tableau des scores" 5) || echec "F8 n'ouvre pas les scores"
    origine "$SCORES"
    cliquer $((OX + $(px 900))) $((OY + $(px 5407)))
    cliquer $((OX + $(px 4777))) $((OY + $(px 5392)))
    touche Home Return
    touche alt+v
    sleep 0.3
}

# Whether row 1 of the table on view shows a name: its name box is darker than the empty row 2.
nom_en_ligne_1() {
    local nom1 nom2
    nom1=$(clarte $((OX + $(px 1700))) $((OY + $(px 1050))) 150 14)
    nom2=$(clarte $((OX + $(px 1700))) $((OY + $(px 1410))) 150 14)
    awk -v a="$nom1" -v b="$nom2" 'BEGIN { exit !(a < b - 0.02) }'
}
