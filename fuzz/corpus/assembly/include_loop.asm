*=$1000
include "self.asm"
 rts
