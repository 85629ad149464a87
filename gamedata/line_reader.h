#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// Reads a file opened in binary mode line by line, the way the Windows C library's text mode
// presents it: a line ends at a line feed, and a carriage return right before the line feed is
// dropped, so files with CRLF and LF line ends read the same on every system. Lines of any length
// are read whole. The reader does not own the file.
class LineReader {
  public:
    explicit LineReader(std::FILE* file);

    // Reads the next line into `line`, its line feed included when it has one (the last line of a
    // file may not). Returns false, with `line` empty, at the end of the file or on a read error.
    bool readLine(std::string& line);

    // Starts again at the first byte of the file. Returns false when the file cannot be rewound.
    bool rewind();

    // Whether reading stopped because of a read error rather than the end of the file.
    bool failed() const { return failed_; }

  private:
    bool refill();

    std::FILE* file_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // next unread byte in buffer_
    std::size_t end_ = 0;    // end of the bytes read into buffer_
    bool failed_ = false;
};
