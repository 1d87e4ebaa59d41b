# The hidden solution access with real clicks and keys: the credit label asks the password, the
# right one shows the predefined-games window beside the board, which the window manager cannot
# close; a second click on the label hides it again.
source "$(dirname "$0")/lib.sh" "$1" "$2" triche

lancer triche
attendre_principale
credit_x=$(ecran_x 4447)
credit_y=$(ecran_y 7477)

cliquer "$credit_x" "$credit_y"
passe=$(attendre_fenetre "Mot de passe" 5) || echec "le crédit ne demande pas le mot de passe"
touche -window "$passe" k 4 1 7 Return
erreur=$(attendre_fenetre "Désolé" 5) || echec "un mot de passe en minuscules est accepté"
touche -window "$erreur" Return
absente "Combi No: /" || echec "la fenêtre des parties s'ouvre avec un mauvais mot de passe"

passe=$(attendre_fenetre "Mot de passe" 5) || cliquer "$credit_x" "$credit_y"
passe=$(attendre_fenetre "Mot de passe" 5) || echec "pas de second essai"
touche -window "$passe" ctrl+a K 4 1 7 Return
parties=$(attendre_fenetre "Combi No: /" 5) || echec "la fenêtre des parties ne s'ouvre pas"
sleep 0.3
capture 1-revele
# Beside the board, not over it.
px_parties=$(xwininfo -id "$parties" | awk '/Absolute upper-left X/ { print $4 }')
largeur=$(xwininfo -id "$MAIN" | awk '/Width/ { print $2 }')
[ "$px_parties" -ge $((OX + largeur)) ] || echec "la fenêtre des parties couvre le plateau ($px_parties < $OX + $largeur)"

touche -window "$parties" alt+F4
sleep 0.5
attendre_fenetre "Combi No: /" 2 >/dev/null || echec "Alt+F4 ferme la fenêtre des parties"

xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1 || true
cliquer "$credit_x" "$credit_y"
sleep 0.3
absente "Combi No: /" || echec "un second clic sur le crédit ne cache pas la fenêtre des parties"
capture 2-cache
vivant "$JEU" || echec "le jeu s'est arrêté"
echo "triche: OK"
