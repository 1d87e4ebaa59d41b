# Orca, started first as a blind player's desktop has it, hears the game: a game lost, whose end speaks the
# combination, then a game won by keys chosen from nothing but what Orca said after each one.
source "$(dirname "$0")/lib.sh" "$1" "$2" orca bus
# The desktop's accessibility switch is what turns the game's on, not this variable.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON

# 1. Orca refuses to start while another Orca of this user runs: one left by an earlier run is let die.
attendre 30 eval '! pgrep -u "$(id -u)" -x orca >/dev/null' || echec "un autre Orca tourne encore"

# 2. The screen reader switched on in the desktop settings, the accessibility bus, a silent voice.
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true
fond /usr/libexec/at-spi-bus-launcher --launch-immediately
# Its bus outlives a killed launcher: it is stopped with the rest.
BUS=$(attendre 10 pgrep -f "$XDG_RUNTIME_DIR/at-spi/bus") && PIDS+=($BUS) || echec "pas de bus d'accessibilité"
mkdir "$WORK/voix" && printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' >"$WORK/voix/speechd.conf"
fond speech-dispatcher -s -t 0 -C "$WORK/voix"

# 3. Orca first, its debug file written line by line (Orca leaves it block-buffered).
PAROLE=$ARTEFACTS/orca.log
/usr/bin/python3 - --debug-file "$PAROLE" -u "$WORK/orca" >"$ARTEFACTS/orca-sortie.log" 2>&1 <<'PY' &
import builtins, runpy, sys
ouvrir = builtins.open
builtins.open = lambda f, mode="r", *a, **k: ouvrir(f, mode, *a, **k) if a or "b" in mode or "w" not in mode \
    else ouvrir(f, mode, **{"buffering": 1, **k})
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
PY
PIDS+=("$!")
attendre 30 grep -q "SPEECH OUTPUT" "$PAROLE" || echec "Orca ne parle pas"

# 4. The game started after Orca. Twelve empty rows lose the first game, whose combination is spoken; Enter on
# « Oui » starts a game won with rows chosen among the combinations that agree with all results heard. Each row is typed by keys, and its last peg heard with its colour before F7 validates it.
demarrer 1
/usr/bin/python3 - "$PAROLE" >"$ARTEFACTS/partie.log" 2>&1 <<'PY' || { cat "$ARTEFACTS/partie.log" >&2; echec "la partie entendue par Orca échoue"; }
import itertools, re, subprocess, sys, time
noms = {"rouge": "R", "bleu": "B", "vert": "V", "jaune": "J", "rose": "O", "marron": "I", "violet": "N", "bleu ciel": "X"}
entendues = 0

def entendre(motif):
    """The next notification Orca spoke, which must match motif; pegs typed before the last of a row
    may be cut short by the next key, and are let pass."""
    global entendues
    for _ in range(200):
        with open(sys.argv[1], errors="replace") as f:
            dites = re.findall(r"SPEECH OUTPUT: 'notification (.*)'\{", f.read())
        if len(dites) > entendues:
            phrase, entendues = dites[entendues], entendues + 1
            print("entendu:", phrase, flush=True)
            if re.fullmatch(r"trou [1-4] : .*", phrase):
                continue
            m = re.fullmatch(motif, phrase)
            return m or sys.exit(f"attendu {motif!r}")
        time.sleep(0.05)
    sys.exit(f"rien entendu (attendu {motif!r})")

def taper(*touches):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *touches], check=True)

def note(p, s):
    noirs = sum(a == b for a, b in zip(p, s))
    return noirs, sum(min(p.count(c), s.count(c)) for c in set(p)) - noirs

def proposer(code, rang):
    taper(*code.lower())
    couleur = entendre(r"trou 5 : (.*), fin de la rangée\.").group(1)
    assert noms[couleur] == code[-1], couleur
    taper("F7")
    m = entendre(r"Rangée (\d+) : (\d+) noirs?, (\d+) blancs?\. Rangée (\d+)\.|Gagné en (\d+) coups?, [\d ]+ points?.*")
    assert not m.group(1) or (int(m.group(1)), int(m.group(4))) == (rang, rang + 1), m.group(0)
    assert not m.group(5) or int(m.group(5)) == rang, m.group(0)
    return m

nouvelle = r"Nouvelle partie, 5 trous, rangée 1\."
taper("F5")  # heard once: a second F5 would stop the game
entendre(nouvelle)
for rang in range(1, 13):
    taper("F7")
    m = entendre(r"Rangée \d+ : 0 noir, 0 blanc\. Rangée \d+\.|Perdu, la combinaison était (.*)\.")
assert m.group(1) and [c in noms for c in m.group(1).split(", ")] == [True] * 5, m.group(0)
taper("Return")
entendre(nouvelle)
possibles = ["".join(c) for c in itertools.product("RBVJOINX", repeat=5)]
code = "RRBBV"
for rang in range(1, 13):
    m = proposer(code, rang)
    if m.group(5):
        sys.exit(print("gagné en", rang))
    assert m.group(1), m.group(0)
    possibles = [s for s in possibles if note(code, s) == (int(m.group(2)), int(m.group(3)))]
    # Few left: the one whose worst answer leaves the fewest.
    code = possibles[0] if len(possibles) > 400 else min(possibles, key=lambda g: max(
        sum(note(g, s) == r for s in possibles) for r in {note(g, s) for s in possibles}))
sys.exit("pas gagné en 12 rangées")
PY
capture fin
