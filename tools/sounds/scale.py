"""MIDI note numbers of D major pentatonic, the one scale every sound is built on,
so any two sounds played in a row belong together."""
D4 = 62
D5, E5, FS5, A5, B5 = 74, 76, 78, 81, 83
D6, E6, FS6, A6, B6 = 86, 88, 90, 93, 95
D7, E7 = 98, 100
PENTATONIC = (D5, E5, FS5, A5, B5, D6, E6, FS6, A6, B6, D7)
