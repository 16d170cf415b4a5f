*=$fff0
 text "0123456789abcdefghij"
 rts
