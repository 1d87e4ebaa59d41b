# A timed game of 5 seconds per proposition: the row is judged by itself when the time is up,
# and P pauses the clocks.
source "$(dirname "$0")/lib.sh" "$1" "$2" chrono

lancer jeu
attendre_principale
touche F6
sleep 0.3
origine "$MAIN"
# "Chrono" in the options column, then the first duration (5 s).
cliquer "$(ecran_x $((4920 + 200)))" "$(ecran_y $((1620 + 930 + 127)))"
cliquer "$(ecran_x $((4920 + 120 + 577)))" "$(ecran_y $((1620 + 1200 + 157)))"
touche Home Return
capture 1-options
touche F5
sleep 0.5
capture 2-partie
jaune1=$(pixel "$(curseur_x)" "$(curseur_y 1)")
[ "$jaune1" != "$(pixel "$(curseur_x)" "$(curseur_y 2)")" ] || echec "pointeur de rangée introuvable"

# Within about 6 seconds the pointer must have moved to row 2 without any key.
for _ in $(seq 80); do
    [ "$(pixel "$(curseur_x)" "$(curseur_y 2)")" = "$jaune1" ] && break
    sleep 0.1
done
[ "$(pixel "$(curseur_x)" "$(curseur_y 2)")" = "$jaune1" ] || echec "la rangée n'a pas été jugée à la fin du temps"
capture 3-rangee-jugee

# Pause: the bar and the total time stay still.
touche p
sleep 0.3
barre="$(ecran_x 720) $(ecran_y $((540 + 6180 + 450))) 180 20"
temps="$(ecran_x $((60 + 540))) $(ecran_y $((540 + 5940))) 80 17"
avant_barre=$(zone $barre)
avant_temps=$(zone $temps)
sleep 2.2
capture 4-pause
[ "$(zone $barre)" = "$avant_barre" ] || echec "la barre avance pendant la pause"
[ "$(zone $temps)" = "$avant_temps" ] || echec "le temps total avance pendant la pause"
touche p
sleep 2.2
[ "$(zone $barre)" != "$avant_barre" ] || echec "la barre ne repart pas après la pause"
capture 5-reprise
echo "chrono: OK"
