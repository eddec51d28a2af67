<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MainWindow</name>
    <message><source>High</source><translation>Oben</translation></message>
    <message><source>Low</source><translation>Unten</translation></message>
    <message><source>Horizontal</source><translation>Liegend</translation></message>
    <message><source>Vertical</source><translation>Stehend</translation></message>
    <message><source>1284 MHz</source><translation>1400 MHz</translation></message>
    <message><source>974 MHz</source><translation>2096 MHz</translation></message>
</context>
</TS>
