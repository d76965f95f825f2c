#include "stats/ColumnSet.h"

#include <array>

namespace tallox::stats {

namespace {

// The expression is scanned character by character; a character is a Unicode code point,
// so a Polish letter typed by mistake is one wrong character, not two bytes.
using Text = std::u32string;

Text decodeUtf8(std::string_view bytes)
{
    Text out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                         : (lead >> 3) == 0x1E ? 4 : 1;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        bool valid = i + length <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) { // a stray byte stands for itself
            out.push_back(lead);
            ++i;
            continue;
        }
        out.push_back(code);
        i += length;
    }
    return out;
}

std::string encodeUtf8(const Text& text)
{
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool isLetter(char32_t c) { return c >= U'A' && c <= U'Z'; }

// The expression under parsing with 1-based positions; a position beyond the end holds
// no character (read as 0, which is neither a letter nor a separator).
class Expression {
public:
    explicit Expression(Text text) : text_(std::move(text)) {}
    std::size_t length() const { return text_.size(); }
    bool empty() const { return text_.empty(); }
    char32_t at(std::size_t p) const { return p >= 1 && p <= text_.size() ? text_[p - 1] : 0; }
    void erase(std::size_t p, std::size_t count)
    {
        if (p >= 1 && p <= text_.size())
            text_.erase(p - 1, count);
    }
    std::size_t firstHyphen() const
    {
        const auto at = text_.find(U'-');
        return at == Text::npos ? 0 : at + 1;
    }

private:
    Text text_;
};

} // namespace

MessageText columnSetMessage(ColumnSetNoticeKind kind)
{
    constexpr std::string_view caption = "Błąd średniej ważonej z serii!";
    switch (kind) {
    case ColumnSetNoticeKind::Empty:
        return {caption, "Tylko bez żartów !"};
    case ColumnSetNoticeKind::WrongCharacter:
        return {caption, "Źle wprowadzone nazwy, lub zakresy kolumn!"};
    case ColumnSetNoticeKind::Unparsable:
        return {caption, "Nieudało określić się prawidłowego zakresu kolumn!"};
    }
    return {};
}

ColumnSetParse parseColumnSet(std::string_view typed)
{
    ColumnSetParse out;
    out.editText = std::string(typed);
    auto fail = [&out] {
        out.notices.push_back(ColumnSetNoticeKind::Unparsable);
        return out;
    };

    Text text;
    for (char32_t c : decodeUtf8(typed))
        if (c != U' ')
            text.push_back(c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c);
    if (text.empty()) {
        out.notices.push_back(ColumnSetNoticeKind::Empty);
        return fail();
    }
    out.editText = encodeUtf8(text);

    std::array<bool, 27> marked{};
    Expression t(std::move(text));
    while (!t.empty()) {
        // Look for the next name: commas and wrong characters are dropped, hyphens before a
        // letter are passed over.
        std::size_t p = 0;
        char32_t c = 0;
        do {
            ++p;
            c = t.at(p);
            if (c != U',' && c != U'-' && !isLetter(c)) {
                out.notices.push_back(ColumnSetNoticeKind::WrongCharacter);
                t.erase(p, 1);
                --p;
            } else if (c == U',') {
                t.erase(p, 1);
                --p;
            }
        } while (!isLetter(c) && !t.empty() && p != t.length());
        if (t.empty())
            break;
        if (!isLetter(c))
            return fail();

        const std::size_t startLength = isLetter(t.at(p + 1)) ? 2 : 1;
        const int k = static_cast<int>(t.at(p) - U'A') + 1;
        if (t.at(p + 1) == U'-' || t.at(p + 2) == U'-') {
            t.erase(p, t.firstHyphen());
            if (t.empty())
                return fail();
            const char32_t endLetter = t.at(p);
            const std::size_t endLength = isLetter(t.at(2)) ? 2 : 1;
            if (!isLetter(endLetter))
                return fail();
            const int e = static_cast<int>(endLetter - U'A') + 1;
            for (int column = k; column <= e; ++column)
                marked[column] = true;
            t.erase(1, endLength);
        } else {
            marked[k] = true;
            t.erase(p, startLength);
        }
    }
    for (int column = 1; column <= 26; ++column)
        if (marked[column])
            out.columns.push_back(column);
    out.ok = true;
    return out;
}

} // namespace tallox::stats
