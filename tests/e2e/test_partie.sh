# The real program on its own X server: its start, a second copy refused, a game won with real drags,
# a 1 MB name pasted from the clipboard, SIGKILL as soon as it reaches the file and the record whole
# after a restart, the close box asking and Yes ending the program.
source "$(dirname "$0")/lib.sh" "$1" "$2" partie

# 1. The start-up window alone, then the main window alone, 322 pixels wide at scale 1, its folder noted.
demarrer 1
[ "$CW" = 322 ] || echec "largeur $CW au lieu de 322 pixels sur un écran de 1024x768"
grep -q '^OK=OUI' "$INI" && grep -q '^dossier%20application=' "$INI" || echec "marqueur OUI ou dossier absent: $(cat "$INI")"

# 2. A second copy says so and goes away; the first stays.
"$EXE" >"$ARTEFACTS/sortie-seconde.log" 2>&1 &
PIDS+=("$!")
dialogue "Information..." 3-seconde-copie "pas de refus de la seconde copie" Return
attendre 5 mort "${PIDS[-1]}" || echec "la seconde copie tourne encore"
vivant "$JEU" || echec "la première copie s'est arrêtée"

# 3. NI1 won; the scores window asks for the name of the new row 1, replaced by a 1 MB paste.
gagner_NI1
dialogue BRAVO 4-bravo "pas de BRAVO après la bonne combinaison" space
dialogue "CHROMALIS: Tableau des scores" 5-scores "le tableau des scores ne s'ouvre pas" Return
dialogue "Donnée manquante" 6-nom "Entrée ne demande pas le nom" Return
coproc COLLE { exec "$(dirname "$EXE")/presse_papiers" 1048576 "Nom tres long "; }
PIDS+=("$COLLE_PID")
read -r -t 10 pret <&"${COLLE[0]}" && [ "$pret" = pret ] || echec "le presse-papiers ne se prépare pas"
touche ctrl+a ctrl+v
sleep 1
capture 7-nom-colle
touche Return
attendre 30 grep -q 'Nom tres long' "$INI" || echec "le nom collé n'arrive pas dans $INI"
arreter

# 4. After the restart, the record is whole: the name's length and start, the moves, time and date.
demarrer relance
record=$(awk -F';' '/^\[/ { s = $0 } s == "[NI]" && /^1=/ { print length($2), substr($2, 1, 28) "|" $3 "|" $4 "|" $5 }' "$INI")
[[ $record =~ ^1048576\ Nom\ tres\ long\ Nom\ tres\ long\ \|1\|00h00mn[0-9]{2}s\|[0-9]{2}/[0-9]{2}/20[0-9]{2}$ ]] \
    || echec "record incomplet: $record"

# 5. The close box asks; Yes ends the program.
wmctrl -c "Ventaroc vous propose:"
dialogue Chromalis 8-quitter "pas de confirmation à la fermeture" alt+o
attendre 5 mort "$JEU" || echec "Oui n'a pas fermé le jeu"
echo "partie: OK"
