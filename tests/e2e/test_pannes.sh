# No display; a settings file of random bytes or a named pipe, set aside and the player told; a full
# disk: the game starts and plays, the score it cannot store is reported and nothing stored before is lost.
source "$(dirname "$0")/lib.sh" "$1" "$2" pannes

# 1. No display: one French line naming the variables, exit code 1.
for ecran in "" ":4242"; do
    code=0
    env -u WAYLAND_DISPLAY DISPLAY="$ecran" "$EXE" >/dev/null 2>"$WORK/err" || code=$?
    [ "$code" = 1 ] && [ "$(wc -l <"$WORK/err")" = 1 ] && grep -q 'DISPLAY.*WAYLAND_DISPLAY.*graphique' "$WORK/err" \
        || echec "sans écran ($ecran): code $code, $(cat "$WORK/err")"
done

# The store $1 is set aside at the start (in copies[0]), and a box over the board tells where.
mis_de_cote() {
    lancer "$1"
    attendre_principale
    dialogue Chromalis "$1-avis" "$1: le joueur n'est pas prévenu" Return
    absente Chromalis || echec "$1: l'avis ne se ferme pas"
    copies=("$INI".illisible-*)
}

# 2. Random bytes, set aside untouched.
nouveaux_reglages hasard
head -c 4096 /dev/urandom >"$WORK/hasard.bin"
cp "$WORK/hasard.bin" "$INI"
mis_de_cote hasard
cmp -s "$WORK/hasard.bin" "${copies[0]}" || echec "hasard: le fichier illisible n'est pas mis de côté intact"
arreter

# 3. A named pipe in the file's place: the start does not wait for it to be written.
nouveaux_reglages tube
mkfifo "$INI"
mis_de_cote tube
[ -p "${copies[0]}" ] || echec "tube: le tube n'est pas mis de côté"
arreter

# 4. A full disk holding a record and another program folder: NI1 won, an error box for the score,
# then the BRAVO of a game outside the tables; nothing written at the start nor at the win.
[ "$(id -u)" = 0 ] || { echo "pannes: disque plein sauté (il faut être root pour monter un petit tmpfs)"; exit 0; }
nouveaux_reglages plein
PLEIN=$(dirname "$INI")
mount -t tmpfs -o size=64k tmpfs "$PLEIN"
trap 'umount -l "$PLEIN" 2>/dev/null || true; finir' EXIT
printf '[scores]\nOK=OUI\n[parametres]\ndossier%%20application=/ailleurs\n[NI]\n1=5000;Joueur;3;00h01mn00s;01/01/2025;\n' >"$INI"
cp "$INI" "$WORK/avant.ini"
dd if=/dev/zero of="$PLEIN/bourre" bs=4k 2>/dev/null || true
[ "$(stat -f -c %a "$PLEIN")" = 0 ] || echec "plein: le disque n'est pas plein"
demarrer plein
gagner_NI1
dialogue Erreur plein-erreur "plein: pas de message d'erreur pour le score" Return
dialogue BRAVO plein-bravo "plein: pas de BRAVO après l'erreur" alt+n
attendre 5 absente BRAVO || echec "plein: Non ne ferme pas le dialogue"
vivant "$JEU" || echec "plein: le jeu s'est arrêté"
cmp -s "$WORK/avant.ini" "$INI" || echec "plein: le fichier des scores a changé"
arreter
[ "$(ls "$PLEIN")" = "$(printf 'Chromalis.ini\nbourre\nchromalis.lock')" ] || echec "plein: $(ls "$PLEIN")"
echo "pannes: OK"
