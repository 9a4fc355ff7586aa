/* Read before each of musl's maths sources: the four functions the game calls
   get names of their own, so they stand beside the C library's and never
   replace them for anyone else in the process. */
#define sin brassmoor_sin
#define cos brassmoor_cos
#define atan brassmoor_atan
#define pow brassmoor_pow
