#pragma once

#include <cstddef>
#include <string>

#include "fleet/fleet_file_codec.h"

// A fleet as text that people can read, post and write by hand, carrying every field of every
// record a Load places, so that text and back gives the same fleet file byte for byte:
//
//   Kestrivar fleet
//   V-CL (BPV 90, adjusted 114): Type IV missiles, Medium, 2 reloads; 6 marines, 1 mine
//   V-CV (BPV 150, adjusted 144): 4 shuttles; 2 bays of 4 VS-9
//   (empty)
//   Total BPV 258
//
// One line per record, in slot order; "(empty)" is the all-zero record. Missiles are left out
// when they are the picker's default for a ship without racks (Type I, Slow, 0 reloads), every
// other count when it is 0. A name is written in double quotes, with \" \\ and \xHH escapes
// (also for the bytes of a typographic quote), whenever it would not read back as itself bare:
// it is empty, has a blank at either end, holds one of " ( ) , ; : \, a control character or a
// typographic quote, starts with '>', holds what reads as a loadout item, or, for a ship, starts
// like a list mark or ends in a number of ships ("x2"). Values the picker never writes have
// numeric items of their own: "missile type 2", "missile speed 7", "reserved 7". A line "Ship
// count N" after the first gives the count as stored when it is not the number of lines (a
// count of -1 or 5 fills all three slots, so three lines follow).
//
// Reading forgives what a person would get wrong or a forum would add: blank lines, spacing (a
// non-breaking space, 0xA0 in the ANSI code page or C2 A0 in UTF-8, counts as a blank outside
// quotes), the letter case of every word, "1 mines", ", " or "; " between items in any order, CR
// LF, LF or CR line ends, quoting marks ('>') and list marks ("1.", "1)", "#1", "-", "*", "+"
// before a blank, a bullet) in front of lines, and typographic double quotes. It refuses, with
// "line N: what is wrong" (quoting at most 40 bytes of the line), only what no fleet file can
// hold and what it cannot read or could read as something else than meant: a ship name longer
// than its 16 bytes or a fighter name longer than its 40 (a name may fill its field), a zero
// byte in a name, a number outside 32 bits, more than three ships, a total that does not match
// the ships (a line lost on the way), a raw control character, UTF-16 text, and a bare name that
// holds what the grammar gives a meaning to (a comma forgotten before "10 marines." is not
// swallowed into a fighter's name).

// The longest text read as a fleet. A fleet's text is a few hundred bytes a ship; the bound
// leaves room for a forum's quoting and blank lines, and keeps what reading needs small.
constexpr size_t kMaxFleetTextSize = 64 * 1024;

// "too long to be a fleet (N bytes)": why a text longer than kMaxFleetTextSize is refused; without
// the size, for a text read no further than one byte past the bound, "(more than N bytes)".
std::string TooLongForFleetText(size_t size);
std::string TooLongForFleetText();

// The text of what a Load takes from a file: its count and the records that count places.
// Every line ends with `lineEnd`.
std::string FormatFleetText(const FleetFileContents& contents, const std::string& lineEnd = "\n");

// Why a text in UTF-16 (what some Windows editors and shells write) is refused.
constexpr char kFleetTextIsUtf16[] = "this text is UTF-16: save it as ANSI or UTF-8";
// Text that some Windows editors and shells write: a UTF-16 byte-order mark, or a zero byte in
// every other place of its start.
bool IsUtf16Text(const std::string& text);

// Reads a fleet's text. On success `contents` holds the count and the records (zero beyond
// them); on failure `contents` is unchanged and `error` reads "line N: what is wrong", or
// TooLongForFleetText for a text longer than kMaxFleetTextSize, or says that the text is UTF-16;
// neither of those is read at all.
bool ParseFleetText(const std::string& text, FleetFileContents& contents, std::string& error);
