# The real program against a damaged settings store: a file of random bytes, a file it cannot read,
# a folder it cannot write. Each time it starts and plays; a score it cannot store is reported with
# the error box, and nothing stored before is lost.
source "$(dirname "$0")/lib.sh" "$1" "$2" pannes

# Wins NI1 and expects the error box of a score that could not be stored, then the BRAVO dialog
# of a game outside the tables: the game goes on.
gagner_sans_pouvoir_noter() {
    gagner_NI1
    erreur=$(attendre_fenetre "Erreur" 5) || echec "$1: pas de message d'erreur pour le score"
    sleep 0.3
    capture "$1-erreur"
    touche -window "$erreur" Return
    bravo=$(attendre_fenetre "BRAVO" 5) || echec "$1: pas de BRAVO après l'erreur"
    sleep 0.3
    capture "$1-bravo"
    touche -window "$bravo" alt+n
    sleep 0.3
    absente "BRAVO" || echec "$1: Non ne ferme pas le dialogue"
    vivant "$JEU" || echec "$1: le jeu s'est arrêté"
}

# 1. Random bytes: set aside untouched, and a fresh store takes the score.
nouveaux_reglages hasard
mkdir -p "$(dirname "$INI")"
head -c 4096 /dev/urandom >"$WORK/hasard.bin"
cp "$WORK/hasard.bin" "$INI"
lancer hasard
attendre_principale
gagner_NI1
ouvrir_saisie
xdotool type --delay 30 "Ada Hasard"
touche Return
sleep 0.3
grep -q '^1="\?[0-9]*;Ada Hasard;1;' "$INI" || echec "hasard: le score n'est pas dans le nouveau fichier"
copies=("$INI".illisible-*)
[ ${#copies[@]} = 1 ] && [ -f "${copies[0]}" ] || echec "hasard: le fichier illisible n'est pas mis de côté"
cmp -s "$WORK/hasard.bin" "${copies[0]}" || echec "hasard: le fichier mis de côté n'est pas intact"
touche Escape
arreter
cp "$INI" "$WORK/avec-record.ini"

# 2. Unreadable: a folder stands where the settings file should be.
nouveaux_reglages illisible
mkdir -p "$INI"
lancer illisible
attendre_principale
gagner_sans_pouvoir_noter illisible
arreter

# 3. Read-only: a store holding a record, in a folder nobody may write.
nouveaux_reglages protege
mkdir -p "$(dirname "$INI")"
cp "$WORK/avec-record.ini" "$INI"
proteger "$(dirname "$INI")"
lancer protege
attendre_principale
gagner_sans_pouvoir_noter protege
cmp -s "$WORK/avec-record.ini" "$INI" || echec "protege: le fichier des scores a changé"
voir_table_NI
capture protege-scores
nom_en_ligne_1 || echec "protege: le record d'avant n'est plus affiché"
arreter
echo "pannes: OK"
