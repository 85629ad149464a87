#pragma once

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
// other count when it is 0. A name that is empty, has blanks at either end, or holds one of
// " ( ) , ; : \ or a control character, or starts with '>', is written in double quotes with
// \" \\ and \xHH escapes. Values the picker never writes have their own items:
// "missile type 0", "missile speed 0", "reserved 7". A line "Ship count N" after the first
// gives the count as stored when it is not the number of lines (a count of -1 or 5 fills all
// three slots, so three lines follow).
//
// Reading forgives what a person would get wrong or a forum would add: blank lines, spacing,
// the letter case of every word, "1 mines", ", " or "; " between items in any order, CR LF or
// LF line ends, and quoting marks ('>') in front of lines. It refuses, with "line N: what is
// wrong", whatever would give the game a record it could not use: a ship name longer than 15
// characters or a fighter name longer than 39, a control character, a number outside 32 bits, a
// missile type other than 0, 1 and 4 or a speed other than 0 to 3, more than three ships, a
// total that does not match the ships (a line lost on the way), and anything it cannot read.

// The text of what a Load takes from a file: its count and the records that count places.
// Every line ends with `lineEnd`.
std::string FormatFleetText(const FleetFileContents& contents, const std::string& lineEnd = "\n");

// Reads a fleet's text. On success `contents` holds the count and the records (zero beyond
// them); on failure `contents` is unchanged and `error` reads "line N: what is wrong".
bool ParseFleetText(const std::string& text, FleetFileContents& contents, std::string& error);
