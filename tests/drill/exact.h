#pragma once

#include <QString>

// QCOMPARE treats floating-point values as equal when they are merely close;
// the drill compares answers exactly, so its tests compare the text that
// tells every value apart (9 significant digits for a float, 17 for a double):
// QCOMPARE(Exact(actual), Exact(expected)).
inline QString Exact(float value) {
    return QString::number(value, 'g', 9);
}
inline QString Exact(double value) {
    return QString::number(value, 'g', 17);
}
