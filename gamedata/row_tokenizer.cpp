#include "gamedata/row_tokenizer.h"

std::string_view RowTokenizer::nextView() {
    if (position_ > line_.size())
        return {};
    // Most columns are a few characters long: a plain scan finds their tab sooner than a call
    // to memchr would.
    const char* const begin = line_.data() + position_;
    const char* const end = line_.data() + line_.size();
    const char* tab = begin;
    while (tab != end && *tab != '\t')
        ++tab;
    const auto length = static_cast<std::size_t>(tab - begin);
    // Step past the tab; at the end of the line this moves past the end, where every further
    // column is empty.
    position_ += length + 1;
    return std::string_view(begin, length);
}
