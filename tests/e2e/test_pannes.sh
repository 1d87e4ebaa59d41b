# No display; a settings file of random bytes or a named pipe (set aside, the player told); a folder
# in its place, a folder it cannot write, a full disk: the game starts and plays, a score it cannot
# store is reported, nothing stored before is lost, and a second copy is still refused.
source "$(dirname "$0")/lib.sh" "$1" "$2" pannes

# A folder and what it holds made unwritable, even for root (immutable flag).
proteger() { [ "$(id -u)" != 0 ] && chmod -R a-w "$1" || chattr -R +i "$1" || echec "chattr +i impossible ici"; }

# 0. No display: one French line naming the variables, exit code 1.
for ecran in "" ":4242"; do
    code=0
    env -u WAYLAND_DISPLAY DISPLAY="$ecran" "$EXE" >/dev/null 2>"$WORK/err" || code=$?
    [ "$code" = 1 ] && [ "$(wc -l <"$WORK/err")" = 1 ] && grep -q 'DISPLAY.*WAYLAND_DISPLAY.*graphique' "$WORK/err" \
        || echec "sans écran ($ecran): code $code, $(cat "$WORK/err")"
done

# The box that tells, over the board, where the set-aside file is kept.
avis_mise_de_cote() {
    dialogue Chromalis "$1-avis" "$1: le joueur n'est pas prévenu" Return
    absente "Chromalis" || echec "$1: l'avis ne se ferme pas"
}

# NI1 won: an error box for the score not stored, then the BRAVO of a game outside the tables.
gagner_sans_pouvoir_noter() {
    gagner_NI1
    dialogue Erreur "$1-erreur" "$1: pas de message d'erreur pour le score" Return
    dialogue BRAVO "$1-bravo" "$1: pas de BRAVO après l'erreur" alt+n
    disparue BRAVO || echec "$1: Non ne ferme pas le dialogue"
    vivant "$JEU" || echec "$1: le jeu s'est arrêté"
}

# 1. Random bytes: set aside untouched, and a fresh store takes the score.
nouveaux_reglages hasard
head -c 4096 /dev/urandom >"$WORK/hasard.bin"
cp "$WORK/hasard.bin" "$INI"
lancer hasard
attendre_principale
avis_mise_de_cote hasard
gagner_NI1
ouvrir_saisie
xdotool type --delay 30 "Ada Hasard"
touche Return
sleep 0.3
grep -q '^1="\?[0-9]*;Ada Hasard;1;' "$INI" || echec "hasard: le score n'est pas dans le nouveau fichier"
copies=("$INI".illisible-*)
[ ${#copies[@]} = 1 ] && cmp -s "$WORK/hasard.bin" "${copies[0]}" || echec "hasard: le fichier illisible n'est pas mis de côté intact"
touche Escape
arreter
cp "$INI" "$WORK/avec-record.ini"

# 2. Unreadable: a folder stands where the settings file should be.
nouveaux_reglages illisible
mkdir -p "$INI"
demarrer illisible
gagner_sans_pouvoir_noter illisible
arreter

# 3. Read-only: a store holding a record, in a folder nobody may write.
nouveaux_reglages protege
cp "$WORK/avec-record.ini" "$INI"
proteger "$(dirname "$INI")"
demarrer protege
gagner_sans_pouvoir_noter protege
cmp -s "$WORK/avec-record.ini" "$INI" || echec "protege: le fichier des scores a changé"
voir_table_NI protege-record-d-avant
arreter

# 4. A named pipe in the file's place: the start does not wait for it; it is set aside.
nouveaux_reglages tube
mkfifo "$INI"
lancer tube
attendre_principale
avis_mise_de_cote tube
[ -p "$(echo "$INI".illisible-*)" ] || echec "tube: le tube n'est pas mis de côté"
arreter

# 5. A full disk holding sixty records: nothing written at the start nor at the win, no second copy.
if [ "$(id -u)" != 0 ]; then
    echo "pannes: disque plein sauté (il faut être root pour monter un petit tmpfs)"
else
    nouveaux_reglages plein
    PLEIN=$(dirname "$INI")
    mount -t tmpfs -o size=64k tmpfs "$PLEIN"
    trap 'umount -l "$PLEIN" 2>/dev/null || true; finir' EXIT
    {
        printf '[scores]\nOK=OUI\n[parametres]\ndossier%%20application=/ailleurs\n'
        for t in NI NN NE SI SN SE; do
            echo "[$t]"
            for p in $(seq 10); do echo "$p=$((5000 - p));Joueur $t$p;3;00h01mn00s;01/01/2025;"; done
        done
    } >"$WORK/soixante.ini"
    cp "$WORK/soixante.ini" "$INI"
    dd if=/dev/zero of="$PLEIN/bourre" bs=4k 2>/dev/null || true
    [ "$(stat -f -c %a "$PLEIN")" = 0 ] || echec "plein: le disque n'est pas plein"
    demarrer plein
    gagner_sans_pouvoir_noter plein
    cmp -s "$WORK/soixante.ini" "$INI" || echec "plein: le fichier des scores a changé"
    seconde_copie_refusee plein-seconde
    arreter
    [ "$(ls "$PLEIN")" = "$(printf 'Chromalis.ini\nbourre\nchromalis.lock')" ] || echec "plein: $(ls "$PLEIN")"
    umount -l "$PLEIN"
fi
echo "pannes: OK"
