// The layouts of the data files: the exact bytes the game writes,
// and a reader that never fails.
//
// Writing: Windows-1252, one value per line, CR LF after every line including
// the last; integers in plain decimal, strings between double quotes (an
// embedded quote is not escaped), booleans "#TRUE#" / "#FALSE#". A control
// character in a string would break the lines, so it is written as '?'; so is
// a character the code page lacks.
//
// Reading takes the values in file order as long as they are sound and leaves
// the neutral value (that of a fresh installation) for the rest: a missing
// file (pass ""), a short one, a garbled line or a value of the wrong kind or
// out of range never fails. What an editor may add is read as if it were not
// there: a UTF-8 byte-order mark, blanks at the end of a line, lines ending in
// LF or CR instead of CR LF, no line end after the last line. Lines past the
// layout are ignored. A file the game wrote reads back to the same bytes:
// format(parse(format(x))) == format(x).
//
// What is sound, line by line:
// - an integer: "-" then digits, or digits, within the value's range; an empty
//   line is 0. Game counters 0..32767, figure counters 0..2147483647,
//   characters 0..24, scores -32768..32767, way of playing 0..2, dice set 0..3;
// - a boolean: exactly "#TRUE#" or "#FALSE#";
// - a string: the line starts and ends with a double quote, and the text is
//   everything between the first and the last; a name has 3 to 10
//   characters, none a control character; a date is empty or "DD/MM/YY ".
// A ranking is taken record by record: a record is kept only when its three
// lines are sound.
#pragma once

#include "records/layer.h"

#include <string>
#include <string_view>

#include "records/record_store.h"

namespace dravonelle {

// Whether a reading took every value of its layout. A file read only in part
// holds more than the game could take from it: it must not be written over
// before its bytes are kept somewhere.
struct ReadReport {
    bool whole = true;
};

inline constexpr const char* kJoueursFile = "Joueurs";
inline constexpr const char* kCommenceFile = "Commence";
// The files of a way of playing: "Fichyam2", "Info2", "Abandon2" for way 2,
// and the files of way 1 for any other number.
std::string classementFile(int modeTirage);
std::string infoFile(int modeTirage);
std::string abandonFile(int modeTirage);

// "Joueurs": 24 names. A name that cannot be read, and every one after it,
// is the name of a fresh installation.
std::string formatJoueurs(const Joueurs& joueurs);
Joueurs parseJoueurs(std::string_view bytes, ReadReport* report = nullptr);

// "Abandon1" / "Abandon2": 25 lines.
std::string formatAbandons(const Abandons& abandons);
Abandons parseAbandons(std::string_view bytes, ReadReport* report = nullptr);

// "Info1" / "Info2": 37 lines.
std::string formatInfos(const Infos& infos);
Infos parseInfos(std::string_view bytes, ReadReport* report = nullptr);

// "Fichyam1" / "Fichyam2": 30 lines, ten records of three.
std::string formatClassement(const Classement& classement);
Classement parseClassement(std::string_view bytes, ReadReport* report = nullptr);

// "Commence": 9 lines. Line 2 is written 0 and read (an integer) and ignored;
// line 3 is empty when there is no character.
std::string formatCommence(const Commence& commence);
Commence parseCommence(std::string_view bytes, ReadReport* report = nullptr);

}  // namespace dravonelle
