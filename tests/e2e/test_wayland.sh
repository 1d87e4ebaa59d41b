# Wayland and no X server: windows seen through AT-SPI (xdotool cannot reach them), pictures from the compositor.
E2E_AFFICHAGE=wayland source "$(dirname "$0")/lib.sh" "$1" "$2" wayland bus
unset DISPLAY
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=e2e

# The whole screen as the compositor draws it (weston 10 gives it to a client only with --debug).
capture() { (cd "$WORK" && weston-screenshooter) && mv "$WORK"/wayland-screenshot-*.png "$ARTEFACTS/$1.png"; }
# Presses the named buttons by their accessible action, then prints the windows shown, "title widthxheight".
atspi() {
    /usr/bin/python3 - "$@" <<'FIN'
import pyatspi, sys
app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Chromalis")
for b in sys.argv[1:]:
    pyatspi.findDescendant(app, lambda o: o.getRoleName() == "push button" and o.name == b).queryAction().doAction(0)
for w in (w for w in app if w.getState().contains(pyatspi.STATE_SHOWING)):
    print("%s %dx%d" % ((w.name,) + tuple(w.queryComponent().getSize())))
FIN
}
vue() { atspi | grep -qx "$1"; }

# A compositor of its own drawing in memory, 1024 x 768 like the X server of the other scripts.
fond weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --socket="$WAYLAND_DISPLAY" \
    --idle-time=0 --debug --log="$ARTEFACTS/weston.log"
attendre 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || echec "weston ne démarre pas"
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null || echec "pas de bus d'accessibilité"

# Qt's Wayland platform; start-up then main window alone, at scale 1; a window X11 would centre, placed too.
lancer jeu
{ attendre 10 grep -q /platforms/libqwayland "/proc/$JEU/maps" && ! grep -q /platforms/libqxcb "/proc/$JEU/maps"; } \
    || echec "le greffon Wayland de Qt n'est pas en service"
attendre 10 vue "Chromalis 415x227" || echec "pas de fenêtre de démarrage: $(atspi)"
sleep 0.3 && capture 1-accueil
attendre 10 vue "Ventaroc vous propose: 322x538" || echec "la fenêtre principale ne vient pas: $(atspi)"
[ "$(atspi)" = "Ventaroc vous propose: 322x538" ] || echec "d'autres fenêtres restent: $(atspi)"
sleep 0.3 && capture 2-principale
atspi Scores >/dev/null
attendre 10 vue "CHROMALIS: Tableau des scores 560x439" || echec "Scores n'ouvre pas le tableau: $(atspi)"
sleep 0.3 && capture 3-scores
kill -0 "$JEU" && [ ! -s "$ARTEFACTS/sortie-jeu.log" ] \
    || echec "le jeu s'arrête ou se plaint: $(head -3 "$ARTEFACTS/sortie-jeu.log")"
echo "wayland: OK"
