# Screens of several sizes and scales: the main window takes 55 to 75 % of the height, never more,
# centred with its frame; pictures of the start-up window, a dragged peg, a lost game's dialog and
# the predefined-games window.
# Usage: test_echelles.sh <chromalis> <artefacts> [screen qt-scale]  (one screen when given)
set -euo pipefail
if [ $# -lt 3 ]; then
    for ecran in 1024x768:1 1280x1024:1 1920x1080:1 3840x2160:1 1920x1080:1.5 1920x1080:2; do
        bash "$0" "$1" "$2" "${ecran%%:*}" "${ecran##*:}" || exit 1
    done
    exit 0
fi
export E2E_ECRAN=$3x24
export QT_SCALE_FACTOR=$4
source "$(dirname "$0")/lib.sh" "$1" "$2" "echelles-$3-x$4"

demarrer 1

# Outer height (client plus the frame the window manager draws) against the usable height.
eval "$(xwininfo -id "$MAIN" | awk '/^  Width:/ { print "CW=" $2 } /^  Height:/ { print "CH=" $2 }')"
read -r g d h b <<<"$(xprop -id "$MAIN" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ,)"
utile=$(xprop -root _NET_WORKAREA | grep -o '[0-9, ]*$' | awk -F', *' '{ print $4 }')
haut=$((CH + h + b))
part=$((100 * haut / utile))
echo "écran $3 à x$4: fenêtre ${CW}x${CH} + cadre $h+$b = $haut sur $utile ($part %), échelle $ECHELLE" \
    | tee "$ARTEFACTS/mesure.txt"
[ "$haut" -le "$utile" ] || echec "la fenêtre dépasse l'écran ($haut > $utile)"
# With a scale factor, steps of 0.25 cannot meet the share on every screen: the window only fits.
if [ "$4" = 1 ]; then
    [ "$part" -ge 55 ] && [ "$part" -le 75 ] || [ "$ECHELLE" = 1 ] || echec "la fenêtre prend $part % de l'écran"
fi
# As much room above the title bar as below the window, within pixels of the scale of the frame.
haut_cadre=$((OY - h))
bas=$((utile - OY - CH - b))
[ $((haut_cadre - bas)) -le 4 ] && [ $((bas - haut_cadre)) -le 4 ] || echec "pas centrée: $haut_cadre au-dessus, $bas au-dessous"

# Options shown, Initiation with the chronometer, a game started, a peg being dragged.
afficher_options
cliquer "$(ecran_x $((4920 + 200)))" "$(ecran_y $((1620 + 960 + 127)))"
cliquer "$(ecran_x $((4920 + 250)))" "$(ecran_y $((1620 + 1980 + 120)))"
touche F5
sleep 0.4
glisser "$(pion_x)" "$(pion_y 0)" "$(trou_x 1)" "$(trou_y 1)" 2-glisser
capture 3-partie

# A lost game: twelve empty rows judged.
for _ in $(seq 12); do touche F7; done
dialogue PERDU 4-perdu "pas de dialogue PERDU" alt+n
sleep 0.3

# The predefined-games window on its last game.
mot_de_passe K 4 1 7
dialogue "Combi No: /" 5-parties "la fenêtre des parties ne s'ouvre pas"
origine "$FENETRE"
cliquer $((OX + $(px 1100))) $((OY + $(px 4237)))
touche ctrl+a 6 0 0 Return
dialogue "Combi No: 600" 6-partie-600 "pas de titre Combi No: 600"
vivant "$JEU" || echec "le jeu s'est arrêté"
echo "échelles $3 x$4: OK"
