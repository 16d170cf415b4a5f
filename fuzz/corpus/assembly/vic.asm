; vic.asm: the VIC-II and screen addresses that sprite.asm uses, for including.
sp0x     = $d000            ; sprite 0 position, x
sp0y     = $d001            ; sprite 0 position, y
spena    = $d015            ; one bit per sprite: shown or not
sp0col   = $d027            ; sprite 0 colour
pointer0 = $07f8            ; sprite 0 data pointer, the last bytes of screen memory
