#include "app/TalloxApplication.h"

#include "common/Messages.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <exception>

TalloxApplication::TalloxApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // QApplication switched the C library to the user's locale; number texts of the program are
    // written and read locale-free, so LC_NUMERIC goes back to "C".
    std::setlocale(LC_NUMERIC, "C");
    setApplicationName(QStringLiteral("Tallox"));
    setApplicationDisplayName(QString());

    // Qt's own texts (standard dialogs, edit fields' context menus) in Polish.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool TalloxApplication::notify(QObject* receiver, QEvent* event)
{
    try {
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
