# A real game won with the mouse, the name typed in the scores window, and the record found
# again after a restart, in the scores window and in the settings file.
source "$(dirname "$0")/lib.sh" "$1" "$2" partie

lancer premier
attendre_principale
gagner_NI1
ouvrir_saisie
capture 2-saisie-du-nom
grep -Eq '^1="?[0-9]+;votre nom \?;1;' "$INI" || echec "pas de record provisoire dans $INI"
xdotool type --delay 40 "Zoe Testeur"
sleep 0.2
touche Return
sleep 0.3
capture 3-nom-valide
grep -q 'Zoe Testeur;1;' "$INI" || echec "le nom n'est pas dans $INI"
touche Escape
absente "CHROMALIS: Tableau des scores" || echec "Échap ne ferme pas les scores"
sleep 0.3
xdotool windowactivate --sync "$(attendre_fenetre BRAVO 5)" >/dev/null 2>&1 || true
touche alt+n
sleep 0.3
absente "BRAVO" || echec "Non ne ferme pas le dialogue"
arreter

# Restart: the record is still there.
lancer second
attendre_principale
voir_table_NI
capture 4-apres-redemarrage
nom_en_ligne_1 || echec "la ligne 1 ne montre pas de nom"
grep -Eq '^1="?[0-9]+;Zoe Testeur;1;00h00mn[0-9]{2}s;[0-9]{2}/[0-9]{2}/20[0-9]{2};"?$' "$INI" \
    || echec "record incomplet: $(grep '^1=' "$INI")"
echo "partie: OK"
