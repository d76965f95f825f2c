#pragma once
#include <string_view>

namespace tallox::stats {

// The caption and text of one message box, as the program shows them (UTF-8).
struct MessageText {
    std::string_view caption;
    std::string_view text;
};

} // namespace tallox::stats
