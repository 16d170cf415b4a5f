; border_cycle.asm: cycles the border and background colours, one step every eight
; frames, until a key is pressed. Load it with LOAD "BORDER",8,1 and start it with RUN.

*=$0801

border     = $d020
background = $d021
raster     = $d012
getin      = $ffe4
counter    = $fb

; The BASIC line 10 SYS 2061, so that RUN starts the program.
           dbyte $080b          ; where the next BASIC line starts
           dbyte 10             ; line number 10
           byte $9e             ; the SYS token
           ; the address of start in decimal (a comment after a text string would
           ; add its blanks to the string, so it goes on its own line)
           text "2061"
           byte 0,0,0           ; end of the line, end of the program

start      lda #0
           sta counter
cycle      lda counter
           sta border
           eor #$0f             ; the background gets the opposite colour
           sta background
           ldy #8               ; frames to wait
frame      lda raster           ; wait for raster line 255
           cmp #$ff
           bne frame
pass       lda raster           ; and until the beam has left it
           cmp #$ff
           beq pass
           dey
           bne frame
           inc counter
           jsr getin            ; a key in the buffer ends the show
           beq cycle
           lda #14              ; back to light blue on blue
           sta border
           lda #6
           sta background
           rts
