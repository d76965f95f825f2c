#include "NistData.h"

#include <charconv>
#include <fstream>
#include <stdexcept>

namespace tallox::stats::testing {

namespace {

// Every number in a piece of text, read as long double (exactly rounded, locale-free).
std::vector<long double> numbersIn(const std::string& text)
{
    std::vector<long double> out;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        if ((*p >= '0' && *p <= '9') || ((*p == '-' || *p == '.') && p + 1 < end)) {
            const bool negative = *p == '-';
            long double v = 0;
            const auto [next, ec] = std::from_chars(negative ? p + 1 : p, end, v);
            if (ec == std::errc()) {
                out.push_back(negative ? -v : v);
                p = next;
                continue;
            }
        }
        ++p;
    }
    return out;
}

std::string trimmedStart(const std::string& s)
{
    const auto at = s.find_first_not_of(' ');
    return at == std::string::npos ? std::string() : s.substr(at);
}

} // namespace

NistFile readNistFile(const std::string& name)
{
    const std::string path = std::string(TALLOX_TESTS_DIR) + "/data/nist/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    NistFile file;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        file.lines.push_back(line);
    }
    return file;
}

long double certifiedAfterColon(const NistFile& file, const std::string& label)
{
    for (const std::string& line : file.lines) {
        if (trimmedStart(line).rfind(label, 0) != 0)
            continue;
        const auto colon = line.rfind(':');
        const auto numbers = numbersIn(line.substr(colon + 1));
        if (!numbers.empty())
            return numbers.front();
    }
    return NAN;
}

std::vector<long double> numbersOfLine(const NistFile& file, const std::string& label)
{
    for (std::size_t i = 0; i < 60 && i < file.lines.size(); ++i)
        if (trimmedStart(file.lines[i]).rfind(label, 0) == 0) {
            auto numbers = numbersIn(file.lines[i].substr(file.lines[i].find(label) + label.size()));
            if (!numbers.empty())
                return numbers;
        }
    return {};
}

std::vector<long double> dataColumn(const NistFile& file, int column)
{
    std::vector<long double> out;
    for (std::size_t i = 60; i < file.lines.size(); ++i) {
        const auto numbers = numbersIn(file.lines[i]);
        if (static_cast<int>(numbers.size()) > column)
            out.push_back(numbers[column]);
    }
    return out;
}

} // namespace tallox::stats::testing
