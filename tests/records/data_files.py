"""The data files of the game, byte for byte, for the record scenarios.

Windows-1252, one value per line, CR LF after every line; integers in plain
decimal, strings between double quotes, booleans #TRUE# / #FALSE#.
"""

CRLF = "\r\n"

# The names a fresh installation starts with, characters 1 to 24.
NEW_NAMES = [
    "AMELIE", "BASTIEN", "CAMILLE", "DAMIEN", "ELODIE", "FLORIAN", "GAELLE", "HUGO",
    "INES", "JULIEN", "KARINE", "LUCAS", "MANON", "NICOLAS", "OCEANE", "PIERRE",
    "QUENTIN", "ROMANE", "SIMON", "THEO", "URSULE", "VALENTIN", "XAVIER", "ZOE",
]


def _lines(values):
    out = []
    for v in values:
        if isinstance(v, bool):
            out.append("#TRUE#" if v else "#FALSE#")
        elif isinstance(v, int):
            out.append(str(v))
        elif v is None:
            out.append("")
        else:
            out.append('"' + v + '"')
    return "".join(line + CRLF for line in out).encode("cp1252")


def joueurs(names=NEW_NAMES):
    assert len(names) == 24
    return _lines(names)


def abandon(total=0, par=None):
    """par: {character: count}."""
    par = par or {}
    return _lines([total] + [par.get(i, 0) for i in range(1, 25)])


def info(total=0, par=None, counters=(0,) * 12):
    par = par or {}
    assert len(counters) == 12
    return _lines([total] + [par.get(i, 0) for i in range(1, 25)] + list(counters))


def fichyam(records=()):
    """records: up to ten (character, date, score), rank 1 first; the rest
    are the records of a ranking never played."""
    records = list(records) + [(0, "", 0)] * (10 - len(records))
    assert len(records) == 10
    values = []
    for character, date, score in records:
        values += [character, date, score]
    return _lines(values)


def commence(animation_off=False, character=0, mode=0, bubbles_off=False, sounds_off=False,
             panel=False, dice_set=1, locked=False):
    # Line 2 is always 0; line 3 is empty when there is no character.
    return _lines([animation_off, 0, character or None, mode, bubbles_off, sounds_off,
                   panel, dice_set, locked])


def neutral_files(mode=1):
    """What a fresh folder holds once the game has started and loaded the
    records of one way of playing."""
    return {
        "Commence": commence(),
        "Joueurs": joueurs(),
        "Fichyam1": fichyam(),
        "Fichyam2": fichyam(),
        f"Abandon{mode}": abandon(),
        f"Info{mode}": info(),
    }
