# Fails the browser build when a cut face lacks a character of the list it was cut
# to: pyftsubset silently leaves out what the original face does not have.
import sys

from fontTools.ttLib import TTFont

face, listing = sys.argv[1], sys.argv[2]
with open(listing, encoding='utf-8') as file:
    wanted = {c for c in file.read() if c >= ' '}
cmap = TTFont(face).getBestCmap()
missing = sorted(c for c in wanted if ord(c) not in cmap)
if missing:
    sys.exit(f'{face} lacks ' + ' '.join(f'{c} (U+{ord(c):04X})' for c in missing))
