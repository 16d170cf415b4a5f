*=$c000
include "lib.asm"
includebinary "data.bin"
includeprg "game.prg"
 jsr libstart
 rts
