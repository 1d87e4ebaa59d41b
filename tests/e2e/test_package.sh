# The Debian package built by CPack, unpacked into a private root: its fields, files, desktop entry
# and metainfo; the program started through bin/ hands its lib/chromalis/aide.htm to xdg-open (a
# recorder here) on F1, and shows it in its own help window when xdg-open fails or is missing.
BUILD=$(cd "$(dirname "$1")/.." && pwd)
source "$(dirname "$0")/lib.sh" "$1" "$2" paquet

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/paquet" >"$ARTEFACTS/cpack.log" 2>&1 \
    || echec "cpack a échoué (voir $ARTEFACTS/cpack.log)"
DEB=$(ls "$WORK"/paquet/chromalis_*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || echec "aucun paquet chromalis_*.deb produit"
dpkg-deb --info "$DEB" >"$ARTEFACTS/control.txt"
dpkg-deb --contents "$DEB" >"$ARTEFACTS/contenu.txt"

[ "$(dpkg-deb -f "$DEB" Package)" = chromalis ] || echec "nom du paquet"
[ "$(dpkg-deb -f "$DEB" Maintainer)" = "Ventaroc <chromalis@ventaroc.example>" ] || echec "mainteneur"
depends=$(dpkg-deb -f "$DEB" Depends)
for lib in libqt6widgets6 libqt6gui6 libstdc++6 qt6-translations-l10n; do
    [[ $depends == *"$lib"* ]] || echec "dépendance $lib absente de: $depends"
done
[[ $(dpkg-deb -f "$DEB" Recommends) == *xdg-utils* ]] || echec "xdg-utils n'est pas recommandé"
# The pictures are rendered at build time: QtSvg is a build dependency only.
[[ $depends != *libqt6svg6* ]] || echec "libqt6svg6 ne sert qu'à la construction: $depends"

RACINE=$WORK/racine
dpkg -x "$DEB" "$RACINE"
ID=example.ventaroc.chromalis
for f in usr/lib/chromalis/chromalis usr/lib/chromalis/aide.htm usr/share/applications/$ID.desktop \
         usr/share/metainfo/$ID.metainfo.xml usr/share/icons/hicolor/scalable/apps/$ID.svg; do
    [ -s "$RACINE/$f" ] || echec "$f absent du paquet"
done
[ "$(readlink "$RACINE/usr/bin/chromalis")" = ../lib/chromalis/chromalis ] || echec "usr/bin/chromalis n'est pas le lien attendu"
cmp -s "$RACINE/usr/lib/chromalis/aide.htm" "$(dirname "$0")/../../resources/aide.htm" || echec "aide.htm différent de la source"

"$(dirname "$0")/../../tools/check-metadata" "$RACINE/usr/share/applications/$ID.desktop" \
    "$RACINE/usr/share/metainfo/$ID.metainfo.xml" "$(dpkg-deb -f "$DEB" Version)" >"$ARTEFACTS/metadonnees.txt" 2>&1 \
    || echec "métadonnées: $(cat "$ARTEFACTS/metadonnees.txt")"

# xdg-open records what it is asked to open instead of starting a browser.
mkdir -p "$WORK/bin" "$WORK/sans-xdg"
cat >"$WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$WORK/ouvertures"
EOF
chmod +x "$WORK/bin/xdg-open"
export PATH=$WORK/bin:$PATH

EXE=$RACINE/usr/bin/chromalis

# 1. xdg-open takes the page.
demarrer installe
# The desktop knows the windows by the class its entry names.
classe=$(xprop -id "$MAIN" WM_CLASS | sed 's/.*", "//; s/"$//')
grep -qx "StartupWMClass=$classe" "$RACINE/usr/share/applications/$ID.desktop" \
    || echec "WM_CLASS $classe absent de l'entrée de bureau"
touche F1
attendre 5 test -s "$WORK/ouvertures" || true
absente "Erreur" || echec "aide.htm introuvable pour le programme installé"
[ "$(cat "$WORK/ouvertures" 2>/dev/null)" = "file://$RACINE/usr/lib/chromalis/aide.htm" ] \
    || echec "F1 a ouvert «$(cat "$WORK/ouvertures" 2>/dev/null)» au lieu de la page d'aide installée"
absente "Aide de Chromalis" || echec "la fenêtre d'aide s'ouvre alors que xdg-open a pris la page"
vivant "$JEU" || echec "le programme installé s'est arrêté"
arreter

# 2. xdg-open finds no program for the page, as on a machine without a browser; 3. no xdg-open.
cat >"$WORK/bin/xdg-open" <<EOF
#!/bin/sh
echo "xdg-open: no method available for opening '\$1'" >&2
exit 3
EOF
for cas in sans-navigateur sans-xdg-open; do
    chemin=$PATH
    [ $cas = sans-xdg-open ] && chemin=$WORK/sans-xdg
    demarrer $cas PATH="$chemin"
    touche F1
    dialogue "Aide de Chromalis" $cas-aide "$cas: F1 ne montre pas l'aide"
    absente "Chromalis" || echec "$cas: un message s'est ouvert avec l'aide"
    vivant "$JEU" || echec "$cas: le programme installé s'est arrêté"
    arreter
done
echo "paquet: OK ($(basename "$DEB"))"
