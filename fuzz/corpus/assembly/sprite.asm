; sprite.asm: shows a yellow diamond sprite in the middle of the screen. The register names come
; from vic.asm and the sprite's 63 bytes from diamond.bin, both pulled in at assembly time.
; Load it with LOAD "SPRITE",8,1 and start it with RUN.

*=$0801
        include "vic.asm"
yellow  = #7
block   = #13               ; sprite data at 13 * 64 = $0340, the cassette buffer

; The BASIC line 10 SYS 2061, so that RUN starts the program.
        dbyte $080b
        dbyte 10
        byte $9e
        text "2061"
        byte 0,0,0

start   ldx #62
copy    lda done+1,x        ; the sprite bytes follow the last instruction
        sta $0340,x
        dex
        bpl copy
        lda block
        sta pointer0
        lda #172
        sta sp0x
        lda #139
        sta sp0y
        lda yellow
        sta sp0col
        lda #1
        sta spena
done    rts
        includebinary "diamond.bin"
