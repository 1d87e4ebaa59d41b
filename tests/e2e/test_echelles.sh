# Screens of several sizes and scales: the main window takes 55 to 75 % of the height, never more,
# centred with its frame; pictures of the start-up window, of the options and a peg dropped.
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
read -r _ _ h b <<<"$(xprop -id "$MAIN" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ,)"
utile=$(xprop -root _NET_WORKAREA | grep -o '[0-9, ]*$' | awk -F', *' '{ print $4 }')
haut=$((CH + h + b))
part=$((100 * haut / utile))
echo "écran $3 à x$4: fenêtre ${CW}x${CH} + cadre $h+$b = $haut sur $utile ($part %), échelle $LARGEUR/322" \
    | tee "$ARTEFACTS/mesure.txt"
[ "$haut" -le "$utile" ] || echec "la fenêtre dépasse l'écran ($haut > $utile)"
# With a scale factor, steps of 0.25 cannot meet the share on every screen: the window only fits.
[ "$4" != 1 ] || (( part >= 55 && part <= 75 )) || echec "la fenêtre prend $part % de l'écran"
# As much room above the title bar as below the window, within pixels of the scale of the frame.
ecart=$(( (OY - h) - (utile - OY - CH - b) ))
[ "${ecart#-}" -le 4 ] || echec "pas centrée: $ecart pixels de plus au-dessus qu'au-dessous"

# The options shown, a game started, a red peg dragged to the first hole.
touche F6 F5
sleep 0.4
origine "$MAIN"
glisser $(pion 0) $(trou 1)
capture 2-pose
vivant "$JEU" || echec "le jeu s'est arrêté"
echo "échelles $3 x$4: OK"
