# A real game won with the mouse, the name typed in the scores window, and the record found
# again after a restart, in the scores window and in the settings file.
source "$(dirname "$0")/lib.sh" "$1" "$2" partie

lancer premier
attendre_principale
gagner_NI1
bravo=$(attendre_fenetre "BRAVO" 5) || echec "pas de BRAVO après la bonne combinaison"
sleep 0.3
capture 1-bravo
grep -Eq '^1="?[0-9]+;votre nom \?;1;' "$INI" || echec "pas de record provisoire dans $INI"

touche -window "$bravo" space
scores=$(attendre_fenetre "CHROMALIS: Tableau des scores" 5) || echec "le tableau des scores ne s'ouvre pas"
sleep 0.3
capture 2-saisie-du-nom
origine "$scores"
cliquer $((OX + $(px 3112))) $((OY + $(px 1192)))
touche ctrl+a
xdotool type --delay 40 "Zoe Testeur"
sleep 0.2
touche Return
sleep 0.3
capture 3-nom-valide
grep -q 'Zoe Testeur;1;' "$INI" || echec "le nom n'est pas dans $INI"
touche Escape
absente "CHROMALIS: Tableau des scores" || echec "Échap ne ferme pas les scores"
sleep 0.3
xdotool windowactivate --sync "$bravo" >/dev/null 2>&1 || true
touche alt+n
sleep 0.3
absente "BRAVO" || echec "Non ne ferme pas le dialogue"
kill -9 "$JEU"
wait "$JEU" 2>/dev/null || true

# Restart: the record is still there.
lancer second
attendre_principale
touche F8
scores=$(attendre_fenetre "CHROMALIS: Tableau des scores" 5) || echec "F8 n'ouvre pas les scores"
origine "$scores"
# Normal, INITIATION, VOIR.
cliquer $((OX + $(px 900))) $((OY + $(px 5407)))
cliquer $((OX + $(px 4777))) $((OY + $(px 5392)))
touche Home Return
touche alt+v
sleep 0.3
capture 4-apres-redemarrage
nom1=$(clarte $((OX + $(px 1700))) $((OY + $(px 1050))) 150 14)
nom2=$(clarte $((OX + $(px 1700))) $((OY + $(px 1410))) 150 14)
awk -v a="$nom1" -v b="$nom2" 'BEGIN { exit !(a < b - 0.02) }' || echec "la ligne 1 ne montre pas de nom ($nom1 / $nom2)"
grep -Eq '^1="?[0-9]+;Zoe Testeur;1;00h00mn[0-9]{2}s;[0-9]{2}/[0-9]{2}/20[0-9]{2};"?$' "$INI" \
    || echec "record incomplet: $(grep '^1=' "$INI")"
echo "partie: OK"
