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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://www.drosvane.example/</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
</context>
</TS>
