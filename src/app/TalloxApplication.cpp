#include "app/TalloxApplication.h"

#include "common/Messages.h"
#include "tallox_version.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <clocale>
#include <exception>

TalloxApplication::TalloxApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // QApplication switched the C library to the user's locale; number texts of the program are
    // written and read locale-free, so LC_NUMERIC goes back to "C".
    std::setlocale(LC_NUMERIC, "C");
    // The name also names the user's data folder of an installed program (~/.local/share/Tallox).
    setApplicationName(QStringLiteral("Tallox"));
    setApplicationVersion(QStringLiteral(TALLOX_VERSION));
    setDesktopFileName(QStringLiteral("tallox"));

    // Icons the desktop's theme lacks come from Tango, installed with the program.
    // Some platforms (the offscreen one among them) do not look in the system's icon folders.
    QStringList iconFolders = QIcon::themeSearchPaths();
    for (const QString& folder : QStandardPaths::locateAll(
             QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
             QStandardPaths::LocateDirectory))
        if (!iconFolders.contains(folder))
            iconFolders << folder;
    QIcon::setThemeSearchPaths(iconFolders);
    QIcon::setFallbackThemeName(QStringLiteral("Tango"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Tango"));

    // Qt's own texts (standard dialogs, edit fields' context menus) in Polish.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

namespace {
// The events by which a user gives a command; what they set off is one command for the boxes.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}
} // namespace

bool TalloxApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        if (isUserInput(event->type())) {
            const tallox::MessageCommand command;
            return QApplication::notify(receiver, event);
        }
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        tallox::showMessage({tallox::MessageIcon::Critical, QStringLiteral("Tallox"),
                             QString::fromUtf8(e.what()), tallox::MessageButtons::Ok});
    } catch (...) {
        tallox::showMessage({tallox::MessageIcon::Critical, QStringLiteral("Tallox"),
                             QStringLiteral("Wystąpił nieoczekiwany błąd programu."),
                             tallox::MessageButtons::Ok});
    }
    return false;
}
