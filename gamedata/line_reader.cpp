#include "gamedata/line_reader.h"

#include <cstring>

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}

LineReader::LineReader(std::FILE* file) : file_(file), buffer_(kBufferSize) {}

bool LineReader::refill() {
    if (failed_)
        return false;
    begin_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (end_ == 0 && std::ferror(file_))
        failed_ = true;
    return end_ != 0;
}

bool LineReader::readLine(std::string& line) {
    line.clear();
    for (;;) {
        if (begin_ == end_ && !refill()) {
            if (failed_)
                line.clear();  // never hand out a line cut short by an error
            return !line.empty();
        }
        const char* const start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const void* const feed = std::memchr(start, '\n', available);
        if (feed == nullptr) {
            line.append(start, available);
            begin_ = end_;
            continue;
        }
        const auto length = static_cast<std::size_t>(static_cast<const char*>(feed) - start) + 1;
        line.append(start, length);
        begin_ += length;
        // Text mode turns CR LF into LF.
        if (line.size() >= 2 && line[line.size() - 2] == '\r')
            line.erase(line.size() - 2, 1);
        return true;
    }
}

bool LineReader::rewind() {
    begin_ = end_ = 0;
    if (failed_)
        return false;
    return std::fseek(file_, 0, SEEK_SET) == 0;
}
