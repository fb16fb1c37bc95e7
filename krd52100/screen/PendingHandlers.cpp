// Empty bodies of the handlers and routines that are not written yet, so that the module links
// and every event is already bound while they are. Whoever writes one moves its body out of
// this file into the folder of its concern (source/, mapping/ or config/) and deletes it here;
// when this file is empty it goes.
#include "screen/TfrmIntegraCardapio.h"

