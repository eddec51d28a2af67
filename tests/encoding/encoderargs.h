#pragma once

// The encoders' arguments after the output text, at the window's defaults:
// horizontal, high band, position A, 1100 MHz, userband 1 at 1284 MHz, no PIN.
struct EncoderArgs
{
    int vertical = 0;
    int lowBand = 0;
    int position = 0;
    int ifFrequency = 1100;
    int userbandFrequency = 1284;
    int userbandIndex = 0;
    int pin = -1;
};
