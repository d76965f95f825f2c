#pragma once
// What the .ods reader and writer share: the OpenDocument namespaces and the form a cell's text
// takes in a document.
#include <QLatin1String>
#include <QString>

namespace tallox::ods {

inline constexpr QLatin1String officeNs("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
inline constexpr QLatin1String tableNs("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
inline constexpr QLatin1String textNs("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
inline constexpr QLatin1String metaNs("urn:oasis:names:tc:opendocument:xmlns:meta:1.0");
inline constexpr QLatin1String manifestNs("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
inline constexpr QLatin1String calcextNs(
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");

inline constexpr QLatin1String spreadsheetMimeType("application/vnd.oasis.opendocument.spreadsheet");

// A text as a document can carry it: a paragraph text knows only line feeds as line ends (a CR LF
// or a lone CR becomes one line feed), and XML 1.0 holds no other control character, no lone
// surrogate and neither U+FFFE nor U+FFFF (each becomes U+FFFD). The reader passes what it reads
// through here too, so that what it returns is exactly what the writer writes back.
inline QString documentText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r') {
            out += u'\n';
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else if ((c < 0x20 && c != u'\t' && c != u'\n') || c == 0xFFFE || c == 0xFFFF) {
            out += QChar::ReplacementCharacter;
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text[i];
            out += text[++i];
        } else if (QChar::isSurrogate(c)) {
            out += QChar::ReplacementCharacter;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace tallox::ods
