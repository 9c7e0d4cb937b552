"""A whole game in "2 tirages", written as a script for the driver, with the
sheet, the totals and the figure counters it must end with, worked out here
from the rules of the game (not from the game's code).

Each turn is two draws. A draw is a list of throws: the first throws all
five dice; each later one releases some dice (by clicking them) and throws
those. A draw then either ties a cell by a click after its last throw, or
announces an Annonce cell after its first throw, or (second draw only) ties
nothing, so that the next OK takes the first draw.
"""

from dataclasses import dataclass, field

DESCENTE = [0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14]
MONTEE = [30, 29, 28, 27, 26, 25, 24, 21, 20, 19, 18, 17, 16]
SCORING = [c * 16 + r for c in range(5) for r in list(range(6)) + list(range(8, 15))]


@dataclass
class Draw:
    first: list                      # the five dice of the first throw
    later: list = field(default_factory=list)  # [(released dice, new faces)]
    cell: int = -1                   # the cell tied to the draw, -1 none
    announce: bool = False           # the cell is announced after throw 1


@dataclass
class Turn:
    kind: str        # "two", "same", "c29", "first", "same_announce"
    d1: Draw
    d2: Draw
    pick: int = 0    # "two": 1 or 2, the draw whose cell is kept; "c29": 81 or 82


def D(first, cell=-1, later=(), announce=False):
    return Draw(list(first), list(later), cell, announce)


# ---- the rules of a cell's points and of the figure text ------------------

def points_of_text(text):
    t = text.lstrip(" ")
    sign = 1
    if t[:1] in "+-" and t:
        sign = -1 if t[0] == "-" else 1
        t = t[1:]
    digits = ""
    for ch in t:
        if not ch.isdigit():
            break
        digits += ch
    return sign * int(digits) if digits else 0


class Sheet:
    def __init__(self):
        self.text = {i: "   " for i in range(83)}
        self.closed = {i: False for i in range(83)}
        self.totaux = {i: "   " for i in range(16)}
        for i in (2, 5, 8, 11, 14, 15):
            self.totaux[i] = "0"

    def value(self, cell, dice, turn):
        d = sorted(dice)
        s = sum(d)
        pts = 0
        fig = ""
        row = cell % 16 if 0 <= cell <= 78 else -1
        if row in (6, 7, 15):
            row = -1
        last_seche = cell == 62 and turn == 65
        if 0 <= row <= 5:
            f = row + 1
            n = d.count(f)
            pts = n if f == 1 else (n - 3) * f
        if d == [1, 2, 3, 4, 5]:
            fig = "SUITE = 45"
            if row == 8 or last_seche:
                pts = 45
        if d == [2, 3, 4, 5, 6]:
            fig = "SUITE = 50"
            if row == 8 or last_seche:
                pts = 50
        for full in ((d[0] == d[2] and d[3] == d[4]), (d[0] == d[1] and d[2] == d[4])):
            if full:
                fig = f"FULL = {20 + s}"
                if row == 9 or last_seche:
                    pts = 20 + s
        for carre, v in ((d[0] == d[3], 40 + sum(d[0:4])), (d[1] == d[4], 40 + sum(d[1:5])),
                         (d[0] == d[4], 40 + s)):
            if carre:
                fig = f"CARRE = {v}"
                if row == 10 or last_seche:
                    pts = v
        if row in (11, 12, 13):
            pts = s
            col = cell // 16 * 16

            def counts(r):
                return self.closed[col + r] and points_of_text(self.text[col + r]) != 0

            def p(r):
                return points_of_text(self.text[col + r])

            if row == 11 and ((counts(12) and p(12) >= s) or (counts(13) and p(13) >= s)):
                pts = 0
            if row == 12 and ((counts(13) and p(13) >= s) or (counts(11) and p(11) <= s)):
                pts = 0
            if row == 13 and ((counts(11) and p(11) <= s) or (counts(12) and p(12) <= s)):
                pts = 0
        if d[0] == d[4]:
            fig = f"YAM = {60 + s}"
            if row == 14:
                pts = 60 + s
                if cell == 62 and turn == 65:
                    pts = (60 + s) * 2
        if cell == 62 and turn == 65 and s > pts:
            pts = s
        return pts, fig

    def place(self, cell, pts):
        row = cell % 16
        self.text[cell] = str(pts) if row <= 5 or pts != 0 else "XXX"
        col = cell // 16
        if row <= 5:
            cells = [col * 16 + r for r in range(6)]
            if all(self.text[c] != "   " for c in cells):
                somme = sum(points_of_text(self.text[c]) for c in cells)
                if somme < -10:
                    total, bonus = 0, (somme + 10) * 6
                elif somme < 0:
                    total, bonus = 60 + 6 * somme, 0
                else:
                    total, bonus = 90, 6 * somme
                self.totaux[3 * col] = str(total)
                self.totaux[3 * col + 1] = str(bonus)
                self.add(col, total + bonus)
        else:
            self.add(col, pts)
        self.closed[cell] = True

    def add(self, col, n):
        self.totaux[3 * col + 2] = str(points_of_text(self.totaux[3 * col + 2]) + n)
        self.totaux[15] = str(points_of_text(self.totaux[15]) + n)


def is_carre(dice):
    d = sorted(dice)
    return d[0] == d[3] or d[1] == d[4]


def is_yam(dice):
    return len(set(dice)) == 1


# ---- the game ----------------------------------------------------------------

def turns():
    T = Turn
    return [
        # Descente, each with another way of settling the turn.
        T("two", D([1, 1, 1, 4, 6], 0), D([1, 1, 2, 3, 4], 32), 1),
        T("same", D([2, 2, 2, 2, 5], 1), D([2, 2, 2, 3, 5], 1)),          # the first is better
        T("same", D([3, 1, 2, 4, 5], 2), D([3, 3, 3, 3, 6], 2)),          # the second is better
        T("same", D([4, 4, 4, 1, 2], 3), D([4, 4, 4, 5, 6], 3)),          # a tie: the first
        T("first", D([5, 5, 5, 5, 1], 4),
          D([1, 2, 3, 4, 6], later=[([4], [5]), ([0], [6])])),
        T("two", D([6, 6, 1, 2, 3], 64, later=[([2, 3, 4], [6, 6, 1]), ([4], [1])], announce=True),
          D([6, 6, 6, 2, 3], 5), 2),
        T("two", D([1, 2, 3, 4, 5], 8), D([2, 2, 3, 3, 4], 65, later=[([], []), ([], [])], announce=True), 1),
        T("two", D([3, 3, 3, 5, 5], 9), D([2, 3, 4, 5, 6], 40), 1),
        T("two", D([2, 2, 2, 2, 5], 10), D([1, 1, 1, 2, 3], 48), 1),
        T("two", D([6, 6, 5, 5, 4], 11), D([6, 6, 6, 6, 6], 42), 1),
        T("two", D([5, 5, 4, 4, 3], 12), D([1, 1, 1, 1, 2], 43), 1),
        T("two", D([1, 1, 2, 2, 3], 13), D([2, 2, 2, 2, 2], 33), 1),
        T("same", D([4, 4, 4, 4, 4], 14), D([1, 2, 3, 3, 5], 14)),
        # Montée.
        T("two", D([1, 1, 2, 2, 6], 44),
          D([5, 5, 5, 1, 2], 30, later=[([3, 4], [5, 5])]), 2),           # a Yam at the second throw
        T("c29", D([1, 1, 2, 2, 3], 29), D([1, 1, 1, 2, 2], 29), 82),
        T("two", D([2, 2, 3, 3, 4], 28), D([1, 2, 2, 3, 3], 45), 1),
        T("first", D([6, 6, 6, 5, 4], 27),
          D([2, 3, 3, 4, 6], later=[([0], [1]), ([4], [2])])),
        T("two", D([3, 3, 3, 3, 1], 46),
          D([3, 3, 3, 1, 2], 26, later=[([3, 4], [3, 5])]), 2),           # Carré sec seen in the first draw
        T("two", D([4, 4, 4, 2, 2], 25), D([2, 2, 2, 5, 6], 49), 1),
        T("same", D([1, 2, 3, 4, 6], 24), D([6, 5, 4, 3, 2], 24)),
        T("two", D([3, 3, 1, 2, 4], 66, later=[([2, 3, 4], [3, 3, 5]), ([4], [3])], announce=True),
          D([6, 6, 6, 6, 2], 21), 2),
        T("two", D([5, 5, 5, 5, 5], 20), D([3, 3, 3, 3, 4], 50), 1),
        T("two", D([4, 4, 1, 2, 3], 19),
          D([4, 4, 4, 1, 2], 67, later=[([3, 4], [4, 4]), ([], [])], announce=True), 1),
        T("two", D([3, 3, 3, 6, 6], 18), D([3, 3, 3, 3, 1], 34), 1),
        T("two", D([2, 2, 2, 2, 6], 17), D([4, 4, 5, 6, 1], 51), 1),
        T("same", D([1, 1, 1, 1, 3], 16), D([1, 1, 2, 3, 4], 16)),
        # Sèche, Annonce and Libre; one Libre cell is kept for the last turn,
        # and the twelfth is filled at turn 64.
        T("two", D([1, 1, 1, 2, 3], 48), D([1, 1, 4, 5, 6], 32), 1),                       # 27
        T("two", D([2, 2, 3, 4, 5], 32),
          D([1, 1, 1, 1, 4], 68, later=[([4], [1]), ([], [])], announce=True), 2),
        T("two", D([2, 2, 2, 4, 4], 49), D([6, 6, 6, 3, 3], 33), 2),
        T("first", D([3, 3, 3, 1, 2], 50), D([3, 1, 2, 5, 6], later=[([1], [3]), ([2], [3])])),  # 30
        T("two", D([4, 4, 4, 4, 1], 51),
          D([4, 4, 2, 2, 3], 69, later=[([2, 3, 4], [4, 4, 6]), ([], [])], announce=True), 2),
        T("same_announce", D([2, 2, 5, 5, 6], 72, later=[([0, 1], [3, 4]), ([], [])], announce=True),
          D([1, 2, 3, 3, 4], 72, later=[([3], [5]), ([4], [6])], announce=True)),
        T("two", D([5, 5, 5, 2, 1], 52), D([5, 5, 6, 6, 6], 34), 1),
        T("two", D([6, 6, 6, 6, 3], 53), D([2, 3, 6, 6, 1], 35), 1),
        T("two", D([4, 4, 4, 6, 6], 73, later=[([], []), ([], [])], announce=True),
          D([4, 4, 4, 1, 2], 35), 2),                                                      # 35
        T("same", D([2, 3, 4, 5, 6], 56), D([1, 2, 3, 4, 5], 56)),
        T("two", D([1, 1, 4, 4, 4], 57), D([6, 6, 6, 5, 5], 36), 1),
        T("first", D([5, 5, 5, 5, 2], 74, later=[([4], [3]), ([], [])], announce=True),
          D([1, 2, 4, 5, 6], later=[([0], [2]), ([1], [4])])),
        T("two", D([6, 6, 6, 6, 6], 58), D([2, 2, 3, 3, 3], 36), 2),
        T("two", D([1, 2, 3, 4, 6], 40),
          D([3, 4, 4, 5, 6], 75, later=[([0], [6]), ([1], [6])], announce=True), 2),       # 40
        T("two", D([6, 6, 5, 5, 3], 59), D([1, 1, 2, 2, 4], 37), 1),
        T("two", D([4, 4, 5, 5, 6], 60),
          D([3, 3, 2, 2, 1], 76, later=[([4], [2]), ([], [])], announce=True), 2),
        T("two", D([2, 2, 1, 1, 3], 61), D([1, 1, 2, 2, 5], 37), 1),
        T("two", D([6, 6, 6, 6, 1], 62), D([6, 5, 4, 3, 2], 40), 2),
        T("two", D([3, 3, 3, 3, 3], 62),
          D([6, 6, 2, 2, 2], 77, later=[([0, 1], [2, 2]), ([], [])], announce=True), 1),   # 45
        T("two", D([5, 5, 5, 5, 4], 78, later=[([4], [5]), ([], [])], announce=True),
          D([2, 2, 2, 4, 4], 41), 2),
        T("two", D([4, 4, 4, 4, 6], 42), D([6, 6, 6, 6, 6], 78, later=[([], []), ([], [])], announce=True), 2),
        T("first", D([2, 2, 2, 5, 5], 43), D([1, 1, 1, 2, 6], later=[([3], [1]), ([4], [1])])),
        T("two", D([5, 5, 4, 4, 4], 44), D([1, 2, 3, 4, 5], 45), 1),
        T("two", D([2, 2, 2, 2, 3], 49),
          D([3, 3, 2, 2, 1], 77, later=[([], []), ([], [])], announce=True), 1),           # 50
        T("two", D([1, 1, 1, 1, 1], 77, later=[([], []), ([], [])], announce=True),
          D([5, 5, 5, 5, 3], 32), 1),
        T("two", D([3, 3, 3, 4, 4], 51), D([1, 1, 1, 2, 4], 32), 2),
        T("two", D([6, 6, 6, 1, 2], 34), D([4, 4, 4, 4, 2], 51), 2),
        T("two", D([5, 5, 5, 1, 2], 64, later=[([3, 4], [5, 6]), ([4], [5])], announce=True),
          D([2, 3, 4, 6, 6], 34), 1),
        T("two", D([3, 3, 3, 6, 3], 34),
          D([2, 2, 2, 2, 1], 65, later=[([4], [2]), ([], [])], announce=True), 1),         # 55
        T("two", D([2, 2, 3, 4, 5], 58),
          D([6, 6, 6, 6, 6], 65, later=[([], []), ([], [])], announce=True), 2),
        T("two", D([1, 3, 5, 2, 4], 58), D([6, 6, 6, 6, 2], 37), 1),
        T("two", D([3, 3, 3, 2, 2], 66, later=[([3, 4], [3, 3]), ([], [])], announce=True),
          D([6, 6, 5, 5, 4], 37), 1),
        T("first", D([1, 1, 1, 3, 3], 37), D([6, 6, 6, 1, 2], later=[([3], [6]), ([4], [6])])),
        T("two", D([4, 4, 3, 3, 5], 67, later=[([], []), ([], [])], announce=True),
          D([6, 6, 6, 6, 5], 60), 2),                                                      # 60
        T("two", D([4, 4, 4, 2, 2], 67, later=[([3, 4], [4, 4]), ([], [])], announce=True),
          D([1, 2, 3, 4, 6], 42), 1),
        T("two", D([5, 5, 3, 3, 1], 42),
          D([5, 5, 5, 2, 2], 73, later=[([3, 4], [5, 1]), ([4], [5])], announce=True), 2),
        T("two", D([6, 6, 6, 5, 5], 42), D([3, 3, 4, 4, 1], 45), 1),
        T("two", D([6, 6, 6, 5, 1], 45), D([1, 1, 1, 2, 4], 46), 1),                       # 64
        T("same", D([2, 2, 2, 2, 1], 46), D([5, 5, 5, 5, 5], 46)),                          # 65
    ]


def text_of(cell, pts):
    return str(pts) if cell % 16 <= 5 or pts != 0 else "XXX"


def play():
    """The script lines with a few probes, what the probes must print, and
    the sheet and the twelve figure counters the game must end with. Each
    way of ending a turn is probed the first time it happens."""
    sheet = Sheet()
    script = []
    out = []
    probed = set()

    def probe(key, lines):
        # lines: [(script line, printed line)]
        if key in probed:
            return
        probed.add(key)
        for command, printed in lines:
            script.append(command)
            out.append(printed)

    faces = [0] * 6
    rows = {r: 0 for r in range(6, 12)}   # crosses, Full, Carré, Yam, Carré sec, Yam sec
    pending = None                        # the settling that the next OK makes
    settled_kind, settled_cell = "", -1

    def throw(kept, dice, new_faces):
        new = list(new_faces)
        for i in range(5):
            if not kept[i]:
                dice[i] = new.pop(0)
                faces[dice[i] - 1] += 1
        assert not new, "more faces than released dice"

    def count(cell, fig, sec):
        if cell % 16 >= 8 and sheet.text[cell] in ("XXX", "0"):
            rows[6] += 1
        letter = fig[:1]
        if letter in ("Y", "F"):
            rows[7] += 1
        if letter in ("Y", "C"):
            rows[10 if sec["carre"] else 8] += 1
        if letter == "Y":
            rows[11 if sec["yam"] else 9] += 1

    def settle(cell, pts, fig, sec):
        sheet.place(cell, pts)
        count(cell, fig, sec)

    all_turns = turns()
    assert len(all_turns) == 65
    for n, turn in enumerate(all_turns, start=1):
        script.append(f"# turn {n}: {turn.kind}")
        sec = {"carre": False, "yam": False}
        record = []
        for draw in (turn.d1, turn.d2):
            dice = [0] * 5
            kept = [False] * 5
            script.append("dice " + " ".join(map(str, draw.first)))
            script.append("click Ok")
            if pending:                   # this OK settles the last turn first
                pending()
                pending = None
                probe("settled " + settled_kind, [
                    (f"print Cases {settled_cell} caption", f'Cases({settled_cell}).caption = "{sheet.text[settled_cell]}"'),
                    (f"print Cases {settled_cell} forecolor", f"Cases({settled_cell}).forecolor = #000000"),
                    ("field NuméroJet", "NuméroJet = 1"),
                ])
            throw(kept, dice, draw.first)
            kept = [True] * 5
            throws = 1
            if is_carre(dice):
                sec["carre"] = True
            if is_yam(dice):
                sec["yam"] = True
            if draw.announce:
                assert 64 <= draw.cell <= 78 and not sheet.closed[draw.cell]
                script.append(f"click Cases {draw.cell}")
            for released, new_faces in draw.later:
                for i in released:
                    script.append(f"click ChoixDés {i}")
                    kept[i] = False
                if new_faces:
                    script.append("dice " + " ".join(map(str, new_faces)))
                script.append("click Ok")
                throw(kept, dice, new_faces)
                throws += 1
                kept = [True] * 5 if throws < 3 else [False] * 5
            if draw.cell >= 0 and not draw.announce:
                assert not sheet.closed[draw.cell], (n, draw.cell)
                if 48 <= draw.cell <= 78:
                    assert throws == 1, (n, draw.cell)
                script.append(f"click Cases {draw.cell}")
            if draw.announce:
                assert throws == 3
            if draw.cell >= 0:
                pts, fig = sheet.value(draw.cell, dice, n)
                record.append((draw.cell, pts, fig))
            which = 1 if draw is turn.d1 else 2
            if draw.announce and turn.kind != "same_announce":
                probe(f"announce {which}", [
                    (f"print Cases {draw.cell} caption", f'Cases({draw.cell}).caption = "{text_of(draw.cell, pts)}"'),
                    (f"print Cases {draw.cell} forecolor", f"Cases({draw.cell}).forecolor = #FF0000"),
                    (f"field CaseTirage{which}", f"CaseTirage{which} = {draw.cell}"),
                    (f"field PointsTirage{which}", f"PointsTirage{which} = {pts}"),
                ])
            if turn.kind == "first" and which == 2:
                probe("first", [("field NuméroJet", "NuméroJet = 3"), ("field CaseTirage2", "CaseTirage2 = -1")])
            if turn.kind == "same" and which == 2:
                probe("same", [("field ChoixBloqué", "ChoixBloqué = true"),
                               ("field TourJoué", "TourJoué = false")])
            if n >= 27 and throws == 3 and not draw.announce:
                assert n < 64, "a third throw would let the game choose the last Libre cell"
        kind = turn.kind
        if kind == "two":
            (c1, p1, f1), (c2, p2, f2) = record
            assert c1 != c2
            cell, pts, fig = record[turn.pick - 1]
            script.append(f"click Cases {cell}")
            settle(cell, pts, fig, sec)
            other = record[2 - turn.pick][0]
            probe("two", [
                (f"print Cases {cell} caption", f'Cases({cell}).caption = "{sheet.text[cell]}"'),
                (f"print Cases {cell} forecolor", f"Cases({cell}).forecolor = #000000"),
                (f"print Cases {other} caption", f'Cases({other}).caption = "   "'),
                ("field TourJoué", "TourJoué = true"),
            ])
        elif kind in ("same", "same_announce"):
            (c1, p1, f1), (c2, p2, f2) = record
            assert c1 == c2 and (c1 != 29 or p1 == p2)
            best = record[1] if p1 < p2 else record[0]
            if kind == "same_announce":
                settle(*best, sec)
                probe("same_announce", [
                    (f"print Cases {c1} caption", f'Cases({c1}).caption = "{sheet.text[c1]}"'),
                    (f"print Cases {c1} forecolor", f"Cases({c1}).forecolor = #000000"),
                    ("field TourJoué", "TourJoué = true"),
                ])
            else:
                pending = (lambda b=best, s=sec: settle(*b, s))
                settled_kind, settled_cell = kind, c1
        elif kind == "c29":
            (c1, p1, f1), (c2, p2, f2) = record
            assert c1 == c2 == 29 and p1 != p2
            script.append("click Ok")
            probe("c29", [
                ("field ChoixValeur29", "ChoixValeur29 = true"),
                ("print Cases 29 caption", 'Cases(29).caption = "   "'),
                ("print Cases 81 caption", f'Cases(81).caption = "{p1}"'),
                ("print Cases 82 caption", f'Cases(82).caption = "{p2}"'),
            ])
            script.append(f"click Cases {turn.pick}")
            settle(29, *(record[0][1:] if turn.pick == 81 else record[1][1:]), sec)
            probe("c29 chosen", [
                ("print Cases 29 caption", f'Cases(29).caption = "{sheet.text[29]}"'),
                ("print Cases 81 visible", "Cases(81).visible = false"),
                ("field ChoixValeur29", "ChoixValeur29 = false"),
            ])
        elif kind == "first":
            assert len(record) == 1
            pending = (lambda b=record[0], s=sec: settle(*b, s))
            settled_kind, settled_cell = kind, record[0][0]
        else:
            raise ValueError(kind)
    if pending:
        script.append("click Ok")
        pending()
    assert all(sheet.closed[c] for c in SCORING), [c for c in SCORING if not sheet.closed[c]]
    counters = faces + [rows[r] for r in range(6, 12)]
    return script, out, sheet, counters
