*=$00f0
lab lda lab
 lda 300-lab2
lab2 rts
