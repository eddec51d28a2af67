#pragma once

#include "livesource.h"

#include <optional>

// The ways in on Linux: a sound server's PulseAudio interface, and ALSA;
// and what every way in shares.
namespace live {

// Empty when no sound server answers.
std::optional<std::vector<InputDevice>> pulseInputs();
std::unique_ptr<LiveSource> openPulseInput(const LiveSettings &settings);
bool pulseAnswers();

std::vector<InputDevice> alsaInputs();
std::unique_ptr<LiveSource> openAlsaInput(const LiveSettings &settings);

// Shared by both: the rate to ask for and the refusals.
double chosenRate(const LiveSettings &settings, const std::string &device, double own);
void checkChannel(const LiveSettings &settings, const std::string &device, int channels);
std::string rateText(double rate);
// `words` with each of `parts` as plain text.
Phrase said(const char *words, const std::vector<std::string> &parts);
constexpr const char *kNoSuchInput = PHRASE_WORDS("Phrase", "%1: no such input");

constexpr const char *kAlsaPrefix = "alsa:";

} // namespace live
