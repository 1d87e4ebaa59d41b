# Start-up, a second copy refused, the quit question, the hidden solution access; games won with real
# drags, a 1 MB name pasted in their record, a record kept through SIGKILL; a timed row judged by
# itself and P pausing the clocks.
source "$(dirname "$0")/lib.sh" "$1" "$2" partie
OUTIL_COLLE=$(dirname "$EXE")/presse_papiers

# 1. The start-up window alone, then the main window alone, 322 pixels wide at scale 1.
demarrer 1
capture 2-principale
[ "$LARGEUR" = 322 ] || echec "largeur $LARGEUR au lieu de 322 pixels sur un écran de 1024x768"
grep -q '^OK=OUI' "$INI" && grep -q '^dossier%20application=' "$INI" || echec "marqueur OUI ou dossier absent: $(cat "$INI")"
seconde_copie_refusee 3-seconde-copie

# 2. The close box asks; No keeps the game.
wmctrl -c "Ventaroc vous propose:"
dialogue Chromalis 4-confirmation "pas de confirmation à la fermeture" alt+n
sleep 0.5
vivant "$JEU" || echec "Non a fermé le jeu"
attendre_fenetre "Ventaroc vous propose:" 2 >/dev/null || echec "la fenêtre principale a disparu"

# 3. The solution access: a lower-case password is refused; the right one shows the predefined
# games beside the board, a window Alt+F4 cannot close; a second click on the credit hides it.
xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1 || true
mot_de_passe k 4 1 7
dialogue "Désolé" 5-refus "un mot de passe en minuscules est accepté" Return
absente "Combi No: /" || echec "la fenêtre des parties s'ouvre avec un mauvais mot de passe"
mot_de_passe K 4 1 7
dialogue "Combi No: /" 6-revele "la fenêtre des parties ne s'ouvre pas"
[ "$(xwininfo -id "$FENETRE" | awk '/Absolute upper-left X/ { print $4 }')" -ge $((OX + LARGEUR)) ] \
    || echec "la fenêtre des parties couvre le plateau"
touche -window "$FENETRE" alt+F4
sleep 0.5
attendre_fenetre "Combi No: /" 2 >/dev/null || echec "Alt+F4 ferme la fenêtre des parties"
xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1 || true
cliquer "$(ecran_x 4447)" "$(ecran_y 7477)"
disparue "Combi No: /" || echec "un second clic sur le crédit ne cache pas la fenêtre des parties"
capture 7-cache

# 4. A game won with drags, a 1 MB name pasted in its record: stored whole, shown, Esc still heard.
gagner_NI1
ouvrir_saisie
capture 8-saisie-du-nom
grep -Eq '^1="?[0-9]+;votre nom \?;1;' "$INI" || echec "pas de record provisoire dans $INI"
coproc COLLE { exec "$OUTIL_COLLE" 1048576 "Nom tres long "; }
PIDS+=("$COLLE_PID")
read -r -t 10 pret <&"${COLLE[0]}" && [ "$pret" = pret ] || echec "le presse-papiers ne se prépare pas"
touche ctrl+v Return
nom_stocke() { awk -F';' '/^\[/ { s = $0 } s == "[NI]" && /^1=/ { print $2 }' "$INI"; }
attendre 30 eval '[ "$(nom_stocke | wc -c)" -gt 1048576 ]' || true
nom=$(nom_stocke)
[ ${#nom} = 1048576 ] && [ "${nom:0:28}" = "Nom tres long Nom tres long " ] \
    || echec "le nom stocké fait ${#nom} caractères et commence par ${nom:0:28}"
capture 9-nom-colle
touche -window "$SCORES" Escape
disparue "CHROMALIS: Tableau des scores" || echec "la fenêtre des scores ne répond plus à Échap"
dialogue BRAVO 10-bravo "le dialogue BRAVO a disparu" alt+n
disparue BRAVO || echec "Non ne ferme pas le dialogue"
voir_table_NI 11-nom-de-1-Mo-affiche
touche Escape
vivant "$JEU" || echec "le jeu s'est arrêté"
arreter

# 5. A name typed, and SIGKILL as soon as it reaches the file: after a restart the record is whole.
nouveaux_reglages abrupt
demarrer abrupt
gagner_NI1
ouvrir_saisie
xdotool type --delay 30 "Karl Abrupt"
xdotool key Return
for _ in $(seq 500); do grep -q 'Karl Abrupt' "$INI" 2>/dev/null && break; sleep 0.01; done
arreter
demarrer relance
ls "$INI".illisible-* >/dev/null 2>&1 && echec "le fichier a été jugé illisible au redémarrage"
grep -Eq '^1="?[0-9]+;Karl Abrupt;1;00h00mn[0-9]{2}s;[0-9]{2}/[0-9]{2}/20[0-9]{2};"?$' "$INI" \
    || echec "record incomplet: $(grep '^1=' "$INI")"
voir_table_NI 12-record-apres-redemarrage
touche Escape

# 6. Five seconds a row: within about six the pointer moves to row 2 without any key.
afficher_options
cliquer "$(ecran_x 5120)" "$(ecran_y 2677)"
cliquer "$(ecran_x 5617)" "$(ecran_y 2977)"
touche Home Return F5
sleep 0.5
capture 13-chrono
jaune=$(pixel "$(curseur_x)" "$(curseur_y 1)")
[ "$jaune" != "$(pixel "$(curseur_x)" "$(curseur_y 2)")" ] || echec "pointeur de rangée introuvable"
attendre 8 eval '[ "$(pixel "$(curseur_x)" "$(curseur_y 2)")" = "$jaune" ]' || echec "la rangée n'a pas été jugée à la fin du temps"
# P: the bar and the total time stay still, and move again after a second P.
touche p
barre="$(ecran_x 720) $(ecran_y 7170) 180 20"
temps="$(ecran_x 600) $(ecran_y 6480) 80 17"
avant=$(zone $barre)$(zone $temps)
sleep 2.2
capture 14-pause
[ "$(zone $barre)$(zone $temps)" = "$avant" ] || echec "le temps avance pendant la pause"
touche p
sleep 2.2
[ "$(zone $barre)" != "${avant:0:32}" ] || echec "la barre ne repart pas après la pause"

# 7. Esc asks too; Yes ends the program.
touche -window "$MAIN" Escape
dialogue Chromalis 15-quitter "Échap ne demande pas confirmation" alt+o
fini "$JEU" || echec "Oui n'a pas fermé le jeu"
echo "partie: OK"
