// A value typed into the quantity the mode holds (Y in mode Perdita, v in
// Velocità, G in Portata), or into the held section dimension in mode
// SezioneCanale, recomputes nothing else: it is kept for the next change of
// another quantity. Which changes use it, and which fields each then writes,
// is read off the chains themselves: each change runs on a window at its
// start texts in that mode and section, and those that read the field
// without writing it are the ones that will use it.
//
//   seguiti(Text_Y, Perdita, A)        -> {G: D, B, v}, {v: D, B, G}
//   seguiti(Text_B, SezioneCanale, B)  -> {A: D, v, Y, Ytot}, {D: A, v, Y, Ytot}
//   seguiti(Text_G, Perdita, A)        -> none: G is not held there
#pragma once

#include <vector>

#include "logic/finestra.h"

namespace flumetra {

struct Seguito {
    Campo modifica;              // the quantity whose change will use the held value
    std::vector<Campo> scritti;  // the fields that change writes, in order
};

// Empty unless the field is the one the mode (or, in mode SezioneCanale,
// the section radios) holds. The fields its own change writes at once (the
// total loss after Y) are not among those that wait for it.
std::vector<Seguito> seguiti(Campo campo, Modo modo, Sezione sezione);

}  // namespace flumetra
