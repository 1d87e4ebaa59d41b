# A game chosen, played, won and recorded from the keyboard alone, and the board read by a screen reader
# through AT-SPI, on a private session bus with the accessibility bus.
[ -n "${CHROMALIS_BUS_PRIVE:-}" ] || CHROMALIS_BUS_PRIVE=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh" "$1" "$2" clavier
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The accessibility bus is up before the game starts, as it is in a desktop session.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null || echec "pas de bus d'accessibilité"
demarrer clavier

# What a screen reader is told from here on: the names and descriptions of the rows that change,
# as it reads them from the board.
ANNONCES=$ARTEFACTS/annonces.txt
/usr/bin/python3 -u - >"$ANNONCES" 2>/dev/null <<'EOF' &
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
attendre 10 grep -q pret "$ANNONCES" || echec "l'écoute AT-SPI ne démarre pas"

choisir_NI1
# Row 1 typed and judged by Enter on the focused "Valider": RRRR against RORB, two black pegs.
touche R 1 r R Return
# Row 2, with a mistake taken back by Backspace, wins.
touche R O B BackSpace R B
touche Return
# The end dialog opens on "Tableau des Scores", which Enter presses. In the scores window, Enter
# asks for the name and its message puts the focus in the name box; the name, Enter, Esc; Esc again
# closes the dialog.
dialogue BRAVO bravo "pas de BRAVO" Return
dialogue "CHROMALIS: Tableau des scores" scores "Entrée n'ouvre pas les scores" Return
dialogue "Donnée manquante" nom "Entrée ne demande pas le nom" Return ctrl+a
xdotool type --delay 40 Clavier
touche Return Escape
sleep 0.3
touche Escape
attendre 5 absente BRAVO || echec "Échap ne ferme pas le dialogue"
grep -Eq '^1="?[0-9]+;Clavier;2;' "$INI" || echec "record: $(grep -E '^[0-9]+=' "$INI" | tr '\n' ' ')"
vivant "$JEU" || echec "le jeu s'est arrêté"

# What the screen reader was told while the rows were played: pegs laid, the row judged.
for annonce in "description | Rangée 1, trou 2 | rouge" "name | Rangée 1 : 2 noirs, 0 blanc | " \
               "description | Rangée 2, trou 2 | rose"; do
    grep -qx "object:property-change:accessible-$annonce" "$ANNONCES" || echec "AT-SPI: «$annonce» non annoncé"
done
echo "clavier: OK"
