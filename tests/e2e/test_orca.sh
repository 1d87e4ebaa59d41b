# Orca, started first as a blind player's desktop has it, hears the game: a game lost, whose end speaks
# the combination, then a game won by keys chosen from nothing but what Orca said after each one.
[ -n "${CHROMALIS_BUS_PRIVE:-}" ] || CHROMALIS_BUS_PRIVE=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh" "$1" "$2" orca
# The desktop's accessibility switch is what turns the game's on, not this variable.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
export XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

# 1. Orca refuses to start while another Orca of this user runs: one left by an earlier run is let die.
attendre 30 eval '! pgrep -u "$(id -u)" -x orca >/dev/null' || echec "un autre Orca tourne encore"

# 2. The screen reader switched on in the desktop settings, the accessibility bus, a silent voice.
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
PIDS+=("$!")
VOIX=$XDG_CONFIG_HOME/speech-dispatcher
mkdir -p "$VOIX"
printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' >"$VOIX/speechd.conf"
speech-dispatcher -s -t 0 -C "$VOIX" >/dev/null 2>&1 &
PIDS+=("$!")

# 3. Orca first, its debug file written line by line (Orca leaves it block-buffered).
PAROLE=$ARTEFACTS/orca.log
/usr/bin/python3 - --debug-file "$PAROLE" -u "$WORK/orca" >"$ARTEFACTS/orca-sortie.log" 2>&1 <<'PY' &
import builtins, runpy, sys
ouvrir = builtins.open
def ouvrir_ligne(fichier, mode="r", *a, **k):
    if "w" in mode and "b" not in mode and not a and "buffering" not in k:
        k["buffering"] = 1
    return ouvrir(fichier, mode, *a, **k)
builtins.open = ouvrir_ligne
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
PY
PIDS+=("$!")
attendre 30 grep -q "SPEECH OUTPUT" "$PAROLE" || echec "Orca ne parle pas"

# 4. The game started after Orca, its main window in front; then two games played from what Orca says.
demarrer 1
/usr/bin/python3 - "$PAROLE" >"$ARTEFACTS/partie.log" 2>&1 <<'PY' || { cat "$ARTEFACTS/partie.log" >&2; echec "la partie entendue par Orca échoue"; }
import itertools, re, subprocess, sys, time

journal = sys.argv[1]
noms = {"rouge": "R", "bleu": "B", "vert": "V", "jaune": "J", "rose": "O", "marron": "I", "violet": "N",
        "bleu ciel": "X", "vide": "Z"}
entendues = 0

def notifications():
    with open(journal, errors="replace") as f:
        return re.findall(r"SPEECH OUTPUT: 'notification (.*)'\{", f.read())

def entendre(motif, delai=10):
    """The first notification spoken since the last one heard; it must match motif."""
    global entendues
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        dites = notifications()
        if len(dites) > entendues:
            entendues += 1
            phrase = dites[entendues - 1]
            print("entendu:", phrase, flush=True)
            m = re.fullmatch(motif, phrase)
            if not m:
                sys.exit(f"attendu {motif!r}, entendu {phrase!r}")
            return m
        time.sleep(0.05)
    sys.exit(f"rien entendu après {delai} s (attendu {motif!r})")

def taper(*touches):
    print("touches:", *touches, flush=True)
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *touches], check=True)

def note(p, s):
    noirs = sum(a == b for a, b in zip(p, s))
    return noirs, sum(min(p.count(c), s.count(c)) for c in set(p)) - noirs

def proposer(code):
    taper(*code.lower(), "F7")
    return entendre(r"Rangée (\d+) : (\d+) noirs?, (\d+) blancs?\. Rangée (\d+)\.|Gagné en (\d+) coups?, ([\d ]+) points?.*"
                    r"|Perdu, la combinaison était (.*)")

nouvelle = r"Nouvelle partie, 5 trous, rangée 1\."
# A lost game: the same rows twelve times over; the combination spoken at the end must agree with
# every row result spoken before it. F5 heard once: the game is not stopped by a second F5.
taper("F5")
entendre(nouvelle)
jugees = []
for rang, code in enumerate(itertools.islice(itertools.cycle(["RRBBV", "VJJOO", "INNXX"]), 12), 1):
    m = proposer(code)
    if m.group(1):
        assert int(m.group(1)) == rang and int(m.group(4)) == rang + 1, m.group(0)
        jugees.append((code, (int(m.group(2)), int(m.group(3)))))
    else:
        assert rang == 12 and m.group(7), m.group(0)
        secret = "".join(noms[c] for c in m.group(7).rstrip(".").split(", "))
assert len(secret) == 5 and all(note(c, secret) == n for c, n in jugees), (secret, jugees)
# Enter on the focused "Oui" of the end dialog: a new game.
taper("Return")
entendre(nouvelle)

# A won game: each row chosen among the combinations that agree with every result heard so far.
possibles = ["".join(c) for c in itertools.product("RBVJOINX", repeat=5)]
code, rang = "RRBBV", 0
while True:
    rang += 1
    m = proposer(code)
    if m.group(5):
        assert int(m.group(5)) == rang, m.group(0)
        print("gagné en", rang, flush=True)
        break
    assert m.group(1) and int(m.group(1)) == rang, m.group(0)
    n = (int(m.group(2)), int(m.group(3)))
    possibles = [s for s in possibles if note(code, s) == n]
    if len(possibles) > 400:
        code = possibles[0]
    else:
        # Few left: the one whose worst answer leaves the fewest.
        code = min(possibles, key=lambda g: max(sum(1 for s in possibles if note(g, s) == r)
                                                 for r in {note(g, s) for s in possibles}))
PY
capture fin
