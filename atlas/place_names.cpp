// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_names.h"

#include <QList>
#include <QString>
#include <cmath>

namespace vellamor::atlas {
namespace {

// Letters that canonical decomposition leaves alone, spelled with A to Z.
const char* SpelledOut(char32_t c) {
    switch (c) {
        case U'ß':
            return "ss";
        case U'ẞ':
            return "SS";
        case U'æ':
            return "ae";
        case U'Æ':
            return "AE";
        case U'œ':
            return "oe";
        case U'Œ':
            return "OE";
        case U'ø':
            return "o";
        case U'Ø':
            return "O";
        case U'ł':
            return "l";
        case U'Ł':
            return "L";
        case U'đ':
        case U'ð':
            return "d";
        case U'Đ':
        case U'Ð':
            return "D";
        case U'þ':
            return "th";
        case U'Þ':
            return "Th";
        case U'ħ':
            return "h";
        case U'Ħ':
            return "H";
        case U'ı':
            return "i";
        case U'ə':
        case U'ǝ':
            return "e";
        case U'Ə':
        case U'Ǝ':
            return "E";
        default:
            return nullptr;
    }
}

bool IsAsciiLetter(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

bool IsCombiningMark(char32_t c) {
    const QChar::Category cat = QChar::category(c);
    return cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
           cat == QChar::Mark_Enclosing;
}

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return s;
}

}  // namespace

std::string FoldPlaceName(std::string_view utf8) {
    const QString decomposed = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
                                   .normalized(QString::NormalizationForm_D);
    std::string out;
    out.reserve(utf8.size());
    bool pendingBlank = false;
    auto put = [&](std::string_view letters) {
        if (pendingBlank && !out.empty())
            out.push_back(' ');
        pendingBlank = false;
        out.append(letters);
    };
    const QList<uint> codes = decomposed.toUcs4();
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const char32_t c = codes[i];
        if (IsCombiningMark(c))
            continue;  // the accent of the letter before it
        if (IsAsciiLetter(c)) {
            const char letter = static_cast<char>(c);
            put(std::string_view(&letter, 1));
        } else if (const char* spelled = SpelledOut(c)) {
            std::string letters = spelled;
            // "Ærø" is "Aero", not "AEro": a capital before small letters
            // spells out in title case.
            if (letters.size() > 1 && i + 1 < codes.size() && QChar::isLower(codes[i + 1])) {
                for (std::size_t k = 1; k < letters.size(); ++k) {
                    if (letters[k] >= 'A' && letters[k] <= 'Z')
                        letters[k] = static_cast<char>(letters[k] + 32);
                }
            }
            put(letters);
        } else {
            pendingBlank = true;
        }
    }
    return out;
}

bool FoldedContains(std::string_view haystack, std::string_view needle) {
    const std::string n = Lower(FoldPlaceName(needle));
    return Lower(FoldPlaceName(haystack)).find(n) != std::string::npos;
}

bool FoldedEquals(std::string_view a, std::string_view b) {
    return Lower(FoldPlaceName(a)) == Lower(FoldPlaceName(b));
}

DegreesMinutes ToDegreesMinutes(double decimalDegrees) {
    // The atlas stores four or five decimals; the small allowance keeps a
    // value such as 12.35 from losing a minute to its binary representation.
    const long totalMinutes = static_cast<long>(std::floor(std::fabs(decimalDegrees) * 60 + 1e-7));
    return DegreesMinutes{static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
                          decimalDegrees < 0};
}

}  // namespace vellamor::atlas
