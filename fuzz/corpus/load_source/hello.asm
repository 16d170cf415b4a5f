; hello.asm: clears the screen and writes a greeting into the top line of screen memory,
; in white. Load it with LOAD "HELLO",8,1 and start it with RUN.

*=$0801

screen  = $0400
colours = $d800
clear   = $e544             ; the KERNAL routine that clears the screen
white   = #1

; The BASIC line 10 SYS 2061, so that RUN starts the program.
        dbyte $080b         ; where the next BASIC line starts
        dbyte 10            ; line number 10
        byte $9e            ; the SYS token
        ; the address of start in decimal (a comment after a text string would
        ; add its blanks to the string, so it goes on its own line)
        text "2061"
        byte 0,0,0          ; end of the line, end of the program

start   jsr clear
        ldx #0
copy    lda message,x       ; screen codes, up to the 0 at the end
        beq done
        sta screen,x
        lda white
        sta colours,x
        inx
        bne copy
done    rts

; Backticks give C64 screen codes, ready for screen memory.
message text `hello, world!`
        byte 0
