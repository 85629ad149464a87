#include "gamedata/row_tokenizer.h"

std::string_view RowTokenizer::nextView() {
    if (position_ > line_.size())
        return {};
    const std::size_t tab = line_.find('\t', position_);
    const std::size_t end = tab == std::string_view::npos ? line_.size() : tab;
    const std::string_view column = line_.substr(position_, end - position_);
    // Step past the tab; at the end of the line this moves past the end, where every further
    // column is empty.
    position_ = end + 1;
    return column;
}
