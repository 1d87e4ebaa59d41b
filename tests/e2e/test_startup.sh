# Start-up as a player sees it: the start-up window, the main window after three seconds,
# a second copy refused, the close box asking before quitting.
source "$(dirname "$0")/lib.sh" "$1" "$2" demarrage

lancer premier
accueil=$(attendre_fenetre "Chromalis" 10) || echec "pas de fenêtre de démarrage"
sleep 0.5
capture 1-accueil
absente "Ventaroc vous propose:" || echec "la fenêtre principale est déjà là"
principale=$(attendre_fenetre "Ventaroc vous propose:" 8) || echec "la fenêtre principale ne vient pas"
absente "Chromalis" || echec "la fenêtre de démarrage reste ouverte"
sleep 0.5
capture 2-principale
eval "$(xdotool getwindowgeometry --shell "$principale")"
[ "$WIDTH" -ge 320 ] && [ "$WIDTH" -le 335 ] || echec "largeur $WIDTH au lieu d'environ 331 pixels"
grep -q '^OK=OUI' "$INI" || echec "marqueur OUI absent de $INI"
grep -q '^dossier%20application=' "$INI" || echec "dossier du programme non enregistré"

# A second copy says so and goes away; the first stays.
lancer second
refus=$(attendre_fenetre "Information..." 10) || echec "pas de refus de la seconde copie"
capture 3-seconde-copie
touche -window "$refus" Return
for _ in $(seq 50); do vivant "$JEU" || break; sleep 0.1; done
vivant "$JEU" && echec "la seconde copie tourne encore"
vivant "${PIDS[0]}" || echec "la première copie s'est arrêtée"

# The close box asks; No keeps the game.
wmctrl -c "Ventaroc vous propose:"
question=$(attendre_fenetre "Chromalis" 5) || echec "pas de confirmation à la fermeture"
capture 4-confirmation
touche -window "$question" alt+n
sleep 0.5
vivant "${PIDS[0]}" || echec "Non a fermé le jeu"
attendre_fenetre "Ventaroc vous propose:" 2 >/dev/null || echec "la fenêtre principale a disparu"

# Escape asks too; Yes ends the program.
xdotool windowactivate --sync "$principale" 2>/dev/null || true
touche -window "$principale" Escape
question=$(attendre_fenetre "Chromalis" 5) || echec "Échap ne demande pas confirmation"
touche -window "$question" alt+o
for _ in $(seq 50); do vivant "${PIDS[0]}" || break; sleep 0.1; done
vivant "${PIDS[0]}" && echec "Oui n'a pas fermé le jeu"
echo "démarrage: OK"
