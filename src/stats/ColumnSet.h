#pragma once
#include "stats/MessageText.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallox::stats {

enum class ColumnSetNoticeKind {
    Empty,          // nothing but blanks was typed
    WrongCharacter, // a character other than a letter, "," or "-" (dropped; parsing goes on)
    Unparsable,     // the expression could not be understood (the last notice of every failure;
                    // the series run then stops)
};

struct ColumnSetParse {
    bool ok = false;                          // the whole expression was understood
    std::string editText;                     // what the edit shows afterwards: blanks removed,
                                              // a-z upper-cased (unchanged when only blanks)
    std::vector<int> columns;                 // marked columns 1..26, ascending; empty
                                              // when the expression was not understood
    std::vector<ColumnSetNoticeKind> notices; // in the order the boxes are shown
};

// Reads a set of worksheet columns written as letters and ranges separated by commas,
// such as "A,D,K-N" (columns 1, 4, 11..14); lower case is accepted. Only the first letter of a
// two-letter name counts ("AB" is A); a range whose end comes before its start marks nothing.
//   text: the edit's text, UTF-8
ColumnSetParse parseColumnSet(std::string_view text);

// The message box that shows a notice of the column-set parsing.
//   kind: the notice's kind
MessageText columnSetMessage(ColumnSetNoticeKind kind);

} // namespace tallox::stats
