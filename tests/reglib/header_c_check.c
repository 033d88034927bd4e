/* The installers' header compiles as C, and in a 32-bit build the record
 * has the sizes callers of the 32-bit library have always passed. */
#include "reglib/QyVeskReg.h"

_Static_assert(sizeof(void*) != 4 || (APPRECORD_SIZE_BASIC == 60 && APPRECORD_SIZE_SUPPORT == 64 &&
                                      APPRECORD_SIZE_FULL == 76),
               "AppRecord sizes of the 32-bit library");

/* A caller that binds an export at run time names its type so. */
typedef int (QYVESK_CALL* RegisterAppInPManFn)(const AppRecord*);
unsigned int ReglibHeaderRecordSize(void) {
  RegisterAppInPManFn fn = 0;
  (void)fn;
  return APPRECORD_SIZE_FULL;
}
