#include "app/TForm1.h"
#include "app/TForm12.h"
#include "app/TalloxApplication.h"
#include "common/Dialogs.h"

int main(int argc, char** argv)
{
    TalloxApplication app(argc, argv);
    TForm1 mainWindow;
    // The start dialog comes first; the main window shows when the event loop starts.
    tallox::execModal(*mainWindow.Form12);
    mainWindow.realignToolBar();
    mainWindow.show();
    return app.exec();
}
