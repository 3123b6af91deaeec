#!/usr/bin/env bash
# Prints, one per line as U+XXXX, every character that a code page 932 text can decode to:
# the program keeps each text as code page 932 holds it, so these are all the characters a
# sheet can show. Decoded with glibc's iconv, the converter the desktop program uses; an
# unassigned byte pair is dropped (the program shows it as "?").
set -euo pipefail
python=/usr/bin/python3
"$python" -c '
import sys
out = sys.stdout.buffer
for b in list(range(0x20, 0x7f)) + list(range(0xa1, 0xe0)):
    out.write(bytes([b, 0x0a]))
for lead in list(range(0x81, 0xa0)) + list(range(0xe0, 0xfd)):
    for trail in list(range(0x40, 0x7f)) + list(range(0x80, 0xfd)):
        out.write(bytes([lead, trail, 0x0a]))
' | iconv -c -f CP932 -t UTF-8 |
  "$python" -c '
import sys
chars = set(sys.stdin.read()) - {"\n"}
print("\n".join("U+%04X" % ord(c) for c in sorted(chars)))
'
