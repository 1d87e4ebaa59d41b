# Keys act once, Enter presses the focused button, two games won from the keyboard alone, and the
# board read by a screen reader through AT-SPI, on a private session bus with the accessibility bus.
[ -n "${CHROMALIS_BUS_PRIVE:-}" ] || CHROMALIS_BUS_PRIVE=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh" "$1" "$2" clavier
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
PY=/usr/bin/python3

# What a screen reader finds in the game: "name | description" of every node whose name starts with $1.
lire() {
    "$PY" - "$1" <<'EOF'
import sys, pyatspi
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "Chromalis":
        for n in pyatspi.findAllDescendants(app, lambda n: n.name.startswith(sys.argv[1])):
            print(n.name + " | " + n.description)
EOF
}
# The window closes, and a second later it has not come back.
reste_fermee() { disparue "$1" && sleep 1 && absente "$1"; }

# The accessibility bus is up before the game starts, as it is in a desktop session.
"$PY" -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null || echec "pas de bus d'accessibilité"
demarrer clavier

# A game started and stopped: the focus on the button "Nouveau jeu", keys go on to the window.
touche F6 F5 F5

# 1. Each key acts once: the window it opens, closed by a key, does not come back. F4 shows the
# start-up window, F8 the scores, Esc asks whether to quit (Esc again answers No).
for cas in "F4|Chromalis|space" "F8|CHROMALIS: Tableau des scores|Escape" "Escape|Chromalis|Escape"; do
    IFS='|' read -r cle titre fermer <<<"$cas"
    touche "$cle"
    dialogue "$titre" "1-$cle" "$cle n'ouvre pas «$titre»" "$fermer"
    reste_fermee "$titre" || echec "$cle puis $fermer: «$titre» revient"
done
vivant "$JEU" || echec "Échap puis Non: le jeu s'est arrêté"

# 2. From here on, what a screen reader is told: the names and descriptions that change.
ANNONCES=$ARTEFACTS/annonces.txt
"$PY" -u - >"$ANNONCES" 2>/dev/null <<'EOF' &
import pyatspi
from gi.repository import GLib
def evenement(e):
    if e.source is not None and e.source.name.startswith("Rangée"):
        print(e.type + " | " + e.source.name + " | " + e.source.description)
pyatspi.Registry.registerEventListener(evenement, "object:property-change")
GLib.timeout_add(200, lambda: print("pret") and False)
pyatspi.Registry.start()
EOF
PIDS+=("$!")
disown
attendre 10 grep -q pret "$ANNONCES" || echec "l'écoute AT-SPI ne démarre pas"

# Tab from "Nouveau jeu" down the options column: Normal, Initiation, predefined game NI1 (RORB).
touche Tab Tab Home Tab Tab Up Tab space Tab Home
capture 4-options
touche F5
# Row 1 typed and judged by Enter on the focused "Valider": RRRR against RORB, two black pegs.
touche R 1 r R Return
sleep 0.5
judge=$(lire "Rangée 1")
echo "$judge" | grep -qx "Rangée 1 : 2 noirs, 0 blanc | " || echec "AT-SPI: rangée 1 lue «$judge»"
echo "$judge" | grep -qx "Rangée 1, trou 2 | rouge" || echec "AT-SPI: trou 2 lu «$judge»"
lire "Rangée 2, trou 1" | grep -qx "Rangée 2, trou 1 | vide" || echec "AT-SPI: la rangée 2 n'est pas vide"
# Row 2, with a mistake taken back by Backspace, wins.
touche R O B BackSpace R B
capture 5-rangee-2
touche Return
# The end dialog opens on "Tableau des Scores", which Enter presses. In the scores window, Enter
# asks for the name and its message puts the focus in the name box; the name, Enter, Esc.
nommer() {
    dialogue BRAVO "$2" "pas de BRAVO pour $1"
    touche Return
    attendre_fenetre "CHROMALIS: Tableau des scores" 5 >/dev/null || echec "Entrée n'ouvre pas les scores"
    touche Return
    attendre_fenetre "Donnée manquante" 5 >/dev/null || echec "Entrée ne demande pas le nom"
    touche Return ctrl+a
    xdotool type --delay 40 "$1"
    touche Return Escape
    sleep 0.3
}
nommer Clavier 6-bravo
# Now "Oui" has the focus: Enter starts the next predefined game, NI2 (JVOB), on row 1.
touche Return
disparue BRAVO || echec "Entrée sur Oui ne ferme pas le dialogue"
sleep 0.3
touche J V O B F7
nommer Second 7-second-bravo
touche Escape
disparue BRAVO || echec "Échap ne ferme pas le second dialogue"
# Both games are recorded with their moves: 2, then 1 (the next game started on row 1).
grep -Eq '^[12]="?[0-9]+;Clavier;2;' "$INI" || echec "record du premier jeu: $(grep -E '^[0-9]+=' "$INI" | tr '\n' ' ')"
grep -Eq '^[12]="?[0-9]+;Second;1;' "$INI" || echec "record du second jeu: $(grep -E '^[0-9]+=' "$INI" | tr '\n' ' ')"
vivant "$JEU" || echec "le jeu s'est arrêté"

# 3. What the screen reader was told while the rows were played.
grep -q "accessible-description | Rangée 2, trou 2 | rose" "$ANNONCES" || echec "trou posé non annoncé: $(head -c 600 "$ANNONCES")"
grep -q "accessible-name | Rangée 1 : 2 noirs, 0 blanc" "$ANNONCES" || echec "rangée jugée non annoncée"
echo "clavier: OK"
