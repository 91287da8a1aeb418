#define IDH_GERMAN 1
#define IDH_ENGLISH 2
