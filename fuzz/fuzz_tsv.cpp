// Feeds arbitrary bytes to the tab-separated reader under Polish and English settings. Besides
// the sanitizers' checks: whatever is read must lie inside the sheet, and writing it in the same
// locale and reading it again must give the same cells (numbers bit for bit, texts exactly).
#include "SameCells.h"
#include "worksheet/formats/TsvFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkTextRoundTripInBothLocales(data, size, tallox::readTsv, tallox::writeTsv);
    return 0;
}
