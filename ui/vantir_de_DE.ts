<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
</TS>
