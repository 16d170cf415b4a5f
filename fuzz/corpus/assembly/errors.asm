*=$1000
 lda ($1234),y
 lda #
 x = 
 lda 10/0
 lda 1+2+3
 foo bar
 byte %101
 text `é
