#include "kelvodictreference.h"

namespace {

// Where the digits of the id start: after "<_ID ".
constexpr int IdDigitsStart = 5;

} // namespace

KelvoDictReference KelvoDictReference::parse(const QString& reference) {
    KelvoDictReference result;
    if (reference.contains(QLatin1String("<_ID"))) {
        const int close = int(reference.indexOf(QLatin1Char('>')));
        if (close != -1) {
            const QString digits = close > IdDigitsStart
                                       ? reference.mid(IdDigitsStart, close - IdDigitsStart)
                                       : QString();
            result.id = digits.toInt();
        }
    }
    result.term = reference.mid(reference.lastIndexOf(QLatin1Char('>')) + 1);
    const QString afterLastOpen = reference.mid(reference.lastIndexOf(QLatin1Char('<')) + 1);
    result.codedWord = afterLastOpen.left(afterLastOpen.indexOf(QLatin1Char('>')));
    return result;
}
