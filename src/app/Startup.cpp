#include "app/Startup.h"

#include "app/TForm1.h"
#include "app/TForm12.h"
#include "common/Dialogs.h"
#include "worksheet/DataFiles.h"

#include <QPointer>
#include <QTimer>

namespace tallox {

void startMainWindow(TForm1& window, const QString& dataFile)
{
    execModal(*window.Form12);
    window.realignToolBar();
    window.show();
    if (dataFile.isEmpty())
        return;
    const QPointer<DataFiles> files = window.dataFiles;
    QTimer::singleShot(0, files, [files, dataFile] {
        if (files)
            files->loadFromCommandLine(dataFile);
    });
}

} // namespace tallox
