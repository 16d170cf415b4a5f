*=$1000
include "nest.asm"
includeprg "tiny.prg"
includebinary "empty.bin"
 jmp nested
