#pragma once

#include "forms/form.h"

#include <string>
#include <utility>
#include <vector>

// The texts left in fields by key.
using Typed = std::vector<std::pair<const char*, std::string>>;

// What an OK with the fields typed comes to: "key: message", after "beep " where it beeps, or "none".
template <typename AnyForm>
std::string Refused(AnyForm&& form, const Typed& typed = {}) {
    for (const auto& [key, text] : typed)
        form.Enter(key, {0, text});
    std::optional<FormProblem> problem = form.Accept();
    if (!problem)
        return "none";
    return (problem->beep ? "beep " : "") + problem->key + ": " + problem->message.text;
}
