*=$1000
include "dir.asm"
include "fifo.asm"
include "missing.asm"
include
;include me
