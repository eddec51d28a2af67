#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// Marks words for the window's catalogue, whose tools read them from this
// library's sources as the toolkit's own mark; here they stay plain English.
#define PHRASE_WORDS(scope, words) words

// A message with its words apart from what it names (a byte, a column, what
// the user typed), so that a window can give the words in its own language
// and the tool in English. The words hold %1 to %9 where the parts go; a
// part is a phrase of its own, or plain text that no language changes.
struct Phrase
{
    std::string words;
    std::vector<Phrase> parts;
    bool plain = false;
    // A number with a fraction, which a window writes with its language's
    // decimal sign; `words` holds it with a point.
    double value = 0;
    int decimals = -1;

    Phrase() = default;
    Phrase(const char *english, std::vector<Phrase> filling = {})
        : words(english), parts(std::move(filling))
    {
    }
    static Phrase plainText(std::string text);
    static Phrase number(long long whole) { return plainText(std::to_string(whole)); }
    static Phrase decimal(double number, int digits);

    bool empty() const { return words.empty(); }
    void clear() { *this = Phrase(); }
    // In English, with the parts put in.
    std::string text() const;
};

// Puts `parts` into `words` at %1 to %9 in one pass, so that a part that
// itself holds "%2" stays as it is.
std::string fillIn(const std::string &words, const std::vector<std::string> &parts);

// A refusal that says why as a phrase: `what()` in English for the tool,
// `why()` for a window to put into its own language.
class PhraseError : public std::runtime_error
{
public:
    explicit PhraseError(Phrase why) : std::runtime_error(why.text()), reason(std::move(why)) {}
    const Phrase &why() const { return reason; }

private:
    Phrase reason;
};
