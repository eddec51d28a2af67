# What vantir-cli answers, as a terminal shows it. Each entry is a command
# line after "$ ", run by the shell in an empty folder with the built tool
# first on PATH and $PLANS naming the folder of test plans, then
# what it prints: stdout as it is, stderr lines after "! ", and the exit status
# in brackets when it is not 0. Lines end exactly as printed, trailing blanks
# included. A command that ends in "# posix" asks what only a POSIX system
# has (arguments as any bytes and of any length, /dev/full, file size
# limits, links, fifos) or answers in its system's words for a failure;
# the Windows tool's run through Wine leaves it out.
# Encoding: the window's defaults, every option, and what each standard cannot carry.
$ vantir-cli
Intermediate frequency: 1100 MHz
EN 50494: E0 10 5A 0C F6 
EN 50607: 70 03 E8 03 
$ vantir-cli encode
Intermediate frequency: 1100 MHz
EN 50494: E0 10 5A 0C F6 
EN 50607: 70 03 E8 03 
$ vantir-cli -p v -b low -s B -i 1000 -u 2 -r 1400
Intermediate frequency: 1000 MHz
EN 50494: E0 10 5A 30 FA 
EN 50607: 70 0B 84 04 
$ vantir-cli --polarisation=Vertical --band=LOW --position=b --if=1000 --userband=2 --userband-frequency=1400
Intermediate frequency: 1000 MHz
EN 50494: E0 10 5A 30 FA 
EN 50607: 70 0B 84 04 
$ vantir-cli -f 11000
Intermediate frequency: 1250 MHz
EN 50494: E0 10 5A 09 1C 
EN 50607: 70 04 7E 02 
$ vantir-cli -f 11700
Intermediate frequency: 1100 MHz
EN 50494: E0 10 5A 0C F6 
EN 50607: 70 03 E8 03 
$ vantir-cli -b low
Intermediate frequency: 1950 MHz
EN 50494: E0 10 5A 09 CB 
EN 50607: 70 07 3A 02 
$ vantir-cli --pin 255
Intermediate frequency: 1100 MHz
EN 50494: E0 10 5C 0C F6 FF 
EN 50607: 71 03 E8 03 FF 
$ vantir-cli -s C
Intermediate frequency: 1100 MHz
EN 50494: position out of range
EN 50607: 70 03 E8 0B 
[1]
$ vantir-cli -u 9
Intermediate frequency: 1100 MHz
EN 50494: userband number out of range
EN 50607: 70 43 E8 03 
[1]
$ vantir-cli --standard en50607 -s D
Intermediate frequency: 1100 MHz
EN 50607: 70 03 E8 0F 
$ vantir-cli --standard "EN 50494" -s D
Intermediate frequency: 1100 MHz
EN 50494: position out of range
[1]
$ vantir-cli --json -s C --pin 7 -f 12000
{
    "command": "channel change",
    "en50494": {
        "error": "position out of range",
        "result": 1,
        "standard": "EN 50494"
    },
    "en50607": {
        "command": "71 05 14 0B 07 ",
        "result": 0,
        "standard": "EN 50607"
    },
    "intermediateFrequency": 1400,
    "settings": {
        "band": "high",
        "pin": 7,
        "polarisation": "horizontal",
        "position": "C",
        "transponderFrequency": 12000,
        "userband": 1,
        "userbandFrequency": 1284
    }
}
[1]
$ vantir-cli --json --if 1000
{
    "command": "channel change",
    "en50494": {
        "command": "E0 10 5A 0C DD ",
        "result": 0,
        "standard": "EN 50494"
    },
    "en50607": {
        "command": "70 03 84 03 ",
        "result": 0,
        "standard": "EN 50607"
    },
    "intermediateFrequency": 1000,
    "settings": {
        "band": "high",
        "pin": null,
        "polarisation": "horizontal",
        "position": "A",
        "userband": 1,
        "userbandFrequency": 1284
    }
}
$ vantir-cli --power-off
EN 50494 switch-off: E0 10 5A 00 00 
EN 50607 switch-off: 70 00 00 00 
$ vantir-cli --power-off -u 8 --pin 200
EN 50494 switch-off: E0 10 5C E0 00 C8 
EN 50607 switch-off: 71 38 00 00 C8 
$ vantir-cli --power-off -u 32 --standard both
EN 50494 switch-off: userband number out of range
EN 50607 switch-off: 70 F8 00 00 
[1]
$ vantir-cli --version
vantir-cli 1.0.0
# Refusals: one line on stderr, nothing on stdout.
$ vantir-cli --pin abc
! vantir-cli: --pin: 'abc' is not a whole number; use 0..255
[2]
$ vantir-cli --pin 1.5
! vantir-cli: --pin: '1.5' is not a whole number; use 0..255
[2]
$ vantir-cli --pin 256
! vantir-cli: --pin: 256 is out of range; use 0..255
[2]
$ vantir-cli --pin 99999999999999999999
! vantir-cli: --pin: 99999999999999999999 is out of range; use 0..255
[2]
$ vantir-cli -s E
! vantir-cli: --position: 'E' is not a position; use A to D, or 1 to 64
[2]
$ vantir-cli -p x
! vantir-cli: --polarisation: 'x' is not a polarisation; use horizontal (h) or vertical (v)
[2]
$ vantir-cli -b mid
! vantir-cli: --band: 'mid' is not a band; use high or low
[2]
$ vantir-cli -f 10699
! vantir-cli: --frequency: 10699 is out of range; use 10700..12750
[2]
$ vantir-cli -b high -f 11000
! vantir-cli: --frequency (high band): 11000 is out of range; use 11700..12750
[2]
$ vantir-cli -i 2151
! vantir-cli: --if: 2151 is out of range; use 950..2150
[2]
$ vantir-cli -u 33
! vantir-cli: --userband: 33 is out of range; use 1..32
[2]
$ vantir-cli -r 949
! vantir-cli: --userband-frequency: 949 is out of range; use 950..2150
[2]
$ vantir-cli -f 12000 -i 1000
! vantir-cli: --frequency and --if exclude each other; give one
[2]
$ vantir-cli --pin 1 --pin 2
! vantir-cli: --pin: given more than once
[2]
$ vantir-cli --standard dvb
! vantir-cli: --standard: 'dvb' is not a standard; use en50494, en50607 or both
[2]
$ vantir-cli --frob
! vantir-cli: Unknown option 'frob'.
[2]
$ vantir-cli encdoe
! vantir-cli: unexpected argument 'encdoe'
[2]
$ vantir-cli --power-off -f 12000
! vantir-cli: --power-off takes no --frequency; a switch-off names only the userband (and the PIN)
[2]
$ vantir-cli --power-off -r 1400
! vantir-cli: --power-off takes no --userband-frequency; a switch-off names only the userband (and the PIN)
[2]
# Decoding.
$ vantir-cli decode "E0 10 5A 0C F6 " -r 1284
Standard: EN 50494
Command: channel change
Framing: E0 (first transmission)
Address: 10 (any LNB, switcher or SMATV)
Userband: 1
Position: A
Polarisation: horizontal
Band: high
Tuning word: 246
Intermediate frequency: 1100 MHz
Intermediate + userband frequency: 2384 MHz
PIN: none
$ vantir-cli decode 0xE0, 0x10 5a0C f6
Standard: EN 50494
Command: channel change
Framing: E0 (first transmission)
Address: 10 (any LNB, switcher or SMATV)
Userband: 1
Position: A
Polarisation: horizontal
Band: high
Tuning word: 246
Intermediate + userband frequency: 2384 MHz
PIN: none
$ vantir-cli decode "0XE0	0X10	0X5A 0X0C 0XF6"
Standard: EN 50494
Command: channel change
Framing: E0 (first transmission)
Address: 10 (any LNB, switcher or SMATV)
Userband: 1
Position: A
Polarisation: horizontal
Band: high
Tuning word: 246
Intermediate + userband frequency: 2384 MHz
PIN: none
$ vantir-cli decode "E1 00 5C 30 FA 2A"
Standard: EN 50494
Command: channel change
Framing: E1 (repeated transmission)
Address: 00 (any device)
Userband: 2
Position: B
Polarisation: vertical
Band: low
Tuning word: 250
Intermediate + userband frequency: 2400 MHz
PIN: 42
$ vantir-cli decode "71 03 e8 03 2a"
Standard: EN 50607
Command: channel change
Userband: 1
Position: A
Polarisation: horizontal
Band: high
Tuning word: 1000
Intermediate frequency: 1100 MHz
PIN: 42
$ vantir-cli decode 70FFFF0D
Standard: EN 50607
Command: channel change
Userband: 32
Position: D
Polarisation: vertical
Band: high
Tuning word: 2047
Intermediate frequency: 2147 MHz
PIN: none
$ vantir-cli decode "E0 11 5A E0 00"
Standard: EN 50494
Command: switch-off
Framing: E0 (first transmission)
Address: 11 (LNB)
Userband: 8
PIN: none
$ vantir-cli decode "71 F8 00 00 07"
Standard: EN 50607
Command: switch-off
Userband: 32
PIN: 7
$ vantir-cli decode --json "E0 10 5C 0C F6 00" -r 1284
{
    "address": "10",
    "band": "high",
    "bytes": "E0 10 5C 0C F6 00 ",
    "command": "channel change",
    "framing": "E0",
    "frequencySum": 2384,
    "intermediateFrequency": 1100,
    "pin": 0,
    "polarisation": "horizontal",
    "position": "A",
    "standard": "EN 50494",
    "tuningWord": 246,
    "userband": 1
}
$ vantir-cli decode --json "70 00 00 00"
{
    "bytes": "70 00 00 00 ",
    "command": "switch-off",
    "pin": null,
    "standard": "EN 50607",
    "userband": 1
}
$ vantir-cli decode E0105A0CF
! vantir-cli: decode: 'E0105A0CF' at column 1 has an odd number of hex digits
[3]
$ vantir-cli decode E0 10 5A 0C Fx
! vantir-cli: decode: 'x' at column 14 is not a hex digit
[3]
$ vantir-cli decode " , "
! vantir-cli: decode: no hex bytes given
[3]
$ vantir-cli decode
! vantir-cli: decode: give the command's bytes in hex
[2]
$ vantir-cli decode "E2 10 5A 0C F6"
! vantir-cli: decode: byte 1 is E2: neither an EN 50494 framing byte (E0, E1) nor an EN 50607 command (70, 71, 7A to 7E)
[3]
$ vantir-cli decode "E0 20 5A 0C F6"
! vantir-cli: decode: byte 2 is 20: not a single-cable address (10, 00 or 11)
[3]
# Any other DiSEqC frame: named, with why a single-cable unit ignores it.
$ vantir-cli decode "E0 10 5E 0C F6"
DiSEqC command 5E, which this tool does not know
Not a single-cable command: a DiSEqC command that a single-cable unit ignores
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 10 (any LNB, switcher or SMATV)
Command: 5E (not one of the bus's commands this tool knows)
[7]
$ vantir-cli decode "E0 10 38 F0"
DiSEqC 1.0 committed switch: option A, position A, vertical, low band
Not a single-cable command: this receiver switches with DiSEqC 1.0; a single-cable unit ignores it
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 10 (any LNB, switcher or SMATV)
Command: 38 (Write N0: set the committed switches)
Option: A
Position: A
Polarisation: vertical
Band: low
[7]
$ vantir-cli decode "E1 10 38 FB"
DiSEqC 1.0 committed switch: option B, position A, horizontal, high band
Not a single-cable command: this receiver switches with DiSEqC 1.0; a single-cable unit ignores it
Framing: E1 (command from the master, no reply wanted, repeated transmission)
Address: 10 (any LNB, switcher or SMATV)
Command: 38 (Write N0: set the committed switches)
Option: B
Position: A
Polarisation: horizontal
Band: high
[7]
$ vantir-cli decode "E0 10 39 FF"
DiSEqC 1.1 uncommitted switch: input 16
Not a single-cable command: this receiver switches with DiSEqC 1.1; a single-cable unit ignores it
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 10 (any LNB, switcher or SMATV)
Command: 39 (Write N1: set the uncommitted switches)
Input: 16
[7]
$ vantir-cli decode "E0 31 6E E0 C5"
positioner: go to 12.3° east
Not a single-cable command: this receiver drives a positioner; a single-cable unit ignores it
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 31 (polar or azimuth positioner)
Command: 6E (Goto x.x: go to an angle)
Angle: 12.3 (east)
[7]
$ vantir-cli decode "E0 31 6E D1 00"
positioner: go to 16.0° west
Not a single-cable command: this receiver drives a positioner; a single-cable unit ignores it
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 31 (polar or azimuth positioner)
Command: 6E (Goto x.x: go to an angle)
Angle: 16.0 (west)
[7]
$ vantir-cli decode "E0 31 6E 20 00"
positioner: go to an angle, data 20 00: its first nibble 2 names no direction (E east, D west; 0, 1 or F an azimuth)
Not a single-cable command: this receiver drives a positioner; a single-cable unit ignores it
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 31 (polar or azimuth positioner)
Command: 6E (Goto x.x: go to an angle)
[7]
$ vantir-cli decode "E0 31 6B 05"
positioner: go to stored position 5
Not a single-cable command: this receiver drives a positioner; a single-cable unit ignores it
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 31 (polar or azimuth positioner)
Command: 6B (Goto nn: go to a stored position)
Stored position: 5
[7]
$ vantir-cli decode "E0 31 68 00"
positioner: drive east until halted
Not a single-cable command: this receiver drives a positioner; a single-cable unit ignores it
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 31 (polar or azimuth positioner)
Command: 68 (Drive East: drive the positioner east)
Drive: 00 (positioner: drive east until halted)
[7]
$ vantir-cli decode "E0 10 20"
DiSEqC 1.0 switch: select the low band
Not a single-cable command: this receiver switches with DiSEqC 1.0; a single-cable unit ignores it
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 10 (any LNB, switcher or SMATV)
Command: 20 (Set Lo: select the low band)
[7]
$ vantir-cli decode "E2 10 11"
Config: read the configuration
Not a single-cable command: a DiSEqC command that a single-cable unit ignores
Framing: E2 (command from the master, reply wanted, first transmission)
Address: 10 (any LNB, switcher or SMATV)
Command: 11 (Config: read the configuration)
[7]
$ vantir-cli decode "E4"
reply from a slave: OK, no errors
Not a single-cable command: a slave's reply to a command; a single-cable unit sends none
Framing: E4 (reply from a slave: OK, no errors)
[7]
$ vantir-cli decode "E7 01 02"
reply from a slave: command not recognised, repeat requested, with data 01 02
Not a single-cable command: a slave's reply to a command; a single-cable unit sends none
Framing: E7 (reply from a slave: command not recognised, repeat requested)
Data: 01 02 
[7]
$ vantir-cli decode "E0 10 38"
! vantir-cli: decode: Write N0 takes 1 data byte; got 0
[3]
$ vantir-cli decode "E0 31 6E 01"
! vantir-cli: decode: Goto x.x takes 2 data bytes; got 1
[3]
$ vantir-cli decode "E8 10 38 F0"
! vantir-cli: decode: byte 1 is E8: neither a DiSEqC framing byte (E0 to E7) nor an EN 50607 command (70, 71, 7A to 7E)
[3]
$ vantir-cli decode "E0 6A 00"
Reset: reset the slave's microcontroller
Not a single-cable command: a DiSEqC command that a single-cable unit ignores
Framing: E0 (command from the master, no reply wanted, first transmission)
Address: 6A (reserved for address reallocations)
Command: 00 (Reset: reset the slave's microcontroller)
[7]
$ vantir-cli decode --json "E0 31 6E E0 C5"
{
    "address": "31",
    "angle": "12.3",
    "bytes": "E0 31 6E E0 C5 ",
    "command": "6E",
    "direction": "east",
    "framing": "E0",
    "kind": "DiSEqC command",
    "meaning": "positioner: go to 12.3° east",
    "notSingleCable": "this receiver drives a positioner; a single-cable unit ignores it"
}
[7]
$ vantir-cli decode --json E4
{
    "bytes": "E4 ",
    "framing": "E4",
    "kind": "reply",
    "meaning": "reply from a slave: OK, no errors",
    "notSingleCable": "a slave's reply to a command; a single-cable unit sends none"
}
[7]
$ vantir-cli wave --bytes "E0 10 38 F0"
DiSEqC: E0 10 38 F0 
Byte  Bits      Parity
E0    11100000  0
10    00010000  0
38    00111000  0
F0    11110000  1
Tone: 22 kHz, 650 mV peak to peak; a bit every 1.5 ms: 1.0 ms of tone for a 0, 0.5 ms for a 1
Supply: 13 V, 18 V from 5 ms; bits from 20 ms to 74 ms; 13 V from 89 ms; 94 ms in all
$ vantir-cli wave --tone-burst B
Tone burst B: FF 
Byte  Bits      Parity
FF    11111111  1
Tone: 22 kHz, 650 mV peak to peak; a bit every 1.5 ms: 1.0 ms of tone for a 0, 0.5 ms for a 1
Supply: 13 V, 18 V from 5 ms; bits from 20 ms to 33.5 ms; 13 V from 48.5 ms; 53.5 ms in all
$ vantir-cli wave --tone-burst a
Tone burst A: 22 kHz, 650 mV peak to peak, for 12.5 ms
Supply: 13 V, 18 V from 5 ms; tone from 20 ms to 32.5 ms; 13 V from 47.5 ms; 52.5 ms in all
$ vantir-cli wave --tone 840
Continuous tone: 22 kHz, 650 mV peak to peak, for 840 ms
Supply: 13 V, 18 V from 5 ms; tone from 20 ms to 860 ms; 13 V from 875 ms; 880 ms in all
$ vantir-cli wave --tone-burst C
! vantir-cli: --tone-burst: 'C' is not A or B
[2]
$ vantir-cli wave --tone 0
! vantir-cli: --tone: 0 is out of range; use 1..60000
[2]
$ vantir-cli wave --bytes "E0 10 38 F0 00 00 00"
! vantir-cli: --bytes: 7 bytes; a DiSEqC frame has 6 at most
[2]
$ vantir-cli wave --tone 500 --standard en50494
! vantir-cli: wave: give one of --standard, --bytes, --tone-burst and --tone
[2]
$ vantir-cli wave --tone-burst A --output burst.wav && vantir-cli decode --capture burst.wav
burst.wav
Tone at 20.02 ms: tone burst A
Tone: 22.00 kHz, 1.299 FS peak to peak; 12.5 ms long
Not a single-cable command: this receiver switches with a tone burst; a single-cable unit ignores it
[7]
$ vantir-cli wave --bytes "E2 10 14" --output asks.csv && vantir-cli decode --capture asks.csv --json
asks.csv
[
    {
        "bitPeriod": 0.0015,
        "bits": 27,
        "bytes": "E2 10 14 ",
        "everyBitHeld": true,
        "meaning": "Switch 0: read the committed switches",
        "notSingleCable": "a DiSEqC command that a single-cable unit ignores",
        "start": 0.020022,
        "supplyBefore": 18.001,
        "supplyDuring": 18,
        "supplyUnit": "V",
        "timingSpread": 0,
        "toneFrequency": 21999,
        "tonePeakToPeak": 0.66,
        "toneUnit": "V"
    }
]
[7]
$ vantir-cli decode "E0 10"
! vantir-cli: decode: EN 50494 frame ends after 2 byte(s); it needs an address and a command byte
[3]
$ vantir-cli decode "E0 10 5A 0C F6 00"
! vantir-cli: decode: EN 50494 command 5A takes 5 bytes; got 6
[3]
$ vantir-cli decode "71 03 E8 03"
! vantir-cli: decode: EN 50607 command 71 (with PIN, the last byte) takes 5 bytes; got 4
[3]
$ vantir-cli decode "70 03 E8 13"
Standard: EN 50607
Command: channel change
Userband: 1
Position: 5
Polarisation: horizontal
Band: high
Tuning word: 1000
Intermediate frequency: 1100 MHz
PIN: none
$ vantir-cli decode E0105A0C7D -r 1899
Standard: EN 50494
Command: channel change
Framing: E0 (first transmission)
Address: 10 (any LNB, switcher or SMATV)
Userband: 1
Position: A
Polarisation: horizontal
Band: high
Tuning word: 125
Intermediate frequency: 1 MHz
Intermediate + userband frequency: 1900 MHz
PIN: none
! vantir-cli: decode: warning: its intermediate frequency of 1 MHz lies outside 950..2150 MHz
$ vantir-cli decode E0105A0C7D -r 1900
! vantir-cli: --userband-frequency: 1900 MHz is not below the 1900 MHz that the command's tuning word encodes
[2]
# Tables.
$ vantir-cli table 11493H 12188V -u 1-2
Transponder MHz  Pol  Band  Userband  Userband MHz  IF MHz  EN 50494         EN 50607
11493            H    low   1         1284          1743    E0 10 5A 09 97   70 06 6B 02 
11493            H    low   2         1400          1743    E0 10 5A 29 B4   70 0E 6B 02 
12188            V    high  1         1284          1588    E0 10 5A 05 70   70 05 D0 01 
12188            V    high  2         1400          1588    E0 10 5A 25 8D   70 0D D0 01 
$ vantir-cli table 11700h --list 2 -u 12-13 --format csv
transponder,polarisation,band,userband,userbandFrequency,intermediateFrequency,en50494,en50607
11700,horizontal,high,12,2096,1100,"userband number out of range","70 5B E8 03 "
11700,horizontal,high,13,,1100,"userband number out of range","70 63 E8 03 "
$ vantir-cli table 11700V -u 2 -b low -s B --pin 9 --format json
[
    {
        "band": "low",
        "en50494": "E0 10 5C 31 E8 09 ",
        "en50607": "71 0F 3A 04 09 ",
        "intermediateFrequency": 1950,
        "polarisation": "vertical",
        "transponderFrequency": 11700,
        "userband": 2,
        "userbandFrequency": 1400
    }
]
$ vantir-cli table 11493H 99999V abc -u 1 --format csv
transponder,polarisation,band,userband,userbandFrequency,intermediateFrequency,en50494,en50607
11493,horizontal,low,1,1284,1743,"E0 10 5A 09 97 ","70 06 6B 02 "
! vantir-cli: table: transponder 2: '99999V': 99999 MHz is outside both bands (10700..12750 MHz)
! vantir-cli: table: transponder 3: 'abc' is not a transponder; write its frequency in MHz and H or V, e.g. 11493H
[4]
$ vantir-cli table "b 12188 v" 11493h -u 1 -s B
Transponder MHz  Pol  Band  Userband  Userband MHz  IF MHz  EN 50494         EN 50607
11493            H    low   1         1284          1743    E0 10 5A 19 97   70 06 6B 06 
! vantir-cli: table: transponder 1: 'b 12188 v': give the position with --position; it holds for every row
[4]
$ vantir-cli table
! vantir-cli: table: give the transponders, e.g. 11493H 12188V
[2]
$ vantir-cli table 11700H --list 3
! vantir-cli: --list: 3 is out of range; use 1..2
[2]
$ vantir-cli table 11700H -u 8-1
! vantir-cli: --userbands: '8-1' runs backwards; use 1..32 in rising order
[2]
$ vantir-cli table 11700H -u a-b
! vantir-cli: --userbands: 'a-b' is not a number or range like 1-8
[2]
$ vantir-cli table 11700H --format xml
! vantir-cli: --format: 'xml' is not a format; use text, csv or json
[2]
# Output that cannot be written is a failure, with a line on stderr while it works.
$ vantir-cli > /dev/full # posix
! vantir-cli: cannot write to standard output: No space left on device
[6]
$ vantir-cli decode E0 10 5A 0C F6 > /dev/full # posix
! vantir-cli: cannot write to standard output: No space left on device
[6]
$ vantir-cli table 11493H > /dev/full # posix
! vantir-cli: cannot write to standard output: No space left on device
[6]
$ vantir-cli >&- # posix
! vantir-cli: cannot write to standard output: it is closed
[6]
$ vantir-cli table 11493H abc -u 1 --format csv 2> /dev/full # posix
transponder,polarisation,band,userband,userbandFrequency,intermediateFrequency,en50494,en50607
11493,horizontal,low,1,1284,1743,"E0 10 5A 09 97 ","70 06 6B 02 "
[6]
# Values are read exactly, and shown escaped and shortened, on one line.
$ x=$(printf '42\n_'); vantir-cli --pin "${x%_}"
! vantir-cli: --pin: '42\n' is not a whole number; use 0..255
[2]
$ vantir-cli --pin " 42"
! vantir-cli: --pin: ' 42' is not a whole number; use 0..255
[2]
$ vantir-cli table "11493H "
Transponder MHz  Pol  Band  Userband  Userband MHz  IF MHz  EN 50494  EN 50607
! vantir-cli: table: transponder 1: '11493H ' is not a transponder; write its frequency in MHz and H or V, e.g. 11493H
[4]
$ vantir-cli -s "$(printf 'a\nb\tc\001')"
! vantir-cli: --position: 'a\nb\tc\x01' is not a position; use A to D, or 1 to 64
[2]
$ vantir-cli "--$(printf 'fr\nob')"
! vantir-cli: Unknown option 'fr\nob'.
[2]
$ vantir-cli -s "$(printf '%0100000d' 0)" # posix
! vantir-cli: --position: '0000000000000000000000000000000000000000...' is not a position; use A to D, or 1 to 64
[2]
$ x=$(printf 'ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLM\n_'); vantir-cli -s "${x%_}"
! vantir-cli: --position: 'ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLM\n' is not a position; use A to D, or 1 to 64
[2]
$ vantir-cli --pin "9$(printf '%099999d' 0)" # posix
! vantir-cli: --pin: 9000000000000000000000000000000000000000... is out of range; use 0..255
[2]
$ vantir-cli decode "E0 $(printf '%099999d' 1)" # posix
! vantir-cli: decode: '00000000000000000000...' at column 4 has an odd number of hex digits
[3]
$ vantir-cli decode "E0 $(printf '\303\050')" # posix
! vantir-cli: decode: byte C3 at column 4 is not a hex digit
[3]
$ vantir-cli decode "E0 $(printf '\303\251')"
! vantir-cli: decode: byte C3 at column 4 is not a hex digit
[3]
# The signal on the cable, and reading it back from recordings.
$ vantir-cli wave --pin 42 --standard en50494
EN 50494: E0 10 5C 0C F6 2A 
Byte  Bits      Parity
E0    11100000  0
10    00010000  0
5C    01011100  1
0C    00001100  1
F6    11110110  1
2A    00101010  0
Tone: 22 kHz, 650 mV peak to peak; a bit every 1.5 ms: 1.0 ms of tone for a 0, 0.5 ms for a 1
Supply: 13 V, 18 V from 5 ms; bits from 20 ms to 101 ms; 13 V from 116 ms; 121 ms in all
$ vantir-cli wave --power-off -u 2 --standard en50607
EN 50607: 70 08 00 00 
Byte  Bits      Parity
70    01110000  0
08    00001000  0
00    00000000  1
00    00000000  1
Tone: 22 kHz, 650 mV peak to peak; a bit every 1.5 ms: 1.0 ms of tone for a 0, 0.5 ms for a 1
Supply: 13 V, 18 V from 5 ms; bits from 20 ms to 74 ms; 13 V from 89 ms; 94 ms in all
$ vantir-cli wave --pin 42 --standard en50494 --output x.wav && vantir-cli decode --capture x.wav
x.wav
Message 1 at 20.02 ms: E0 10 5C 0C F6 2A 
Every bit and parity bit held
Tone: 22.00 kHz, 1.320 FS peak to peak; bit period 1.500 ms, slots within 0.0 % of it
Standard: EN 50494
Command: channel change
Framing: E0 (first transmission)
Address: 10 (any LNB, switcher or SMATV)
Userband: 1
Position: A
Polarisation: horizontal
Band: high
Tuning word: 246
Intermediate + userband frequency: 2384 MHz
PIN: 42
# Names with umlauts and beyond the Basic Multilingual Plane, written and read back.
$ vantir-cli wave --standard en50494 -o 'Küche 📡.wav' && vantir-cli decode --capture 'Küche 📡.wav' | head -1 && printf '{"unit": {"standard": "EN 50607", "userbands": [974]}, "receivers": [{"name": "Küche", "userband": 1}]}' > 'Grüße 📡.json' && vantir-cli plan 'Grüße 📡.json' --sheet 'Blatt ü.svg' > /dev/null && ls
Küche 📡.wav
Message 1 at 20.02 ms: E0 10 5A 0C F6 
Blatt ü.svg
Grüße 📡.json
Küche 📡.wav
$ vantir-cli wave --standard en50607 -s D -i 2000 --output x.csv --sample-rate 1000000 && vantir-cli decode --capture x.csv --json
x.csv
[
    {
        "bitPeriod": 0.0015,
        "bits": 36,
        "bytes": "70 07 6C 0F ",
        "command": {
            "band": "high",
            "bytes": "70 07 6C 0F ",
            "command": "channel change",
            "intermediateFrequency": 2000,
            "pin": null,
            "polarisation": "horizontal",
            "position": "D",
            "standard": "EN 50607",
            "tuningWord": 1900,
            "userband": 1
        },
        "everyBitHeld": true,
        "start": 0.020035,
        "supplyBefore": 18.001,
        "supplyDuring": 18,
        "supplyUnit": "V",
        "timingSpread": 0,
        "toneFrequency": 21999,
        "tonePeakToPeak": 0.636,
        "toneUnit": "V"
    }
]
$ vantir-cli wave --standard en50494 -u 3 -r 1516 --supply -o x.wav && vantir-cli decode --capture x.wav -r 1516
x.wav
Message 1 at 20.02 ms: E0 10 5A 4D 30 
Every bit and parity bit held
Tone: 22.00 kHz, 0.033 FS peak to peak; bit period 1.500 ms, slots within 0.0 % of it
Supply: 0.90 FS before, 0.90 FS during
Standard: EN 50494
Command: channel change
Framing: E0 (first transmission)
Address: 10 (any LNB, switcher or SMATV)
Userband: 3
Position: A
Polarisation: horizontal
Band: high
Tuning word: 304
Intermediate frequency: 1100 MHz
Intermediate + userband frequency: 2616 MHz
PIN: none
$ vantir-cli wave --standard en50494 -o x.svg && grep -c '<svg' x.svg
x.svg
1
$ vantir-cli wave --standard en50494 -o x.png && head -c 4 x.png | tail -c 3 && echo
x.png
PNG
$ vantir-cli wave
! vantir-cli: wave: give the --standard, en50494 or en50607
[2]
$ vantir-cli wave --standard both
! vantir-cli: --standard: 'both' is not one standard; use en50494 or en50607
[2]
$ vantir-cli wave --standard en50494 -s C
! vantir-cli: wave: EN 50494: position out of range
[1]
$ vantir-cli wave --standard en50494 -o x.mp3
! vantir-cli: --output: 'x.mp3' does not end in .wav, .csv, .svg or .png
[2]
$ vantir-cli wave --standard en50494 --sample-rate 44100
! vantir-cli: --sample-rate: 44100 is out of range; use 88200..10000000
[2]
$ vantir-cli wave --standard en50494 -o /nonexistent/x.wav # posix
! vantir-cli: wave: cannot write '/nonexistent/x.wav': No such file or directory
[6]
$ echo hello > x.wav && vantir-cli decode --capture x.wav
! vantir-cli: --capture 'x.wav': not a sound file this program reads (WAV, RF64, FLAC and the like)
[2]
$ vantir-cli wave --standard en50494 -o x.wav && head -c 30 x.wav > cut.wav && vantir-cli decode --capture cut.wav
x.wav
! vantir-cli: --capture 'cut.wav': damaged, or not a sound file this program reads
[2]
# A header that claims more channels than any recording has is refused
# before anything is allocated for them.
$ python3 -c 'import struct; open("c.wav", "wb").write(b"RIFF" + struct.pack("<I", 40036) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 3, 1024, 96000, 96000 * 4096, 4096, 32) + b"data" + struct.pack("<I", 40000) + bytes(40000))' && vantir-cli decode --capture c.wav
! vantir-cli: --capture 'c.wav': its header gives 1024 channels; a recording holds at most 256
[2]
$ python3 -c 'import wave; w = wave.open("x.wav", "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(96000); w.close()' && vantir-cli decode --capture x.wav
! vantir-cli: --capture 'x.wav': holds no samples
[2]
$ python3 -c 'import wave; w = wave.open("x.wav", "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(44100); w.writeframes(bytes(1000)); w.close()' && vantir-cli decode --capture x.wav
! vantir-cli: --capture 'x.wav': its 44100 samples a second are too few for a 22 kHz tone; record at 88200 or more
[2]
$ printf 'time,volts\n0,1\n0.000001,abc\n' > x.csv && vantir-cli decode --capture x.csv
! vantir-cli: --capture 'x.csv': line 3: '0.000001,abc' is not a row of numbers
[2]
$ printf '0,1\n' > x.csv && vantir-cli decode --capture x.csv
! vantir-cli: --capture 'x.csv': it holds a single sample
[2]
$ seq 1000 > x.csv && vantir-cli decode --capture x.csv
! vantir-cli: --capture 'x.csv': it holds one column of values; give its sample rate
[2]
$ seq 1000 > x.csv && vantir-cli decode --capture x.csv --sample-rate 192000
! vantir-cli: --capture 'x.csv': no DiSEqC message found
[3]
$ vantir-cli decode --capture missing.wav
! vantir-cli: --capture 'missing.wav': no such file
[2]
$ vantir-cli decode E0 --capture x.wav
! vantir-cli: decode: give the bytes or a --capture, not both
[2]
# Plans of whole installations: every check at its limit, then one step over.
$ vantir-cli plan "$PLANS/edges.json"
Plan: Every check at its limit
Unit: EN 50607, 9 userbands
Notes:
  userband 2: free
  userband 3: free
  userband 4: free
  userband 5: free
  userband 6: free
  userband 7: free
  transponder A 12750V: EN 50607 sends its intermediate frequency of 2150 MHz as 2147 MHz
Commands:
Receiver  Userband  MHz   Transponder  Command             Lands at
Legacy    8         1586  A 11493H     E0 10 5C E9 E2 FF   1585 MHz
Legacy    8         1586  B 12188V     E0 10 5C F5 BC FF   1588 MHz
Legacy    8         1586  A 12750V     E0 10 5C E6 48 FF   1586 MHz
Last      9         2150  A 11493H     71 46 6B 02 00      2150 MHz
Last      9         2150  B 12188V     71 45 D0 05 00      2150 MHz
Last      9         2150  A 12750V     71 47 FF 01 00      2153 MHz
First     1         950   A 11493H     70 06 6B 02         950 MHz
First     1         950   B 12188V     70 05 D0 05         950 MHz
First     1         950   A 12750V     70 07 FF 01         953 MHz
$ vantir-cli plan "$PLANS/errors.json"
Plan: Every check one step over
Unit: EN 50494, 9 userbands
Errors:
  userband 1: 949 MHz is outside 950..2150 MHz
  userbands 1 and 2: 949 and 984 MHz are closer than the 36 MHz bandwidth
  userband 9: 2151 MHz is outside 950..2150 MHz
  receiver 'Living room': EN 50494 reaches positions A and B; the installation uses C
  receiver 'Kitchen': EN 50494 reaches positions A and B; the installation uses C
  receiver 'Kitchen': PIN 256 is outside 0..255
  receiver 'New box': an EN 50607 receiver on an EN 50494 unit
  receiver 'Old box': EN 50494 has userbands 1..8, not 9
  receiver 'Old box': EN 50494 reaches positions A and B; the installation uses C
  receiver 'Garage': userband 10: the unit has userbands 1..9
  receiver 'Garage': EN 50494 has userbands 1..8, not 10
  receiver 'Garage': EN 50494 reaches positions A and B; the installation uses C
  userband 3: receivers 'Living room' and 'Kitchen' share it
Notes:
  userband 1: free
  userband 2: free
  userband 5: free
  userband 6: free
  userband 7: free
  userband 8: free
Commands:
Receiver     Userband  MHz   Transponder  Command                       Lands at
Living room  3         1076  C 11493H     position out of range         -
Kitchen      3         1076  C 11493H     PIN out of range              -
New box      4         1178  C 11493H     70 1E 6B 0A                   1178 MHz
Old box      9         2151  C 11493H     userband number out of range  -
Garage       10        -     C 11493H     no such userband              -
[5]
$ vantir-cli plan "$PLANS/errors.json" --json | python3 -c 'import json, sys; d = json.load(sys.stdin); print(len(d["errors"]), len(d["notes"]), d["commands"][2])'
13 6 {'command': '70 1E 6B 0A ', 'landing': 1178, 'receiver': 'New box', 'transponder': 'C 11493H', 'userband': 4}
# The sheet: every receiver and command, PINs only when asked, in each format.
$ vantir-cli plan "$PLANS/edges.json" --sheet s.pdf > /dev/null && pdftotext -layout s.pdf - | grep -E 'Legacy|Last|First' | tr -s ' '
 First
 Legacy
 Last
Legacy 8 1586 EN 50494 PIN set
Last 9 2150 EN 50607 PIN set
First 1 950 EN 50607 none
Legacy A 11493H E0 10 5C E9 E2 PIN 1585 MHz
Legacy B 12188V E0 10 5C F5 BC PIN 1588 MHz
Legacy A 12750V E0 10 5C E6 48 PIN 1586 MHz
Last A 11493H 71 46 6B 02 PIN 2150 MHz
Last B 12188V 71 45 D0 05 PIN 2150 MHz
Last A 12750V 71 47 FF 01 PIN 2153 MHz
First A 11493H 70 06 6B 02 950 MHz
First B 12188V 70 05 D0 05 950 MHz
First A 12750V 70 07 FF 01 953 MHz
$ vantir-cli plan "$PLANS/edges.json" --sheet s.pdf --show-pins > /dev/null && pdftotext -layout s.pdf - | grep -E 'Legacy|Last' | tr -s ' '
 Legacy
 Last
Legacy 8 1586 EN 50494 255
Last 9 2150 EN 50607 0
Legacy A 11493H E0 10 5C E9 E2 FF 1585 MHz
Legacy B 12188V E0 10 5C F5 BC FF 1588 MHz
Legacy A 12750V E0 10 5C E6 48 FF 1586 MHz
Last A 11493H 71 46 6B 02 00 2150 MHz
Last B 12188V 71 45 D0 05 00 2150 MHz
Last A 12750V 71 47 FF 01 00 2153 MHz
$ vantir-cli plan "$PLANS/edges.json" --sheet s.svg > /dev/null && grep -c '<svg' s.svg
1
$ vantir-cli plan "$PLANS/edges.json" --sheet s.png > /dev/null && python3 -c 'import struct; d = open("s.png", "rb").read(24); print(d[1:4].decode(), *struct.unpack(">II", d[16:24]))'
PNG 1190 1684
$ vantir-cli plan "$PLANS/edges.json" --sheet s.doc
! vantir-cli: --sheet: 's.doc' does not end in .pdf, .svg or .png
[2]
# Files that are not plans: one line, exit status 2, nothing else.
$ printf '{"unit": {\n  "standard": EN 50607}}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': line 2, column 15: not a value
[2]
$ printf '{"unit": {"standard": "EN 50607", "userbands": [974]}, "receivers": [{"name": "A", "userband": "one"}]}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': receivers[0].userband: must be a whole number
[2]
$ printf '{"unit": {"standard": "EN 50607", "userbands": [974]}, "reciever": []}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': 'reciever': no such key; use installation, unit, positions, receivers, transponders
[2]
$ printf '{"unit": {"standard": "EN 50607", "userbands": {"preset": 3}}, "receivers": []}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': unit.userbands.preset: 3 is not a preset list; use 1 or 2
[2]
$ printf '{"unit": {"standard": "DVB", "userbands": [974]}, "receivers": []}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': unit.standard: 'DVB' is not EN 50494 or EN 50607
[2]
$ printf '{"unit": {"standard": "EN 50607", "userbands": [974]}, "receivers": [], "transponders": ["E 11493H"]}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': transponders[0]: 'E 11493H' is not a transponder; write it as 11493H, B 12188V or 5 12188V
[2]
$ printf '[1, 2]' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': is not a plan: it must hold one object
[2]
$ : > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': is empty
[2]
$ head -c 10000000 /dev/zero | tr '\0' ' ' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': is larger than a plan can be (1 MiB)
[2]
$ python3 -c 'import json; print(json.dumps({"unit": {"standard": "EN 50607", "userbands": {"preset": 2}}, "receivers": [{"name": str(i), "userband": 1} for i in range(1000)]}))' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': receivers: holds 1000 entries; a plan holds at most 64
[2]
$ vantir-cli plan missing.json
! vantir-cli: plan: 'missing.json': No such file or directory
[2]
$ vantir-cli plan
! vantir-cli: plan: give one plan file
[2]
# Files: written whole or not at all. With no room left (a file size limit
# here), every output keeps the old file and leaves nothing beside it.
$ for f in x.wav x.csv x.svg x.png; do echo old > $f; (trap '' XFSZ; ulimit -f 4; vantir-cli wave --standard en50494 --sample-rate 1000000 -o $f); echo "$f $? $(cat $f)"; done; ls # posix
x.wav 6 old
x.csv 6 old
x.svg 6 old
x.png 6 old
x.csv
x.png
x.svg
x.wav
! vantir-cli: wave: cannot write 'x.wav': File too large
! vantir-cli: wave: cannot write 'x.csv': File too large
! vantir-cli: wave: cannot write 'x.svg': File too large
! vantir-cli: wave: cannot write 'x.png': File too large
$ for f in s.pdf s.svg s.png; do echo old > $f; (trap '' XFSZ; ulimit -f 4; vantir-cli plan "$PLANS/edges.json" --sheet $f > /dev/null); echo "$f $? $(cat $f)"; done; ls # posix
s.pdf 6 old
s.svg 6 old
s.png 6 old
s.pdf
s.png
s.svg
! vantir-cli: plan: cannot write 's.pdf': File too large
! vantir-cli: plan: cannot write 's.svg': File too large
! vantir-cli: plan: cannot write 's.png': File too large
# A link is followed to the file it names; what is not a regular file is left alone.
$ echo old > x.csv && ln -s x.csv l.csv && vantir-cli wave --standard en50494 -o l.csv && test -L l.csv && head -1 x.csv # posix
l.csv
time_s,voltage_V
$ ln -s new.svg l.svg && vantir-cli wave --standard en50494 -o l.svg && test -L l.svg && grep -c '<svg' new.svg # posix
l.svg
1
$ mkfifo f && ln -s f l.svg && vantir-cli wave --standard en50494 -o l.svg; echo $?; test -L l.svg && test -p f && echo still a link to a fifo # posix
6
still a link to a fifo
! vantir-cli: wave: cannot write 'l.svg': not a regular file
$ mkdir d.pdf && vantir-cli plan "$PLANS/edges.json" --sheet d.pdf > /dev/null
! vantir-cli: plan: cannot write 'd.pdf': not a regular file
[6]
# Names go to the system as the bytes given.
$ vantir-cli wave --standard en50494 -o "$(printf 'o\376.wav')" | od -An -c && vantir-cli decode --capture o*.wav | head -1 # posix
   o 376   .   w   a   v  \n
Message 1 at 20.02 ms: E0 10 5A 0C F6 
$ cp "$PLANS/edges.json" "$(printf 'p\377.json')" && vantir-cli plan p*.json | head -1 # posix
Plan: Every check at its limit
$ vantir-cli plan "$(printf 'no\377.json')" # posix
! vantir-cli: plan: 'no\xFF.json': No such file or directory
[2]
# Plans: names printed escaped, every key once, numbers within 32 bits, and
# only regular files read, with the system's reason for the others.
$ printf '{"installation": "A\\u001b[31mB", "unit": {"standard": "EN 50607", "userbands": [974]}, "receivers": [{"name": "x\\ny", "userband": 1}], "transponders": ["11493H"]}' > n.json && vantir-cli plan n.json
Plan: A\x1B[31mB
Unit: EN 50607, 1 userbands
Commands:
Receiver  Userband  MHz  Transponder  Command       Lands at
x\ny      1         974  A 11493H     70 06 6B 02   974 MHz
$ printf '{"unit": {"standard": "EN 50607", "userbands": [974]}, "receivers": [{"name": "a", "userband": 1, "userband": 2}]}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': receivers[0].'userband': given more than once
[2]
$ printf '{"unit": {"standard": "EN 50607", "userbands": [974]}, "receivers": [{"name": "a", "userband": 2147483648}]}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': receivers[0].userband: 2147483648 is beyond the whole numbers a plan holds (-2147483648..2147483647)
[2]
$ printf '{"unit": {"standard": "EN 50607", "userbands": [2147483647, -2147483648], "bandwidth": 36}, "receivers": [{"name": "a", "userband": 1}]}' > p.json && vantir-cli plan p.json | head -5
Plan: -
Unit: EN 50607, 2 userbands
Errors:
  userband 1: 2147483647 MHz is outside 950..2150 MHz
  userband 2: -2147483648 MHz is outside 950..2150 MHz
$ mkfifo p.json && vantir-cli plan p.json # posix
! vantir-cli: plan: 'p.json': not a regular file
[2]
$ ln -s loop loop && vantir-cli plan loop # posix
! vantir-cli: plan: 'loop': Too many levels of symbolic links
[2]
$ vantir-cli plan "$(printf '%0300d' 0).json" # posix
! vantir-cli: plan: '0000000000000000000000000000000000000000...': File name too long
[2]
$ mkfifo c.wav && vantir-cli decode --capture c.wav # posix
! vantir-cli: --capture 'c.wav': not a regular file
[2]
# A PNG or SVG sheet holds nine pages at most, so that image tools open it.
$ python3 -c 'import json; print(json.dumps({"unit": {"standard": "EN 50607", "userbands": {"preset": 2}}, "receivers": [{"name": "r%d" % i, "userband": 1 + i} for i in range(12)], "transponders": ["%dH" % (10700 + i) for i in range(500)]}))' > big.json && vantir-cli plan big.json --sheet big.png > /dev/null && python3 -c 'import struct; d = open("big.png", "rb").read(24); print(*struct.unpack(">II", d[16:24]))'
1190 15156
! vantir-cli: plan: 'big.png' shows the first 9 of the sheet's 106 pages; a .pdf sheet holds them all
# Every command of both standards, and EN 50607's positions beyond D.
$ vantir-cli decode 70 05 D0 11
Standard: EN 50607
Command: channel change
Userband: 1
Position: 5
Polarisation: vertical
Band: high
Tuning word: 1488
Intermediate frequency: 1588 MHz
PIN: none
$ vantir-cli --standard en50607 --position 5
Intermediate frequency: 1100 MHz
EN 50607: 70 03 E8 13 
$ vantir-cli --standard en50607 -s 64 --json | grep -A2 '"en50607"'
    "en50607": {
        "command": "70 03 E8 FF ",
        "result": 0,
$ vantir-cli decode E0 10 5B 42 02
Standard: EN 50494
Command: ODU_LOfreq: asks for the unit's oscillator
Framing: E0 (first transmission)
Address: 10 (any LNB, switcher or SMATV)
Userband: 3
Oscillator: 02 (9750 MHz)
PIN: none
$ vantir-cli decode E1 11 5D E1 1A 07 --json
{
    "address": "11",
    "bytes": "E1 11 5D E1 1A 07 ",
    "command": "ODU_Config",
    "configuration": "1A",
    "configurationBand": "standard",
    "configurationPositions": 2,
    "configurationUserbands": 6,
    "framing": "E1",
    "pin": 7,
    "standard": "EN 50494",
    "userband": 8
}
$ vantir-cli decode 7A
Standard: EN 50607
Command: ODU_UB_avail: asks which userbands exist
$ vantir-cli decode 7E F8
Standard: EN 50607
Command: ODU_UB_switches: asks for the switches of the userband
Userband: 32
$ vantir-cli decode 70 00 05 00
Standard: EN 50607
Command: channel change
Userband: 1
Position: A
Polarisation: vertical
Band: low
Tuning word: 5
Intermediate frequency: 105 MHz
PIN: none
! vantir-cli: decode: warning: its intermediate frequency of 105 MHz lies outside 950..2150 MHz
# A switch-off carries no position, polarisation or band; set, those bits are refused.
$ vantir-cli decode 70 00 00 01
! vantir-cli: decode: byte 4 is 01: a switch-off (tuning word 0) names no position, polarisation or band; it takes 00
[3]
$ vantir-cli decode E0 10 5C 1C 00 2A
! vantir-cli: decode: byte 4 is 1C: a switch-off (tuning word 0) names no position, polarisation or band; its bits 4..2 are reserved and must be 0
[3]
# EN 50494's own commands at the cable's edges read back without a warning:
# the 4 MHz step of the sum moves the intermediate frequency by -2..+1 MHz.
$ vantir-cli --if 950 -r 1899 --standard en50494
Intermediate frequency: 950 MHz
EN 50494: E0 10 5A 0D 6A 
$ vantir-cli decode E0 10 5A 0D 6A -r 1899 | grep Intermediate
Intermediate frequency: 949 MHz
Intermediate + userband frequency: 2848 MHz
$ vantir-cli decode E0 10 5A 0D 69 -r 1899 > /dev/null
! vantir-cli: decode: warning: its intermediate frequency of 945 MHz lies outside 950..2150 MHz
# Codes 03 and 11 both name 10000 MHz, the second for a wide-band unit.
$ vantir-cli decode E0 10 5B 02 03 --json | grep oscillator
    "oscillator": "03",
    "oscillatorBand": "standard",
    "oscillatorFrequency": 10000,
$ vantir-cli decode E0 10 5B 02 11 --json | grep oscillator
    "oscillator": "11",
    "oscillatorBand": "wide",
    "oscillatorFrequency": 10000,
$ vantir-cli decode 7D 07
! vantir-cli: decode: byte 2 is 07: its low three bits are reserved and must be 0
[3]
$ vantir-cli --odu signal-on --pin 0
EN 50494 ODU_UbxSignal_ON: E0 10 5D 00 00 00 
$ vantir-cli --odu config:1A -u 2
EN 50494 ODU_Config: E0 10 5B 21 1A 
$ vantir-cli --odu lo-freq:14 -u 8 --json
{
    "command": "ODU_LOfreq",
    "en50494": {
        "command": "E0 10 5B E2 14 ",
        "result": 0,
        "standard": "EN 50494"
    },
    "settings": {
        "oscillator": "14",
        "pin": null,
        "userband": 8
    }
}
$ vantir-cli --odu ub-freq -u 32
EN 50607 ODU_UB_freq: 7D F8 
$ vantir-cli --odu ub-avail --standard en50494
! vantir-cli: --odu ub-avail is an EN 50607 command; --standard en50494 cannot send it
[2]
$ vantir-cli --odu ub-avail -u 2
! vantir-cli: --odu ub-avail names no userband; leave out --userband
[2]
$ vantir-cli --odu ub-pin --pin 1
! vantir-cli: --odu ub-pin has no PIN form; leave out --pin
[2]
$ vantir-cli --odu config:20
! vantir-cli: --odu: 'config:20' is not a configuration; write config:10 to config:1F (bit 3 two positions, bit 2 wide band, bits 1..0 two to eight userbands)
[2]
$ vantir-cli --odu lo-freq:0D
! vantir-cli: --odu: 'lo-freq:0D' is not an oscillator code; write lo-freq:00 to lo-freq:0C or lo-freq:10 to lo-freq:14
[2]
$ vantir-cli --odu config
! vantir-cli: --odu: 'config' is not a configuration; write config:10 to config:1F (bit 3 two positions, bit 2 wide band, bits 1..0 two to eight userbands)
[2]
$ vantir-cli --odu reset
! vantir-cli: --odu: 'reset' is not a command; use signal-on, config:<10..1F>, lo-freq:<code>, ub-avail, ub-pin, ub-inuse, ub-freq or ub-switches
[2]
$ vantir-cli --odu config:1A -u 9
EN 50494 ODU_Config: userband number out of range
[1]
$ vantir-cli --odu signal-on -f 11000
! vantir-cli: --odu signal-on takes no --frequency
[2]
$ vantir-cli --odu lo-freq:02 --power-off
! vantir-cli: --power-off and --odu exclude each other; give one
[2]
$ vantir-cli wave --odu lo-freq:02 -u 3 --standard en50494 -o x.wav && vantir-cli decode --capture x.wav | sed -n "2p;5,6p"
x.wav
Every bit and parity bit held
Command: ODU_LOfreq: asks for the unit's oscillator
Framing: E0 (first transmission)
$ vantir-cli table 11493H -u 1 -s 5 --format csv
transponder,polarisation,band,userband,userbandFrequency,intermediateFrequency,en50494,en50607
11493,horizontal,low,1,1284,1743,"position out of range","70 06 6B 12 "
$ printf '{"unit": {"standard": "EN 50607", "userbands": [974, 1076]}, "positions": {"B": "13.0° E", "5": "28.2° E"}, "receivers": [{"name": "a", "userband": 1}, {"name": "b", "userband": 2, "standard": "EN 50494"}], "transponders": ["5 12188V", "c 11493H"]}' > p.json && vantir-cli plan p.json
Plan: -
Unit: EN 50607, 2 userbands
Errors:
  receiver 'b': EN 50494 reaches positions A and B; the installation uses C and 5
Commands:
Receiver  Userband  MHz   Transponder  Command                Lands at
a         1         974   5 12188V     70 05 D0 11            974 MHz
a         1         974   C 11493H     70 06 6B 0A            974 MHz
b         2         1076  5 12188V     position out of range  -
b         2         1076  C 11493H     position out of range  -
[5]
$ printf '{"unit": {"standard": "EN 50607", "userbands": [974]}, "positions": {"1": "19.2° E"}, "receivers": []}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': positions.'1': no such position; use A to D, or 5 to 64
[2]
$ printf '{"unit": {"standard": "EN 50607", "userbands": [974]}, "receivers": [], "transponders": ["65 12188V"]}' > p.json && vantir-cli plan p.json
! vantir-cli: plan: 'p.json': transponders[0]: '65 12188V' is not a transponder; write it as 11493H, B 12188V or 5 12188V
[2]
# Recordings: only what is read counts, and odd samples spoil only their own span.
$ python3 -c 'import struct; open("x.flac", "wb").write(b"fLaC" + bytes([0x80, 0, 0, 34]) + struct.pack(">HH", 4096, 4096) + bytes(6) + ((192000 << 44) | (15 << 36) | (1 << 36) - 1).to_bytes(8, "big") + bytes(16))' && vantir-cli decode --capture x.flac
! vantir-cli: --capture 'x.flac': holds no samples
[2]
# A stretch of bad samples is one entry however many it holds, and reading
# it stays within a small, fixed memory; a long header and lines ended by
# CR alone are read as they come.
$ awk 'BEGIN { print "Time,Volts"; for (i = 0; i < 3000000; i++) printf "%.7f,%s\n", i / 1e6, (i % 100 ? "0.1" : "nan") }' > a.csv && (ulimit -v 131072; vantir-cli decode --capture a.csv) # posix
Damaged span from 0.000 to 2999.920 ms: its samples are not numbers or are clipped in 30000 places
! vantir-cli: --capture 'a.csv': no DiSEqC message found
[3]
$ vantir-cli wave --standard en50494 --output w.csv > /dev/null && awk 'BEGIN { for (i = 0; i < 40000; i++) print "# a note of the export, line " i }' > h.csv && tr '\n' '\r' < w.csv >> h.csv && vantir-cli decode --capture h.csv | head -2
Message 1 at 20.02 ms: E0 10 5A 0C F6 
Every bit and parity bit held
# An export's rate is made exact from all of its times: a message read at
# the first rows' estimate is checked again at it.
$ vantir-cli wave --standard en50494 --sample-rate 1000000 --output w.csv > /dev/null && echo "0.5,13.000000" >> w.csv && vantir-cli decode --capture w.csv | head -3
Message 1 at 93.14 ms: E0 10 5A 0C F6 
Damaged: its tone of 4.7 kHz is outside 17.6..26.4 kHz
Tone: 4.73 kHz, 0.64 V peak to peak; bit period 6.977 ms, slots within 0.0 % of it
# Spans outside a message are listed as spans, keep the times after them
# exact and leave the exit status to the messages.
$ vantir-cli wave --standard en50494 --output w.csv > /dev/null && sed '3000s/,.*/,nan/; 3500s/,.*/,1e308/' w.csv > x.csv && vantir-cli decode --capture x.csv > r.txt; echo "exit $?"; head -8 r.txt
exit 0
Damaged span from 15.615 to 18.224 ms: its samples are not numbers or are clipped in 2 places

Message 1 at 20.02 ms: E0 10 5A 0C F6 
Every bit and parity bit held
Tone: 22.00 kHz, 0.66 V peak to peak; bit period 1.500 ms, slots within 0.0 % of it
Supply: 18.00 V before, 18.00 V during
Standard: EN 50494
Command: channel change
$ vantir-cli wave --standard en50494 --output w.csv > /dev/null && sed '3000s/,.*/,nan/' w.csv > x.csv && vantir-cli decode --capture x.csv --json | head -7
[
    {
        "damagedSpan": true,
        "end": 0.01562,
        "error": "its samples from 15.615 to 15.620 ms are not numbers or are clipped",
        "places": 1,
        "start": 0.015615
$ vantir-cli listen now
! vantir-cli: listen: takes no arguments, only options
[2]
$ vantir-cli listen --save heard.txt
! vantir-cli: --save: 'heard.txt' does not end in .wav
[2]
$ vantir-cli listen --seconds 0
! vantir-cli: --seconds: 0 is out of range; use 1..86400
[2]
$ vantir-cli listen --plan missing.json
! vantir-cli: --plan 'missing.json': No such file or directory
[2]
