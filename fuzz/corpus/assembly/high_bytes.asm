*=$1000
; café ÿ€
 text "é"
 rts
