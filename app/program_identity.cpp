#include "program_identity.h"

#include "program_names.h"

#include <QGuiApplication>
#include <QSize>
#include <QString>

#include <iterator>

namespace program_identity {

namespace {

QIcon IconUpTo(int largestSize) {
    QIcon icon;
    for (const int size : program_names::kIconSizes) {
        if (size <= largestSize) {
            icon.addFile(QStringLiteral(":/icons/ohm-drill-%1.png").arg(size), QSize(size, size));
        }
    }
    return icon;
}

} // namespace

QIcon ProgramIcon() {
    return IconUpTo(program_names::kIconSizes[std::size(program_names::kIconSizes) - 1]);
}

QIcon WindowIcon() {
    return IconUpTo(kLargestWindowIconSize);
}

void Apply() {
    QCoreApplication::setApplicationName(QString::fromUtf8(program_names::kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(program_names::kVersionText));
    QCoreApplication::setOrganizationName(QString::fromUtf8(program_names::kCompanyName));
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(program_names::kProductName));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(program_names::kDesktopFileName));
    QGuiApplication::setWindowIcon(WindowIcon());
}

} // namespace program_identity
