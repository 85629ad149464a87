#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The text of an initialisation file ("[section]" headers, "key=value" lines), read and edited
// the way the Windows profile functions do it. Pure functions over the file's bytes, so that the
// file backends stay thin and the rules are tested without files.
//
// Reading:
// - Lines end at CRLF, LF or a lone CR; each line is trimmed of 0x09-0x0D, 0x20 and 0x1A.
// - A line starting with '[' that holds a ']' is a section header; the name lies between the
//   '[' and the last ']', trimmed. A '[' line without ']' is an ordinary line.
// - A line starting with ';' is a comment. Any other line splits at its first '=' into a key
//   and a value, each trimmed; a line without '=' is a key without a value.
// - Section and key names compare without regard to ASCII case; the lookup names are trimmed.
// - Only the first section of a name is searched, and its first line with the key decides.
// - A value of two characters or more wrapped in matching ' or " loses both quotes.
// - A UTF-8 byte order mark before the first line is not part of it (Wine reads such files,
//   and the game under Wine is what reads the file).
//
// Editing changes one line or inserts lines; every other byte stays as it was.
namespace platform {

// The value of `key` in `section`; nullopt when the section or the key is missing or the key's
// line has no '='. An empty value ("k=") is an empty string, not nullopt.
std::optional<std::string> FindProfileValue(const std::string& text, const std::string& section,
                                            const std::string& key);

// Whether "key=value" can be stored under "[section]" and read back as the same entry: the
// trimmed section and key are not empty, nothing holds a CR, LF or NUL, the key holds no '=',
// and neither name starts with a character that would turn the line into a header or comment.
bool IsStorableProfileEntry(const std::string& section, const std::string& key,
                            const std::string& value);

// The text with `key` in `section` set to `value` (written as it is, without added blanks):
// - the first line holding the key becomes "key=value", spelled as the key already was, keeping
//   that line's own line ending;
// - a missing key is inserted after the last non-blank line of the section (the header when
//   the section is empty), before any blank lines that end the section;
// - a missing section is appended at the end of the text as "[section]" and "key=value".
// An inserted key line ends as the line it follows. A new section's lines, and the ending
// given to a last line that had none before anything is added after it, use the text's most
// common line ending (CRLF when there is none, or on a tie). Nullopt when the entry is not
// storable or the text is UTF-16 (starts with a UTF-16 byte order mark).
std::optional<std::string> SetProfileValue(const std::string& text, const std::string& section,
                                           const std::string& key, const std::string& value);

// The default value as the profile functions hand it back: without its trailing blanks.
std::string ProfileDefault(const std::string& defaultValue);

// Copies `value` as the profile functions fill their buffer: at most bufferSize - 1 characters
// and a terminating NUL. Returns the number of characters copied; 0 and nothing written when
// the buffer is null or its size is 0.
size_t CopyProfileString(const std::string& value, char* buffer, size_t bufferSize);

}  // namespace platform
