ab
c
d
éÿ