#!/usr/bin/env python3
"""Writes the record scenarios of this folder: for each one its before/ and
after/ data files, its script.txt and its expected.out.

    python3 tests/records/make_scenarios.py

Every expected line and every byte of after/ is worked out here from the
rules of the game: the ranking's tie rule, which file each abandon charges,
the counter label texts, and so on. The whole games in "1 tirage" replay the
turns of tests/scenarios/whole_game_one_draw (a game of 1937 points) and
take the output of those turns from its expected file; the whole game in
"2 tirages" comes from two_draws_game.py, which works out its sheet.

Rewriting a scenario's files means reading each changed line against the
rules again before keeping it.
"""

import re
import shutil
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # no __pycache__ among the scenario folders

import data_files as df  # noqa: E402
import two_draws_game  # noqa: E402

HERE = Path(__file__).resolve().parent
ONE_DRAW = HERE.parent / "scenarios" / "whole_game_one_draw"

BLUE = "#0000FF"
BLACK = "#000000"
RED = "#FF0000"
DARK_RED = "#C00000"

MESSAGE = {
    0: " Désolé ! Vous n'êtes pas dans les 10 premiers. Pour rejouer, cliquez sur votre personnage ",
    1: " M A G N I F I Q U E ! ! ! Vous êtes Premier au Ranking. Pour rejouer, cliquez sur votre personnage ",
    2: " B R A V O ! ! ! Vous êtes classés dans les 10 premiers du Ranking. Pour rejouer, cliquez sur votre "
       "personnage ",
}
QUIT_BOX = 'box "        QUITTER DRAVONELLE ?" "Dravonelle"'
TODAY = "05/01/26 "   # the driver's clock: 2026-01-05

# ---- a folder that has seen some games -------------------------------------

NAMES = list(df.NEW_NAMES)
NAMES[7 - 1] = "JOSÉ"
NAMES[12 - 1] = "HÉLÈNE"

COUNTERS1 = [1000, 1001, 1002, 1003, 1004, 1005, 30, 200, 60, 10, 40, 5]
COUNTERS2 = [400, 401, 402, 403, 404, 405, 9, 70, 20, 3, 15, 2]
RANKING1 = [(7, "12/03/25 ", 2480), (12, "02/11/25 ", 2210)]
RANKING2 = [(9, "01/02/25 ", 1800)]
ABANDONS1 = (9, {3: 2, 7: 4, 12: 3})
ABANDONS2 = (5, {3: 1, 9: 4})
FINISHED1 = (40, {3: 10, 7: 20, 12: 10})
FINISHED2 = (12, {3: 5, 9: 7})


def played_folder(**commence):
    return {
        "Commence": df.commence(**commence),
        "Joueurs": df.joueurs(NAMES),
        "Fichyam1": df.fichyam(RANKING1),
        "Fichyam2": df.fichyam(RANKING2),
        "Abandon1": df.abandon(*ABANDONS1),
        "Abandon2": df.abandon(*ABANDONS2),
        "Info1": df.info(*FINISHED1, COUNTERS1),
        "Info2": df.info(*FINISHED2, COUNTERS2),
    }


def abandoned(counts, character):
    total, par = counts
    par = dict(par)
    par[character] = par.get(character, 0) + 1
    return total + 1, par


def added(a, b):
    return [x + y for x, y in zip(a, b)]


# ---- the whole game in "1 tirage" -------------------------------------------

def one_draw_game():
    """The turns of the 1937-point game, what they print up to the end of
    the last turn, and the twelve figure counters they add."""
    script = expand(ONE_DRAW.with_suffix(".txt").read_text(encoding="utf-8").splitlines())
    expected = [line for line in ONE_DRAW.with_suffix(".expected").read_text(encoding="utf-8").splitlines()
                if not line.startswith("navigate ")]
    assert script[2:4] == ["start", "click Coup1"] and script[247:249] == ["dice 2 2 2 6 6", "click Ok"]
    turns = script[4:249]
    header = ["write Commence", "write Joueurs", "sound Robot3", "write Fichyam1", "write Fichyam2",
              "write Abandon1", "write Info1"]
    assert expected[:7] == header
    end = expected.index("write Info1", 7)
    assert expected[end:end + 3] == ["write Info1", "write Fichyam1", "sound Classic"]
    printed = expected[7:end]
    counters = [int(l.split('"')[1]) for l in expected if l.startswith("Stats2(")]
    assert len(counters) == 12
    # Every queued die is thrown once: the face counters are the queue's.
    faces = [0] * 6
    for line in turns:
        if line.startswith("dice "):
            for f in line.split()[1:]:
                faces[int(f) - 1] += 1
    assert faces == counters[:6], (faces, counters)
    return turns, printed, counters


def ranking_rows(rows, names):
    """Script and output lines showing ranking rows: {row: (character, date, score, colour)}."""
    script, out = [], []
    for k, (character, date, score, colour) in rows.items():
        name = names[character - 1] if character else ""
        for control, value in (("NomsScore", name), ("LadateScore", date), ("ScoresScore", str(score))):
            script.append(f"print {control} {k} caption")
            out.append(f'{control}({k}).caption = "{value}"')
        for control in ("NomsScore", "LadateScore", "ScoresScore"):
            script.append(f"print {control} {k} forecolor")
            out.append(f"{control}({k}).forecolor = {colour}")
    return script, out


def end_of_game(total, rank, rows, names, first_place, finished, own_finished):
    """What the window shows once the game is recorded."""
    script = ["field RangObtenu", "field PartieEnCours", "print Ok enabled", "print Totaux 15 caption"]
    out = [f"RangObtenu = {rank}", "PartieEnCours = false", "Ok.enabled = false", f'Totaux(15).caption = "{total}"']
    s, o = ranking_rows(rows, names)
    script += s + ["print Premier picture", "print Premier visible", "print Score picture", "print Infos caption",
                   "print Infos backcolor", "print PartiesJouées caption",
                   "print PartiesIndividuellesJouées caption"]
    out += o + [f"Premier.picture = Personnages({first_place})", "Premier.visible = true",
                "Score.picture = Lightoff", f'Infos.caption = "{MESSAGE[min(rank, 2)]}"',
                f"Infos.backcolor = {DARK_RED}", f'PartiesJouées.caption = "{finished}"',
                f'PartiesIndividuellesJouées.caption = "{own_finished}"']
    return script, out


def one_draw_scenario(name, comment, before, start, start_out, rank, records_after, rows, finished,
                      own_finished, after, record_out, tail=(), tail_out=(), names=NAMES):
    turns, printed, _ = one_draw_game()
    s, o = end_of_game(1937, rank, rows, names, records_after[0][0], finished, own_finished)
    script = comment + start + turns + s + list(tail) + ["close"]
    expected = start_out + printed + record_out + o + list(tail_out) + ["exit"]
    return dict(name=name, before=before, script=script, expected=expected, after=after)


def rows_of(records, new_rank, wanted):
    return {k: (*records[k], BLUE if k + 1 == new_rank else BLACK) for k in wanted}


def scenario_first_place_fresh_folder():
    _, _, counters = one_draw_game()
    records = [(3, TODAY, 1937)] + [(0, "", 0)] * 9
    after = df.neutral_files(1)
    after["Fichyam1"] = df.fichyam(records)
    after["Info1"] = df.info(1, {3: 1}, counters)
    return one_draw_scenario(
        "one_draw_first_place_fresh_folder",
        ["# A whole game in \"1 tirage\" in a folder with no data files: the files",
         "# are created as a fresh installation has them, the game takes the first",
         "# place over ranks never played, and the ranking keeps ten records.",
         "# Closing the window after the game writes nothing."],
        {},
        ["start", "click Coup1", "move Personnages 0", "click Personnages 3"],
        ["write Commence", "write Joueurs", "sound Robot3", "write Fichyam1", "write Fichyam2",
         "write Abandon1", "write Info1", "sound Slurp"],
        1, records, rows_of(records, 1, [0, 1, 9]),
        " 1 PARTIE TERMINEE", "1 PARTIE JOUEE", after,
        ["write Info1", "write Fichyam1", "sound Classic"], names=df.NEW_NAMES)


def scenario_fifth_below_equal_fourth():
    _, _, counters = one_draw_game()
    before_records = [(1, "12/03/25 ", 2480), (14, "02/11/25 ", 2210), (2, "28/12/25 ", 2001),
                      (8, "14/07/25 ", 1937), (5, "01/01/26 ", 1936), (11, "30/06/25 ", 1700),
                      (1, "15/08/25 ", 1522), (20, "09/09/25 ", 1304), (24, "11/11/25 ", 1111),
                      (16, "03/05/25 ", 987)]
    records = before_records[:4] + [(12, TODAY, 1937)] + before_records[4:9]
    info_before = (17, {5: 3, 8: 10, 12: 4})
    before = played_folder(character=12, mode=1)
    before["Fichyam1"] = df.fichyam(before_records)
    before["Info1"] = df.info(*info_before, COUNTERS1)
    after = {"Fichyam1": df.fichyam(records),
             "Info1": df.info(18, {5: 3, 8: 10, 12: 5}, added(COUNTERS1, counters))}
    return one_draw_scenario(
        "one_draw_fifth_below_equal_fourth",
        ["# A whole game in \"1 tirage\", started at once from the saved character",
         "# and way of playing, whose 1937 points equal the fourth place and beat",
         "# the fifth: the game enters fifth, below the older equal score; the old",
         "# fifth to ninth move down one place and the old tenth is lost. Names in",
         "# the ranking come from \"Joueurs\", accents included."],
        before, ["start"], [], 5, records, rows_of(records, 5, [3, 4, 5, 9]),
        "  18 PARTIES TERMINEES", " 5 PARTIES", after,
        ["write Info1", "write Fichyam1", "sound Clap"])


def scenario_equal_tenth_not_ranked():
    _, _, counters = one_draw_game()
    records = [(1, "12/03/25 ", 2600), (2, "13/03/25 ", 2500), (3, "14/03/25 ", 2400),
               (4, "15/03/25 ", 2300), (5, "16/03/25 ", 2200), (6, "17/03/25 ", 2100),
               (8, "18/03/25 ", 2050), (9, "19/03/25 ", 2000), (10, "20/03/25 ", 1990),
               (11, "21/03/25 ", 1937)]
    before = played_folder(character=7, mode=1)
    before["Fichyam1"] = df.fichyam(records)
    after = {"Info1": df.info(41, {3: 10, 7: 21, 12: 10}, added(COUNTERS1, counters))}
    return one_draw_scenario(
        "one_draw_equal_tenth_not_ranked",
        ["# A whole game in \"1 tirage\" whose 1937 points equal the tenth place:",
         "# it does not enter the ranking, whose file is left alone; the finished",
         "# games and the counters are still written. Clicking the character",
         "# button then starts a new game without counting an abandon."],
        before, ["start"], [], 0, records, rows_of(records, 0, [0, 9]),
        "  41 PARTIES TERMINEES", " 21 PARTIES", after,
        ["write Info1", "sound Canard"],
        tail=["click Personnages 0", "field NuméroTirage", "field PartieEnCours", "print Ok enabled"],
        tail_out=["sound Slurp", "NuméroTirage = 0", "PartieEnCours = false", "Ok.enabled = true"])


# ---- the whole game in "2 tirages" ------------------------------------------

def scenario_two_draws_whole_game():
    turns, probes, sheet, counters = two_draws_game.play()
    total = int(sheet.totaux[15])
    assert total == 1510
    before_records = [(9, "01/02/25 ", 1800), (3, "14/02/25 ", 1511), (4, "20/12/25 ", 1510),
                      (11, "03/03/25 ", 1200), (9, "04/04/25 ", 900)]
    # Five places never played: the new entry pushes the last of them out.
    records = (before_records[:3] + [(4, TODAY, 1510)] + before_records[3:] + [(0, "", 0)] * 5)[:10]
    before = played_folder(character=4, mode=2, sounds_off=True)
    before["Fichyam2"] = df.fichyam(before_records)
    after = {"Fichyam2": df.fichyam(records),
             "Info2": df.info(13, {3: 5, 4: 1, 9: 7}, added(COUNTERS2, counters))}
    script = ["# A whole game in \"2 tirages\" (sounds off): turns settled by a click on",
              "# one of two cells, by OK when both draws chose the same cell, by the",
              "# choice between two values of the Mini of Montée, by OK taking the first",
              "# draw after three throws of the second, and Annonce cells announced in",
              "# either draw. The sheet, the totals, the counters (added to those of",
              "# \"Info2\") and the ranking of \"2 tirages\" are checked at the end; the",
              "# game equals the third place and enters fourth.",
              "start"] + turns
    out = list(probes)
    out += ["write Info2", "write Fichyam2"]
    for i in two_draws_game.SCORING:
        script.append(f"print Cases {i} caption")
        out.append(f'Cases({i}).caption = "{sheet.text[i]}"')
    for i in range(16):
        script.append(f"print Totaux {i} caption")
        out.append(f'Totaux({i}).caption = "{sheet.totaux[i]}"')
    for column, values in (("Stats2", counters), ("Stats3", added(COUNTERS2, counters))):
        for i, v in enumerate(values):
            script.append(f"print {column} {i} caption")
            out.append(f'{column}({i}).caption = "{v}"')
    s, o = ranking_rows(rows_of(records, 4, [2, 3, 4, 5, 9]), NAMES)
    script += ["field RangObtenu", "print CoupInfo caption"] + s + [
        "print Infos caption", "print PartiesJouées caption", "print PartiesIndividuellesJouées caption",
        "close"]
    out += ["RangObtenu = 4", 'CoupInfo.caption = "2"'] + o + [
        f'Infos.caption = "{MESSAGE[2]}"', 'PartiesJouées.caption = "  13 PARTIES TERMINEES"',
        'PartiesIndividuellesJouées.caption = "1 PARTIE JOUEE"', "exit"]
    return dict(name="two_draws_whole_game", before=before, script=script, expected=out, after=after)


# ---- abandons and leaving ----------------------------------------------------

def scenario_abandon_character_click():
    before = played_folder(character=3, mode=1)
    # Three games, each left after one throw: the dice they showed stay in
    # the since-creation counters, which closing the window during the third
    # one writes.
    seen = [1, 3, 4, 2, 2, 3, 0, 0, 0, 0, 0, 0]
    after = {"Abandon1": df.abandon(*abandoned(abandoned(abandoned(ABANDONS1, 3), 7), 7)),
             "Info1": df.info(*FINISHED1, added(COUNTERS1, seen))}
    script = [
        "# A game under way is lost when a character is clicked: the abandon goes",
        "# to the character who was playing, in the file of the way in force,",
        "# and a new game starts. The character button does the same for the",
        "# current character. The dice those games showed are still counted",
        "# since creation, and saved when the window is closed during a game.",
        "start",
        "print IndividuelAbandon caption",
        "print PartiesAbandonnées caption",
        "dice 1 2 3 4 6",
        "click Ok",
        "move Personnages 0",
        "click Personnages 7",
        "print Nom caption",
        "print IndividuelAbandon caption",
        "print PartiesAbandonnées caption",
        "print PartiesIndividuellesJouées caption",
        "field PersonnageCourant",
        "field PartieEnCours",
        "field NuméroTirage",
        "dice 2 2 3 4 6",
        "click Ok",
        "click Personnages 0",
        "print Nom caption",
        "print IndividuelAbandon caption",
        "print PartiesAbandonnées caption",
        "field NuméroTirage",
        "dice 3 3 5 5 6",
        "click Ok",
        "print Stats2 2 caption",
        "print Stats3 2 caption",
        "close",
    ]
    expected = [
        'IndividuelAbandon.caption = " 2 ABANDONS"',
        'PartiesAbandonnées.caption = "  9 PARTIES ABANDONNEES"',
        "sound Quick",
        "sound Slurp",
        "write Abandon1",
        "sound Bonsai",
        'Nom.caption = "JOSÉ"',
        'IndividuelAbandon.caption = " 4 ABANDONS"',
        'PartiesAbandonnées.caption = "  10 PARTIES ABANDONNEES"',
        'PartiesIndividuellesJouées.caption = " 20 PARTIES"',
        "PersonnageCourant = 7",
        "PartieEnCours = false",
        "NuméroTirage = 0",
        "sound Quick",
        "sound Slurp",
        "write Abandon1",
        "sound Bonsai",
        'Nom.caption = "JOSÉ"',
        'IndividuelAbandon.caption = " 5 ABANDONS"',
        'PartiesAbandonnées.caption = "  11 PARTIES ABANDONNEES"',
        "NuméroTirage = 0",
        "sound Quick",
        'Stats2(2).caption = "2"',
        'Stats3(2).caption = "1006"',
        "write Abandon1",
        "write Info1",
        "exit",
    ]
    return dict(name="abandon_character_click", before=before, script=script, expected=expected, after=after)


def scenario_abandon_mode_switch():
    before = played_folder(character=3, mode=2)
    after = {"Abandon2": df.abandon(*abandoned(ABANDONS2, 3)),
             "Abandon1": df.abandon(*abandoned(ABANDONS1, 3))}
    script = [
        "# Switching the way of playing during a game charges the abandon to the",
        "# way being left (\"Abandon2\" when going to 1 tirage, \"Abandon1\" the other",
        "# way), then loads the records of the new way. Switching without a game",
        "# under way, or to the way already chosen, charges nothing.",
        "start",
        "print PartiesAbandonnées caption",
        "print IndividuelAbandon caption",
        "dice 1 2 3 4 6",
        "click Ok",
        "click Coup1",
        "print CoupInfo caption",
        "print Coup1 value",
        "print Coup1 forecolor",
        "print Coup2 value",
        "print Coup2 forecolor",
        "print PartiesAbandonnées caption",
        "print IndividuelAbandon caption",
        "print PartiesJouées caption",
        "field PartieEnCours",
        "dice 2 2 3 4 6",
        "click Ok",
        "click Coup2",
        "print CoupInfo caption",
        "print PartiesAbandonnées caption",
        "print IndividuelAbandon caption",
        "click Coup2",
        "click Coup1",
        "click Coup2",
        "print PartiesAbandonnées caption",
        "close",
    ]
    expected = [
        'PartiesAbandonnées.caption = "  5 PARTIES ABANDONNEES"',
        'IndividuelAbandon.caption = "1 ABANDON"',
        "sound Quick",
        "sound Robot3",
        "write Abandon2",
        "sound Bonsai",
        'CoupInfo.caption = "1"',
        "Coup1.value = 1",
        f"Coup1.forecolor = {RED}",
        "Coup2.value = 0",
        f"Coup2.forecolor = {BLACK}",
        'PartiesAbandonnées.caption = "  9 PARTIES ABANDONNEES"',
        'IndividuelAbandon.caption = " 2 ABANDONS"',
        'PartiesJouées.caption = "  40 PARTIES TERMINEES"',
        "PartieEnCours = false",
        "sound Quick",
        "sound Robot3",
        "write Abandon1",
        "sound Bonsai",
        'CoupInfo.caption = "2"',
        'PartiesAbandonnées.caption = "  6 PARTIES ABANDONNEES"',
        'IndividuelAbandon.caption = " 2 ABANDONS"',
        "sound Bonus",
        "sound Robot3",
        "sound Robot3",
        'PartiesAbandonnées.caption = "  6 PARTIES ABANDONNEES"',
        "exit",
    ]
    return dict(name="abandon_mode_switch", before=before, script=script, expected=expected, after=after)


def game_started(lines_before=()):
    """A game under way: two throws, six dice seen (faces 1, 2, 3, 4, 6, 6)."""
    return list(lines_before) + ["dice 1 2 3 4 6", "click Ok", "click ChoixDés 4", "dice 6", "click Ok"]


SIX_DICE = [1, 1, 1, 1, 0, 2, 0, 0, 0, 0, 0, 0]


def scenario_halte_yes_during_game():
    before = played_folder(character=12, mode=1)
    after = {"Abandon1": df.abandon(*abandoned(ABANDONS1, 12)),
             "Info1": df.info(*FINISHED1, added(COUNTERS1, SIX_DICE))}
    script = ["# Quitting with Halte during a game, answered yes: the game is counted",
              "# as abandoned, the counters of what it saw are kept, and the program",
              "# ends. The finished games are not touched.",
              "start"] + game_started() + [
              "print Stats3 5 caption", "answer yes", "click Halte", "print Nom caption"]
    expected = ["sound Quick", "sound Eau", "sound Quick", 'Stats3(5).caption = "1007"', "sound Robot3", QUIT_BOX,
                "write Abandon1", "write Info1", "exit"]
    return dict(name="halte_yes_during_game", before=before, script=script, expected=expected, after=after)


def scenario_halte_yes_before_first_throw():
    before = played_folder(character=12, mode=1)
    script = ["# Quitting with Halte before the first throw of a game writes nothing.",
              "start", "answer yes", "click Halte"]
    expected = ["sound Robot3", QUIT_BOX, "exit"]
    return dict(name="halte_yes_before_first_throw", before=before, script=script, expected=expected, after={})


def scenario_halte_no():
    before = played_folder(character=12, mode=1)
    script = ["# Halte answered no changes nothing: the game goes on.",
              "start"] + game_started() + [
              "answer no", "click Halte", "field PartieEnCours", "field NuméroJet",
              "click Cases 32", "print Cases 32 caption"]
    expected = ["sound Quick", "sound Eau", "sound Quick", "sound Robot3", QUIT_BOX, "PartieEnCours = true",
                "NuméroJet = 2", "sound Ah", "sound Clic", 'Cases(32).caption = "1"']
    return dict(name="halte_no", before=before, script=script, expected=expected, after={})


def scenario_halte_locked():
    before = played_folder(character=12, mode=1, locked=True)
    script = ["# With the safety lock on, Halte only answers \"Bonus\": no question is",
              "# asked (the queued answer stays unused), nothing is written, and the",
              "# game goes on. The lock also keeps the way of playing and the character.",
              "start"] + game_started() + [
              "answer yes", "click Halte", "click Coup2", "move Personnages 0", "click Personnages 5",
              "field PartieEnCours", "field ModeTirage", "field PersonnageCourant"]
    expected = ["sound Quick", "sound Eau", "sound Quick", "sound Bonus", "sound Bonus", "sound Bonus",
                "PartieEnCours = true", "ModeTirage = 1", "PersonnageCourant = 12"]
    return dict(name="halte_locked", before=before, script=script, expected=expected, after={})


def scenario_close_during_game():
    before = played_folder(character=9, mode=2)
    after = {"Abandon2": df.abandon(*abandoned(ABANDONS2, 9)),
             "Info2": df.info(*FINISHED2, added(COUNTERS2, SIX_DICE))}
    script = ["# Closing the window during a game asks nothing, counts the abandon in",
              "# the way of playing in force and keeps the counters, then ends.",
              "start"] + game_started() + ["close", "print Nom caption"]
    expected = ["sound Quick", "sound Eau", "sound Quick", "write Abandon2", "write Info2", "exit"]
    return dict(name="close_during_game", before=before, script=script, expected=expected, after=after)


def scenario_saved_parameters_restored():
    before = played_folder(animation_off=True, character=9, mode=2, bubbles_off=True, panel=True, dice_set=2)
    script = [
        "# The saved parameters are read back at start-up: the character and the",
        "# way of playing are restored with their counters, a new game is ready",
        "# and the first OK throws at once. Nothing is written.",
        "start",
        "field ModeTirage",
        "field PersonnageCourant",
        "field SansAnimation",
        "field SansBulles",
        "field SansSons",
        "field JeuDeDés",
        "field Verrouillé",
        "print Nom caption",
        "print Personnages 0 picture",
        "print Coup1 value",
        "print Coup2 value",
        "print Coup2 forecolor",
        "print CoupInfo caption",
        "print Premier visible",
        "print Score picture",
        "print Animation picture",
        "print Aides picture",
        "print MenuDés 0 picture",
        "print PartiesJouées caption",
        "print PartiesAbandonnées caption",
        "print PartiesIndividuellesJouées caption",
        "print IndividuelAbandon caption",
        "print ScoresScore 0 caption",
        "print NomsScore 0 caption",
        "dice 6 5 4 3 2",
        "click Ok",
        "field NuméroJet",
        "field PartieEnCours",
        "print Tirage_No caption",
        "print NégocieDés 0 picture",
    ]
    expected = [
        "ModeTirage = 2",
        "PersonnageCourant = 9",
        "SansAnimation = true",
        "SansBulles = true",
        "SansSons = false",
        "JeuDeDés = 2",
        "Verrouillé = false",
        'Nom.caption = "INES"',
        "Personnages(0).picture = Personnages(9)",
        "Coup1.value = 0",
        "Coup2.value = 1",
        f"Coup2.forecolor = {RED}",
        'CoupInfo.caption = "2"',
        "Premier.visible = true",
        "Score.picture = Lightoff",
        "Animation.picture = NoAnimeImage",
        "Aides.picture = NoInfosImage",
        "MenuDés(0).picture = DésImage(2)",
        'PartiesJouées.caption = "  12 PARTIES TERMINEES"',
        'PartiesAbandonnées.caption = "  5 PARTIES ABANDONNEES"',
        'PartiesIndividuellesJouées.caption = " 7 PARTIES"',
        'IndividuelAbandon.caption = " 4 ABANDONS"',
        'ScoresScore(0).caption = "1800"',
        'NomsScore(0).caption = "INES"',
        "sound Quick",
        "NuméroJet = 1",
        "PartieEnCours = true",
        'Tirage_No.caption = "1"',
        "NégocieDés(0).picture = GrosDésImage(26)",
    ]
    return dict(name="saved_parameters_restored", before=before, script=script, expected=expected, after={})


def scenario_saved_character_without_way():
    before = {"Commence": df.commence(character=5)}
    after = df.neutral_files(1)
    after["Commence"] = before["Commence"]
    after["Abandon1"] = df.abandon(1, {5: 1})
    after["Info1"] = df.info(0, {}, [1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0])
    script = [
        "# A saved character with no way of playing: the name is shown, but no",
        "# records are loaded (only \"Joueurs\" is created) until a way is chosen;",
        "# the game then started is counted for the saved character.",
        "start",
        "print Nom caption",
        "field PersonnageCourant",
        "field ModeTirage",
        "click Coup1",
        "print IndividuelAbandon caption",
        "dice 1 2 3 4 6",
        "click Ok",
        "close",
    ]
    expected = [
        "write Joueurs",
        'Nom.caption = "ELODIE"',
        "PersonnageCourant = 5",
        "ModeTirage = 0",
        "sound Robot3",
        "write Fichyam1",
        "write Fichyam2",
        "write Abandon1",
        "write Info1",
        'IndividuelAbandon.caption = "AUCUN ABANDON"',
        "sound Quick",
        "write Abandon1",
        "write Info1",
        "exit",
    ]
    return dict(name="saved_character_without_way", before=before, script=script, expected=expected,
                after=after)


SCENARIOS = [
    scenario_first_place_fresh_folder,
    scenario_fifth_below_equal_fourth,
    scenario_equal_tenth_not_ranked,
    scenario_two_draws_whole_game,
    scenario_abandon_character_click,
    scenario_abandon_mode_switch,
    scenario_halte_yes_during_game,
    scenario_halte_yes_before_first_throw,
    scenario_halte_no,
    scenario_halte_locked,
    scenario_close_during_game,
    scenario_saved_parameters_restored,
    scenario_saved_character_without_way,
]


def write_files(folder, files):
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    if not files:
        (folder / ".keep").write_bytes(b"")
    for name, data in files.items():
        (folder / name).write_bytes(data)


# ---- compact turns, as tests/compact_turns.awk expands them ------------------

def expand(lines):
    out = []
    for line in lines:
        if not line.startswith(": "):
            out.append(line)
            continue
        for step in line.split()[1:]:
            if step.isdigit() and not step.startswith("c"):
                out += ["dice " + " ".join(step), "click Ok"]
            elif step[0] == "c":
                out.append("click Cases " + step[1:])
            elif step[0] == "d":
                out.append("click ChoixDés " + step[1:])
            else:
                assert step == "z", step
                out.append("click Zéro")
    return out


def compact(lines):
    """Turns the steps of a script into compact lines, one a draw, where that
    saves ten lines or more."""
    out, steps = [], []

    def flush():
        if steps:
            out.append(": " + " ".join(steps))
            steps.clear()

    i = 0
    while i < len(lines):
        line = lines[i]
        if re.fullmatch(r"dice [1-6]( [1-6])*", line) and i + 1 < len(lines) and lines[i + 1] == "click Ok":
            # A throw after a placed cell starts the next draw's line.
            if steps and steps[-1][0] in "cz":
                flush()
            steps.append(line[5:].replace(" ", ""))
            i += 2
            continue
        m = re.fullmatch(r"click (Cases|ChoixDés) (\d+)|click Zéro", line)
        if m:
            steps.append("z" if m.group(1) is None else ("c" if m.group(1) == "Cases" else "d") + m.group(2))
        else:
            flush()
            out.append(line)
        i += 1
    flush()
    return out if len(lines) - len(out) >= 10 else lines


# Every start-up sends the two advertising panels to their pages, and every
# exit puts back the screen's mode, the driver's 1280 x 1024 by default.
STARTUP_PAGES = ['navigate Pub0Web "https://www.dravonelle.fr/pub0.htm"',
                 'navigate Pub1Web "https://www.dravonelle.fr/pub1.htm"']
EXIT_MODE = "mode 1280 1024 32 60"


def with_screen_and_pages(expected):
    out = STARTUP_PAGES + []
    for line in expected:
        if line == "exit":
            out.append(EXIT_MODE)
        out.append(line)
    return out


def write(s):
    s = dict(s, expected=with_screen_and_pages(s["expected"]))
    folder = HERE / s["name"]
    folder.mkdir(exist_ok=True)
    write_files(folder / "before", s["before"])
    write_files(folder / "after", s["after"])
    (folder / "script.txt").write_text("\n".join(compact(s["script"])) + "\n", encoding="utf-8")
    (folder / "expected.out").write_text("\n".join(s["expected"]) + "\n", encoding="utf-8")


if __name__ == "__main__":
    for make in SCENARIOS:
        write(make())
