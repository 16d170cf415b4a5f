*=$0801
zp = $fb
v = $1234
start lda #$00
 lda $10
 lda $0010
 lda 16
 lda (zp),y
 lda (zp,x)
 sta v,x
 ldx v,y
 jmp (v)
 asl a
 ror
 bne start
 lda #<start
 ldy #>start
 lda start+1
 lda v-1
 lda v*2
 lda v/2
 byte 1,$ff,%00000101,"a",`a
 word $1234,start
 dbyte $1234
 text "hello"
 rts
