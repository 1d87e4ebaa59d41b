# Screens of several sizes and scales: the framed main window takes 55 to 75 % of the usable height; pictures.
set -e
for ecran in 800x600:1 1024x768:1 1280x1024:1 1920x1080:1 3840x2160:1 1920x1080:1.5 1920x1080:2; do
(
    export E2E_ECRAN=${ecran%:*}x24 QT_SCALE_FACTOR=${ecran#*:}
    source "$(dirname "$0")/lib.sh" "$1" "$2" "echelles-${ecran%:*}-x$QT_SCALE_FACTOR"
    demarrer 1
    # Outer height (client plus the frame the window manager draws) against the usable height.
    read -r _ _ h b <<<"$(xprop -id "$MAIN" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ,)"
    utile=$(xprop -root _NET_WORKAREA | grep -o '[0-9, ]*$' | awk -F', *' '{ print $4 }')
    haut=$((CH + h + b)) part=$((100 * (CH + h + b) / utile))
    echo "écran $ecran: fenêtre ${CW}x${CH} + cadre $h+$b = $haut sur $utile ($part %)" | tee "$ARTEFACTS/mesure.txt"
    [ "$haut" -le "$utile" ] || echec "la fenêtre dépasse l'écran ($haut > $utile)"
    # Steps of 0.25 cannot meet the share on every screen, nor scale 1 on 800 x 600: the window only fits.
    [ "$QT_SCALE_FACTOR" != 1 ] || [ "$ecran" = 800x600:1 ] || (( part >= 55 && part <= 75 )) \
        || echec "la fenêtre prend $part % de l'écran"
    capture 2-principale
    # The solution access's games window and long-prompt box stand whole on the smallest screen.
    if [ "$ecran" = 800x600:1 ]; then
        touche F5
        xdotool mousemove $(point 4447 7477) click 1
        dialogue "Mot de passe" 3-passe "pas de mot de passe" K 4 1 7 Return
        attendre 5 fenetre "Combi No: /" >/dev/null || echec "pas de fenêtre des parties"
        activer "$MAIN"
        xdotool mousemove $(point 2017 1102) click 1
        touche R
        dialogue "C'est pas beau" 4-code "pas de demande de code"
        plateau=$((OX + CW))
        for titre in "C'est pas beau" "Combi No: /"; do
            origine "$(fenetre "$titre")"
            (( OX >= 0 && OX + CW <= 800 )) || echec "«$titre» ($OX+$CW) sort de l'écran"
        done
        (( OX > plateau )) || echec "la fenêtre des parties ($OX) couvre le plateau (jusqu'à $plateau)"
    fi
)
done
echo "échelles: OK"
