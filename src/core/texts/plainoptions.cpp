#include "texts/plainoptions.h"

#include <algorithm>

namespace texts {
namespace {

constexpr QLatin1String kMarksOfTheLetters[] = {
    QLatin1String("Greek Accents"), QLatin1String("Hebrew Vowel Points"),
    QLatin1String("Hebrew Cantillation"), QLatin1String("Arabic Vowel Points")};
constexpr QLatin1String kOn("On");
constexpr QLatin1String kOff("Off");

} // namespace

QString plainOptionValue(const QString& option, const QStringList& values) {
    const bool marksTheLetters =
        std::find(std::begin(kMarksOfTheLetters), std::end(kMarksOfTheLetters), option) !=
        std::end(kMarksOfTheLetters);
    if (marksTheLetters && values.contains(kOn))
        return kOn;
    if (values.contains(kOff))
        return kOff;
    return values.value(0);
}

} // namespace texts
