# Screens of several sizes and scales, each on an X server of its own: the main window takes 55 to 75 % of
# the usable height with its frame, never more; pictures of the start-up and main windows.
set -e
for ecran in 1024x768:1 1280x1024:1 1920x1080:1 3840x2160:1 1920x1080:1.5 1920x1080:2; do
(
    export E2E_ECRAN=${ecran%:*}x24 QT_SCALE_FACTOR=${ecran#*:}
    source "$(dirname "$0")/lib.sh" "$1" "$2" "echelles-${ecran%:*}-x$QT_SCALE_FACTOR"
    demarrer 1
    # Outer height (client plus the frame the window manager draws) against the usable height.
    read -r _ _ h b <<<"$(xprop -id "$MAIN" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ,)"
    utile=$(xprop -root _NET_WORKAREA | grep -o '[0-9, ]*$' | awk -F', *' '{ print $4 }')
    haut=$((CH + h + b))
    part=$((100 * haut / utile))
    echo "écran $ecran: fenêtre ${CW}x${CH} + cadre $h+$b = $haut sur $utile ($part %)" | tee "$ARTEFACTS/mesure.txt"
    [ "$haut" -le "$utile" ] || echec "la fenêtre dépasse l'écran ($haut > $utile)"
    # With a scale factor, steps of 0.25 cannot meet the share on every screen: the window only fits.
    [ "$QT_SCALE_FACTOR" != 1 ] || (( part >= 55 && part <= 75 )) || echec "la fenêtre prend $part % de l'écran"
    capture 2-principale
)
done
echo "échelles: OK"
