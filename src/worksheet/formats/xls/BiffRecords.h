#pragma once
// Record numbers and fixed values of the BIFF8 workbook stream, shared by the reader and writer.
#include <cstdint>

namespace tallox::xls {

namespace record {
constexpr std::uint16_t formula = 0x0006;
constexpr std::uint16_t endOfFile = 0x000A;
constexpr std::uint16_t filePass = 0x002F;
constexpr std::uint16_t font = 0x0031;
constexpr std::uint16_t continuation = 0x003C;
constexpr std::uint16_t window1 = 0x003D;
constexpr std::uint16_t codePage = 0x0042;
constexpr std::uint16_t boundSheet = 0x0085;
constexpr std::uint16_t mulRk = 0x00BD;
constexpr std::uint16_t mulBlank = 0x00BE;
constexpr std::uint16_t richString = 0x00D6;
constexpr std::uint16_t extendedFormat = 0x00E0;
constexpr std::uint16_t sharedStrings = 0x00FC;
constexpr std::uint16_t labelSst = 0x00FD;
constexpr std::uint16_t dimensions = 0x0200;
constexpr std::uint16_t blank = 0x0201;
constexpr std::uint16_t number = 0x0203;
constexpr std::uint16_t label = 0x0204;
constexpr std::uint16_t boolErr = 0x0205;
constexpr std::uint16_t formulaString = 0x0207;
constexpr std::uint16_t window2 = 0x023E;
constexpr std::uint16_t rk = 0x027E;
constexpr std::uint16_t style = 0x0293;
constexpr std::uint16_t beginOfFile = 0x0809;
// Older formats (before Excel 97) began their streams with these.
constexpr std::uint16_t beginOfFileBiff2 = 0x0009;
constexpr std::uint16_t beginOfFileBiff3 = 0x0209;
constexpr std::uint16_t beginOfFileBiff4 = 0x0409;
} // namespace record

constexpr std::uint16_t biff8Version = 0x0600;
constexpr std::uint16_t workbookGlobals = 0x0005;
constexpr std::uint16_t worksheetSubstream = 0x0010;

// The longest payload a record may carry; longer data goes on in CONTINUE records.
constexpr int maxRecordPayload = 8224;

} // namespace tallox::xls
