#include "program_identity.h"

#include "program_names.h"

#include <QGuiApplication>
#include <QSize>
#include <QString>

namespace program_identity {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : program_names::kIconSizes) {
        icon.addFile(QStringLiteral(":/icons/ohm-drill-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void Apply() {
    QCoreApplication::setApplicationName(QString::fromUtf8(program_names::kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(program_names::kVersionText));
    QCoreApplication::setOrganizationName(QString::fromUtf8(program_names::kCompanyName));
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(program_names::kProductName));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(program_names::kDesktopFileName));
    QGuiApplication::setWindowIcon(ProgramIcon());
}

} // namespace program_identity
