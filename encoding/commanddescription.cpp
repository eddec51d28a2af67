#include "commanddescription.h"

#include "hextext.h"

CommandField textField(const char *key, const char *label, const std::string &text, Phrase detail,
                       const char *joined)
{
    Phrase shown = detail.empty() ? Phrase::plainText(text)
                                  : Phrase(joined, {Phrase::plainText(text), std::move(detail)});
    return {key, label, CommandField::Text, text, 0, std::move(shown)};
}

CommandField wordField(const char *key, const char *label, const char *word)
{
    return {key, label, CommandField::Text, word, 0, Phrase(word)};
}

CommandField numberField(const char *key, const char *label, long long number, const char *unit)
{
    return {key, label,  CommandField::Number,
            {},  number, unit ? Phrase(unit, {Phrase::number(number)}) : Phrase::number(number)};
}

CommandField forPrograms(const char *key, const std::string &text)
{
    return {key, "", CommandField::Text, text, 0, {}};
}

CommandField numberForPrograms(const char *key, long long number)
{
    return {key, "", number > 0 ? CommandField::Number : CommandField::Missing, {}, number, {}};
}

namespace {

const char *addressName(std::uint8_t address)
{
    switch (address) {
    case 0x00:
        return PHRASE_WORDS("Phrase", "any device");
    case 0x11:
        return PHRASE_WORDS("Phrase", "LNB");
    default:
        return PHRASE_WORDS("Phrase", "any LNB, switcher or SMATV");
    }
}

// ODU_Config's byte in its parts, so that programs need not take it apart.
void configurationFields(int config, std::vector<CommandField> &fields)
{
    fields.push_back(textField("configuration", PHRASE_WORDS("Phrase", "Configuration"),
                               hexByte(std::uint8_t(config)), configText(std::uint8_t(config))));
    fields.push_back(numberForPrograms("configurationPositions", config & 8 ? 2 : 1));
    fields.push_back(forPrograms("configurationBand", config & 4 ? "wide" : "standard"));
    fields.push_back(numberForPrograms("configurationUserbands", 2 * ((config & 3) + 1)));
}

void oscillatorFields(int code, std::vector<CommandField> &fields)
{
    fields.push_back(textField("oscillator", PHRASE_WORDS("Phrase", "Oscillator"),
                               hexByte(std::uint8_t(code)), oscillatorText(code)));
    fields.push_back(numberForPrograms("oscillatorFrequency", oscillatorFrequency(code)));
    // Codes 03 and 11 both name 10000 MHz, one of them for a wide-band unit.
    fields.push_back(forPrograms("oscillatorBand", oscillatorWideBand(code) ? "wide" : "standard"));
}

} // namespace

std::vector<CommandField> describeCommand(const Command &c, int userbandFrequency)
{
    const bool en50494 = c.standard == Standard::En50494;
    const CommandKindInfo &info = commandKindInfo(c.kind);
    const bool tunes = c.kind == CommandKind::ChannelChange;
    const bool unit = c.kind != CommandKind::ChannelChange && c.kind != CommandKind::SwitchOff;
    std::vector<CommandField> fields{
        textField("standard", PHRASE_WORDS("Phrase", "Standard"), standardName(c.standard)),
        unit ? textField("command", PHRASE_WORDS("Phrase", "Command"), info.name,
                         Phrase(info.purpose), PHRASE_WORDS("Phrase", "%1: %2"))
             : wordField("command", PHRASE_WORDS("Phrase", "Command"), info.name),
        textField("bytes", "", bytesToHexText(encode(c).frame)),
    };
    if (en50494) {
        const std::uint8_t framing = encode(c).frame.at(0);
        fields.push_back(textField("framing", PHRASE_WORDS("Phrase", "Framing"), hexByte(framing),
                                   c.repeated ? PHRASE_WORDS("Phrase", "repeated transmission")
                                              : PHRASE_WORDS("Phrase", "first transmission")));
        fields.push_back(textField("address", PHRASE_WORDS("Phrase", "Address"), hexByte(c.address),
                                   addressName(c.address)));
    }
    if (info.userband)
        fields.push_back(numberField("userband", PHRASE_WORDS("Phrase", "Userband"), c.userband));
    if (tunes) {
        fields.push_back(
            textField("position", PHRASE_WORDS("Phrase", "Position"), positionName(c.position)));
        fields.push_back(wordField("polarisation", PHRASE_WORDS("Phrase", "Polarisation"),
                                   c.polarisation == Polarisation::Vertical
                                       ? PHRASE_WORDS("Phrase", "vertical")
                                       : PHRASE_WORDS("Phrase", "horizontal")));
        fields.push_back(wordField("band", PHRASE_WORDS("Phrase", "Band"),
                                   c.band == Band::Low ? PHRASE_WORDS("Phrase", "low")
                                                       : PHRASE_WORDS("Phrase", "high")));
        fields.push_back(
            numberField("tuningWord", PHRASE_WORDS("Phrase", "Tuning word"), c.tuningWord));
        if (const auto ifRange = intermediateFrequency(c, userbandFrequency))
            fields.push_back(numberField("intermediateFrequency",
                                         PHRASE_WORDS("Phrase", "Intermediate frequency"),
                                         ifRange->nominal, PHRASE_WORDS("Phrase", "%1 MHz")));
        else
            fields.push_back({"intermediateFrequency", "", CommandField::Missing, {}, 0, {}});
        if (en50494)
            fields.push_back(numberField(
                "frequencySum", PHRASE_WORDS("Phrase", "Intermediate + userband frequency"),
                en50494FrequencySum(c.tuningWord), PHRASE_WORDS("Phrase", "%1 MHz")));
    }
    if (c.kind == CommandKind::Config)
        configurationFields(c.argument, fields);
    if (c.kind == CommandKind::Oscillator)
        oscillatorFields(c.argument, fields);
    // EN 50607's queries have no PIN form.
    if (en50494 || !unit) {
        if (c.pin)
            fields.push_back(numberField("pin", PHRASE_WORDS("Phrase", "PIN"), *c.pin));
        else
            fields.push_back({"pin",
                              "PIN",
                              CommandField::Missing,
                              {},
                              0,
                              Phrase(PHRASE_WORDS("Phrase", "none"))});
    }
    return fields;
}
