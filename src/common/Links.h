#pragma once
// The addresses behind the program's links. A laboratory that installs the program puts its own
// pages and contacts here: nothing else in the program names them.
#include "tallox_version.h"

#include <QString>

namespace tallox::links {

inline const QString kProgramPage = QStringLiteral("https://tallox.example.edu.pl/");
inline const QString kLaboratoryPage = QStringLiteral("https://pracownia.fizyka.example.edu.pl/");
inline const QString kFacultyPage = QStringLiteral("https://fizyka.example.edu.pl/");
inline const QString kStaffDirectoryPage = QStringLiteral("https://fizyka.example.edu.pl/pracownicy/");
inline const QString kProgramMail = QStringLiteral("tallox@example.edu.pl");
inline const QString kAuthorMail = QStringLiteral("autor.tallox@example.edu.pl");
inline const QString kMailSubject = QStringLiteral("Tallox PL " TALLOX_VERSION_SHORT);

// A new mail message to the address with the program's subject line.
QString mailLink(const QString& address);

} // namespace tallox::links
