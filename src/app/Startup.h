#pragma once
// What program entry does once the main window exists.
#include <QString>

class TForm1;

namespace tallox {

// The start dialog first, then the main window; a data file named on the command line is loaded
// once the event loop runs, so its boxes appear over the shown window.
void startMainWindow(TForm1& window, const QString& dataFile);

} // namespace tallox
