#include "monkey_texts.h"

#include <QStringList>

namespace monkey_texts {

namespace {

const QStringList kTyped = {"0", "1", "2", "3", "4", "5", "6", "7", "8",  "9",  ".", "-",
                            "+", " ", "e", "x", "a", "Z", ",", "/", "0.", "15", "60"};

const QStringList kComposed = {"０",     "１",     "２", "３",     "４", "５", "６",
                               "７",     "８",     "９", "．",     "－", "＋", "　",
                               "ア",     "正解は", "Ω",  "ｅ１",   "・", "😀",  "👍🏽",
                               "\u200F", "\u202E", "١٥", "e\u0301"};

const QStringList kPastedOnly = {QString(QChar(0x01)),
                                 "\x1b",
                                 "\x7f",
                                 "\r",
                                 "\n",
                                 "\t",
                                 "\r\n",
                                 QString(QChar(0)),
                                 "\u200B",
                                 "\uFEFF",
                                 "\u2028",
                                 "\uFFFD",
                                 "\U0010FFFF",
                                 "1e308",
                                 "-0",
                                 "inf",
                                 "NaN",
                                 "0x1F"};

QString Pick(const QStringList& list, std::mt19937_64& random) {
    return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(random)];
}

QString Mix(const QList<const QStringList*>& lists, int maxPieces, std::mt19937_64& random) {
    const int pieces = std::uniform_int_distribution<int>(1, maxPieces)(random);
    QString text;
    for (int i = 0; i < pieces; ++i) {
        const QStringList* list =
            lists[std::uniform_int_distribution<qsizetype>(0, lists.size() - 1)(random)];
        text += Pick(*list, random);
    }
    return text;
}

} // namespace

QString Typed(std::mt19937_64& random) {
    return Mix({&kTyped}, 8, random);
}

QString Composed(std::mt19937_64& random) {
    return Mix({&kComposed}, 6, random);
}

QString Pasted(std::mt19937_64& random) {
    return Mix({&kTyped, &kComposed, &kPastedOnly}, 24, random);
}

QString HugePaste(std::mt19937_64& random) {
    constexpr qsizetype kSize = 100 * 1024;
    QString text;
    text.reserve(kSize + 64);
    switch (std::uniform_int_distribution<int>(0, 2)(random)) {
    case 0: // a page of digits, perhaps after a point
        if (random() % 2 == 0) {
            text += QStringLiteral("0.");
        }
        while (text.size() < kSize) {
            text += QChar(u'0' + static_cast<char16_t>(random() % 10));
        }
        break;
    case 1: // keypad digits, a blank before each
        while (text.size() < kSize) {
            text += QChar(u' ');
            text += QChar(u'0' + static_cast<char16_t>(random() % 10));
        }
        break;
    default: // anything
        while (text.size() < kSize) {
            text += Pasted(random);
        }
        break;
    }
    return text;
}

} // namespace monkey_texts
