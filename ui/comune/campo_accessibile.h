// What an assistive technology sees of the read-only fields: the total loss
// as a text that can be read and selected but not edited, and the
// information line as the push button it behaves as (its Press action is
// its click). The fields a person types in keep Qt's own line edit.
#pragma once

namespace flumetra {

class CampoTesto;

// Call once the field is read-only (and, for the information line, a
// button): an interface Qt made while the field was being built, as a plain
// line edit, gives way to the field's own.
void rendiAccessibile(CampoTesto* campo);

}  // namespace flumetra
