<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>InfoDialog</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trelasund Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0 (19.11.2013)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2013-2026 drosvane
All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://www.drosvane.example/</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallationSheet</name>
    <message>
        <source>Pages %1 to %2 are left out of this picture; the PDF sheet holds them all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz on the cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single-cable installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unit with %2 userbands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slots: the userbands, in use (blue), shared or too close (red), free (dashed); lines in them: where the transponders land.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lands at</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListenWindow</name>
    <message>
        <source>Listen to the cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the probe to the input and press Listen; each command appears as it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound card input the probe is connected to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Samples a second:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input&apos;s own rate, or one it offers; 88200 Hz or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hannel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input&apos;s channel, from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest sample of the last moment, as a share of full scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%p %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep listening without adding to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve what was heard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply to the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the input&apos;s own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system&apos;s default input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening to %1 at %2 Hz; each command appears as it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input clips: lower its level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet: no tone on the input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages heard: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; what was heard is kept. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save what was heard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists for a spreadsheet (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio input is there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio input answers: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the sound card or the probe&apos;s adapter, or start the sound server; this list renews itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot listen: %1. The list now shows the inputs there are.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Melvaron Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Userband Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choosing a frequency from a list also sets the userband number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Userband number: arrows and Page Up/Down 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Userband number, 1 to 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder frequency in MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder frequency: arrows 1 MHz, Page Up/Down 50 MHz, Home/End the ends of the band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Userband Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Userband frequency: arrows 1 MHz, Page Up/Down 10 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre frequency of the receiver&apos;s userband, 950 to 2150 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight userbands from 1284 to 2096 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ub (list1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1284 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1400 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1516 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1632 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1748 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1864 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1980 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2096 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twelve userbands from 974 to 2096 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ub (list2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>974 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1076 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1178 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1280 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1382 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1484 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1586 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1688 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1790 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1892 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1994 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarisation und Position</source>
        <translation>Polarisation and Position</translation>
    </message>
    <message>
        <source>Polarisation of the transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band of the transponder: high 11700 to 12750 MHz, low 10700 to 11700 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite position; EN 50494 reaches A and B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos. A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos. B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos. C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos. D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the commands with a PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN code: arrows 1, Page Up/Down 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN code, 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZF</source>
        <translation>IF</translation>
    </message>
    <message>
        <source>Intermediate frequency of the transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN50494</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EN 50494 command; select and copy it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN50607</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EN 50607 command; select and copy it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EN 50494 switch-off: it frees the receiver&apos;s userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EN 50607 switch-off: it frees the receiver&apos;s userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Inhalt...</source>
        <translation>&amp;Contents...</translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the EN 50494 line &amp;signal...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the EN 50607 line s&amp;ignal...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read a &amp;command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read a &amp;recording...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan an &amp;installation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Listen to the cable...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent plan&amp;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent recor&amp;dings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50607 sends %1 MHz as %2 MHz, the highest its tuning word carries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>userband number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>userband frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz lies in the %2 band: the band follows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantir help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/help/help_en.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot send these settings: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound for a signal generator (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope data (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the %1 line signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its position %1 lies beyond D, the last this window offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its userband %1 lies beyond %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageList</name>
    <message>
        <source>Shown in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window cannot show it: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>its intermediate frequency of %1 MHz lies outside %2..%3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte %1 is %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 byte; got %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 bytes; got %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODU_UbxSignal_ON names no userband; it takes 00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODU_UbxSignal_ON takes 00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a configuration (10 to 1F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an oscillator code (00 to 0C, 10 to 14)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its bits 4..0 name no EN 50494 command (00 signal on, 01 configuration, 02 oscillator)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50494 frame ends after %1 byte(s); it needs an address and a command byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a single-cable address (10, 00 or 11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an EN 50494 command (5A or 5B, 5C or 5D with PIN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50494 command %1 (with PIN, the last byte)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50494 command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a switch-off (tuning word 0) names no position, polarisation or band; its bits 4..2 are reserved and must be 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50607 command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its low three bits are reserved and must be 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50607 command %1 (with PIN, the last byte)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a switch-off (tuning word 0) names no position, polarisation or band; it takes 00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no bytes given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither an EN 50494 framing byte (E0, E1) nor an EN 50607 command (70, 71, 7A to 7E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at column %2 is not a hex digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; at column %2 has no hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; at column %2 has an odd number of hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no hex bytes given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any LNB, switcher or SMATV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeated transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tunes a transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frees the userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every userband sends a tone at its centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks whether the unit has this configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks for the unit&apos;s oscillator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks which userbands exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks which userbands are protected by a PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks which userbands are in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks for the centre frequency of the userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks for the switches of the userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two userbands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four userbands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six userbands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight userbands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (a switch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide band, %1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide band, none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the catalogue, for the numbers in its sentences</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its bit period of %1 ms is outside %2..%3 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its slot of %1 ms is off the message&apos;s %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % of its slot is tone, neither a 0 nor a 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte %1, bit %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tone of %1 kHz is outside %2..%3 kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte %1: its parity bit does not hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 bits do not make whole bytes of 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the capture starts inside this message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the capture ends inside this message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>samples that are not numbers or are clipped cut it short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its samples from %1 to %2 ms are not numbers or are clipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tone is only %1 times the noise; too faint to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it begins inside what was read before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tone goes on beyond the bits found: part of a message whose other bursts were lost in the noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no tone where its slot begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too close to call between a 0 and a 1 (%1 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 has %2 field(s) where the lines before had %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 has %2 value column(s); channel %3 is not one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2 is not a row of numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds one column of values; give its sample rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: its time goes back before the line before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no rows of numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a single sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its times do not advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes; an export&apos;s lines are short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a sound file this program reads (WAV, RF64, FLAC and the like)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a damaged sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sound file in an encoding this program does not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged, or not a sound file this program reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>breaks off after %1 samples: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its data is damaged there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its times give more than 10^9 samples a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 samples a second are too few for a 22 kHz tone; record at 88200 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header gives %1 channels; a recording holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has %1 channel(s); channel %2 is not one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot record at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went away (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rate %1 is too slow; the 22 kHz tone needs %2 or more: choose another input or set the card to 96000 or 192000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records at %2; the 22 kHz tone needs %3 or more: choose another input or set the card to 96000 or 192000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records at %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 channel, not a channel %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 channels, not a channel %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the default input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no sound server answers (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tone of %1 V peak to peak is outside %2..%3 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows audio does not answer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command from the master, no reply wanted, first transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command from the master, no reply wanted, repeated transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command from the master, reply wanted, first transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command from the master, reply wanted, repeated transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reply from a slave: OK, no errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reply from a slave: command not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reply from a slave: parity error, repeat requested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reply from a slave: command not recognised, repeat requested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB with loop-through switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switcher, DC blocking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switcher with DC loop-through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMATV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any polariser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linear polarisation (skew) controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any positioner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>polar or azimuth positioner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>elevation positioner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any installer aid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signal strength, an analogue value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any intelligent slave interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interface for subscriber-controlled headends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reserved for address reallocations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reserved for manufacturers&apos; extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reset the slave&apos;s microcontroller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear the reset flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch the peripheral power supply off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch the peripheral power supply on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the contention flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reply with the address if the contention flag is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear the contention flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reply with the address if the contention flag is clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change the address if the contention flag is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change the address if the contention flag is clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the status register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the committed switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the uncommitted switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the expansion switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select the low band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select vertical or right-hand circular polarisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select satellite position A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select switch option A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select the high band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select horizontal or left-hand circular polarisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select satellite position B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select switch option B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select input A of switch 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select input A of switch 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select input A of switch 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select input A of switch 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select input B of switch 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select input B of switch 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select input B of switch 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select input B of switch 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ignore every command but Awake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take commands again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the committed switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the uncommitted switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the expansion switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read analogue value 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read analogue value 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set analogue value 0 (the skew)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set analogue value 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the local oscillator&apos;s frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read which local oscillator is in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the low band&apos;s local oscillator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the high band&apos;s local oscillator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tune to a frequency, in BCD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select a channel by its number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop the positioner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch the positioner&apos;s limits off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the positioner&apos;s status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the east limit where the positioner stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the west limit where the positioner stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drive the positioner east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drive the positioner west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store where the positioner stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>go to a stored position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>go to an angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recalculate the stored positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this receiver drives a positioner; a single-cable unit ignores it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a DiSEqC command that a single-cable unit ignores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC 1.0 switch: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this receiver switches with DiSEqC 1.0; a single-cable unit ignores it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC 1.0 committed switch, data %1: a high nibble other than F, which sets only some of the switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC 1.0 committed switch: option %1, position %2, %3, %4 band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this receiver switches with DiSEqC 1.1; a single-cable unit ignores it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC 1.1 uncommitted switch, data %1: a high nibble other than F, which sets only some of the switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC 1.1 uncommitted switch: input %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: drive %1 until halted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: drive %1 for %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: drive %1 by 1 step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: drive %1 by %2 steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: store the position as number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: go to stored position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: go to %1° east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: go to %1° west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clockwise from north</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: go to %1° clockwise from north</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positioner: go to an angle, data %1 %2: its first nibble %3 names no direction (E east, D west; 0, 1 or F an azimuth)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither a DiSEqC framing byte (E0 to E7) nor an EN 50607 command (70, 71, 7A to 7E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, with data %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a slave&apos;s reply to a command; a single-cable unit sends none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a DiSEqC command takes a framing, an address and a command byte; got %1 byte(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not one of the bus&apos;s commands this tool knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC command %1, which this tool does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 to %3 data bytes; got %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes 1 data byte; got %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 data bytes; got %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tone burst A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this receiver switches with a tone burst; a single-cable unit ignores it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 kHz for %1 ms: the high band chosen the classic way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this receiver chooses the high band with the continuous tone; a single-cable unit ignores it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tone burst B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>userband number out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>userband frequency out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a channel change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tuning word sums to %1 MHz, no more than the userband&apos;s own %2 MHz: it names no intermediate frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its intermediate frequency of %1 MHz puts the transponder outside the %2 band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text after the object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nested too deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text ends early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected , or }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected , or ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such key: it holds a character that does not show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number needs a digit here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number does not start with 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a control character inside a string; write it as \u%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>\u needs four hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a string without its closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscillator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate + userband frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receiver %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1 entries; a plan holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a transponder; write it as 11493H, B 12188V or 5 12188V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is outside both bands (%2..%3 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names no userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is not a bandwidth; use %2..%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such position; use A to D, or 5 to 64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is outside the %2 band (%3..%4 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is outside %2..%3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 MHz are closer than the %3 MHz bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>userband %1: the unit has userbands 1..%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50494 has userbands 1..%1, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50494 reaches positions A and B; the installation uses %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an EN 50607 receiver on an EN 50494 unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN %1 is outside %2..%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receivers %1 share it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50607 sends its intermediate frequency of %1 MHz as %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>userbands %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>userband %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not set to single-cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no receiver of the plan sends %1 on userband %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, but not a command it sends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, switching off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, switching off with another PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, but for no transponder of the plan (or with another PIN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>userbands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit&apos;s standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is larger than a plan can be (1 MiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such key; use %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a preset list; use 1 or 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a plan: it must hold one object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unit: missing; a plan names the outdoor unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unit: give its standard and its userbands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 MHz is not a bandwidth; use %1..%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names a position another key names too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receivers: missing; a plan lists its receivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give its name and its userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not EN 50494 or EN 50607</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is beyond the whole numbers a plan holds (%2..%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a link in a shared folder that another user owns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tone stops early in each slot&apos;s first third (%1 % of it in the later half): clicks, not bits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanWindow</name>
    <message>
        <source>[*]Plan an installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Installation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unit&apos;s standard:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User&amp;bands (MHz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit&apos;s userband frequencies in MHz, by number from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band&amp;width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Positions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels of the positions used, e.g. A 19.2° E; B 13.0° E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transponders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As installers write them: 11493H, B 12188V, 5 12188V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receivers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard: empty for the unit&apos;s; PIN: empty for none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Userband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add a receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pri&amp;nt...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] – Plan an installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every check holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A plan holds at most %1 receivers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan has changes that are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plans (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plans (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the sheet as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new plan (Ctrl+N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan is not saved, as it is not yet a plan: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no sheet yet, as the plan is not: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet is written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet went to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadCommandWindow</name>
    <message>
        <source>Read a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bytes, as a receiver sent them (E0 10 5A 0C F6, 0x70,0x03, ...):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste, type or drop the command&apos;s bytes in hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50494 read with the &amp;userband at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An EN 50494 tuning word carries the sum of intermediate and userband frequency: the userband&apos;s centre it is read with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this channel change in the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply to the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bytes yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as below; note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window cannot show it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Not a single-cable command: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadRecordingWindow</name>
    <message>
        <source>Read a recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a recording of the cable: a sound file or an oscilloscope&apos;s CSV export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound file&apos;s channel, or the export&apos;s value column, from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Samples a second:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For an export that holds only values, one column without times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply to the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a damaged span, no message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not read: damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a single-cable command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>samples unreadable up to %1 ms, in %2 places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>samples unreadable up to %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every bit held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings (*.wav *.flac *.ogg *.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 was cancelled; messages found before: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2; messages before: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kHz, %2 V p-p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kHz, %2 FS p-p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kHz, %2 V p-p, outside %3..%4 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms of tone, no bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a single-cable command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list as shown, as CSV for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the &amp;list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 V before, %2 V during</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists for a spreadsheet (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No messages in %1 on channel %2 of %3; the tone may be on another channel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignalPicture</name>
    <message>
        <source>step up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 kHz tone, a bit every 1.5 ms: 1.0 ms of tone for a 0, 0.5 ms for a 1; each byte&apos;s ninth bit (P) makes its ones odd. The tone is drawn enlarged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms of tone, no bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (drawn shortened)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 kHz tone without bits: 12.5 ms of it is the tone burst A; kept on, it chooses the high band. The tone is drawn enlarged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
