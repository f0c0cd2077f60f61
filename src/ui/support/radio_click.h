#pragma once

#include <functional>

class wxRadioButton;

// Calls action whenever the operator clicks the radio button, also when it is checked already: the
// toolkit reports only a change of the checked button, and a click on the checked one still applies
// what it stands for.
void OnRadioClick(wxRadioButton* radio, std::function<void()> action);
