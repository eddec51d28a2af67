#include "phrasetext.h"

#include <QCoreApplication>
#include <QLocale>

#include <vector>

QString phraseText(const Phrase &phrase)
{
    if (phrase.decimals >= 0) {
        // The catalogue's own language, so that a sentence has one decimal
        // sign whatever the desktop's locale.
        QLocale language(QCoreApplication::translate(
            "Phrase", "en", "the language of the catalogue, for the numbers in its sentences"));
        // No thousands separator: a time of 313075.59 ms reads as one number.
        language.setNumberOptions(QLocale::OmitGroupSeparator);
        return language.toString(phrase.value, 'f', phrase.decimals);
    }
    if (phrase.plain)
        return QString::fromStdString(phrase.words);
    std::vector<std::string> parts;
    parts.reserve(phrase.parts.size());
    for (const Phrase &part : phrase.parts)
        parts.push_back(phraseText(part).toStdString());
    // Filled after the look-up, in one pass, so that a part the user typed
    // is never taken for a place in the words.
    const QString words = QCoreApplication::translate("Phrase", phrase.words.c_str());
    return QString::fromStdString(fillIn(words.toStdString(), parts));
}
