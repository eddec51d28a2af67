#include "strictjson.h"

#include "shown.h"

#include <QSet>
#include <QVector>

#include <algorithm>
#include <cstring>

QString keyPath(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

namespace {

// The walk over the text; a fault is thrown, as it ends the walk wherever
// it is found, and caught below.
class JsonChecker
{
public:
    JsonChecker(const QByteArray &text, int deepest) : json(text), kDeepest(deepest) {}

    void check()
    {
        // A byte order mark, as some editors write, before the text only.
        if (json.startsWith("\xEF\xBB\xBF"))
            at = 3;
        value();
        space();
        if (at < json.size())
            fail(PHRASE_WORDS("Phrase", "text after the object"));
    }

private:
    struct Level
    {
        bool object;
        QString path;
        QSet<QString> keys;
        QString key; // the latest, whose value may open a level
        int index;   // of the current item in a list
    };

    [[noreturn]] void fail(Phrase what) const
    {
        const QByteArray before = json.left(at);
        const int line = before.count('\n') + 1;
        const int column =
            int(QString::fromUtf8(before.mid(before.lastIndexOf('\n') + 1)).size()) + 1;
        throw JsonFault{{},
                        Phrase(PHRASE_WORDS("Phrase", "line %1, column %2: %3"),
                               {Phrase::number(line), Phrase::number(column), std::move(what)})};
    }

    [[noreturn]] static void wrongKey(const QString &path, Phrase why)
    {
        throw JsonFault{path, std::move(why)};
    }

    char peek() const { return at < json.size() ? json[at] : '\0'; }

    void space()
    {
        while (at < json.size() &&
               (json[at] == ' ' || json[at] == '\t' || json[at] == '\n' || json[at] == '\r'))
            ++at;
    }

    void expect(char c, const char *what)
    {
        space();
        if (peek() != c)
            fail(what);
        ++at;
    }

    void value()
    {
        // Objects and lists without recursion, so that depth costs no stack.
        QVector<Level> levels;
        for (;;) {
            space();
            const char c = peek();
            if (c == '{' || c == '[') {
                if (levels.size() == kDeepest)
                    fail(Phrase(PHRASE_WORDS("Phrase", "nested too deep")));
                ++at;
                QString path;
                if (!levels.isEmpty()) {
                    const Level &outer = levels.last();
                    path = outer.object ? keyPath(outer.path, outer.key)
                                        : QStringLiteral("%1[%2]").arg(outer.path).arg(outer.index);
                }
                levels.append({c == '{', path, {}, {}, 0});
                space();
                if (peek() == (c == '{' ? '}' : ']')) {
                    ++at;
                    levels.removeLast();
                } else {
                    if (c == '{')
                        key(levels.last());
                    continue;
                }
            } else if (c == '"') {
                string();
            } else if (c == '-' || (c >= '0' && c <= '9')) {
                number();
            } else if (!word("true") && !word("false") && !word("null")) {
                fail(at < json.size() ? Phrase(PHRASE_WORDS("Phrase", "not a value"))
                                      : Phrase(PHRASE_WORDS("Phrase", "the text ends early")));
            }
            // After a value: the next item, or the end of its level.
            for (;;) {
                if (levels.isEmpty())
                    return;
                Level &level = levels.last();
                space();
                if (peek() == ',') {
                    ++at;
                    if (level.object)
                        key(level);
                    else
                        ++level.index;
                    break;
                }
                if (peek() != (level.object ? '}' : ']'))
                    fail(level.object ? Phrase(PHRASE_WORDS("Phrase", "expected , or }"))
                                      : Phrase(PHRASE_WORDS("Phrase", "expected , or ]")));
                ++at;
                levels.removeLast();
            }
        }
    }

    void key(Level &level)
    {
        space();
        if (peek() != '"')
            fail(Phrase(PHRASE_WORDS("Phrase", "expected a key in quotes")));
        level.key = string();
        const auto invisible = std::find_if(level.key.begin(), level.key.end(), [](QChar ch) {
            const QChar::Category category = ch.category();
            return category == QChar::Other_Control || category == QChar::Other_Format ||
                   category == QChar::Other_Surrogate || category == QChar::Other_PrivateUse ||
                   category == QChar::Other_NotAssigned;
        });
        if (invisible != level.key.end())
            wrongKey(keyPath(level.path, quoted(level.key)),
                     Phrase(PHRASE_WORDS("Phrase",
                                         "no such key: it holds a character that does not show")));
        if (level.keys.contains(level.key))
            wrongKey(keyPath(level.path, quoted(level.key)),
                     Phrase(PHRASE_WORDS("Phrase", "given more than once")));
        level.keys.insert(level.key);
        expect(':', PHRASE_WORDS("Phrase", "expected :"));
    }

    bool word(const char *w)
    {
        const int length = int(std::strlen(w));
        if (json.mid(at, length) != w)
            return false;
        at += length;
        return true;
    }

    void digits()
    {
        if (!(peek() >= '0' && peek() <= '9'))
            fail(Phrase(PHRASE_WORDS("Phrase", "a number needs a digit here")));
        while (peek() >= '0' && peek() <= '9')
            ++at;
    }

    void number()
    {
        if (peek() == '-')
            ++at;
        if (peek() == '0') {
            ++at;
            if (peek() >= '0' && peek() <= '9')
                fail(Phrase(PHRASE_WORDS("Phrase", "a number does not start with 0")));
        } else {
            digits();
        }
        if (peek() == '.') {
            ++at;
            digits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++at;
            if (peek() == '+' || peek() == '-')
                ++at;
            digits();
        }
    }

    // The string at `at`, decoded; its raw bytes must be UTF-8 without
    // control characters.
    QString string()
    {
        const int from = ++at;
        QString decoded;
        while (at < json.size() && json[at] != '"') {
            const unsigned char c = static_cast<unsigned char>(json[at]);
            if (c < 0x20)
                fail(Phrase(
                    PHRASE_WORDS("Phrase",
                                 "a control character inside a string; write it as \\u%1"),
                    {Phrase::plainText(
                        QStringLiteral("%1").arg(int(c), 4, 16, QLatin1Char('0')).toStdString())}));
            if (c == '\\') {
                ++at;
                const char e = peek();
                if (e == 'u') {
                    bool ok = false;
                    const ushort unit = json.mid(at + 1, 4).toUShort(&ok, 16);
                    if (!ok || json.mid(at + 1, 4).size() != 4)
                        fail(Phrase(PHRASE_WORDS("Phrase", "\\u needs four hexadecimal digits")));
                    decoded += QChar(unit);
                    at += 5;
                    continue;
                }
                static const char kEscapes[] = "\"\\/bfnrt";
                const char *found = e ? std::strchr(kEscapes, e) : nullptr;
                if (!found)
                    fail(Phrase(PHRASE_WORDS("Phrase", "not an escape")));
                decoded += QLatin1Char("\"\\/\b\f\n\r\t"[found - kEscapes]);
                ++at;
                continue;
            }
            int end = at;
            while (end < json.size() && json[end] != '"' && json[end] != '\\' &&
                   static_cast<unsigned char>(json[end]) >= 0x20)
                ++end;
            // After a space, so that a byte order mark that starts the run is
            // kept as the character it is.
            const QByteArray run = ' ' + json.mid(at, end - at);
            const QString read = QString::fromUtf8(run);
            if (read.toUtf8() != run)
                fail(Phrase(PHRASE_WORDS("Phrase", "not UTF-8")));
            decoded += read.mid(1);
            at = end;
        }
        if (at >= json.size()) {
            at = from - 1;
            fail(Phrase(PHRASE_WORDS("Phrase", "a string without its closing quote")));
        }
        ++at;
        return decoded;
    }

    const QByteArray &json;
    const int kDeepest;
    int at = 0;
};

} // namespace

std::optional<JsonFault> strictJsonFault(const QByteArray &text, int deepest)
{
    try {
        JsonChecker(text, deepest).check();
    } catch (const JsonFault &fault) {
        return fault;
    }
    return std::nullopt;
}
