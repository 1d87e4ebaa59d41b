# The unpacked Debian package: dependencies (no QtSvg), icon, desktop entry, metainfo; F1 hands aide.htm to
# xdg-open, or shows it in the game's own help window when xdg-open fails or is missing.
source "$(dirname "$0")/lib.sh" "$1" "$2" paquet

cpack -G DEB --config "$(dirname "$EXE")/../CPackConfig.cmake" -B "$WORK/paquet" >"$ARTEFACTS/cpack.log" 2>&1 \
    || echec "cpack a échoué (voir $ARTEFACTS/cpack.log)"
DEB=$(ls "$WORK"/paquet/chromalis_*.deb) || echec "aucun paquet chromalis_*.deb produit"
depends=$(dpkg-deb -f "$DEB" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libstdc++6* && $depends != *libqt6svg6* ]] || echec "dépendances: $depends"

RACINE=$WORK/racine ID=example.ventaroc.chromalis
dpkg -x "$DEB" "$RACINE"
for f in icons/hicolor/scalable/apps/$ID.svg applications/$ID.desktop metainfo/$ID.metainfo.xml; do
    [ -s "$RACINE/usr/share/$f" ] || echec "$f absent du paquet"
done
EXE=$RACINE/usr/bin/chromalis

# xdg-open records what it opens, or finds no browser, or is missing.
mkdir -p "$WORK/xdg" "$WORK/sans-navigateur" "$WORK/sans-xdg-open"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$WORK/ouvertures" >"$WORK/xdg/xdg-open"
printf '#!/bin/sh\necho "xdg-open: no method available for opening $1" >&2\nexit 3\n' >"$WORK/sans-navigateur/xdg-open"
chmod +x "$WORK"/*/xdg-open
for cas in xdg sans-navigateur sans-xdg-open; do
    demarrer $cas PATH="$WORK/$cas"
    touche F1
    if [ $cas = xdg ]; then
        classe=$(xprop -id "$MAIN" WM_CLASS | sed 's/.*", "//; s/"$//')
        grep -qx "StartupWMClass=$classe" "$RACINE/usr/share/applications/$ID.desktop" \
            || echec "WM_CLASS $classe absent de l'entrée de bureau"
        attendre 5 test -s "$WORK/ouvertures" || echec "F1 ne passe pas la page à xdg-open"
        [ "$(cat "$WORK/ouvertures")" = "file://$RACINE/usr/lib/chromalis/aide.htm" ] \
            || echec "F1 a ouvert «$(cat "$WORK/ouvertures")» au lieu de la page d'aide installée"
        sleep 0.5; absente "Aide de Chromalis" || echec "la fenêtre d'aide s'ouvre alors que xdg-open a pris la page"
    else
        dialogue "Aide de Chromalis" $cas-aide "$cas: F1 ne montre pas l'aide"
    fi
    absente Chromalis && absente Erreur || echec "$cas: un message s'est ouvert avec l'aide"
    kill -0 "$JEU" || echec "$cas: le programme installé s'est arrêté"
    arreter
done
echo "paquet: OK ($(basename "$DEB"))"
