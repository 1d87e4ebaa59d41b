# The Debian package as a player receives it: built by CPack from this build folder, unpacked with
# dpkg -x into a private root, its desktop entry and metainfo valid, and the installed program,
# started through its bin/ symlink, finding the help page beside its real self (F1 hands
# lib/chromalis/aide.htm to xdg-open, replaced here by a recorder).
BUILD=$(cd "$(dirname "$1")/.." && pwd)
source "$(dirname "$0")/lib.sh" "$1" "$2" paquet

command -v cpack >/dev/null || echec "cpack absent"
[ -f "$BUILD/CPackConfig.cmake" ] || echec "pas de CPackConfig.cmake dans $BUILD"
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/paquet" >"$ARTEFACTS/cpack.log" 2>&1 \
    || echec "cpack a échoué (voir $ARTEFACTS/cpack.log)"
DEB=$(ls "$WORK"/paquet/chromalis_*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || echec "aucun paquet chromalis_*.deb produit"
dpkg-deb --info "$DEB" >"$ARTEFACTS/control.txt"
dpkg-deb --contents "$DEB" >"$ARTEFACTS/contenu.txt"

[ "$(dpkg-deb -f "$DEB" Package)" = chromalis ] || echec "nom du paquet"
[ "$(dpkg-deb -f "$DEB" Maintainer)" = "Ventaroc <chromalis@ventaroc.example>" ] || echec "mainteneur"
depends=$(dpkg-deb -f "$DEB" Depends)
for lib in libqt6widgets6 libqt6gui6 libstdc++6; do
    [[ $depends == *"$lib"* ]] || echec "dépendance $lib absente de: $depends"
done
# The pictures are rendered at build time: QtSvg is a build dependency only.
[[ $depends != *libqt6svg6* ]] || echec "libqt6svg6 ne sert qu'à la construction: $depends"

RACINE=$WORK/racine
dpkg -x "$DEB" "$RACINE"
for f in usr/lib/chromalis/chromalis usr/lib/chromalis/aide.htm \
         usr/share/applications/chromalis.desktop \
         usr/share/metainfo/example.ventaroc.chromalis.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/chromalis.svg; do
    [ -s "$RACINE/$f" ] || echec "$f absent du paquet"
done
[ "$(readlink "$RACINE/usr/bin/chromalis")" = ../lib/chromalis/chromalis ] || echec "usr/bin/chromalis n'est pas le lien attendu"
cmp -s "$RACINE/usr/lib/chromalis/aide.htm" "$(dirname "$0")/../../resources/aide.htm" || echec "aide.htm différent de la source"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$RACINE/usr/share/applications/chromalis.desktop" >"$ARTEFACTS/desktop.txt" 2>&1 \
        || echec "entrée de bureau invalide: $(cat "$ARTEFACTS/desktop.txt")"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$RACINE/usr/share/metainfo/example.ventaroc.chromalis.metainfo.xml" \
        >"$ARTEFACTS/metainfo.txt" 2>&1 || echec "metainfo invalide: $(cat "$ARTEFACTS/metainfo.txt")"
fi

# xdg-open records what it is asked to open instead of starting a browser.
mkdir -p "$WORK/bin"
cat >"$WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$WORK/ouvertures"
EOF
chmod +x "$WORK/bin/xdg-open"
export PATH=$WORK/bin:$PATH

EXE=$RACINE/usr/bin/chromalis
lancer installe
attendre_fenetre "Chromalis" 10 >/dev/null || echec "le programme installé n'ouvre pas sa fenêtre de démarrage"
principale=$(attendre_fenetre "Ventaroc vous propose:" 8) || echec "le programme installé n'ouvre pas sa fenêtre principale"
sleep 0.3
capture installe
xdotool windowactivate --sync "$principale" 2>/dev/null || true
touche F1
for _ in $(seq 50); do [ -s "$WORK/ouvertures" ] && break; sleep 0.1; done
absente "Erreur" || { capture erreur-aide; echec "aide.htm introuvable pour le programme installé"; }
[ -s "$WORK/ouvertures" ] || echec "F1 n'a rien ouvert"
attendu="file://$RACINE/usr/lib/chromalis/aide.htm"
[ "$(cat "$WORK/ouvertures")" = "$attendu" ] || echec "ouvert: $(cat "$WORK/ouvertures"), attendu: $attendu"
vivant "$JEU" || echec "le programme installé s'est arrêté"
echo "paquet: OK ($(basename "$DEB"))"
