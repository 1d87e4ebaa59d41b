# No display; a game won by drags; one by keys with a 1 MB name pasted, then SIGKILL: the record whole after a
# restart; a second copy refused; a store of random bytes set aside.
source "$(dirname "$0")/lib.sh" "$1" "$2" partie bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# 1. No display: one French line naming the variables, exit code 1.
for ecran in "" ":4242"; do
    code=0; env -u WAYLAND_DISPLAY DISPLAY="$ecran" "$EXE" >/dev/null 2>"$WORK/err" || code=$?
    [ "$code" = 1 ] && [ "$(wc -l <"$WORK/err")" = 1 ] && grep -q 'DISPLAY.*WAYLAND_DISPLAY.*graphique' "$WORK/err" \
        || echec "sans écran ($ecran): code $code, $(cat "$WORK/err")"
done

# 2. The start-up window alone, then the main window alone; the accessibility bus up before, as on a desktop.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null || echec "pas de bus d'accessibilité"
demarrer 1

# 3. NI1 won on row 1 with real drags, a record (its name not asked yet); SIGKILL, then a start afresh.
choisir_NI1
pions=(0 4 0 1)
for trou in 1 2 3 4; do
    glisser $(pion "${pions[trou - 1]}") $(trou $trou)
done
touche F7
dialogue BRAVO 2-bravo-glisser "pas de BRAVO après la bonne combinaison"
arreter
demarrer 3

# 4. NI1 by keys: RRRR judged by Enter (two blacks); row 2, a gap left by Right and filled after three Lefts, wins;
# Enter on "Tableau des Scores", Enter again, and a 1 MB paste replaces the name.
choisir_NI1
touche R 1 r R Return
touche R Right R B Left Left Left O Return
dialogue BRAVO 4-bravo "pas de BRAVO au clavier" Return
dialogue "CHROMALIS: Tableau des scores" 5-scores "Entrée n'ouvre pas les scores" Return
dialogue "Donnée manquante" 6-nom "Entrée ne demande pas le nom" Return
coproc COLLE { exec "$(dirname "$EXE")/presse_papiers"; }
PIDS+=("$COLLE_PID")
read -r -t 10 pret <&"${COLLE[0]}" && [ "$pret" = pret ] || echec "le presse-papiers ne se prépare pas"
touche ctrl+v
sleep 1
touche Return
attendre 30 grep -q 'Nom tres long' "$INI" || echec "le nom collé n'arrive pas dans $INI"
arreter

# 5. SIGKILL once the name reached the file: the record is whole after a restart; a second copy ends at once.
demarrer relance
premier=$JEU
lancer deuxieme
dialogue "Information..." 5-deuxieme "une deuxième copie ne prévient pas" Return
attendre 5 eval '! kill -0 "$JEU"' || echec "la deuxième copie ne s'arrête pas"
JEU=$premier
kill -0 "$JEU" || echec "la première copie s'est arrêtée"
record=$(awk -F';' '/^\[/ { s = $0 } s == "[NI]" && /^2=/ { print length($2), substr($2, 1, 28) "|" $3 "|" $4 "|" $5 }' "$INI")
[[ $record =~ ^1048576\ Nom\ tres\ long\ Nom\ tres\ long\ \|2\|00h00mn[0-9]{2}s\|[0-9]{2}/[0-9]{2}/20[0-9]{2}$ ]] \
    || echec "record incomplet: $record"
arreter

# 6. A store of random bytes is set aside untouched at the start, and a box over the board tells where.
head -c 4096 /dev/urandom | tee "$WORK/hasard.bin" >"$INI"
lancer hasard
attendre_principale
dialogue Chromalis 7-avis "le joueur n'est pas prévenu du fichier illisible" Return
cmp -s "$WORK/hasard.bin" "$INI".illisible-* || echec "le fichier illisible n'est pas mis de côté intact"
echo "partie: OK"
