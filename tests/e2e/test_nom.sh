# The name of a record under stress: a 1 MB name pasted with real keys is stored, shown, and the
# window stays responsive; the program killed right after a name was validated keeps the record whole.
source "$(dirname "$0")/lib.sh" "$1" "$2" nom
OUTIL_COLLE=$(dirname "$EXE")/presse_papiers

# The name field of record 1 of the table NI, as stored.
nom_stocke() {
    awk '/^\[/ { s = $0 } s == "[NI]" && /^1=/ { sub(/^1="?/, ""); sub(/"$/, ""); print }' "$INI" \
        | awk -F';' '{ print $2 }'
}

# 1. A 1 MB name through the real clipboard.
nouveaux_reglages colle
lancer colle
attendre_principale
gagner_NI1
ouvrir_saisie
coproc COLLE { exec "$OUTIL_COLLE" 1048576 "Nom tres long "; }
PIDS+=("$COLLE_PID")
read -r -t 10 pret <&"${COLLE[0]}" || echec "le presse-papiers ne se prépare pas"
[ "$pret" = pret ] || echec "presse-papiers: $pret"
debut=$(date +%s%N)
touche ctrl+v
touche Return
for _ in $(seq 300); do [ "$(nom_stocke | wc -c)" -gt 1048576 ] && break; sleep 0.1; done
ecrit=$(( ($(date +%s%N) - debut) / 1000000 ))
nom=$(nom_stocke)
[ ${#nom} = 1048576 ] || echec "colle: le nom stocké fait ${#nom} caractères, pas 1048576"
[ "${nom:0:28}" = "Nom tres long Nom tres long " ] || echec "colle: le nom stocké commence par ${nom:0:28}"
capture colle-1-nom-valide
vivant "$JEU" || echec "colle: le jeu s'est arrêté"
debut=$(date +%s%N)
touche -window "$SCORES" Escape
for _ in $(seq 50); do absente "CHROMALIS: Tableau des scores" && break; sleep 0.1; done
absente "CHROMALIS: Tableau des scores" || echec "colle: la fenêtre des scores ne répond plus à Échap"
ferme=$(( ($(date +%s%N) - debut) / 1000000 ))
echo "nom de 1 Mo: collé et stocké en $ecrit ms, fenêtre fermée en $ferme ms"
kill "$COLLE_PID" 2>/dev/null || true
touche -window "$(attendre_fenetre BRAVO 5)" alt+n
voir_table_NI
capture colle-2-affiche
nom_en_ligne_1 || echec "colle: le nom de 1 Mo n'est pas affiché"
touche Escape
vivant "$JEU" || echec "colle: le jeu s'est arrêté"
arreter

# 2. SIGKILL as soon as the name reaches the file.
nouveaux_reglages abrupt
lancer abrupt
attendre_principale
gagner_NI1
ouvrir_saisie
xdotool type --delay 30 "Karl Abrupt"
xdotool key Return
for _ in $(seq 500); do grep -q 'Karl Abrupt' "$INI" 2>/dev/null && break; sleep 0.01; done
arreter
grep -q 'Karl Abrupt' "$INI" || echec "abrupt: le nom n'a jamais atteint $INI"
lancer abrupt-relance
attendre_principale
ls "$INI".illisible-* >/dev/null 2>&1 && echec "abrupt: le fichier a été jugé illisible au redémarrage"
grep -Eq '^1="?[0-9]+;Karl Abrupt;1;00h00mn[0-9]{2}s;[0-9]{2}/[0-9]{2}/20[0-9]{2};"?$' "$INI" \
    || echec "abrupt: record incomplet: $(grep '^1=' "$INI")"
voir_table_NI
capture abrupt-apres-redemarrage
nom_en_ligne_1 || echec "abrupt: le record n'est pas affiché après le redémarrage"
echo "nom: OK"
