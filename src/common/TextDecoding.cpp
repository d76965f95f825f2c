#include "common/TextDecoding.h"

#include <QStringDecoder>

namespace tallox {

namespace {

// Bytes 0x80..0xFF of Windows-1250. The five positions the code page leaves unassigned
// (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control of the same number, as Windows does.
constexpr char16_t windows1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

bool startsWith(const QByteArray& bytes, const char* prefix, qsizetype n)
{
    return bytes.size() >= n && std::equal(prefix, prefix + n, bytes.constData());
}

// The length of the valid UTF-8 sequence at p (n bytes left) and its code point; 0 when the
// bytes there are no such sequence (overlong forms, surrogates and values past U+10FFFF are not).
int utf8Sequence(const unsigned char* p, qsizetype n, char32_t& code)
{
    const unsigned char lead = p[0];
    int length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (n < length)
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[k] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString decodeWindows1250(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = QChar(b < 0x80 ? char16_t(b) : windows1250High[b - 0x80]);
    }
    return text;
}

std::optional<QString> decodeUtf8Strict(const QByteArray& bytes)
{
    const QByteArray body = startsWith(bytes, "\xEF\xBB\xBF", 3) ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(body);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

DecodedText decodeDataText(const QByteArray& bytes)
{
    if (startsWith(bytes, "\xFF\xFE", 2) || startsWith(bytes, "\xFE\xFF", 2)) {
        const auto encoding = bytes.at(0) == '\xFF' ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE;
        QStringDecoder utf16(encoding, QStringDecoder::Flag::Stateless);
        QString text = utf16(bytes.mid(2));
        // Half of a surrogate pair on its own is no character: it becomes the replacement mark,
        // as an invalid UTF-8 sequence would, so the text can be saved as UTF-8 and read back.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool paired = text[i].isHighSurrogate() ? i + 1 < text.size() && text[i + 1].isLowSurrogate()
                                                          : !text[i].isLowSurrogate();
            if (!paired)
                text[i] = QChar::ReplacementCharacter;
            else if (text[i].isHighSurrogate())
                ++i;
        }
        return {text, 0};
    }
    // UTF-8 as long as it holds one valid multi-byte sequence: a few bad bytes in a UTF-8 file
    // are damage, each shown as the replacement mark. Bytes with no such sequence at all are an
    // older Windows file.
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString text;
    text.reserve(n);
    int invalid = 0;
    bool multiByte = false;
    for (qsizetype i = 0; i < n;) {
        char32_t code = 0;
        const int length = utf8Sequence(p + i, n - i, code);
        if (length == 0) {
            text += QChar::ReplacementCharacter;
            ++invalid;
            ++i;
            continue;
        }
        multiByte = multiByte || length > 1;
        if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(char16_t(code));
        }
        i += length;
    }
    if (invalid > 0 && !multiByte)
        return {decodeWindows1250(bytes), 0};
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return {text, invalid};
}

bool holdsControlCharacters(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

bool holdsOnlyBlanks(QStringView text)
{
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            return false;
    return true;
}

} // namespace tallox
