#pragma once
// A journal as the host's observations: milliseconds, names, the findings.
#include "evidence/logic/KeystrokeJournal.h"
#include "vemo5/Observations.h"

namespace kvorkeyboard {

// Every key the journal saw, in identifier order; chatter, most keys down
// and keys still down likewise. A key without a name is "key <identifier>".
vemo5::Observations summarize(const KeystrokeJournal& journal);

}  // namespace kvorkeyboard
