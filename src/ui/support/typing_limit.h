#pragma once

class wxTextCtrl;

// Lets the operator type no more than limit characters into the field, counted as the check on OK
// counts them (StoredLength); a pasted text is cut to the room left, as typing stops there. Unlike the
// toolkit's own limit it leaves a longer text that the program puts there (a stored value) whole, so
// that the check on OK reports it instead of the field cutting it silently.
void LimitTyping(wxTextCtrl* field, int limit);
