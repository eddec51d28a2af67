<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Copyright (C) 2013-2026 drosvane
Alle Rechte vorbehalten.</translation>
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
        <translation>Die Seiten %1 bis %2 fehlen in diesem Bild; das PDF-Blatt enthält sie alle.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>PIN set</source>
        <translation>PIN gesetzt</translation>
    </message>
    <message>
        <source>MHz on the cable</source>
        <translation>MHz auf dem Kabel</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Single-cable installation</source>
        <translation>Einkabelanlage</translation>
    </message>
    <message>
        <source>%1 unit with %2 userbands</source>
        <translation>Einheit nach %1 mit %2 Userbands</translation>
    </message>
    <message>
        <source>%1 MHz wide</source>
        <translation>%1 MHz breit</translation>
    </message>
    <message>
        <source>position %1: %2</source>
        <translation>Position %1: %2</translation>
    </message>
    <message>
        <source>Slots: the userbands, in use (blue), shared or too close (red), free (dashed); lines in them: where the transponders land.</source>
        <translation>Felder: die Userbands, belegt (blau), geteilt oder zu nah (rot), frei (gestrichelt); Linien darin: wo die Transponder landen.</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Userband</source>
        <translation>Userband</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Lands at</source>
        <translation>Landet bei</translation>
    </message>
</context>
<context>
    <name>ListenWindow</name>
    <message>
        <source>Listen to the cable</source>
        <translation>Die Leitung abhören</translation>
    </message>
    <message>
        <source>Connect the probe to the input and press Listen; each command appears as it ends.</source>
        <translation>Den Tastkopf an den Eingang anschließen und Abhören drücken; jeder Befehl erscheint, sobald er endet.</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>&amp;Eingang:</translation>
    </message>
    <message>
        <source>The sound card input the probe is connected to</source>
        <translation>Der Eingang der Soundkarte, an dem der Tastkopf hängt</translation>
    </message>
    <message>
        <source>&amp;Samples a second:</source>
        <translation>Abtastwerte je &amp;Sekunde:</translation>
    </message>
    <message>
        <source>The input&apos;s own rate, or one it offers; 88200 Hz or more</source>
        <translation>Die eigene Rate des Eingangs oder eine, die er anbietet; 88200 Hz oder mehr</translation>
    </message>
    <message>
        <source>C&amp;hannel:</source>
        <translation>&amp;Kanal:</translation>
    </message>
    <message>
        <source>The input&apos;s channel, from 1</source>
        <translation>Der Kanal des Eingangs, ab 1</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Pegel:</translation>
    </message>
    <message>
        <source>The largest sample of the last moment, as a share of full scale</source>
        <translation>Der größte Abtastwert des letzten Augenblicks, als Anteil der Vollaussteuerung</translation>
    </message>
    <message>
        <source>%p %</source>
        <translation>%p %</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <translation>&amp;Abhören</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Keep listening without adding to the list</source>
        <translation>Weiter abhören, ohne die Liste zu ergänzen</translation>
    </message>
    <message>
        <source>Sa&amp;ve what was heard...</source>
        <translation>Gehörtes spei&amp;chern...</translation>
    </message>
    <message>
        <source>&amp;Apply to the window</source>
        <translation>Im Fenster &amp;übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>the input&apos;s own</source>
        <translation>die des Eingangs</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>the system&apos;s default input</source>
        <translation>der Standardeingang des Systems</translation>
    </message>
    <message>
        <source>%1 (%2 Hz)</source>
        <translation>%1 (%2 Hz)</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Abhören nicht möglich: %1</translation>
    </message>
    <message>
        <source>Listening to %1 at %2 Hz; each command appears as it ends.</source>
        <translation>Höre %1 mit %2 Hz ab; jeder Befehl erscheint, sobald er endet.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>The input clips: lower its level.</source>
        <translation>Der Eingang übersteuert: Pegel senken.</translation>
    </message>
    <message>
        <source>Quiet: no tone on the input.</source>
        <translation>Still: kein Ton am Eingang.</translation>
    </message>
    <message>
        <source>Messages heard: %1</source>
        <translation>Gehörte Nachrichten: %1</translation>
    </message>
    <message>
        <source>%1; what was heard is kept. %2</source>
        <translation>%1; das Gehörte bleibt erhalten. %2</translation>
    </message>
    <message>
        <source>Save what was heard</source>
        <translation>Gehörtes speichern</translation>
    </message>
    <message>
        <source>WAV files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Lists for a spreadsheet (*.csv)</source>
        <translation>Listen für eine Tabellenkalkulation (*.csv)</translation>
    </message>
    <message>
        <source>none there</source>
        <translation>keiner da</translation>
    </message>
    <message>
        <source>No audio input is there.</source>
        <translation>Kein Audioeingang ist da.</translation>
    </message>
    <message>
        <source>No audio input answers: %1.</source>
        <translation>Kein Audioeingang antwortet: %1.</translation>
    </message>
    <message>
        <source>Connect the sound card or the probe&apos;s adapter, or start the sound server; this list renews itself.</source>
        <translation>Die Soundkarte oder den Adapter des Tastkopfs anschließen oder den Soundserver starten; diese Liste erneuert sich selbst.</translation>
    </message>
    <message>
        <source>Cannot listen: %1. The list now shows the inputs there are.</source>
        <translation>Abhören nicht möglich: %1. Die Liste zeigt jetzt die Eingänge, die da sind.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Automatic</source>
        <translation>Automatik</translation>
    </message>
    <message>
        <source>Transponder Frequency</source>
        <translation>Transponderfrequenz</translation>
    </message>
    <message>
        <source>Ub (list1)</source>
        <translation>Ub (Liste1)</translation>
    </message>
    <message>
        <source>Ub (list2)</source>
        <translation>Ub (Liste2)</translation>
    </message>
    <message>
        <source>Userband Frequency</source>
        <translation>Userbandfrequenz</translation>
    </message>
    <message>
        <source>Userband Number</source>
        <translation>Userbandnummer</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>ausserhalb Wertebereich</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>userband frequency</source>
        <translation>Userbandfrequenz</translation>
    </message>
    <message>
        <source>userband number</source>
        <translation>Userbandnummer</translation>
    </message>
    <message>
        <source>Melvaron Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choosing a frequency from a list also sets the userband number</source>
        <translation>Die Wahl einer Frequenz aus einer Liste setzt auch die Userbandnummer</translation>
    </message>
    <message>
        <source>Userband number: arrows and Page Up/Down 1</source>
        <translation>Userbandnummer: Pfeiltasten und Bild auf/ab 1</translation>
    </message>
    <message>
        <source>Userband number, 1 to 32</source>
        <translation>Userbandnummer, 1 bis 32</translation>
    </message>
    <message>
        <source>Transponder frequency in MHz</source>
        <translation>Transponderfrequenz in MHz</translation>
    </message>
    <message>
        <source>Transponder frequency: arrows 1 MHz, Page Up/Down 50 MHz, Home/End the ends of the band</source>
        <translation>Transponderfrequenz: Pfeiltasten 1 MHz, Bild auf/ab 50 MHz, Pos1/Ende die Enden des Bands</translation>
    </message>
    <message>
        <source>Userband frequency: arrows 1 MHz, Page Up/Down 10 MHz</source>
        <translation>Userbandfrequenz: Pfeiltasten 1 MHz, Bild auf/ab 10 MHz</translation>
    </message>
    <message>
        <source>Centre frequency of the receiver&apos;s userband, 950 to 2150 MHz</source>
        <translation>Mittenfrequenz des Userbands des Receivers, 950 bis 2150 MHz</translation>
    </message>
    <message>
        <source>Eight userbands from 1284 to 2096 MHz</source>
        <translation>Acht Userbands von 1284 bis 2096 MHz</translation>
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
        <translation>Zwölf Userbands von 974 bis 2096 MHz</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarisation of the transponder</source>
        <translation>Polarisation des Transponders</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Band of the transponder: high 11700 to 12750 MHz, low 10700 to 11700 MHz</source>
        <translation>Band des Transponders: High 11700 bis 12750 MHz, Low 10700 bis 11700 MHz</translation>
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
        <translation>Satellitenposition; EN 50494 erreicht A und B</translation>
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
        <translation>Die Befehle mit PIN senden</translation>
    </message>
    <message>
        <source>Pin Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN code: arrows 1, Page Up/Down 10</source>
        <translation>PIN-Code: Pfeiltasten 1, Bild auf/ab 10</translation>
    </message>
    <message>
        <source>PIN code, 0 to 255</source>
        <translation>PIN-Code, 0 bis 255</translation>
    </message>
    <message>
        <source>ZF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate frequency of the transponder</source>
        <translation>Zwischenfrequenz des Transponders</translation>
    </message>
    <message>
        <source>EN50494</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EN 50494 command; select and copy it</source>
        <translation>Der Befehl nach EN 50494; markieren und kopieren</translation>
    </message>
    <message>
        <source>EN50607</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EN 50607 command; select and copy it</source>
        <translation>Der Befehl nach EN 50607; markieren und kopieren</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhalt...</source>
        <translation type="unfinished"></translation>
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
        <source>Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 50607 sends %1 MHz as %2 MHz, the highest its tuning word carries</source>
        <translation>EN 50607 sendet %1 MHz als %2 MHz, die höchste Frequenz seines Abstimmworts</translation>
    </message>
    <message>
        <source>vantir help</source>
        <translation>vantir-Hilfe</translation>
    </message>
    <message>
        <source>:/help/help_en.html</source>
        <translation>:/help/help_de.html</translation>
    </message>
    <message>
        <source>Switch-off</source>
        <translation>Abschalten</translation>
    </message>
    <message>
        <source>The EN 50494 switch-off: it frees the receiver&apos;s userband</source>
        <translation>Das Abschalten nach EN 50494: es gibt das Userband des Receivers frei</translation>
    </message>
    <message>
        <source>The EN 50607 switch-off: it frees the receiver&apos;s userband</source>
        <translation>Das Abschalten nach EN 50607: es gibt das Userband des Receivers frei</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>Save the EN 50494 line &amp;signal...</source>
        <translation>Leitungs&amp;signal nach EN 50494 speichern...</translation>
    </message>
    <message>
        <source>Save the EN 50607 line s&amp;ignal...</source>
        <translation>Leitungss&amp;ignal nach EN 50607 speichern...</translation>
    </message>
    <message>
        <source>Read a &amp;command...</source>
        <translation>&amp;Befehl lesen...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <source>%1 cannot send these settings: %2</source>
        <translation>%1 kann diese Einstellungen nicht senden: %2</translation>
    </message>
    <message>
        <source>Sound for a signal generator (*.wav)</source>
        <translation>Ton für einen Signalgenerator (*.wav)</translation>
    </message>
    <message>
        <source>Oscilloscope data (*.csv)</source>
        <translation>Oszilloskopdaten (*.csv)</translation>
    </message>
    <message>
        <source>Picture (*.svg)</source>
        <translation>Bild (*.svg)</translation>
    </message>
    <message>
        <source>Picture (*.png)</source>
        <translation>Bild (*.png)</translation>
    </message>
    <message>
        <source>Save the %1 line signal</source>
        <translation>Leitungssignal nach %1 speichern</translation>
    </message>
    <message>
        <source>the file could not be made</source>
        <translation>die Datei ließ sich nicht erzeugen</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 ließ sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>its position %1 lies beyond D, the last this window offers</source>
        <translation>seine Position %1 liegt hinter D, der letzten dieses Fensters</translation>
    </message>
    <message>
        <source>its userband %1 lies beyond %2</source>
        <translation>sein Userband %1 liegt hinter %2</translation>
    </message>
    <message>
        <source>low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>high</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Read a &amp;recording...</source>
        <translation>&amp;Aufnahme lesen...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Plan an &amp;installation...</source>
        <translation>Anlage &amp;planen...</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Listen to the cable...</source>
        <translation>Die &amp;Leitung abhören...</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Recent plan&amp;s</source>
        <translation>&amp;Zuletzt geöffnete Pläne</translation>
    </message>
    <message>
        <source>Recent recor&amp;dings</source>
        <translation>Zuletzt gelesene Aufnah&amp;men</translation>
    </message>
    <message>
        <source>%1 MHz lies in the %2 band: the band follows it</source>
        <translation>%1 MHz liegen im %2 Band: das Band folgt</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 liegt außerhalb von %2 bis %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>MessageList</name>
    <message>
        <source>Shown in the main window.</source>
        <translation>Im Hauptfenster angezeigt.</translation>
    </message>
    <message>
        <source>The main window cannot show it: %1</source>
        <translation>Das Hauptfenster kann ihn nicht zeigen: %1</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>its intermediate frequency of %1 MHz lies outside %2..%3 MHz</source>
        <translation>seine Zwischenfrequenz von %1 MHz liegt außerhalb von %2..%3 MHz</translation>
    </message>
    <message>
        <source>byte %1 is %2: %3</source>
        <translation>Byte %1 ist %2: %3</translation>
    </message>
    <message>
        <source>%1 takes %2 byte; got %3</source>
        <translation>%1 hat %2 Byte, nicht %3</translation>
    </message>
    <message>
        <source>%1 takes %2 bytes; got %3</source>
        <translation>%1 hat %2 Bytes, nicht %3</translation>
    </message>
    <message>
        <source>ODU_UbxSignal_ON names no userband; it takes 00</source>
        <translation>ODU_UbxSignal_ON nennt kein Userband; es verlangt 00</translation>
    </message>
    <message>
        <source>ODU_UbxSignal_ON takes 00</source>
        <translation>ODU_UbxSignal_ON verlangt 00</translation>
    </message>
    <message>
        <source>not a configuration (10 to 1F)</source>
        <translation>keine Konfiguration (10 bis 1F)</translation>
    </message>
    <message>
        <source>not an oscillator code (00 to 0C, 10 to 14)</source>
        <translation>kein Oszillatorcode (00 bis 0C, 10 bis 14)</translation>
    </message>
    <message>
        <source>its bits 4..0 name no EN 50494 command (00 signal on, 01 configuration, 02 oscillator)</source>
        <translation>seine Bits 4..0 nennen keinen Befehl nach EN 50494 (00 Signal an, 01 Konfiguration, 02 Oszillator)</translation>
    </message>
    <message>
        <source>EN 50494 frame ends after %1 byte(s); it needs an address and a command byte</source>
        <translation>Rahmen nach EN 50494 endet nach %1 Byte; er braucht eine Adresse und ein Befehlsbyte</translation>
    </message>
    <message>
        <source>not a single-cable address (10, 00 or 11)</source>
        <translation>keine Einkabel-Adresse (10, 00 oder 11)</translation>
    </message>
    <message>
        <source>not an EN 50494 command (5A or 5B, 5C or 5D with PIN)</source>
        <translation>kein Befehl nach EN 50494 (5A oder 5B, 5C oder 5D mit PIN)</translation>
    </message>
    <message>
        <source>EN 50494 command %1 (with PIN, the last byte)</source>
        <translation>Befehl %1 nach EN 50494 (mit PIN, dem letzten Byte)</translation>
    </message>
    <message>
        <source>EN 50494 command %1</source>
        <translation>Befehl %1 nach EN 50494</translation>
    </message>
    <message>
        <source>a switch-off (tuning word 0) names no position, polarisation or band; its bits 4..2 are reserved and must be 0</source>
        <translation>ein Abschalten (Abstimmwort 0) nennt keine Position, Polarisation oder Band; seine Bits 4..2 sind reserviert und müssen 0 sein</translation>
    </message>
    <message>
        <source>EN 50607 command %1</source>
        <translation>Befehl %1 nach EN 50607</translation>
    </message>
    <message>
        <source>its low three bits are reserved and must be 0</source>
        <translation>seine unteren drei Bits sind reserviert und müssen 0 sein</translation>
    </message>
    <message>
        <source>EN 50607 command %1 (with PIN, the last byte)</source>
        <translation>Befehl %1 nach EN 50607 (mit PIN, dem letzten Byte)</translation>
    </message>
    <message>
        <source>a switch-off (tuning word 0) names no position, polarisation or band; it takes 00</source>
        <translation>ein Abschalten (Abstimmwort 0) nennt keine Position, Polarisation oder Band; es verlangt 00</translation>
    </message>
    <message>
        <source>no bytes given</source>
        <translation>keine Bytes angegeben</translation>
    </message>
    <message>
        <source>neither an EN 50494 framing byte (E0, E1) nor an EN 50607 command (70, 71, 7A to 7E)</source>
        <translation>weder ein Rahmenbyte nach EN 50494 (E0, E1) noch ein Befehl nach EN 50607 (70, 71, 7A bis 7E)</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>%1 at column %2 is not a hex digit</source>
        <translation>%1 in Spalte %2 ist keine Hex-Ziffer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at column %2 has no hex digits</source>
        <translation>&apos;%1&apos; in Spalte %2 hat keine Hex-Ziffern</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at column %2 has an odd number of hex digits</source>
        <translation>&apos;%1&apos; in Spalte %2 hat eine ungerade Zahl von Hex-Ziffern</translation>
    </message>
    <message>
        <source>no hex bytes given</source>
        <translation>keine Hex-Bytes angegeben</translation>
    </message>
    <message>
        <source>any device</source>
        <translation>jedes Gerät</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>any LNB, switcher or SMATV</source>
        <translation>jedes LNB, Umschalter, SMATV</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>repeated transmission</source>
        <translation>wiederholte Sendung</translation>
    </message>
    <message>
        <source>first transmission</source>
        <translation>erste Sendung</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertikal</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>high</source>
        <translation>High</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>channel change</source>
        <translation>Kanalwechsel</translation>
    </message>
    <message>
        <source>tunes a transponder</source>
        <translation>stimmt einen Transponder ab</translation>
    </message>
    <message>
        <source>switch-off</source>
        <translation>Abschalten</translation>
    </message>
    <message>
        <source>frees the userband</source>
        <translation>gibt das Userband frei</translation>
    </message>
    <message>
        <source>every userband sends a tone at its centre</source>
        <translation>jedes Userband sendet einen Ton in seiner Mitte</translation>
    </message>
    <message>
        <source>asks whether the unit has this configuration</source>
        <translation>fragt, ob die Einheit diese Konfiguration hat</translation>
    </message>
    <message>
        <source>asks for the unit&apos;s oscillator</source>
        <translation>fragt nach dem Oszillator der Einheit</translation>
    </message>
    <message>
        <source>asks which userbands exist</source>
        <translation>fragt, welche Userbands es gibt</translation>
    </message>
    <message>
        <source>asks which userbands are protected by a PIN</source>
        <translation>fragt, welche Userbands durch eine PIN geschützt sind</translation>
    </message>
    <message>
        <source>asks which userbands are in use</source>
        <translation>fragt, welche Userbands belegt sind</translation>
    </message>
    <message>
        <source>asks for the centre frequency of the userband</source>
        <translation>fragt nach der Mittenfrequenz des Userbands</translation>
    </message>
    <message>
        <source>asks for the switches of the userband</source>
        <translation>fragt nach den Schaltern des Userbands</translation>
    </message>
    <message>
        <source>two userbands</source>
        <translation>zwei Userbands</translation>
    </message>
    <message>
        <source>four userbands</source>
        <translation>vier Userbands</translation>
    </message>
    <message>
        <source>six userbands</source>
        <translation>sechs Userbands</translation>
    </message>
    <message>
        <source>eight userbands</source>
        <translation>acht Userbands</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>two positions</source>
        <translation>zwei Positionen</translation>
    </message>
    <message>
        <source>one position</source>
        <translation>eine Position</translation>
    </message>
    <message>
        <source>wide band</source>
        <translation>Breitband</translation>
    </message>
    <message>
        <source>standard band</source>
        <translation>Standardband</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>none (a switch)</source>
        <translation>keiner (ein Schalter)</translation>
    </message>
    <message>
        <source>wide band, %1 MHz</source>
        <translation>Breitband, %1 MHz</translation>
    </message>
    <message>
        <source>wide band, none</source>
        <translation>Breitband, keiner</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the catalogue, for the numbers in its sentences</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>its bit period of %1 ms is outside %2..%3 ms</source>
        <translation>seine Bitdauer von %1 ms liegt außerhalb von %2..%3 ms</translation>
    </message>
    <message>
        <source>its slot of %1 ms is off the message&apos;s %2 ms</source>
        <translation>sein Zeitfenster von %1 ms weicht von den %2 ms der Nachricht ab</translation>
    </message>
    <message>
        <source>%1 % of its slot is tone, neither a 0 nor a 1</source>
        <translation>%1 % seines Zeitfensters sind Ton, weder eine 0 noch eine 1</translation>
    </message>
    <message>
        <source>byte %1, bit %2: %3</source>
        <translation>Byte %1, Bit %2: %3</translation>
    </message>
    <message>
        <source>its tone of %1 kHz is outside %2..%3 kHz</source>
        <translation>sein Ton von %1 kHz liegt außerhalb von %2..%3 kHz</translation>
    </message>
    <message>
        <source>byte %1: its parity bit does not hold</source>
        <translation>Byte %1: sein Paritätsbit stimmt nicht</translation>
    </message>
    <message>
        <source>its %1 bits do not make whole bytes of 9</source>
        <translation>seine %1 Bits ergeben keine ganzen Bytes zu 9 Bits</translation>
    </message>
    <message>
        <source>the capture starts inside this message</source>
        <translation>die Aufnahme beginnt mitten in dieser Nachricht</translation>
    </message>
    <message>
        <source>the capture ends inside this message</source>
        <translation>die Aufnahme endet mitten in dieser Nachricht</translation>
    </message>
    <message>
        <source>samples that are not numbers or are clipped cut it short</source>
        <translation>Werte, die keine Zahlen oder übersteuert sind, schneiden sie ab</translation>
    </message>
    <message>
        <source>its samples from %1 to %2 ms are not numbers or are clipped</source>
        <translation>seine Werte von %1 bis %2 ms sind keine Zahlen oder übersteuert</translation>
    </message>
    <message>
        <source>its tone is only %1 times the noise; too faint to read</source>
        <translation>sein Ton ist nur %1-mal so stark wie das Rauschen; zu schwach zum Lesen</translation>
    </message>
    <message>
        <source>it begins inside what was read before it</source>
        <translation>sie beginnt mitten in dem, was davor gelesen wurde</translation>
    </message>
    <message>
        <source>its tone goes on beyond the bits found: part of a message whose other bursts were lost in the noise</source>
        <translation>sein Ton geht über die gefundenen Bits hinaus: Teil einer Nachricht, deren übrige Tonstöße im Rauschen verloren gingen</translation>
    </message>
    <message>
        <source>no tone where its slot begins</source>
        <translation>kein Ton, wo sein Zeitfenster beginnt</translation>
    </message>
    <message>
        <source>too close to call between a 0 and a 1 (%1 %)</source>
        <translation>zwischen einer 0 und einer 1 nicht zu entscheiden (%1 %)</translation>
    </message>
    <message>
        <source>line %1 has %2 field(s) where the lines before had %3</source>
        <translation>Zeile %1 hat %2 Feld(er), wo die Zeilen davor %3 hatten</translation>
    </message>
    <message>
        <source>line %1 has %2 value column(s); channel %3 is not one of them</source>
        <translation>Zeile %1 hat %2 Wertespalte(n); Kanal %3 ist keine davon</translation>
    </message>
    <message>
        <source>line %1: %2 is not a row of numbers</source>
        <translation>Zeile %1: %2 ist keine Zeile aus Zahlen</translation>
    </message>
    <message>
        <source>it holds one column of values; give its sample rate</source>
        <translation>sie enthält eine Spalte mit Werten; ihre Abtastrate angeben</translation>
    </message>
    <message>
        <source>line %1: its time goes back before the line before</source>
        <translation>Zeile %1: ihre Zeit geht hinter die der Zeile davor zurück</translation>
    </message>
    <message>
        <source>it holds no rows of numbers</source>
        <translation>sie enthält keine Zeilen aus Zahlen</translation>
    </message>
    <message>
        <source>it holds a single sample</source>
        <translation>sie enthält nur einen Abtastwert</translation>
    </message>
    <message>
        <source>its times do not advance</source>
        <translation>ihre Zeiten schreiten nicht fort</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes; an export&apos;s lines are short</source>
        <translation>Zeile %1 ist länger als %2 Bytes; die Zeilen eines Exports sind kurz</translation>
    </message>
    <message>
        <source>not a sound file this program reads (WAV, RF64, FLAC and the like)</source>
        <translation>keine Tondatei, die dieses Programm liest (WAV, RF64, FLAC und ähnliche)</translation>
    </message>
    <message>
        <source>a damaged sound file</source>
        <translation>eine beschädigte Tondatei</translation>
    </message>
    <message>
        <source>a sound file in an encoding this program does not read</source>
        <translation>eine Tondatei in einer Kodierung, die dieses Programm nicht liest</translation>
    </message>
    <message>
        <source>damaged, or not a sound file this program reads</source>
        <translation>beschädigt, oder keine Tondatei, die dieses Programm liest</translation>
    </message>
    <message>
        <source>breaks off after %1 samples: %2</source>
        <translation>bricht nach %1 Abtastwerten ab: %2</translation>
    </message>
    <message>
        <source>its data is damaged there</source>
        <translation>ihre Daten sind dort beschädigt</translation>
    </message>
    <message>
        <source>its times give more than 10^9 samples a second</source>
        <translation>ihre Zeiten ergeben mehr als 10^9 Abtastwerte je Sekunde</translation>
    </message>
    <message>
        <source>its %1 samples a second are too few for a 22 kHz tone; record at 88200 or more</source>
        <translation>ihre %1 Abtastwerte je Sekunde sind zu wenige für einen 22-kHz-Ton; mit 88200 oder mehr aufnehmen</translation>
    </message>
    <message>
        <source>its header gives %1 channels; a recording holds at most %2</source>
        <translation>ihr Kopf nennt %1 Kanäle; eine Aufnahme hat höchstens %2</translation>
    </message>
    <message>
        <source>has %1 channel(s); channel %2 is not one of them</source>
        <translation>hat %1 Kanal/Kanäle; Kanal %2 ist keiner davon</translation>
    </message>
    <message>
        <source>holds no samples</source>
        <translation>enthält keine Abtastwerte</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 cannot record at %2</source>
        <translation>%1 kann nicht mit %2 aufnehmen</translation>
    </message>
    <message>
        <source>%1 went away (%2)</source>
        <translation>%1 ist verschwunden (%2)</translation>
    </message>
    <message>
        <source>--rate %1 is too slow; the 22 kHz tone needs %2 or more: choose another input or set the card to 96000 or 192000 Hz</source>
        <translation>--rate %1 ist zu langsam; der 22-kHz-Ton braucht %2 oder mehr: einen anderen Eingang wählen oder die Karte auf 96000 oder 192000 Hz stellen</translation>
    </message>
    <message>
        <source>%1 records at %2; the 22 kHz tone needs %3 or more: choose another input or set the card to 96000 or 192000 Hz</source>
        <translation>%1 nimmt mit %2 auf; der 22-kHz-Ton braucht %3 oder mehr: einen anderen Eingang wählen oder die Karte auf 96000 oder 192000 Hz stellen</translation>
    </message>
    <message>
        <source>%1 records at %2, not %3</source>
        <translation>%1 nimmt mit %2 auf, nicht mit %3</translation>
    </message>
    <message>
        <source>%1 has %2 channel, not a channel %3</source>
        <translation>%1 hat %2 Kanal, keinen Kanal %3</translation>
    </message>
    <message>
        <source>%1 has %2 channels, not a channel %3</source>
        <translation>%1 hat %2 Kanäle, keinen Kanal %3</translation>
    </message>
    <message>
        <source>the default input</source>
        <translation>der Standardeingang</translation>
    </message>
    <message>
        <source>%1: no sound server answers (%2)</source>
        <translation>%1: kein Soundserver antwortet (%2)</translation>
    </message>
    <message>
        <source>its tone of %1 V peak to peak is outside %2..%3 V</source>
        <translation>sein Ton von %1 Vss liegt außerhalb von %2..%3 V</translation>
    </message>
    <message>
        <source>Windows audio does not answer (%1)</source>
        <translation>Windows-Audio antwortet nicht (%1)</translation>
    </message>
    <message>
        <source>command from the master, no reply wanted, first transmission</source>
        <translation>Befehl des Masters, keine Antwort erwartet, erste Sendung</translation>
    </message>
    <message>
        <source>command from the master, no reply wanted, repeated transmission</source>
        <translation>Befehl des Masters, keine Antwort erwartet, wiederholte Sendung</translation>
    </message>
    <message>
        <source>command from the master, reply wanted, first transmission</source>
        <translation>Befehl des Masters, Antwort erwartet, erste Sendung</translation>
    </message>
    <message>
        <source>command from the master, reply wanted, repeated transmission</source>
        <translation>Befehl des Masters, Antwort erwartet, wiederholte Sendung</translation>
    </message>
    <message>
        <source>reply from a slave: OK, no errors</source>
        <translation>Antwort eines Slaves: OK, keine Fehler</translation>
    </message>
    <message>
        <source>reply from a slave: command not supported</source>
        <translation>Antwort eines Slaves: Befehl nicht unterstützt</translation>
    </message>
    <message>
        <source>reply from a slave: parity error, repeat requested</source>
        <translation>Antwort eines Slaves: Paritätsfehler, Wiederholung erbeten</translation>
    </message>
    <message>
        <source>reply from a slave: command not recognised, repeat requested</source>
        <translation>Antwort eines Slaves: Befehl nicht erkannt, Wiederholung erbeten</translation>
    </message>
    <message>
        <source>LNB with loop-through switching</source>
        <translation>LNB mit durchgeschleifter Umschaltung</translation>
    </message>
    <message>
        <source>switcher, DC blocking</source>
        <translation>Umschalter, gleichspannungssperrend</translation>
    </message>
    <message>
        <source>switcher with DC loop-through</source>
        <translation>Umschalter mit durchgeschleifter Gleichspannung</translation>
    </message>
    <message>
        <source>SMATV</source>
        <translation>SMATV</translation>
    </message>
    <message>
        <source>any polariser</source>
        <translation>jeder Polarizer</translation>
    </message>
    <message>
        <source>linear polarisation (skew) controller</source>
        <translation>Steuerung der linearen Polarisation (Skew)</translation>
    </message>
    <message>
        <source>any positioner</source>
        <translation>jeder Positionierer</translation>
    </message>
    <message>
        <source>polar or azimuth positioner</source>
        <translation>Polar- oder Azimut-Positionierer</translation>
    </message>
    <message>
        <source>elevation positioner</source>
        <translation>Elevations-Positionierer</translation>
    </message>
    <message>
        <source>any installer aid</source>
        <translation>jede Installationshilfe</translation>
    </message>
    <message>
        <source>signal strength, an analogue value</source>
        <translation>Signalstärke, ein Analogwert</translation>
    </message>
    <message>
        <source>any intelligent slave interface</source>
        <translation>jede intelligente Slave-Schnittstelle</translation>
    </message>
    <message>
        <source>interface for subscriber-controlled headends</source>
        <translation>Schnittstelle für teilnehmergesteuerte Kopfstellen</translation>
    </message>
    <message>
        <source>reserved for address reallocations</source>
        <translation>reserviert für Adressumbelegungen</translation>
    </message>
    <message>
        <source>reserved for manufacturers&apos; extensions</source>
        <translation>reserviert für Erweiterungen der Hersteller</translation>
    </message>
    <message>
        <source>reset the slave&apos;s microcontroller</source>
        <translation>den Mikrocontroller des Slaves zurücksetzen</translation>
    </message>
    <message>
        <source>clear the reset flag</source>
        <translation>das Reset-Flag löschen</translation>
    </message>
    <message>
        <source>switch the peripheral power supply off</source>
        <translation>die Stromversorgung der Peripherie ausschalten</translation>
    </message>
    <message>
        <source>switch the peripheral power supply on</source>
        <translation>die Stromversorgung der Peripherie einschalten</translation>
    </message>
    <message>
        <source>set the contention flag</source>
        <translation>das Contention-Flag setzen</translation>
    </message>
    <message>
        <source>reply with the address if the contention flag is set</source>
        <translation>mit der Adresse antworten, wenn das Contention-Flag gesetzt ist</translation>
    </message>
    <message>
        <source>clear the contention flag</source>
        <translation>das Contention-Flag löschen</translation>
    </message>
    <message>
        <source>reply with the address if the contention flag is clear</source>
        <translation>mit der Adresse antworten, wenn das Contention-Flag gelöscht ist</translation>
    </message>
    <message>
        <source>change the address if the contention flag is set</source>
        <translation>die Adresse ändern, wenn das Contention-Flag gesetzt ist</translation>
    </message>
    <message>
        <source>change the address if the contention flag is clear</source>
        <translation>die Adresse ändern, wenn das Contention-Flag gelöscht ist</translation>
    </message>
    <message>
        <source>read the status register</source>
        <translation>das Statusregister lesen</translation>
    </message>
    <message>
        <source>read the configuration</source>
        <translation>die Konfiguration lesen</translation>
    </message>
    <message>
        <source>read the committed switches</source>
        <translation>die Committed-Schalter lesen</translation>
    </message>
    <message>
        <source>read the uncommitted switches</source>
        <translation>die Uncommitted-Schalter lesen</translation>
    </message>
    <message>
        <source>read the expansion switches</source>
        <translation>die Erweiterungsschalter lesen</translation>
    </message>
    <message>
        <source>select the low band</source>
        <translation>das Low-Band wählen</translation>
    </message>
    <message>
        <source>select vertical or right-hand circular polarisation</source>
        <translation>vertikale oder rechtsdrehende zirkulare Polarisation wählen</translation>
    </message>
    <message>
        <source>select satellite position A</source>
        <translation>Satellitenposition A wählen</translation>
    </message>
    <message>
        <source>select switch option A</source>
        <translation>Schalteroption A wählen</translation>
    </message>
    <message>
        <source>select the high band</source>
        <translation>das High-Band wählen</translation>
    </message>
    <message>
        <source>select horizontal or left-hand circular polarisation</source>
        <translation>horizontale oder linksdrehende zirkulare Polarisation wählen</translation>
    </message>
    <message>
        <source>select satellite position B</source>
        <translation>Satellitenposition B wählen</translation>
    </message>
    <message>
        <source>select switch option B</source>
        <translation>Schalteroption B wählen</translation>
    </message>
    <message>
        <source>select input A of switch 1</source>
        <translation>Eingang A von Schalter 1 wählen</translation>
    </message>
    <message>
        <source>select input A of switch 2</source>
        <translation>Eingang A von Schalter 2 wählen</translation>
    </message>
    <message>
        <source>select input A of switch 3</source>
        <translation>Eingang A von Schalter 3 wählen</translation>
    </message>
    <message>
        <source>select input A of switch 4</source>
        <translation>Eingang A von Schalter 4 wählen</translation>
    </message>
    <message>
        <source>select input B of switch 1</source>
        <translation>Eingang B von Schalter 1 wählen</translation>
    </message>
    <message>
        <source>select input B of switch 2</source>
        <translation>Eingang B von Schalter 2 wählen</translation>
    </message>
    <message>
        <source>select input B of switch 3</source>
        <translation>Eingang B von Schalter 3 wählen</translation>
    </message>
    <message>
        <source>select input B of switch 4</source>
        <translation>Eingang B von Schalter 4 wählen</translation>
    </message>
    <message>
        <source>ignore every command but Awake</source>
        <translation>jeden Befehl außer Awake ignorieren</translation>
    </message>
    <message>
        <source>take commands again</source>
        <translation>wieder Befehle annehmen</translation>
    </message>
    <message>
        <source>set the committed switches</source>
        <translation>die Committed-Schalter setzen</translation>
    </message>
    <message>
        <source>set the uncommitted switches</source>
        <translation>die Uncommitted-Schalter setzen</translation>
    </message>
    <message>
        <source>set the expansion switches</source>
        <translation>die Erweiterungsschalter setzen</translation>
    </message>
    <message>
        <source>read analogue value 0</source>
        <translation>Analogwert 0 lesen</translation>
    </message>
    <message>
        <source>read analogue value 1</source>
        <translation>Analogwert 1 lesen</translation>
    </message>
    <message>
        <source>set analogue value 0 (the skew)</source>
        <translation>Analogwert 0 setzen (den Skew)</translation>
    </message>
    <message>
        <source>set analogue value 1</source>
        <translation>Analogwert 1 setzen</translation>
    </message>
    <message>
        <source>read the local oscillator&apos;s frequency</source>
        <translation>die Frequenz des Oszillators lesen</translation>
    </message>
    <message>
        <source>read which local oscillator is in use</source>
        <translation>lesen, welcher Oszillator in Gebrauch ist</translation>
    </message>
    <message>
        <source>read the low band&apos;s local oscillator</source>
        <translation>den Oszillator des Low-Bands lesen</translation>
    </message>
    <message>
        <source>read the high band&apos;s local oscillator</source>
        <translation>den Oszillator des High-Bands lesen</translation>
    </message>
    <message>
        <source>tune to a frequency, in BCD</source>
        <translation>auf eine Frequenz abstimmen, in BCD</translation>
    </message>
    <message>
        <source>select a channel by its number</source>
        <translation>einen Kanal über seine Nummer wählen</translation>
    </message>
    <message>
        <source>stop the positioner</source>
        <translation>den Positionierer anhalten</translation>
    </message>
    <message>
        <source>switch the positioner&apos;s limits off</source>
        <translation>die Grenzen des Positionierers ausschalten</translation>
    </message>
    <message>
        <source>read the positioner&apos;s status</source>
        <translation>den Status des Positionierers lesen</translation>
    </message>
    <message>
        <source>set the east limit where the positioner stands</source>
        <translation>die Ostgrenze dort setzen, wo der Positionierer steht</translation>
    </message>
    <message>
        <source>set the west limit where the positioner stands</source>
        <translation>die Westgrenze dort setzen, wo der Positionierer steht</translation>
    </message>
    <message>
        <source>drive the positioner east</source>
        <translation>den Positionierer nach Osten fahren</translation>
    </message>
    <message>
        <source>drive the positioner west</source>
        <translation>den Positionierer nach Westen fahren</translation>
    </message>
    <message>
        <source>store where the positioner stands</source>
        <translation>speichern, wo der Positionierer steht</translation>
    </message>
    <message>
        <source>go to a stored position</source>
        <translation>eine gespeicherte Position anfahren</translation>
    </message>
    <message>
        <source>go to an angle</source>
        <translation>einen Winkel anfahren</translation>
    </message>
    <message>
        <source>recalculate the stored positions</source>
        <translation>die gespeicherten Positionen neu berechnen</translation>
    </message>
    <message>
        <source>this receiver drives a positioner; a single-cable unit ignores it</source>
        <translation>dieser Receiver fährt einen Positionierer; eine Einkabeleinheit ignoriert das</translation>
    </message>
    <message>
        <source>a DiSEqC command that a single-cable unit ignores</source>
        <translation>ein DiSEqC-Befehl, den eine Einkabeleinheit ignoriert</translation>
    </message>
    <message>
        <source>DiSEqC 1.0 switch: %1</source>
        <translation>DiSEqC-1.0-Schalter: %1</translation>
    </message>
    <message>
        <source>this receiver switches with DiSEqC 1.0; a single-cable unit ignores it</source>
        <translation>dieser Receiver schaltet mit DiSEqC 1.0; eine Einkabeleinheit ignoriert das</translation>
    </message>
    <message>
        <source>DiSEqC 1.0 committed switch, data %1: a high nibble other than F, which sets only some of the switches</source>
        <translation>DiSEqC-1.0-Schalter (committed), Daten %1: ein oberes Halbbyte außer F, das nur einige der Schalter setzt</translation>
    </message>
    <message>
        <source>DiSEqC 1.0 committed switch: option %1, position %2, %3, %4 band</source>
        <translation>DiSEqC-1.0-Schalter (committed): Option %1, Position %2, %3, %4-Band</translation>
    </message>
    <message>
        <source>this receiver switches with DiSEqC 1.1; a single-cable unit ignores it</source>
        <translation>dieser Receiver schaltet mit DiSEqC 1.1; eine Einkabeleinheit ignoriert das</translation>
    </message>
    <message>
        <source>DiSEqC 1.1 uncommitted switch, data %1: a high nibble other than F, which sets only some of the switches</source>
        <translation>DiSEqC-1.1-Schalter (uncommitted), Daten %1: ein oberes Halbbyte außer F, das nur einige der Schalter setzt</translation>
    </message>
    <message>
        <source>DiSEqC 1.1 uncommitted switch: input %1</source>
        <translation>DiSEqC-1.1-Schalter (uncommitted): Eingang %1</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>west</source>
        <translation>West</translation>
    </message>
    <message>
        <source>positioner: drive %1 until halted</source>
        <translation>Positionierer: nach %1 fahren, bis er angehalten wird</translation>
    </message>
    <message>
        <source>positioner: drive %1 for %2 s</source>
        <translation>Positionierer: %2 s nach %1 fahren</translation>
    </message>
    <message>
        <source>positioner: drive %1 by 1 step</source>
        <translation>Positionierer: 1 Schritt nach %1 fahren</translation>
    </message>
    <message>
        <source>positioner: drive %1 by %2 steps</source>
        <translation>Positionierer: %2 Schritte nach %1 fahren</translation>
    </message>
    <message>
        <source>positioner: store the position as number %1</source>
        <translation>Positionierer: die Position als Nummer %1 speichern</translation>
    </message>
    <message>
        <source>positioner: go to stored position %1</source>
        <translation>Positionierer: gespeicherte Position %1 anfahren</translation>
    </message>
    <message>
        <source>positioner: go to %1° east</source>
        <translation>Positionierer: %1° Ost anfahren</translation>
    </message>
    <message>
        <source>positioner: go to %1° west</source>
        <translation>Positionierer: %1° West anfahren</translation>
    </message>
    <message>
        <source>-%1</source>
        <translation>-%1</translation>
    </message>
    <message>
        <source>clockwise from north</source>
        <translation>im Uhrzeigersinn von Norden</translation>
    </message>
    <message>
        <source>positioner: go to %1° clockwise from north</source>
        <translation>Positionierer: %1° im Uhrzeigersinn von Norden anfahren</translation>
    </message>
    <message>
        <source>positioner: go to an angle, data %1 %2: its first nibble %3 names no direction (E east, D west; 0, 1 or F an azimuth)</source>
        <translation>Positionierer: einen Winkel anfahren, Daten %1 %2: sein erstes Halbbyte %3 nennt keine Richtung (E Ost, D West; 0, 1 oder F ein Azimut)</translation>
    </message>
    <message>
        <source>neither a DiSEqC framing byte (E0 to E7) nor an EN 50607 command (70, 71, 7A to 7E)</source>
        <translation>weder ein DiSEqC-Rahmenbyte (E0 bis E7) noch ein Befehl nach EN 50607 (70, 71, 7A bis 7E)</translation>
    </message>
    <message>
        <source>%1, with data %2</source>
        <translation>%1, mit den Daten %2</translation>
    </message>
    <message>
        <source>a slave&apos;s reply to a command; a single-cable unit sends none</source>
        <translation>die Antwort eines Slaves auf einen Befehl; eine Einkabeleinheit sendet keine</translation>
    </message>
    <message>
        <source>a DiSEqC command takes a framing, an address and a command byte; got %1 byte(s)</source>
        <translation>ein DiSEqC-Befehl braucht ein Rahmen-, ein Adress- und ein Befehlsbyte; erhalten: %1 Byte(s)</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>reserviert</translation>
    </message>
    <message>
        <source>not one of the bus&apos;s commands this tool knows</source>
        <translation>keiner der Busbefehle, die dieses Werkzeug kennt</translation>
    </message>
    <message>
        <source>DiSEqC command %1, which this tool does not know</source>
        <translation>DiSEqC-Befehl %1, den dieses Werkzeug nicht kennt</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3 data bytes; got %4</source>
        <translation>%1 braucht %2 bis %3 Datenbytes; erhalten: %4</translation>
    </message>
    <message>
        <source>%1 takes 1 data byte; got %2</source>
        <translation>%1 braucht 1 Datenbyte; erhalten: %2</translation>
    </message>
    <message>
        <source>%1 takes %2 data bytes; got %3</source>
        <translation>%1 braucht %2 Datenbytes; erhalten: %3</translation>
    </message>
    <message>
        <source>tone burst A</source>
        <translation>Tone-Burst A</translation>
    </message>
    <message>
        <source>this receiver switches with a tone burst; a single-cable unit ignores it</source>
        <translation>dieser Receiver schaltet mit einem Tone-Burst; eine Einkabeleinheit ignoriert das</translation>
    </message>
    <message>
        <source>22 kHz for %1 ms: the high band chosen the classic way</source>
        <translation>22 kHz für %1 ms: das High-Band auf klassische Weise gewählt</translation>
    </message>
    <message>
        <source>this receiver chooses the high band with the continuous tone; a single-cable unit ignores it</source>
        <translation>dieser Receiver wählt das High-Band mit dem Dauerton; eine Einkabeleinheit ignoriert das</translation>
    </message>
    <message>
        <source>tone burst B</source>
        <translation>Tone-Burst B</translation>
    </message>
    <message>
        <source>%1: no such input</source>
        <translation>%1: kein solcher Eingang</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>Wert außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>position out of range</source>
        <translation>Position außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>userband number out of range</source>
        <translation>Userbandnummer außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>PIN out of range</source>
        <translation>PIN außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>userband frequency out of range</source>
        <translation>Userbandfrequenz außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>it is not a channel change</source>
        <translation>er ist kein Kanalwechsel</translation>
    </message>
    <message>
        <source>its tuning word sums to %1 MHz, no more than the userband&apos;s own %2 MHz: it names no intermediate frequency</source>
        <translation>sein Abstimmwort ergibt als Summe %1 MHz, nicht mehr als die %2 MHz des Userbands selbst: es nennt keine Zwischenfrequenz</translation>
    </message>
    <message>
        <source>its intermediate frequency of %1 MHz puts the transponder outside the %2 band</source>
        <translation>seine Zwischenfrequenz von %1 MHz legt den Transponder außerhalb des Bands %2</translation>
    </message>
    <message>
        <source>text after the object</source>
        <translation>Text nach dem Objekt</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>nested too deep</source>
        <translation>zu tief verschachtelt</translation>
    </message>
    <message>
        <source>not a value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>the text ends early</source>
        <translation>der Text endet zu früh</translation>
    </message>
    <message>
        <source>expected , or }</source>
        <translation>, oder } erwartet</translation>
    </message>
    <message>
        <source>expected , or ]</source>
        <translation>, oder ] erwartet</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>ein Schlüssel in Anführungszeichen erwartet</translation>
    </message>
    <message>
        <source>no such key: it holds a character that does not show</source>
        <translation>diesen Schlüssel gibt es nicht: er enthält ein unsichtbares Zeichen</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>expected :</source>
        <translation>: erwartet</translation>
    </message>
    <message>
        <source>a number needs a digit here</source>
        <translation>eine Zahl braucht hier eine Ziffer</translation>
    </message>
    <message>
        <source>a number does not start with 0</source>
        <translation>eine Zahl beginnt nicht mit 0</translation>
    </message>
    <message>
        <source>a control character inside a string; write it as \u%1</source>
        <translation>ein Steuerzeichen in einer Zeichenkette; als \u%1 schreiben</translation>
    </message>
    <message>
        <source>\u needs four hexadecimal digits</source>
        <translation>\u braucht vier Hexadezimalziffern</translation>
    </message>
    <message>
        <source>not an escape</source>
        <translation>keine Escape-Folge</translation>
    </message>
    <message>
        <source>not UTF-8</source>
        <translation>kein UTF-8</translation>
    </message>
    <message>
        <source>a string without its closing quote</source>
        <translation>eine Zeichenkette ohne schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Oscillator</source>
        <translation>Oszillator</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Userband</source>
        <translation>Userband</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Tuning word</source>
        <translation>Abstimmwort</translation>
    </message>
    <message>
        <source>Intermediate frequency</source>
        <translation>Zwischenfrequenz</translation>
    </message>
    <message>
        <source>Intermediate + userband frequency</source>
        <translation>Zwischen- + Userbandfrequenz</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Fahrt</translation>
    </message>
    <message>
        <source>Stored position</source>
        <translation>Gespeicherte Position</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>receiver %1</source>
        <translation>Receiver %1</translation>
    </message>
    <message>
        <source>holds %1 entries; a plan holds at most %2</source>
        <translation>hat %1 Einträge; ein Plan hat höchstens %2</translation>
    </message>
    <message>
        <source>%1 is not a transponder; write it as 11493H, B 12188V or 5 12188V</source>
        <translation>%1 ist kein Transponder; 11493H, B 12188V oder 5 12188V schreiben</translation>
    </message>
    <message>
        <source>%1 MHz is outside both bands (%2..%3 MHz)</source>
        <translation>%1 MHz liegt außerhalb beider Bänder (%2..%3 MHz)</translation>
    </message>
    <message>
        <source>names no userband</source>
        <translation>nennt kein Userband</translation>
    </message>
    <message>
        <source>%1 MHz is not a bandwidth; use %2..%3</source>
        <translation>%1 MHz ist keine Bandbreite; %2..%3 verwenden</translation>
    </message>
    <message>
        <source>no such position; use A to D, or 5 to 64</source>
        <translation>keine solche Position; A bis D oder 5 bis 64 verwenden</translation>
    </message>
    <message>
        <source>%1 MHz is outside the %2 band (%3..%4 MHz)</source>
        <translation>%1 MHz liegt außerhalb des Bands %2 (%3..%4 MHz)</translation>
    </message>
    <message>
        <source>%1 MHz is outside %2..%3 MHz</source>
        <translation>%1 MHz liegt außerhalb %2..%3 MHz</translation>
    </message>
    <message>
        <source>%1 and %2 MHz are closer than the %3 MHz bandwidth</source>
        <translation>%1 und %2 MHz liegen näher als die Bandbreite von %3 MHz</translation>
    </message>
    <message>
        <source>userband %1: the unit has userbands 1..%2</source>
        <translation>Userband %1: die Einheit hat die Userbands 1..%2</translation>
    </message>
    <message>
        <source>EN 50494 has userbands 1..%1, not %2</source>
        <translation>EN 50494 hat die Userbands 1..%1, nicht %2</translation>
    </message>
    <message>
        <source>EN 50494 reaches positions A and B; the installation uses %1</source>
        <translation>EN 50494 erreicht die Positionen A und B; die Anlage nutzt %1</translation>
    </message>
    <message>
        <source>an EN 50607 receiver on an EN 50494 unit</source>
        <translation>ein Receiver nach EN 50607 an einer Einheit nach EN 50494</translation>
    </message>
    <message>
        <source>PIN %1 is outside %2..%3</source>
        <translation>PIN %1 liegt außerhalb %2..%3</translation>
    </message>
    <message>
        <source>receivers %1 share it</source>
        <translation>die Receiver %1 teilen es</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>EN 50607 sends its intermediate frequency of %1 MHz as %2 MHz</source>
        <translation>EN 50607 sendet seine Zwischenfrequenz von %1 MHz als %2 MHz</translation>
    </message>
    <message>
        <source>userbands %1 and %2</source>
        <translation>Userbands %1 und %2</translation>
    </message>
    <message>
        <source>userband %1</source>
        <translation>Userband %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>not set to single-cable</source>
        <translation>nicht auf Einkabelbetrieb eingestellt</translation>
    </message>
    <message>
        <source>no such userband</source>
        <translation>kein solches Userband</translation>
    </message>
    <message>
        <source>no receiver of the plan sends %1 on userband %2</source>
        <translation>kein Receiver des Plans sendet %1 auf Userband %2</translation>
    </message>
    <message>
        <source>%1, but not a command it sends</source>
        <translation>%1, aber kein Befehl, den er sendet</translation>
    </message>
    <message>
        <source>%1, switching off</source>
        <translation>%1, schaltet ab</translation>
    </message>
    <message>
        <source>%1, switching off with another PIN</source>
        <translation>%1, schaltet mit anderer PIN ab</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, but for no transponder of the plan (or with another PIN)</source>
        <translation>%1, aber für keinen Transponder des Plans (oder mit anderer PIN)</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>userbands</source>
        <translation>Userbands</translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>the unit&apos;s standard</source>
        <translation>Norm der Einheit</translation>
    </message>
    <message>
        <source>position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>%1, userband</source>
        <translation>%1, Userband</translation>
    </message>
    <message>
        <source>%1, standard</source>
        <translation>%1, Norm</translation>
    </message>
    <message>
        <source>%1, PIN</source>
        <translation>%1, PIN</translation>
    </message>
    <message>
        <source>%1, name</source>
        <translation>%1, Name</translation>
    </message>
    <message>
        <source>is larger than a plan can be (1 MiB)</source>
        <translation>ist größer, als ein Plan sein kann (1 MiB)</translation>
    </message>
    <message>
        <source>no such key; use %1</source>
        <translation>diesen Schlüssel gibt es nicht; möglich sind %1</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>muss eine Liste sein</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>%1 is not a preset list; use 1 or 2</source>
        <translation>%1 ist keine vorgegebene Liste; 1 oder 2 verwenden</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>is not a plan: it must hold one object</source>
        <translation>ist kein Plan: er muss ein Objekt enthalten</translation>
    </message>
    <message>
        <source>unit: missing; a plan names the outdoor unit</source>
        <translation>unit: fehlt; ein Plan nennt die Außeneinheit</translation>
    </message>
    <message>
        <source>unit: give its standard and its userbands</source>
        <translation>unit: ihre Norm und ihre Userbands angeben</translation>
    </message>
    <message>
        <source>0 MHz is not a bandwidth; use %1..%2</source>
        <translation>0 MHz ist keine Bandbreite; %1..%2 verwenden</translation>
    </message>
    <message>
        <source>names a position another key names too</source>
        <translation>nennt eine Position, die auch ein anderer Schlüssel nennt</translation>
    </message>
    <message>
        <source>receivers: missing; a plan lists its receivers</source>
        <translation>receivers: fehlt; ein Plan führt seine Receiver auf</translation>
    </message>
    <message>
        <source>give its name and its userband</source>
        <translation>seinen Namen und sein Userband angeben</translation>
    </message>
    <message>
        <source>%1 is not EN 50494 or EN 50607</source>
        <translation>%1 ist weder EN 50494 noch EN 50607</translation>
    </message>
    <message>
        <source>%1 is beyond the whole numbers a plan holds (%2..%3)</source>
        <translation>%1 liegt außerhalb der ganzen Zahlen eines Plans (%2..%3)</translation>
    </message>
    <message>
        <source>a link in a shared folder that another user owns</source>
        <translation>ein Verweis in einem geteilten Ordner, der einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>its tone stops early in each slot&apos;s first third (%1 % of it in the later half): clicks, not bits</source>
        <translation>sein Ton endet in jedem Zeitfenster früh im ersten Drittel (%1 % davon in dessen zweiter Hälfte): Knacken, keine Bits</translation>
    </message>
</context>
<context>
    <name>PlanWindow</name>
    <message>
        <source>The unit&apos;s userband frequencies in MHz, by number from 1</source>
        <translation>Die Mittenfrequenzen der Userbands der Einheit in MHz, nach Nummer ab 1</translation>
    </message>
    <message>
        <source>List &amp;1</source>
        <translation>Liste &amp;1</translation>
    </message>
    <message>
        <source>List &amp;2</source>
        <translation>Liste &amp;2</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>Labels of the positions used, e.g. A 19.2° E; B 13.0° E</source>
        <translation>Namen der benutzten Positionen, z. B. A 19.2° E; B 13.0° E</translation>
    </message>
    <message>
        <source>As installers write them: 11493H, B 12188V, 5 12188V</source>
        <translation>Wie Installateure sie schreiben: 11493H, B 12188V, 5 12188V</translation>
    </message>
    <message>
        <source>&amp;Installation:</source>
        <translation>&amp;Anlage:</translation>
    </message>
    <message>
        <source>&amp;Unit&apos;s standard:</source>
        <translation>&amp;Norm der Einheit:</translation>
    </message>
    <message>
        <source>User&amp;bands (MHz):</source>
        <translation>&amp;Userbands (MHz):</translation>
    </message>
    <message>
        <source>Band&amp;width:</source>
        <translation>&amp;Bandbreite:</translation>
    </message>
    <message>
        <source>&amp;Positions:</source>
        <translation>&amp;Positionen:</translation>
    </message>
    <message>
        <source>&amp;Transponders:</source>
        <translation>&amp;Transponder:</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Userband</source>
        <translation>Userband</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Standard: empty for the unit&apos;s; PIN: empty for none</source>
        <translation>Norm: leer für die der Einheit; PIN: leer für keine</translation>
    </message>
    <message>
        <source>&amp;Add a receiver</source>
        <translation>Receiver &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Receivers:</source>
        <translation>Receiver:</translation>
    </message>
    <message>
        <source>Checks:</source>
        <translation>Prüfungen:</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Pri&amp;nt...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF-E&amp;xport...</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>Receiver %1</translation>
    </message>
    <message>
        <source>Error: %1: %2</source>
        <translation>Fehler: %1: %2</translation>
    </message>
    <message>
        <source>Note: %1: %2</source>
        <translation>Hinweis: %1: %2</translation>
    </message>
    <message>
        <source>Every check holds.</source>
        <translation>Jede Prüfung besteht.</translation>
    </message>
    <message>
        <source>the sheet could not be made</source>
        <translation>das Blatt ließ sich nicht erzeugen</translation>
    </message>
    <message>
        <source>Open a plan</source>
        <translation>Plan öffnen</translation>
    </message>
    <message>
        <source>Plans (*.json);;All files (*)</source>
        <translation>Pläne (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Not a plan</source>
        <translation>Kein Plan</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Save the plan</source>
        <translation>Plan speichern</translation>
    </message>
    <message>
        <source>Plans (*.json)</source>
        <translation>Pläne (*.json)</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 ließ sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Export the sheet as PDF</source>
        <translation>Blatt als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the printer cannot be used</source>
        <translation>der Drucker lässt sich nicht benutzen</translation>
    </message>
    <message>
        <source>Nothing to print</source>
        <translation>Nichts zu drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>A plan holds at most %1 receivers.</source>
        <translation>Ein Plan hat höchstens %1 Receiver.</translation>
    </message>
    <message>
        <source>[*]Plan an installation</source>
        <translation>[*]Anlage planen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation>Spei&amp;chern unter...</translation>
    </message>
    <message>
        <source>%1[*] – Plan an installation</source>
        <translation>%1[*] – Anlage planen</translation>
    </message>
    <message>
        <source>New plan</source>
        <translation>Neuer Plan</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The plan has changes that are not saved.</source>
        <translation>Der Plan hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>Nicht gedruckt</translation>
    </message>
    <message>
        <source>Start a new plan (Ctrl+N)</source>
        <translation>Einen neuen Plan beginnen (Strg+N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>the unit&apos;s</source>
        <translation>die der Einheit</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Gespeichert unter %1.</translation>
    </message>
    <message>
        <source>The plan is not saved, as it is not yet a plan: %1.</source>
        <translation>Der Plan ist nicht gespeichert, denn er ist noch keiner: %1.</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nichts zu exportieren</translation>
    </message>
    <message>
        <source>There is no sheet yet, as the plan is not: %1.</source>
        <translation>Es gibt noch kein Blatt, denn der Plan ist noch keiner: %1.</translation>
    </message>
    <message>
        <source>The sheet is written to %1.</source>
        <translation>Das Blatt ist nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>The sheet went to %1.</source>
        <translation>Das Blatt ging an %1.</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ReadCommandWindow</name>
    <message>
        <source>Read a command</source>
        <translation>Befehl lesen</translation>
    </message>
    <message>
        <source>&amp;Bytes, as a receiver sent them (E0 10 5A 0C F6, 0x70,0x03, ...):</source>
        <translation>&amp;Bytes, wie ein Receiver sie sandte (E0 10 5A 0C F6, 0x70,0x03, ...):</translation>
    </message>
    <message>
        <source>Paste, type or drop the command&apos;s bytes in hex</source>
        <translation>Die Bytes des Befehls in Hex einfügen, tippen oder hineinziehen</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>&amp;Apply to the window</source>
        <translation>Im Fenster &amp;übernehmen</translation>
    </message>
    <message>
        <source>Show this channel change in the main window</source>
        <translation>Diesen Kanalwechsel im Hauptfenster zeigen</translation>
    </message>
    <message>
        <source>No bytes yet.</source>
        <translation>Noch keine Bytes.</translation>
    </message>
    <message>
        <source>Not a command: %1</source>
        <translation>Kein Befehl: %1</translation>
    </message>
    <message>
        <source>Read as below.</source>
        <translation>Gelesen wie unten.</translation>
    </message>
    <message>
        <source>Read as below; note: %1</source>
        <translation>Gelesen wie unten; Hinweis: %1</translation>
    </message>
    <message>
        <source>Shown in the main window.</source>
        <translation>Im Hauptfenster gezeigt.</translation>
    </message>
    <message>
        <source>The main window cannot show it: %1</source>
        <translation>Das Hauptfenster kann ihn nicht zeigen: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>EN 50494 read with the &amp;userband at:</source>
        <translation>EN 50494 gelesen mit dem &amp;Userband bei:</translation>
    </message>
    <message>
        <source>An EN 50494 tuning word carries the sum of intermediate and userband frequency: the userband&apos;s centre it is read with</source>
        <translation>Ein Abstimmwort nach EN 50494 trägt die Summe aus Zwischen- und Userband-Frequenz: die Mitte des Userbands, mit der es gelesen wird</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>%1. Not a single-cable command: %2</source>
        <translation>%1. Kein Einkabelbefehl: %2</translation>
    </message>
</context>
<context>
    <name>ReadRecordingWindow</name>
    <message>
        <source>Read a recording</source>
        <translation>Aufnahme lesen</translation>
    </message>
    <message>
        <source>Open a recording of the cable: a sound file or an oscilloscope&apos;s CSV export.</source>
        <translation>Eine Aufnahme des Kabels öffnen: eine Tondatei oder den CSV-Export eines Oszilloskops.</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Apply to the window</source>
        <translation>Im Fenster &amp;übernehmen</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.flac *.ogg *.csv *.txt);;All files (*)</source>
        <translation>Aufnahmen (*.wav *.flac *.ogg *.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>zu wenig Speicher, um sie zu lesen</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>not read: damaged</source>
        <translation>nicht gelesen: beschädigt</translation>
    </message>
    <message>
        <source>not a single-cable command: %1</source>
        <translation>kein Einkabelbefehl: %1</translation>
    </message>
    <message>
        <source>every bit held</source>
        <translation>jedes Bit gültig</translation>
    </message>
    <message>
        <source>Reading %1 was cancelled; messages found before: %2</source>
        <translation>Lesen von %1 abgebrochen; zuvor gefundene Nachrichten: %2</translation>
    </message>
    <message>
        <source>Messages in %1: %2</source>
        <translation>Nachrichten in %1: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Channel:</source>
        <translation>&amp;Kanal:</translation>
    </message>
    <message>
        <source>The sound file&apos;s channel, or the export&apos;s value column, from 1</source>
        <translation>Der Kanal der Tondatei oder die Wertespalte des Exports, ab 1</translation>
    </message>
    <message>
        <source>&amp;Samples a second:</source>
        <translation>Abtastwerte je &amp;Sekunde:</translation>
    </message>
    <message>
        <source>For an export that holds only values, one column without times</source>
        <translation>Für einen Export, der nur Werte enthält: eine Spalte ohne Zeiten</translation>
    </message>
    <message>
        <source>from the file</source>
        <translation>aus der Datei</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>%1 %2; messages before: %3</source>
        <translation>%1 %2; Nachrichten davor: %3</translation>
    </message>
    <message>
        <source>a damaged span, no message</source>
        <translation>ein beschädigter Abschnitt, keine Nachricht</translation>
    </message>
    <message>
        <source>samples unreadable up to %1 ms</source>
        <translation>Werte unlesbar bis %1 ms</translation>
    </message>
    <message>
        <source>samples unreadable up to %1 ms, in %2 places</source>
        <translation>Werte unlesbar bis %1 ms, an %2 Stellen</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>%1 kHz, %2 V p-p</source>
        <translation>%1 kHz, %2 Vss</translation>
    </message>
    <message>
        <source>%1 kHz, %2 FS p-p</source>
        <translation>%1 kHz, Spitze-Spitze %2 FS</translation>
    </message>
    <message>
        <source>%1 kHz, %2 V p-p, outside %3..%4 V</source>
        <translation>%1 kHz, %2 Vss, außerhalb von %3..%4 V</translation>
    </message>
    <message>
        <source>%1 ms of tone, no bits</source>
        <translation>%1 ms Ton, keine Bits</translation>
    </message>
    <message>
        <source>Not a single-cable command: %1</source>
        <translation>Kein Einkabelbefehl: %1</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Versorgung</translation>
    </message>
    <message>
        <source>The list as shown, as CSV for a spreadsheet</source>
        <translation>Die Liste wie gezeigt, als CSV für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Save the &amp;list...</source>
        <translation>&amp;Liste speichern...</translation>
    </message>
    <message>
        <source>%1 V before, %2 V during</source>
        <translation>%1 V davor, %2 V währenddessen</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>Die Liste speichern</translation>
    </message>
    <message>
        <source>Lists for a spreadsheet (*.csv)</source>
        <translation>Listen für eine Tabellenkalkulation (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No messages in %1 on channel %2 of %3; the tone may be on another channel.</source>
        <translation>Keine Nachrichten in %1 auf Kanal %2 von %3; der Ton liegt vielleicht auf einem anderen Kanal.</translation>
    </message>
</context>
<context>
    <name>SignalPicture</name>
    <message>
        <source>step up</source>
        <translation>Anstieg</translation>
    </message>
    <message>
        <source>step down</source>
        <translation>Abfall</translation>
    </message>
    <message>
        <source>22 kHz tone, a bit every 1.5 ms: 1.0 ms of tone for a 0, 0.5 ms for a 1; each byte&apos;s ninth bit (P) makes its ones odd. The tone is drawn enlarged.</source>
        <translation>22-kHz-Ton, alle 1,5 ms ein Bit: 1,0 ms Ton für eine 0, 0,5 ms für eine 1; das neunte Bit jedes Bytes (P) macht die Zahl seiner Einsen ungerade. Der Ton ist vergrößert gezeichnet.</translation>
    </message>
    <message>
        <source>%1 ms of tone, no bits</source>
        <translation>%1 ms Ton, keine Bits</translation>
    </message>
    <message>
        <source>%1 (drawn shortened)</source>
        <translation>%1 (verkürzt gezeichnet)</translation>
    </message>
    <message>
        <source>22 kHz tone without bits: 12.5 ms of it is the tone burst A; kept on, it chooses the high band. The tone is drawn enlarged.</source>
        <translation>22-kHz-Ton ohne Bits: 12,5 ms davon sind der Tone-Burst A; dauerhaft an, wählt er das High-Band. Der Ton ist vergrößert gezeichnet.</translation>
    </message>
</context>
</TS>
